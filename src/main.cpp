#include "app/frmScrivant.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("The Corvane Scrivant"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.scrivant"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.example.scrivant")));

    QStringList files;
    for (const QString& arg : QApplication::arguments().mid(1))
        files << QDir::current().absoluteFilePath(arg);

    const QString configFolder = IniSettingsStore::defaultFolder();
    SingleInstance instance(configFolder);
    if (instance.handOver(files))
        return 0;
    QtPrompter prompter;
    // Another instance may have been too busy to answer: it holds the socket, so try it again.
    // Should it still not answer, a second editor on the same settings would overwrite what the
    // first one keeps; without a socket at all, this start works on its own.
    if (instance.listen() == SingleInstance::Listen::Taken) {
        if (instance.handOver(files, 10000))
            return 0;
        prompter.message(nullptr, {kProgramTitle,
                                   QStringLiteral("The Corvane Scrivant is already running but does not answer, "
                                                  "so nothing was opened. Try again in a moment."),
                                   PromptIcon::Exclamation, PromptButtons::Ok});
        return 1;
    }
    IniSettingsStore settings(configFolder);
    SystemClock clock;
    frmScrivant window({prompter, settings, clock, {RecoveryStore::defaultFolder()}});
    QObject::connect(&instance, &SingleInstance::filesReceived, &window, [&window](const QStringList& received) {
        window.openFiles(received);
        window.raise();
        window.activateWindow();
    });
    window.show();
    window.recovery().offerLeftovers();
    if (!files.isEmpty())
        window.openFiles(files);
    return app.exec();
}
