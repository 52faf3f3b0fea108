#include "platform/BrowserLauncher.h"

#include <QProcess>
#include <QUrl>

QString browserAddress(const QString& path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

bool launchBrowser(const QString& program, const QString& address)
{
    if (program.isEmpty())
        return false;
    // Detached: the browser outlives this program, and nothing waits for it.
    return QProcess::startDetached(program, {address});
}
