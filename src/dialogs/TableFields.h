#pragma once
// What the table builder inserts, its test page, its count boxes and its import scan, as
// functions of plain data.

#include <QString>
#include <optional>
#include <vector>

// The grid takes no more rows or columns than this; a larger count is corrected to it.
inline constexpr int kMaxTableCount = 1000;

// What a Rows or Columns box holds: the count, and whether the box must be corrected to it
// (below 1 becomes 1, above the maximum the maximum). None for text that is not a number.
struct TableCount {
    int value = 0;
    bool corrected = false;
};
std::optional<TableCount> tableCount(const QString& boxText);
// The count the table text uses: a box that is not a number counts 0.
int tableTextCount(const QString& boxText);

// The markup of each cell confirmed in the cell editor, [row][column] from 0, sized one more
// each way than the Rows and Columns boxes say. An entry never confirmed is empty.
class TableCellStore {
public:
    // Sized for rows × columns; entries that still fit keep their markup.
    void resize(int rows, int columns);
    void clear();
    // Empty outside the store.
    QString at(int row, int column) const;
    // Ignored outside the store.
    void set(int row, int column, const QString& markup);

private:
    int rows_ = 0;    // entries a column
    int columns_ = 0; // entries a row
    std::vector<QString> entries_;
};

// The fields of the table window.
struct TableFields {
    int rows = 0;
    int columns = 0;
    QString width;
    QString borderWidth;
    QString cellSpacing;
    QString cellPadding;
    QString caption;
    bool captionBottom = false;
};

// Head, caption and rows, each ending with lineBreak: what OK inserts before the selection,
// with "</TABLE>" after it.
QString tableText(const TableFields& fields, const TableCellStore& cells, const QString& lineBreak);
// The test page around a table text, as one line.
QString tableTestPage(const QString& tableText);
// The test page beside the document: its file name up to the last "." followed by
// "tabletest.html", in the document's own folder. Empty for a document with no file.
QString tableTestPagePath(const QString& documentPath);

// The fields of the cell editor.
struct CellFields {
    QString text;
    bool header = false;
    bool wrapText = true;
    QString colSpan;
    QString rowSpan;
    QString align;
    QString vAlign;
};
// One cell from its opening TD or TH tag to its closing tag.
QString cellMarkup(const CellFields& fields);

// The grid as the import finds it: its size and current cell.
struct ImportGrid {
    int rows = 0;
    int columns = 0;
    int row = 0;
    int column = 0;
};

struct ImportedCell {
    int row = 0;
    int column = 0;
    QString text;
};

// What reading a selected table back gives. The scan looks at tags by substring only, takes
// a single character for each number and leaves header cells out: a rough reading.
struct TableImport {
    bool gridReset = false;    // a TABLE tag emptied the grid down to its first cell
    QString columnsBox;        // the cell count of the first row; empty when it had none
    int rows = 0;              // the grid's row and column count at the end
    int columns = 0;
    std::vector<ImportedCell> cells; // texts shown on the grid at the end, in no set order
    std::optional<QString> cellPadding;
    std::optional<QString> cellSpacing;
    std::optional<QString> borderWidth;
};
// Linear in the length of selected, whatever its tags.
TableImport scanTableImport(const QString& selected, const ImportGrid& grid);
