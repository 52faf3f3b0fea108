// Reload with Local Preview: from the command to the page shown (load finished) in the preview
// window, for a 5 MB document and for a small page, with the window opening anew and with it
// already showing the page.
#include "BenchSupport.h"
#include "app/frmScrivant.h"
#include "platform/Clock.h"
#include "platform/HtmlView.h"
#include "platform/SettingsStore.h"
#include "preview/frmHTML.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

// Runs command, then the event loop until the preview window has shown its page; false after
// a minute without it.
template <typename Command> bool untilShown(frmScrivant& window, Command command)
{
    QEventLoop loop;
    bool shown = false;
    QMetaObject::Connection pending;
    const auto watch = [&] {
        if (frmHTML* preview = window.findChild<frmHTML*>(); preview && !pending)
            pending = QObject::connect(preview->HTML1, &HtmlView::loadFinished, &loop, [&](bool ok) {
                shown = ok;
                loop.quit();
            });
    };
    watch(); // an open window
    command();
    watch(); // one the command opened
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(pending);
    return shown;
}

// range(0): the document's size in bytes; range(1): 1 when the window is already open.
void BM_ReloadLocalPreview(benchmark::State& state)
{
    // The engine's sandbox cannot start as root; a test environment turns it off.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QTemporaryDir config, files;
    IniSettingsStore store(config.path());
    SilentPrompter prompter;
    SystemClock clock;
    frmScrivant window(AppServices{prompter, store, clock});
    window.show();
    const QString path = files.filePath(QStringLiteral("page.html"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(repeatedText("<P>Some <B>bold</B> text with an <A HREF=\"page.html\">anchor</A>.</P>\n", state.range(0)));
    file.close();
    window.openFiles({path});
    QAction* reload = window.action(QStringLiteral("mnuReload"));
    const bool alreadyOpen = state.range(1) == 1;
    // A first load warms up the engine's processes, which start once per program.
    if (!untilShown(window, [&] { reload->trigger(); })) {
        state.SkipWithError("the preview window never showed the page");
        return;
    }
    for (auto _ : state) {
        if (!alreadyOpen) {
            state.PauseTiming();
            if (frmHTML* preview = window.findChild<frmHTML*>())
                preview->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            state.ResumeTiming();
        }
        if (!untilShown(window, [&] { reload->trigger(); })) {
            state.SkipWithError("the preview window never showed the page");
            break;
        }
    }
    state.SetLabel(alreadyOpen ? "window open" : "window opening");
    for (frmTemplate* document : window.documents())
        document->setModified(false);
    window.close();
}
BENCHMARK(BM_ReloadLocalPreview)
    ->Args({5 * 1024 * 1024, 0})
    ->Args({5 * 1024 * 1024, 1})
    ->Args({1024 * 1024, 1})
    ->Args({2 * 1024, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace
