#include "commands/PromptCommands.h"

#include "platform/Prompter.h"

namespace {

const QString kQuote = QStringLiteral("\"");

PromptInsert fixed(const char* control, const char* opening, const char* closing = "")
{
    return {QLatin1String(control), {}, {}, QLatin1String(opening), {}, QLatin1String(closing)};
}

// " NAME=" + Q + v + Q, then the row's own ending.
PromptInsert quoted(const char* control, const char* prompt, const char* name, const char* ending = "")
{
    return {QLatin1String(control), QLatin1String(prompt), {},
            QStringLiteral(" %1=").arg(QLatin1String(name)) + kQuote, kQuote + QLatin1String(ending), {}};
}

// " NAME=" + v + " ": the value without quotes.
PromptInsert bare(const char* control, const char* prompt, const char* name)
{
    return {QLatin1String(control), QLatin1String(prompt), {}, QStringLiteral(" %1=").arg(QLatin1String(name)),
            QStringLiteral(" "), {}};
}

} // namespace

const QString kNoAnchorMessage = QStringLiteral("No Data or Cancel Button Pressed!");

const std::vector<PromptInsert>& promptCommands()
{
    static const std::vector<PromptInsert> rows = {
        fixed("mnuBGPROP", " BGPROPERTIES=FIXED"),
        quoted("mnuLeftMargin", "Insert Left Margin Value", "LEFTMARGIN"),
        quoted("mnuTopMargin", "Insert Top Margin Value", "TOPMARGIN"),
        {QStringLiteral("mnuBGSOUND"), QStringLiteral("Give URL name:"), {}, QStringLiteral("<BGSOUND SRC=\""),
         QStringLiteral("\">"), {}},
        quoted("mnuFace", "Font Name:", "FACE", " "),
        fixed("mnuControls", " CONTROLS "),
        quoted("mnuDYN", "Input DYNSRC URL:", "DYNSRC", " "),
        bare("mnuLOOP", "How many loops? or type INFINITE", "LOOP"),
        fixed("mnuFileOpen", " START=FILEOPEN "),
        fixed("mnuMouseOver", " START=MOUSEOVER "),
        fixed("mnuMar", "<MARQUEE>", "</MARQUEE>"),
        bare("mnuAligns", "Insert value: TOP, MIDDLE, or BOTTOM", "ALIGN"),
        bare("mnuBehavior", "Insert value: SCROLL, SLIDE, or ALTERNATE", "BEHAVIOR"),
        bare("mnuDirection", "Insert value: LEFT or RIGHT", "DIRECTION"),
        bare("mnuH", "Height amount:", "HEIGHT"),
        bare("mnuScrollAm", "SCROLLAMOUNT value:", "SCROLLAMOUNT"),
        bare("mnuScrollD", "SCROLLDELAY value:", "SCROLLDELAY"),
        bare("mnuWidthAgain", "WIDTH amount:", "WIDTH"),
        fixed("mnuMap", "<MAP>", "</MAP>"),
        {QStringLiteral("mnuBASE"), QStringLiteral("Input Font Size:"), QStringLiteral("Base Font Size"),
         QStringLiteral("<BASEFONT SIZE=\""), QStringLiteral("\">"), {}},
        {QStringLiteral("mnuImageMap"), QStringLiteral("Enter Map Name:"), kProgramTitle,
         QStringLiteral("<MAP NAME=\""), QStringLiteral("\">"), QStringLiteral("</MAP>"), EmptyAnswer::Nothing},
        fixed("mnuMapArea", "<AREA SHAPE=\"\" COORDS=\"\" HREF=\"\">"),
        // The blank after the equals sign is what the button has always written.
        {QStringLiteral("cmdAnchor"), QStringLiteral("Enter An Anchor Name"), QStringLiteral("Anchor"),
         QStringLiteral("<A NAME= \""), QStringLiteral("\">"), QStringLiteral("</A>"), EmptyAnswer::Refuse},
    };
    return rows;
}

std::optional<QString> promptOpening(const PromptInsert& row, const QString& answer)
{
    if (answer.isEmpty() && row.empty != EmptyAnswer::Insert)
        return std::nullopt;
    return row.before + answer + row.after;
}

QString dateText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("dddd, MMMM dd, yyyy"));
}
