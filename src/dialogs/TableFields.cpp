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

// The next place of a pattern at or after a position that only moves forward, so that a whole
// scan reads the text about once however the tags nest.
class ForwardFinder {
public:
    ForwardFinder(const QString& text, const char* pattern) : text_(text), pattern_(QLatin1StringView(pattern)) {}

    qsizetype from(qsizetype position)
    {
        if (!searched_ || (at_ >= 0 && at_ < position)) {
            at_ = text_.indexOf(pattern_, position);
            searched_ = true;
        }
        return at_;
    }
    // Where the pattern first lies wholly inside [begin, end); -1 when it does not.
    qsizetype within(qsizetype begin, qsizetype end)
    {
        const qsizetype at = from(begin);
        return at >= 0 && at + pattern_.size() <= end ? at : -1;
    }
    bool contains(qsizetype begin, qsizetype end) { return within(begin, end) >= 0; }
    qsizetype length() const { return pattern_.size(); }

private:
    const QString& text_;
    QLatin1StringView pattern_;
    qsizetype at_ = -1;
    bool searched_ = false;
};

// Upper case one code unit at a time, so that every position matches the original text.
QString upperUnits(const QString& text)
{
    QString upper(text.size(), Qt::Uninitialized);
    std::transform(text.cbegin(), text.cend(), upper.begin(), [](QChar c) { return c.toUpper(); });
    return upper;
}

// The one character after "NAME=" inside the tag, or empty at the tag's end.
void takeValue(ForwardFinder& finder, const QString& upper, qsizetype begin, qsizetype end,
               std::optional<QString>& box)
{
    const qsizetype at = finder.within(begin, end);
    if (at < 0)
        return;
    const qsizetype value = at + finder.length();
    box = upper.mid(value, value < end ? 1 : 0);
}

} // namespace

TableImport scanTableImport(const QString& selected, const ImportGrid& start)
{
    const QString upper = upperUnits(selected);
    ForwardFinder tagStart(upper, "<"), textEnd(upper, "<"), tagEnd(upper, ">");
    ForwardFinder table(upper, "TABLE"), tableEnd(upper, "/TABLE"), rowEnd(upper, "/TR"), cell(upper, "TD"),
        cellEnd(upper, "/TD"), padding(upper, "CELLPADDING="), border(upper, "BORDER="),
        spacing(upper, "CELLSPACING=");

    TableImport result;
    ImportGrid grid = start;
    bool firstRow = true;
    std::optional<int> firstRowCells;
    QHash<QPair<int, int>, QString> texts;

    for (qsizetype from = 0;;) {
        const qsizetype open = tagStart.from(from);
        if (open < 0)
            break;
        const qsizetype close = tagEnd.from(open);
        if (close < 0)
            break; // a tag that never closes ends the scan
        const qsizetype begin = open + 1;
        from = begin;

        if (table.contains(begin, close) && !tableEnd.contains(begin, close)) {
            grid = {1, 1, 0, 0};
            result.gridReset = true;
            // Only the first cell keeps what it was given.
            for (auto it = texts.begin(); it != texts.end();)
                it = it.key() == QPair<int, int>(0, 0) ? std::next(it) : texts.erase(it);
        }
        if (rowEnd.contains(begin, close) && !table.contains(begin, close)) {
            ++grid.rows;
            ++grid.row;
            grid.column = 0;
            firstRow = false;
        }
        if (cell.contains(begin, close) && !cellEnd.contains(begin, close)) {
            if (grid.row < 0 || grid.column < 0 || grid.row >= grid.rows || grid.column >= grid.columns)
                break; // no current cell to write to
            // The cell's text runs to the next tag, or to the end of the selection. A cell
            // beyond what the grid can ever show is not kept.
            const qsizetype end = textEnd.from(close + 1);
            if (grid.row < kMaxTableCount && grid.column < kMaxTableCount)
                texts.insert({grid.row, grid.column}, selected.mid(close + 1, (end < 0 ? selected.size() : end) - close - 1));
            ++grid.columns;
            ++grid.column;
            if (firstRow)
                firstRowCells = firstRowCells.value_or(0) + 1;
        }
        takeValue(padding, upper, begin, close, result.cellPadding);
        takeValue(border, upper, begin, close, result.borderWidth);
        takeValue(spacing, upper, begin, close, result.cellSpacing);
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
