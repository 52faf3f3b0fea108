#include "dialogs/LinkFields.h"

#include "dialogs/ElementDialog.h"

QString linkOpeningText(const LinkFields& fields)
{
    QString href = fields.protocol + fields.url;
    if (!fields.anchor.isEmpty())
        href += QLatin1Char('#') + fields.anchor;
    return QStringLiteral("<A HREF=\"") + href + QLatin1Char('"')
        + AttributeText().add(QStringLiteral("TARGET"), fields.target, AttributeText::Quoted).text()
        + QLatin1Char('>');
}

QString linkClosingText()
{
    return QStringLiteral("</A>");
}
