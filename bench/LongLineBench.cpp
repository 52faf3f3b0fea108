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

// Markup as generated pages have it: tags with numbered ids and classes around text of words
// in no set order, so that few runs repeat exactly. Deterministic.
QByteArray oneLine(qsizetype megabytes)
{
    static const char* const words[] = {"lorem", "ipsum", "dolor", "sit", "amet", "editor", "markup",
                                         "table", "cell", "header", "review", "index", "page", "release"};
    static const char* const tags[] = {"em", "strong", "code", "span", "a", "b"};
    const qsizetype size = megabytes * 1024 * 1024;
    QByteArray text;
    text.reserve(size + 256);
    quint32 seed = 12345;
    const auto next = [&](quint32 range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    for (int id = 0; text.size() < size; ++id) {
        text += "<div class=\"card c" + QByteArray::number(next(40)) + "\" id=\"n" + QByteArray::number(id) + "\"><p>";
        for (quint32 w = 3 + next(12); w > 0; --w) {
            const bool tagged = next(4) == 0;
            const char* tag = tags[next(6)];
            if (tagged)
                text += QByteArray("<") + tag + ">";
            text += words[next(14)];
            if (tagged)
                text += QByteArray("</") + tag + ">";
            text += ' ';
        }
        text += "</p></div>";
    }
    text.truncate(size);
    return text;
}

// Painted as the screen would be: offscreen, repaint() does not reach Scintilla.
void paint(DocumentEditor& editor)
{
    (void)editor.viewport()->grab();
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
        paint(editor);
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
        paint(editor);
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
        paint(shown.editor);
    }
}
BENCHMARK(BM_LongLineTypeCharacter)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LongLineInsertText(benchmark::State& state)
{
    ShownLine shown(state.range(0));
    InsertOptions options;
    options.tagColor = QStringLiteral("16711680");
    options.textColor = QStringLiteral("0");
    // The first use of a colour makes a style, which makes Scintilla measure everything anew:
    // once per document, so not timed.
    shown.editor.setSelection(1000, 4);
    InsertText(&shown.editor, options, QStringLiteral("<B>"), QStringLiteral("</B>"));
    paint(shown.editor);
    for (auto _ : state) {
        shown.editor.setSelection(1000, 4);
        InsertText(&shown.editor, options, QStringLiteral("<B>"), QStringLiteral("</B>"));
        paint(shown.editor);
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
        paint(shown.editor);
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
        paint(shown.editor);
        state.ResumeTiming();
        shown.editor.undo();
        paint(shown.editor);
    }
}
BENCHMARK(BM_LongLineUndo)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
