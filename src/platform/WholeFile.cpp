#include "platform/WholeFile.h"

#include <QSaveFile>

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
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
