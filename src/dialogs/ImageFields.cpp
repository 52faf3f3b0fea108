#include "dialogs/ImageFields.h"

#include "dialogs/ElementDialog.h"

QString imageText(const ImageFields& f)
{
    AttributeText attributes;
    attributes.add(QStringLiteral("ALT"), f.alt, AttributeText::Quoted)
        .add(QStringLiteral("WIDTH"), f.width, AttributeText::Bare)
        .add(QStringLiteral("HEIGHT"), f.height, AttributeText::Bare)
        .add(QStringLiteral("HSPACE"), f.hSpace, AttributeText::Bare)
        .add(QStringLiteral("VSPACE"), f.vSpace, AttributeText::Bare)
        .add(QStringLiteral("BORDER"), f.border, AttributeText::Bare)
        .add(QStringLiteral("LOWSRC"), f.lowSource, AttributeText::Quoted)
        .add(QStringLiteral("ALIGN"), f.align, AttributeText::Bare)
        // SRC stands even when empty, as two adjacent quotes.
        .raw(QStringLiteral(" SRC=\"") + f.source + QLatin1Char('"'));
    if (!f.useMap.isEmpty())
        attributes.add(QStringLiteral("USEMAP"), QLatin1Char('#') + f.useMap, AttributeText::Quoted);
    if (f.isMap)
        attributes.raw(QStringLiteral(" ISMAP"));

    const QString image = QStringLiteral("<IMG") + attributes.text() + QLatin1Char('>');
    if (f.linkUrl.isEmpty())
        return image;
    return QStringLiteral("<A HREF=\"") + f.linkUrl + QStringLiteral("\">") + image + QStringLiteral("</A>");
}
