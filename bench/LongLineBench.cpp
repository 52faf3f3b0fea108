// A minified page: the whole document on one line. Every step is timed with the repaint that
// shows it, since laying out the long line is what costs.
#include "BenchSupport.h"
#include "document/DocumentEditor.h"
#include "document/InsertText.h"
#include "document/TagColoring.h"
#include "search/FindNext.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

QByteArray oneLine(qsizetype megabytes)
{
    return repeatedText("<div class=\"card\"><a href=\"page.html\">Some <b>bold</b> words</a> and text.</div>",
                        megabytes * 1024 * 1024);
}

// Shown, coloured and painted, as a document opened with tag colouring on.
struct ShownLine {
    DocumentEditor editor;
    explicit ShownLine(qsizetype megabytes)
    {
        editor.resize(800, 600);
        editor.setTextBytes(oneLine(megabytes));
        colorTagRuns(&editor, QColor(0, 0, 255));
        editor.show();
        editor.repaint();
    }
};

void BM_LongLineOpenColourPaint(benchmark::State& state)
{
    const QByteArray text = oneLine(state.range(0));
    for (auto _ : state) {
        DocumentEditor editor;
        editor.resize(800, 600);
        editor.setTextBytes(text);
        editor.setUpdatesEnabled(false);
        colorTagRuns(&editor, QColor(0, 0, 255), [] { QApplication::processEvents(); });
        editor.show();
        editor.setUpdatesEnabled(true);
        editor.setSelStart(1);
        editor.repaint();
    }
}
BENCHMARK(BM_LongLineOpenColourPaint)->Arg(1)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LongLineTypeCharacter(benchmark::State& state)
{
    ShownLine shown(state.range(0));
    shown.editor.setSelStart(1000);
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&shown.editor, &press);
        shown.editor.repaint();
    }
}
BENCHMARK(BM_LongLineTypeCharacter)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LongLineInsertText(benchmark::State& state)
{
    ShownLine shown(state.range(0));
    InsertOptions options;
    options.tagColor = QStringLiteral("16711680");
    options.textColor = QStringLiteral("0");
    for (auto _ : state) {
        shown.editor.setSelection(1000, 4);
        InsertText(&shown.editor, options, QStringLiteral("<B>"), QStringLiteral("</B>"));
        shown.editor.repaint();
    }
}
BENCHMARK(BM_LongLineInsertText)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LongLineFindNext(benchmark::State& state)
{
    ShownLine shown(state.range(0));
    SilentPrompter prompter;
    SearchState search;
    search.text = QStringLiteral("words");
    search.direction = 1;
    shown.editor.setSelStart(0);
    for (auto _ : state) {
        FindNext(search, &shown.editor, prompter, nullptr);
        shown.editor.repaint();
    }
}
BENCHMARK(BM_LongLineFindNext)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LongLineUndo(benchmark::State& state)
{
    ShownLine shown(state.range(0));
    shown.editor.setSelStart(1000);
    for (auto _ : state) {
        state.PauseTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&shown.editor, &press);
        shown.editor.repaint();
        state.ResumeTiming();
        shown.editor.undo();
        shown.editor.repaint();
    }
}
BENCHMARK(BM_LongLineUndo)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
