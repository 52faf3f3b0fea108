// The table builder's text of a 100 × 100 table and its import scan of a 2 MB selected table
// (and of 2 MB of nested "<", where a scan that searched afresh from each "<" would be
// quadratic), each against a plain pass over the same text.
#include "BenchSupport.h"
#include "dialogs/TableFields.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kTwoMegabytes = 2 * 1024 * 1024;

void BM_TableText100x100(benchmark::State& state)
{
    TableCellStore cells;
    cells.resize(100, 100);
    for (int r = 0; r < 100; ++r)
        for (int c = 0; c < 100; ++c)
            cells.set(r, c, QStringLiteral("<TD ALIGN=RIGHT>%1.%2</TD>").arg(r).arg(c));
    const TableFields fields{100, 100, QStringLiteral("90"), QStringLiteral("1"), QString(), QString(),
                             QStringLiteral("Prices")};
    for (auto _ : state)
        benchmark::DoNotOptimize(tableText(fields, cells, QStringLiteral("\n")));
}
BENCHMARK(BM_TableText100x100)->Unit(benchmark::kMillisecond);

const QString& selectedTable(bool nested)
{
    static const QString table = QStringLiteral("<TABLE BORDER=1 CELLPADDING=4>\n")
        + QString::fromLatin1(repeatedText("<TR><TD>cell text</TD><TD ALIGN=RIGHT>12.50</TD><TH>h</TH></TR>\n",
                                           kTwoMegabytes))
        + QStringLiteral("</TABLE>\n");
    static const QString angles = QString::fromLatin1(repeatedText("<", kTwoMegabytes)) + QStringLiteral("TD>x");
    return nested ? angles : table;
}

// One pass counting the "<" of the same text.
void BM_TableImportBaseline2MB(benchmark::State& state)
{
    const QString& text = selectedTable(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.count(QLatin1Char('<')));
    state.SetLabel(state.range(0) ? "nested" : "table");
}
BENCHMARK(BM_TableImportBaseline2MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TableImportScan2MB(benchmark::State& state)
{
    const QString& text = selectedTable(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(scanTableImport(text, {2, 2}));
    state.SetLabel(state.range(0) ? "nested" : "table");
}
BENCHMARK(BM_TableImportScan2MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
