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

void BM_TypeCharacterIn20MB(benchmark::State& state)
{
    DocumentEditor editor;
    editor.setTextBytes(twentyMegabytes());
    editor.setSelStart(int(qint64(editor.characterCount()) * state.range(0) / 100));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&editor, &press);
    }
}
BENCHMARK(BM_TypeCharacterIn20MB)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
