// What keeping a recovery file costs the typing in a 20 MB document: a keystroke with the
// recovery timer armed, against one without; the copy taken when typing pauses, against a
// plain copy of the same bytes; and the write itself, which runs on the store's own thread.
#include "BenchSupport.h"
#include "app/frmScrivant.h"
#include "document/DocumentEditor.h"
#include "document/RecoveryStore.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QByteArray& twentyMegabytes()
{
    static const QByteArray text = repeatedText("<P>Some <B>bold</B> text and more words.</P>\n", 20 * 1024 * 1024);
    return text;
}

// Typing in the middle of a 20 MB document of a main window, with or without recovery files.
void BM_TypeIn20MB(benchmark::State& state)
{
    QTemporaryDir dir;
    SilentPrompter prompter;
    IniSettingsStore settings(dir.path());
    SystemClock clock;
    const bool recovering = state.range(0) != 0;
    frmScrivant window({prompter, settings, clock, {recovering ? dir.filePath(QStringLiteral("recovery")) : QString()}});
    window.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    DocumentEditor* editor = window.activeDocument()->txtInput;
    editor->setTextBytes(twentyMegabytes());
    editor->setSelStart(editor->characterCount() / 2);
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(editor, &press);
    }
    window.activeDocument()->setModified(false);
    state.SetLabel(recovering ? "recovery on" : "recovery off");
}
BENCHMARK(BM_TypeIn20MB)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What the window does when the typing pauses: copy the text, with the gap where typing left it.
void BM_RecoverySnapshot20MB(benchmark::State& state)
{
    DocumentEditor editor;
    editor.setTextBytes(twentyMegabytes());
    editor.setSelStart(editor.characterCount() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&editor, &press);
        state.ResumeTiming();
        benchmark::DoNotOptimize(editor.textBytes());
    }
}
BENCHMARK(BM_RecoverySnapshot20MB)->Unit(benchmark::kMillisecond);

void BM_PlainCopy20MB(benchmark::State& state)
{
    const QByteArray& text = twentyMegabytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(QByteArray(text.constData(), text.size()));
}
BENCHMARK(BM_PlainCopy20MB)->Unit(benchmark::kMillisecond);

// Off the window's thread: encoding and the safe write of a 20 MB recovery file.
void BM_RecoveryWrite20MB(benchmark::State& state)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path());
    const QString name = store.newName();
    RecoveryRecord record;
    record.content.utf8 = twentyMegabytes();
    for (auto _ : state) {
        store.save(name, record);
        store.finish();
    }
}
BENCHMARK(BM_RecoveryWrite20MB)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
