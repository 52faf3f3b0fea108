#include "document/DocumentFile.h"

#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

QByteArray firstLineBreak(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == '\n')
            return "\n";
        if (data[i] == '\r')
            return i + 1 < size && data[i + 1] == '\n' ? QByteArray("\r\n") : QByteArray("\r");
    }
    return {};
}

bool isValidUtf8(const QByteArray& bytes)
{
    return QByteArrayView(bytes).isValidUtf8();
}

QString textFromUtf8(QByteArrayView utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder(utf8);
}

namespace {
QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("The file \"%1\" cannot be opened: %2.").arg(path, reason);
}

QString tooLargeMessage(const QString& path, qint64 size, qint64 maxSize)
{
    return cannotOpen(path, QStringLiteral("it is too large (%1 MB; the editor opens files up to %2 MB)")
                                .arg(size / (1024 * 1024))
                                .arg(maxSize / (1024 * 1024)));
}
} // namespace

QString checkDocumentFile(const QString& path, qint64 maxSize)
{
    const QFileInfo info(path);
    const auto fail = [&](const QString& reason) { return cannotOpen(path, reason); };
    if (!info.exists())
        return fail(QStringLiteral("it does not exist"));
    if (info.isDir())
        return fail(QStringLiteral("it is a folder"));
    // Opening a pipe would block until a writer comes; a device may never end.
    if (!info.isFile())
        return fail(QStringLiteral("it is not a regular file"));
    if (info.size() > maxSize)
        return tooLargeMessage(path, info.size(), maxSize);
    return {};
}

QString readDocumentPieces(const QString& path, qint64 maxSize, const std::function<void(const char*, qsizetype)>& take)
{
    if (QString error = checkDocumentFile(path, maxSize); !error.isEmpty())
        return error;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(path, file.errorString());
    // Read with a bound: a file may grow after it was measured, and some (under /proc)
    // report a size of 0 whatever they hold.
    constexpr qint64 kPiece = 4 * 1024 * 1024;
    QByteArray piece(qsizetype(kPiece), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = file.read(piece.data(), std::min<qint64>(kPiece, maxSize + 1 - total));
        if (got < 0)
            return cannotOpen(path, file.errorString());
        if (got == 0)
            return {};
        total += got;
        if (total > maxSize)
            return tooLargeMessage(path, total, maxSize);
        take(piece.constData(), qsizetype(got));
    }
}

ReadResult readDocumentFile(const QString& path, qint64 maxSize)
{
    ReadResult result;
    QByteArray bytes;
    // Room for the whole file at once: growing would copy the text.
    bytes.reserve(qsizetype(std::clamp<qint64>(QFileInfo(path).size(), 0, maxSize)));
    result.error = readDocumentPieces(path, maxSize, [&](const char* data, qsizetype size) { bytes.append(data, size); });
    if (!result.error.isEmpty())
        return result;
    result.content = documentContent(std::move(bytes));
    result.ok = true;
    return result;
}

DocumentContent documentContent(QByteArray bytes)
{
    DocumentContent content;
    const QByteArray lineBreak = firstLineBreak(bytes);
    if (!lineBreak.isEmpty())
        content.lineBreak = lineBreak;
    content.hasNul = bytes.contains('\0');
    if (isValidUtf8(bytes)) {
        content.encoding = TextEncoding::Utf8;
        content.utf8 = std::move(bytes);
    } else {
        content.encoding = TextEncoding::Latin1;
        content.utf8 = QString::fromLatin1(bytes).toUtf8();
    }
    return content;
}

QByteArray bytesForSave(const QByteArray& utf8, TextEncoding encoding, const QByteArray& lineBreak,
                        TextEncoding* written)
{
    QByteArray bytes;
    TextEncoding used = TextEncoding::Utf8;
    if (encoding == TextEncoding::Latin1) {
        const QString text = textFromUtf8(utf8);
        const bool fits = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 256; });
        if (fits) {
            bytes = text.toLatin1();
            used = TextEncoding::Latin1;
        }
    }
    if (used == TextEncoding::Utf8)
        bytes = utf8;
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += lineBreak;
    if (written)
        *written = used;
    return bytes;
}

namespace {

// An existing file's contents replaced through a temporary file in its folder, renamed over it
// once complete. The temporary file gets the old file's exact mode (and owner and group where
// allowed), so nothing but the contents changes.
QString replaceByRename(const QString& target, const QByteArray& bytes, WriteSync sync)
{
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) != 0)
        return qt_error_string(errno);
    const QFileInfo info(target);
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return temp.errorString();
    if (temp.write(bytes) != bytes.size() || !temp.flush())
        return writeFailure(temp);
    const int fd = temp.handle();
    // Only root may give a file away; anyone may keep its group when they belong to it. When
    // neither is allowed the file is the writer's, as after any save.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)!::fchown(fd, uid_t(-1), old.st_gid);
    // After the owner: a change of owner drops the set-id bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        return qt_error_string(errno);
    if (sync == WriteSync::Durable && ::fsync(fd) != 0)
        return qt_error_string(errno);
    // Some file systems report a failed write only when the file is closed.
    temp.close();
    if (temp.error() != QFileDevice::NoError)
        return temp.errorString();
    if (::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return qt_error_string(errno);
    temp.setAutoRemove(false);
    return {};
}

bool isPipe(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

QString writeFileSafely(const QString& path, const QByteArray& bytes, WriteSync sync)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (info.exists() && !info.isFile()) {
        // Opening a pipe for writing waits until something reads from it.
        if (isPipe(path))
            return QStringLiteral("it is a pipe");
        // A device cannot be replaced by renaming: write to it directly.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return file.errorString();
        if (file.write(bytes) != bytes.size() || !file.flush())
            return writeFailure(file);
        file.close();
        return file.error() == QFileDevice::NoError ? QString() : file.errorString();
    }
    if (info.exists() && !info.isWritable())
        return QStringLiteral("Permission denied");
    if (info.exists())
        return replaceByRename(info.canonicalFilePath(), bytes, sync);
    // A new file, with the permissions new files get.
    return writeWholeFile(path, bytes);
}
