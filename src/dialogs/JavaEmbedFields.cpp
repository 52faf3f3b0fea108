#include "dialogs/JavaEmbedFields.h"

#include "dialogs/ElementDialog.h"

QString appletOpeningText(const AppletFields& f)
{
    AttributeText attributes;
    attributes.add(QStringLiteral("CODEBASE"), f.codeBase, AttributeText::Bare)
        .add(QStringLiteral("CODE"), f.code, AttributeText::Bare)
        .add(QStringLiteral("WIDTH"), f.width, AttributeText::Bare)
        .add(QStringLiteral("HEIGHT"), f.height, AttributeText::Bare)
        .add(QStringLiteral("ALT"), f.alt, AttributeText::Bare)
        .add(QStringLiteral("NAME"), f.name, AttributeText::Bare)
        .add(QStringLiteral("VSPACE"), f.vspace, AttributeText::Bare)
        .add(QStringLiteral("HSPACE"), f.hspace, AttributeText::Bare)
        .add(QStringLiteral("ALIGN"), f.align, AttributeText::Bare);
    return QStringLiteral("<APPLET") + attributes.text() + QLatin1Char('>');
}

QString appletClosingText(const QByteArray& lineBreak)
{
    return QString::fromLatin1(lineBreak) + QStringLiteral("</APPLET>");
}

QString paramText(const ParamFields& f)
{
    AttributeText attributes;
    attributes.add(QStringLiteral("NAME"), f.name, AttributeText::Bare)
        .add(QStringLiteral("VALUE"), f.value, AttributeText::Bare);
    return QStringLiteral("<PARAM") + attributes.text() + QLatin1Char('>');
}

QString embedText(const EmbedFields& f)
{
    AttributeText attributes;
    attributes.add(QStringLiteral("WIDTH"), f.width, AttributeText::Bare)
        .add(QStringLiteral("HEIGHT"), f.height, AttributeText::Bare)
        .add(QStringLiteral("PALETTE"), f.palette, AttributeText::Bare)
        // The file is always written, even empty; the dialog decides whether to insert at all.
        .raw(QStringLiteral(" SRC=\"") + f.url + QLatin1Char('"'));
    return QStringLiteral("<EMBED") + attributes.text() + QLatin1Char('>');
}
