// Opening, inserting and typing in a 20 MB document.
#include "BenchSupport.h"
#include "document/DocumentEditor.h"
#include "document/DocumentFile.h"
#include "document/InsertText.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QByteArray& twentyMegabytes()
{
    static const QByteArray text = repeatedText(
        "<P>Some <B>bold</B> text with an <A HREF=\"page.html\">anchor</A> and more words.</P>\n", 20 * 1024 * 1024);
    return text;
}

void BM_OpenAndShow20MB(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.html"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(twentyMegabytes());
    f.close();
    for (auto _ : state) {
        DocumentEditor editor;
        editor.resize(800, 600);
        const ReadResult read = readDocumentFile(path);
        editor.setTextBytes(read.content.utf8);
        editor.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.byteLength());
    }
}
BENCHMARK(BM_OpenAndShow20MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// Caret at the start, middle and end: the time must not depend on it.
void BM_InsertTextIn20MB(benchmark::State& state)
{
    DocumentEditor editor;
    editor.setTextBytes(twentyMegabytes());
    const int count = editor.characterCount();
    InsertOptions options;
    options.tagColor = QStringLiteral("16711680");
    options.textColor = QStringLiteral("0");
    const int position = int(qint64(count) * state.range(0) / 100);
    for (auto _ : state) {
        editor.setSelection(position, 4);
        InsertText(&editor, options, QStringLiteral("<B>"), QStringLiteral("</B>"));
    }
}
BENCHMARK(BM_InsertTextIn20MB)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void typeKeyIn20MB(benchmark::State& state, Qt::Key key, const QString& text)
{
    DocumentEditor editor;
    editor.setTextBytes(twentyMegabytes());
    editor.setSelStart(int(qint64(editor.characterCount()) * state.range(0) / 100));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&editor, &press);
    }
}

void BM_TypeCharacterIn20MB(benchmark::State& state)
{
    typeKeyIn20MB(state, Qt::Key_A, QStringLiteral("a"));
}
BENCHMARK(BM_TypeCharacterIn20MB)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

// Tab may indent rather than insert at the caret, so the editor learns from Scintilla where
// its text went: that must not cost more than a letter.
void BM_TypeTabIn20MB(benchmark::State& state)
{
    typeKeyIn20MB(state, Qt::Key_Tab, QStringLiteral("\t"));
}
BENCHMARK(BM_TypeTabIn20MB)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
