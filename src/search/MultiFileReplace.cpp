#include "search/MultiFileReplace.h"

#include "document/TextScans.h"

#include <algorithm>
#include <new>

namespace {

bool fitsLatin1(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 256; });
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (uchar(c) & 0x80) == 0; });
}

} // namespace

FileBytesResult replaceInFileBytes(const QByteArray& bytes, TextEncoding encoding, const QString& find,
                                   const QString& replacement, const std::function<void(double)>& progress)
{
    FileBytesResult result;
    if (find.isEmpty())
        return result;
    if (encoding == TextEncoding::Utf8) {
        const QByteArray utf8Find = find.toUtf8();
        // A lone surrogate has no UTF-8 form, so such a text occurs in no UTF-8 file.
        if (QString::fromUtf8(utf8Find) != find)
            return result;
        result.bytes = replaceLoop(bytes, utf8Find, replacement.toUtf8(), &result.replacements, progress);
        return result;
    }
    // Characters Latin-1 cannot hold are in no Latin-1 file.
    if (!fitsLatin1(find))
        return result;
    const QByteArray latin1Find = find.toLatin1();
    if (fitsLatin1(replacement)) {
        result.bytes = replaceLoop(bytes, latin1Find, replacement.toLatin1(), &result.replacements, progress);
        // Invalid sequences may have been cut apart or joined into valid ones: bytes that would
        // read back as UTF-8 are written as UTF-8, keeping the characters they stand for now.
        if (result.replacements > 0 && !isAscii(result.bytes) && isValidUtf8(result.bytes))
            result.bytes = QString::fromLatin1(result.bytes).toUtf8();
        return result;
    }
    // The new characters need UTF-8, as when a Latin-1 document gaining them is saved.
    if (!bytes.contains(latin1Find))
        return result;
    const QByteArray utf8 = QString::fromLatin1(bytes).toUtf8();
    result.bytes = replaceLoop(utf8, find.toUtf8(), replacement.toUtf8(), &result.replacements, progress);
    return result;
}

MultiFileReplaceReport replaceInFiles(const QStringList& paths, const QString& find, const QString& replacement,
                                      const ReplaceProgress& progress)
{
    MultiFileReplaceReport report;
    // An empty text occurs everywhere: the loop would never end.
    if (find.isEmpty()) {
        report.refused = true;
        return report;
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        if (progress)
            progress(i, 0.0);
        try {
            ReadResult read = readDocumentFile(path);
            if (!read.ok) {
                report.failures.append({path, read.error});
                continue;
            }
            QByteArray bytes = read.content.encoding == TextEncoding::Latin1
                ? QString::fromUtf8(read.content.utf8).toLatin1()
                : std::move(read.content.utf8);
            std::function<void(double)> fileProgress;
            if (progress)
                fileProgress = [&progress, i](double fraction) { progress(i, fraction); };
            const FileBytesResult changed
                = replaceInFileBytes(bytes, read.content.encoding, find, replacement, fileProgress);
            // A file without the text keeps its bytes and its time stamp.
            if (changed.replacements == 0)
                continue;
            const QString reason = writeFileSafely(path, changed.bytes, WriteSync::Deferred);
            if (!reason.isEmpty()) {
                report.failures.append(
                    {path, QStringLiteral("The file \"%1\" cannot be written: %2.").arg(path, reason)});
                continue;
            }
            ++report.filesChanged;
            report.replacements += changed.replacements;
        } catch (const std::bad_alloc&) {
            report.failures.append(
                {path, QStringLiteral("The file \"%1\" cannot be changed: there is not enough memory.").arg(path)});
        }
    }
    return report;
}
