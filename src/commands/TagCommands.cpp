#include "commands/TagCommands.h"

namespace {

FixedInsert pair(const char* control, const char* tag)
{
    const QString name = QString::fromLatin1(tag);
    return {QString::fromLatin1(control), QLatin1Char('<') + name + QLatin1Char('>'),
            QStringLiteral("</") + name + QLatin1Char('>')};
}

FixedInsert single(const char* control, const char* tag)
{
    return {QString::fromLatin1(control), QLatin1Char('<') + QString::fromLatin1(tag) + QLatin1Char('>'), QString()};
}

FixedInsert reference(const char* control, int code)
{
    return {QString::fromLatin1(control), QStringLiteral("&#%1;").arg(code), QString()};
}

} // namespace

const std::vector<FixedInsert>& fixedTagCommands()
{
    static const std::vector<FixedInsert> rows = {
        pair("cmdBold", "B"), pair("cmdItalic", "I"), pair("cmdUnderline", "U"),
        pair("cmdCenter", "CENTER"), single("cmdBreak", "BR"), pair("cmdPre", "PRE"), pair("cmdP", "P"),
        pair("cmdH1", "H1"), pair("cmdH2", "H2"), pair("cmdH3", "H3"),
        pair("cmdH4", "H4"), pair("cmdH5", "H5"), pair("cmdH6", "H6"),
        pair("mnuBIG", "BIG"), pair("mnuSMALL", "SMALL"), pair("mnuBlink", "BLINK"), pair("mnuSUB", "SUB"),
        pair("mnuSUP", "SUP"), pair("mnuEm", "EM"), pair("mnuStrong", "STRONG"), pair("mnuS", "S"),
        pair("mnuCODE", "CODE"), pair("mnuSAMP", "SAMP"), pair("mnuKBD", "KBD"), pair("mnuCITE", "CITE"),
        pair("mnuTT", "TT"),
        pair("mnuDIV", "DIV"), pair("mnuBlockQuote", "BLOCKQUOTE"),
        pair("mnuNOBR", "NOBR"), single("mnuWBR", "WBR"),
        pair("mnuBold", "B"), pair("mnuItalic", "I"), pair("mnuUnderline", "U"),
        pair("mnuCenter", "CENTER"), single("mnuBreak", "BR"),
    };
    return rows;
}

const std::vector<FixedInsert>& characterCommands()
{
    static const std::vector<FixedInsert> rows = {
        reference("mnuSpace", 160), reference("mnuExclamation", 33), reference("mnuQuotation", 34),
        reference("mnuNumber", 35), reference("mnuDollar", 36), reference("mnuPercent", 37),
        reference("mnuAmpersand", 38), reference("mnuApostrophe", 39), reference("mnuLeftP", 40),
        reference("mnuRightP", 41), reference("mnuAsterisk", 42), reference("mnuPlusSign", 43),
        reference("mnuLessThan", 60), reference("mnuEqual", 61), reference("mnuGreaterThan", 62),
        reference("mnuQuestion", 63), reference("mnuAT", 64), reference("mnuLeftSQ", 91),
        reference("mnuRightSQ", 93), reference("mnuTilde", 126), reference("mnuInEx", 161),
        reference("mnuCent", 162), reference("mnuCopyright", 169), reference("mnuRegistered", 174),
        reference("mnuOneFourth", 188), reference("mnuOneHalf", 189), reference("mnuThreeFourths", 190),
    };
    return rows;
}

const std::vector<TagButton>& tagButtons()
{
    static const std::vector<TagButton> buttons = {
        {"cmdBold", "B", "Bold tags.", ButtonArea::ToolStrip, "mnuBold"},
        {"cmdItalic", "i", "Italic tags.", ButtonArea::ToolStrip, "mnuItalic"},
        {"cmdUnderline", "u", "Underline tags.", ButtonArea::ToolStrip, "mnuUnderline"},
        {"cmdPre", "PRE", "Preformatted text tags.", ButtonArea::ToolStrip, ""},
        {"cmdBreak", "Break", "Insert a line break in the document.", ButtonArea::ToolStrip, "mnuBreak"},
        {"cmdCenter", "Center", "Center tags.", ButtonArea::ToolStrip, "mnuCenter"},
        {"cmdHR", "HR", "Insert a horizontal rule in the document.", ButtonArea::ToolStrip, "mnuHR"},
        {"cmdFontOption", "Font", "Changes fonts Size, Color, and Face options.", ButtonArea::ToolStrip, ""},
        {"cmdP", "P", "", ButtonArea::ToolStrip, ""},
        {"Command2", "Comment", "", ButtonArea::ToolStrip, ""},
        {"cmdH1", "H1", "Heading 1 tags.", ButtonArea::RightPanel, ""},
        {"cmdH2", "H2", "Heading 2 tags.", ButtonArea::RightPanel, ""},
        {"cmdH3", "H3", "Heading 3 tags.", ButtonArea::RightPanel, ""},
        {"cmdH4", "H4", "Heading 4 tags.", ButtonArea::RightPanel, ""},
        {"cmdH5", "H5", "Heading 5 tags.", ButtonArea::RightPanel, ""},
        {"cmdH6", "H6", "Heading 6 tags.", ButtonArea::RightPanel, ""},
        {"cmdEmbed", "Embed", "Embeds a file into the document - Shockwave, Java, AVI files, etc.", ButtonArea::RightPanel, "mnuEmbed"},
        {"cmdAnchor", "Anchor", "Creates an Anchor in the document.", ButtonArea::RightPanel, ""},
        {"SScmdImage", "Image", "Adds images to the document.", ButtonArea::RightPanel, "mnuImage"},
        {"SScmdLink", "Link", "Links a URL to the selected text in the document.", ButtonArea::RightPanel, "mnuLink"},
    };
    return buttons;
}
