#include "dialogs/BodyFields.h"

#include "dialogs/ElementDialog.h"

QString bodyTag(const BodyFields& f)
{
    AttributeText attributes;
    attributes.add(QStringLiteral("BGCOLOR"), f.background, AttributeText::Quoted)
        .add(QStringLiteral("TEXT"), f.text, AttributeText::Quoted)
        .add(QStringLiteral("LINK"), f.link, AttributeText::Quoted)
        .add(QStringLiteral("VLINK"), f.vlink, AttributeText::Quoted)
        .add(QStringLiteral("ALINK"), f.alink, AttributeText::Quoted)
        .add(QStringLiteral("BACKGROUND"), f.backgroundGraphic, AttributeText::Quoted);
    return QStringLiteral("<BODY") + attributes.text() + QLatin1Char('>');
}

QString htmlColorText(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return QStringLiteral("#%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

TextRange bodyTagRange(const QString& text, int selStart, int selLength)
{
    const QString opening = QStringLiteral("<body");
    const TextRange selection{selStart, selLength};
    qsizetype match = -1;
    if (selLength > 0) {
        // Only a tag that lies wholly inside the selection counts.
        match = QStringView(text).mid(selStart, selLength).indexOf(opening, 0, Qt::CaseInsensitive);
        if (match >= 0)
            match += selStart;
    } else {
        match = text.indexOf(opening, 0, Qt::CaseInsensitive);
    }
    if (match < 0)
        return selection;
    const qsizetype close = text.indexOf(QLatin1Char('>'), match);
    if (close < 0)
        return {int(match), 0};
    return {int(match), int(close - match + 1)};
}
