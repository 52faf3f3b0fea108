// The table builder's import scan on any selected text and grid: it must end (linear, so the
// one-second limit holds on any input), give the same reading twice, and never a negative size.
// Input: a first line with the grid's rows, columns, row and column, then the selection.

#include "FuzzInput.h"

#include "dialogs/TableFields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto f = fuzz::fields(data, size, 2);
    const fuzz::Options options(f[0]);
    ImportGrid grid;
    grid.rows = int(options.number(0) % 50) + 1;
    grid.columns = int(options.number(1) % 50) + 1;
    grid.row = int(options.number(2) % grid.rows);
    grid.column = int(options.number(3) % grid.columns);
    const QString selected = fuzz::utf8(f[1]);
    const TableImport first = scanTableImport(selected, grid);
    const TableImport again = scanTableImport(selected, grid);
    fuzz::check(first.rows >= 0 && first.columns >= 0, "import: negative size", QString::number(first.rows),
                QString::number(first.columns));
    fuzz::check(first.rows == again.rows && first.columns == again.columns && first.columnsBox == again.columnsBox
                    && first.cells.size() == again.cells.size(),
                "import: two readings differ");
    return 0;
}
