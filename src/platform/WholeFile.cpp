#include "platform/WholeFile.h"

#include <QSaveFile>

#include <cerrno>

QString writeFailure(const QFileDevice& file)
{
    const int systemError = errno;
    if (file.error() != QFileDevice::NoError && file.errorString() != QLatin1String("Unknown error"))
        return file.errorString();
    return systemError != 0 ? qt_error_string(systemError) : QStringLiteral("not every byte could be written");
}

QString writeWholeFile(const QString& path, const QByteArray& bytes, bool ownerOnly)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (ownerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Flushed here: commit() reports success even when the last buffered bytes could not be
    // written (a full disk), and would put a cut file in the path's place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = writeFailure(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
