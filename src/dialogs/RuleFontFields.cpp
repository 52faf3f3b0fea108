#include "dialogs/RuleFontFields.h"

#include "dialogs/ElementDialog.h"

QString ruleTag(const RuleFields& fields)
{
    AttributeText attributes;
    // The percent sign belongs to a width; without one there is nothing to qualify.
    const QString width =
        fields.percent && !fields.width.isEmpty() ? fields.width + QLatin1Char('%') : fields.width;
    attributes.add(QStringLiteral("WIDTH"), width, AttributeText::Bare)
        .add(QStringLiteral("SIZE"), fields.thickness, AttributeText::Bare)
        .add(QStringLiteral("ALIGN"), fields.align, AttributeText::Bare);
    if (fields.noShade)
        attributes.raw(QStringLiteral(" NOSHADE"));
    return QStringLiteral("<HR") + attributes.text() + QLatin1Char('>');
}

QStringList ruleThicknessEntries()
{
    QStringList entries{QString()};
    for (int i = 1; i <= 99; ++i)
        entries << QString::number(i);
    return entries;
}

QStringList ruleAlignEntries()
{
    return {QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("CENTER"), QString()};
}

QString fontStartTag(const FontFields& fields)
{
    AttributeText attributes;
    attributes.add(QStringLiteral("SIZE"), fields.size, AttributeText::Bare)
        .add(QStringLiteral("COLOR"), fields.color, AttributeText::Bare)
        .add(QStringLiteral("FACE"), fields.face, AttributeText::Quoted);
    return QStringLiteral("<FONT") + attributes.text() + QLatin1Char('>');
}

QStringList fontSizeEntries()
{
    QStringList entries;
    for (int i = 1; i <= 7; ++i)
        entries << QString::number(i);
    return entries;
}

QString faceListWith(const QString& faces, const QString& name)
{
    return faces.isEmpty() ? name : faces + QLatin1Char(',') + name;
}
