#include "dialogs/TableFields.h"

#include <QHash>
#include <algorithm>

std::optional<TableCount> tableCount(const QString& boxText)
{
    bool ok = false;
    const qlonglong value = boxText.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    if (value < 1)
        return TableCount{1, true};
    if (value > kMaxTableCount)
        return TableCount{kMaxTableCount, true};
    return TableCount{int(value), false};
}

int tableTextCount(const QString& boxText)
{
    const std::optional<TableCount> count = tableCount(boxText);
    return count ? count->value : 0;
}

void TableCellStore::resize(int rows, int columns)
{
    rows = std::clamp(rows, 0, kMaxTableCount) + 1;
    columns = std::clamp(columns, 0, kMaxTableCount) + 1;
    std::vector<QString> entries(size_t(rows) * size_t(columns));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(columns, columns_); ++c)
            entries[size_t(r) * columns + c] = std::move(entries_[size_t(r) * columns_ + c]);
    entries_ = std::move(entries);
    rows_ = rows;
    columns_ = columns;
}

void TableCellStore::clear()
{
    std::fill(entries_.begin(), entries_.end(), QString());
}

QString TableCellStore::at(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rows_ || column >= columns_)
        return {};
    return entries_[size_t(row) * columns_ + column];
}

void TableCellStore::set(int row, int column, const QString& markup)
{
    if (row >= 0 && column >= 0 && row < rows_ && column < columns_)
        entries_[size_t(row) * columns_ + column] = markup;
}

namespace {

// " NAME=value" when value is filled; table values are never quoted.
void addAttribute(QString& tag, QLatin1StringView name, const QString& value)
{
    if (!value.isEmpty())
        tag += QLatin1Char(' ') + name + QLatin1Char('=') + value;
}

} // namespace

QString tableText(const TableFields& f, const TableCellStore& cells, const QString& lineBreak)
{
    QString text = QStringLiteral("<TABLE");
    addAttribute(text, QLatin1StringView("CELLPADDING"), f.cellPadding);
    addAttribute(text, QLatin1StringView("CELLSPACING"), f.cellSpacing);
    addAttribute(text, QLatin1StringView("BORDER"), f.borderWidth);
    addAttribute(text, QLatin1StringView("WIDTH"), f.width);
    text += QLatin1Char('>') + lineBreak;
    if (!f.caption.isEmpty()) {
        text += QStringLiteral("<CAPTION");
        if (f.captionBottom)
            text += QStringLiteral(" ALIGN=BOTTOM");
        text += QLatin1Char('>') + f.caption + QStringLiteral("</CAPTION>") + lineBreak;
    }
    const int rows = std::clamp(f.rows, 0, kMaxTableCount);
    const int columns = std::clamp(f.columns, 0, kMaxTableCount);
    for (int r = 0; r < rows; ++r) {
        text += QStringLiteral("<TR>");
        for (int c = 0; c < columns; ++c)
            text += cells.at(r, c);
        text += QStringLiteral("</TR>") + lineBreak;
    }
    return text;
}

QString tableTestPage(const QString& tableText)
{
    return QStringLiteral("<HTML><HEAD><TITLE>Table Test</TITLE><BODY><CENTER>") + tableText
        + QStringLiteral("</TABLE></CENTER></BODY></HTML>");
}

QString tableTestPagePath(const QString& documentPath)
{
    if (documentPath.isEmpty())
        return {};
    // Only the file name loses its extension: a "." in a folder name must not cut the path.
    const qsizetype nameStart = documentPath.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = documentPath.lastIndexOf(QLatin1Char('.'));
    const QString base = dot >= nameStart ? documentPath.left(dot) : documentPath;
    return base + QStringLiteral("tabletest.html");
}

QString cellMarkup(const CellFields& f)
{
    const QString name = f.header ? QStringLiteral("TH") : QStringLiteral("TD");
    QString tag = QLatin1Char('<') + name;
    if (!f.wrapText)
        tag += QStringLiteral(" NOWRAP");
    addAttribute(tag, QLatin1StringView("COLSPAN"), f.colSpan);
    addAttribute(tag, QLatin1StringView("ROWSPAN"), f.rowSpan);
    addAttribute(tag, QLatin1StringView("ALIGN"), f.align);
    addAttribute(tag, QLatin1StringView("VALIGN"), f.vAlign);
    return tag + QLatin1Char('>') + f.text + QStringLiteral("</") + name + QLatin1Char('>');
}

namespace {

// One code unit in upper case, so that every position matches the selected text.
char16_t upperAt(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c;
    return QChar(c).toUpper().unicode();
}

bool matchesAt(QStringView text, qsizetype i, qsizetype end, QLatin1StringView pattern)
{
    if (i + pattern.size() > end)
        return false;
    for (qsizetype k = 0; k < pattern.size(); ++k)
        if (upperAt(text, i + k) != char16_t(pattern[k].unicode()))
            return false;
    return true;
}

const QLatin1StringView kPadding("CELLPADDING=");
const QLatin1StringView kSpacing("CELLSPACING=");
const QLatin1StringView kBorder("BORDER=");

// A run of "<" that all close at the same ">": each tag of the run holds the text from just
// after its own "<" to that ">", so a pattern lies in a tag exactly when its last place in the
// run starts after the tag's "<". One pass over the run answers for all its tags.
struct TagRun {
    qsizetype lastTable = -1;
    qsizetype lastTableEnd = -1;
    qsizetype lastRowEnd = -1;
    qsizetype lastCell = -1;
    qsizetype lastCellEnd = -1;
    bool nested = false; // another "<" before the ">"
    // Every place of the attributes whose value is read, in order.
    std::vector<qsizetype> padding, spacing, border;

    TagRun(QStringView text, qsizetype begin, qsizetype end)
    {
        for (qsizetype i = begin; i < end; ++i) {
            switch (upperAt(text, i)) {
            case u'T':
                if (matchesAt(text, i, end, QLatin1StringView("TABLE")))
                    lastTable = i;
                else if (matchesAt(text, i, end, QLatin1StringView("TD")))
                    lastCell = i;
                break;
            case u'/':
                if (matchesAt(text, i, end, QLatin1StringView("/TABLE")))
                    lastTableEnd = i;
                else if (matchesAt(text, i, end, QLatin1StringView("/TR")))
                    lastRowEnd = i;
                else if (matchesAt(text, i, end, QLatin1StringView("/TD")))
                    lastCellEnd = i;
                break;
            case u'C':
                if (matchesAt(text, i, end, kPadding))
                    padding.push_back(i);
                else if (matchesAt(text, i, end, kSpacing))
                    spacing.push_back(i);
                break;
            case u'B':
                if (matchesAt(text, i, end, kBorder))
                    border.push_back(i);
                break;
            case u'<':
                nested = true;
                break;
            default:
                break;
            }
        }
    }
};

// The value of the first place at or after begin, read as the one character after its "=",
// empty at the tag's end; next moves forward with begin.
void takeValue(QStringView text, const std::vector<qsizetype>& places, size_t& next, qsizetype begin,
               qsizetype end, qsizetype length, std::optional<QString>& box)
{
    while (next < places.size() && places[next] < begin)
        ++next;
    if (next == places.size())
        return;
    const qsizetype value = places[next] + length;
    box = value < end ? QString(QChar(upperAt(text, value))) : QString();
}

} // namespace

TableImport scanTableImport(const QString& selected, const ImportGrid& start)
{
    TableImport result;
    ImportGrid grid = start;
    bool firstRow = true;
    std::optional<int> firstRowCells;
    QHash<QPair<int, int>, QString> texts;

    bool failed = false;
    for (qsizetype open = selected.indexOf(QLatin1Char('<')); open >= 0 && !failed;) {
        const qsizetype close = selected.indexOf(QLatin1Char('>'), open);
        if (close < 0)
            break; // a tag that never closes ends the scan
        const qsizetype next = selected.indexOf(QLatin1Char('<'), close + 1);
        const QStringView run = QStringView(selected).first(close);
        const TagRun tags(run, open + 1, close);
        size_t padding = 0, spacing = 0, border = 0;
        for (qsizetype at = open; at >= 0; at = tags.nested ? run.indexOf(QLatin1Char('<'), at + 1) : -1) {
            const qsizetype begin = at + 1;
            const bool table = tags.lastTable >= begin;
            if (table && tags.lastTableEnd < begin) {
                grid = {1, 1, 0, 0};
                result.gridReset = true;
                // Only the first cell keeps what it was given.
                for (auto it = texts.begin(); it != texts.end();)
                    it = it.key() == QPair<int, int>(0, 0) ? std::next(it) : texts.erase(it);
            }
            if (tags.lastRowEnd >= begin && !table) {
                ++grid.rows;
                ++grid.row;
                grid.column = 0;
                firstRow = false;
            }
            if (tags.lastCell >= begin && tags.lastCellEnd < begin) {
                if (grid.row < 0 || grid.column < 0 || grid.row >= grid.rows || grid.column >= grid.columns) {
                    failed = true; // no current cell to write to
                    break;
                }
                // The cell's text runs to the next tag, or to the end of the selection. A cell
                // beyond what the grid can ever show is not kept.
                if (grid.row < kMaxTableCount && grid.column < kMaxTableCount)
                    texts.insert({grid.row, grid.column},
                                 selected.mid(close + 1, (next < 0 ? selected.size() : next) - close - 1));
                ++grid.columns;
                ++grid.column;
                if (firstRow)
                    firstRowCells = firstRowCells.value_or(0) + 1;
            }
            takeValue(selected, tags.padding, padding, begin, close, kPadding.size(), result.cellPadding);
            takeValue(selected, tags.border, border, begin, close, kBorder.size(), result.borderWidth);
            takeValue(selected, tags.spacing, spacing, begin, close, kSpacing.size(), result.cellSpacing);
        }
        open = next;
    }

    if (firstRowCells)
        result.columnsBox = QString::number(*firstRowCells);
    result.columns = std::clamp(firstRowCells.value_or(grid.columns), 0, kMaxTableCount);
    result.rows = std::clamp(grid.rows - 1, 0, kMaxTableCount);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        if (it.key().first < result.rows && it.key().second < result.columns)
            result.cells.push_back({it.key().first, it.key().second, it.value()});
    return result;
}
