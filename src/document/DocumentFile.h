#pragma once
// Reading and writing document files byte for byte. Files are read as UTF-8, or as
// ISO-8859-1 when they are not valid UTF-8, and written back in the same encoding.

#include <QByteArray>
#include <QString>
#include <functional>

enum class TextEncoding { Utf8, Latin1 };

struct DocumentContent {
    QByteArray utf8;             // the text as the editor holds it
    TextEncoding encoding = TextEncoding::Utf8;
    QByteArray lineBreak = "\n"; // first line ending of the file; LF when it has none
    bool hasNul = false;
};

struct ReadResult {
    bool ok = false;
    DocumentContent content;
    QString error; // a sentence naming the file and the reason, when !ok
};

// Larger files are refused with a message rather than exhausting memory.
inline constexpr qint64 kMaxDocumentSize = 512LL * 1024 * 1024;

// The filter of the dialogs that choose a document file; they start on its second entry.
inline const QString kDocumentFileFilter = QStringLiteral("All Files (*.*)|*.*|"
                                                          "HTML Files (*.htm);(*.html);(*.shtml)|*.htm;*.html;*.shtml|"
                                                          "Text Files (*.txt)|*.txt|");

ReadResult readDocumentFile(const QString& path, qint64 maxSize = kMaxDocumentSize);
// Why the file cannot be opened as a document before reading it (missing, a folder, not a
// regular file, too large); empty when it may be.
QString checkDocumentFile(const QString& path, qint64 maxSize = kMaxDocumentSize);
// Reads the file in pieces, handing each to take as it comes, so that a caller keeping the
// text elsewhere never holds it twice. Empty on success, else the sentence of the failure.
QString readDocumentPieces(const QString& path, qint64 maxSize, const std::function<void(const char*, qsizetype)>& take);
// What a file of these bytes holds: the text for the editor (converted from ISO-8859-1 when
// they are not UTF-8), the encoding, the first line break and whether there is a NUL.
DocumentContent documentContent(QByteArray bytes);

// "\r\n", "\n" or "\r": the first line ending in the bytes; empty when there is none.
QByteArray firstLineBreak(const QByteArray& bytes);
bool isValidUtf8(const QByteArray& bytes);
// The characters of UTF-8 text, a leading U+FEFF included: QString::fromUtf8 takes it for a
// byte order mark and drops it, which would lose it from the text and shift every position.
QString textFromUtf8(QByteArrayView utf8);

// The bytes Save writes: the text in the file's encoding (UTF-8 when it holds characters the
// encoding cannot), followed by the line break unless the text already ends with one.
QByteArray bytesForSave(const QByteArray& utf8, TextEncoding encoding, const QByteArray& lineBreak,
                        TextEncoding* written = nullptr);

// When a safe write reaches the disk. Durable waits until the new contents are on the disk
// before they replace the old ones, as Save does. Deferred leaves the flush to the system, for
// writing many files in one go: the rename still keeps a failed write away from the old
// contents, and replacing by rename makes the usual Linux file systems write the new data
// before the new name.
enum class WriteSync { Durable, Deferred };

// Writes through a temporary file and renames it, so that a failure never truncates the
// existing file; a symlink keeps pointing at the file, which keeps its mode, owner and group.
// A device is written directly; a pipe is refused. Returns an empty string on success, else
// the reason.
QString writeFileSafely(const QString& path, const QByteArray& bytes, WriteSync sync = WriteSync::Durable);
