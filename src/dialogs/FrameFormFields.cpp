#include "dialogs/FrameFormFields.h"

#include "dialogs/ElementDialog.h"

namespace {

QString quoted(const QString& value)
{
    return QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace

TagPair framesetText(const FramesetFields& fields, const QString& lineBreak)
{
    AttributeText attributes;
    attributes.add(QStringLiteral("ROWS"), fields.rows, AttributeText::Quoted)
        .add(QStringLiteral("COLS"), fields.cols, AttributeText::Quoted);
    return {QStringLiteral("<FRAMESET") + attributes.text() + QLatin1Char('>') + lineBreak,
            QStringLiteral("</FRAMESET>")};
}

TagPair frameText(const FrameFields& fields, const QString& lineBreak)
{
    AttributeText attributes;
    attributes.add(QStringLiteral("SRC"), fields.src, AttributeText::Quoted)
        .add(QStringLiteral("NAME"), fields.name, AttributeText::Quoted)
        .add(QStringLiteral("MARGINWIDTH"), fields.marginWidth, AttributeText::Quoted)
        .add(QStringLiteral("MARGINHEIGHT"), fields.marginHeight, AttributeText::Quoted);
    // Auto is what browsers do anyway, so it is never written.
    if (fields.scrolling == FrameScrolling::Yes)
        attributes.add(QStringLiteral("SCROLLING"), QStringLiteral("YES"), AttributeText::Quoted);
    else if (fields.scrolling == FrameScrolling::No)
        attributes.add(QStringLiteral("SCROLLING"), QStringLiteral("NO"), AttributeText::Quoted);
    if (fields.noResize)
        attributes.raw(QStringLiteral(" NORESIZE"));
    return {QStringLiteral("<FRAME") + attributes.text() + QLatin1Char('>') + lineBreak, QString()};
}

TagPair noFramesText(const QString& lineBreak)
{
    return {QStringLiteral("<NOFRAMES>") + lineBreak, QStringLiteral("</NOFRAMES>")};
}

TagPair formTemplateText(const QString& action, const QString& lineBreak)
{
    return {QStringLiteral("<FORM METHOD=POST ACTION=") + quoted(action) + QLatin1Char('>') + lineBreak,
            QStringLiteral("</FORM>")};
}

TagPair formElementText(const FormElementFields& fields)
{
    const bool textArea = fields.caption == kTextAreaCaption;
    QString opening = textArea ? QStringLiteral("<TEXTAREA") : QStringLiteral("<INPUT TYPE=") + quoted(fields.type);
    AttributeText attributes;
    attributes.add(QStringLiteral("NAME"), fields.name, AttributeText::Quoted)
        .add(QStringLiteral("VALUE"), fields.value, AttributeText::Quoted)
        .add(QStringLiteral("SIZE"), fields.size, AttributeText::Quoted)
        .add(QStringLiteral("MAXLENGTH"), fields.maxLength, AttributeText::Quoted)
        .add(QStringLiteral("ROWS"), fields.rows, AttributeText::Quoted)
        .add(QStringLiteral("COLS"), fields.columns, AttributeText::Quoted);
    opening += attributes.text() + QLatin1Char('>');
    return {opening, textArea ? QStringLiteral("</TEXTAREA>") : QString()};
}

TagPair listBoxText(const ListBoxFields& fields, const QString& lineBreak)
{
    QString options;
    for (const QString& entry : fields.entries) {
        if (entry.isEmpty())
            break;
        if (entry == QStringLiteral(" "))
            continue;
        options += QStringLiteral("<OPTION>") + entry + lineBreak;
    }
    AttributeText attributes;
    attributes.add(QStringLiteral("NAME"), fields.name, AttributeText::Quoted);
    // Multiple always carries its size, even an empty one.
    if (fields.multiple)
        attributes.raw(QStringLiteral(" MULTIPLE SIZE=") + quoted(fields.size));
    return {QStringLiteral("<SELECT") + attributes.text() + QLatin1Char('>') + lineBreak + options,
            QStringLiteral("</SELECT>")};
}
