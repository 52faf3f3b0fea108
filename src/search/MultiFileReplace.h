#pragma once
// Replacing one text by another in files on disk, without opening them in the editor. Each file
// is read whole, every exact occurrence is replaced (searching on after each replacement) and
// the file is rewritten, through a temporary file, only when something was replaced; all its
// other bytes stay as they were. Files are UTF-8, or ISO-8859-1 when not valid UTF-8.

#include "document/DocumentFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A file left as it was, with a sentence naming it and the system's reason.
struct FileFailure {
    QString path;
    QString message;
};

struct MultiFileReplaceReport {
    bool refused = false;   // nothing was touched: the find text is empty
    int filesChanged = 0;   // counted once per time a file was rewritten
    qsizetype replacements = 0;
    QList<FileFailure> failures;
};

// Called with the index of the file being worked on and how far into it the next occurrence
// lies (0 to 1): with 0 as each file is started, then after each replacement, with 0 when no
// occurrence follows.
using ReplaceProgress = std::function<void(qsizetype file, double fraction)>;

// Works through paths in order; a path listed twice is worked on twice. A file that cannot be
// read or written is reported and the others are still done.
MultiFileReplaceReport replaceInFiles(const QStringList& paths, const QString& find, const QString& replacement,
                                      const ReplaceProgress& progress = {});

struct FileBytesResult {
    qsizetype replacements = 0;
    QByteArray bytes; // the new contents when something was replaced
};

// The replacement on one file's contents, read in the given encoding. A Latin-1 file that
// gains characters Latin-1 cannot hold, or whose new bytes would read back as UTF-8, becomes
// UTF-8, so that every character survives. progress as above, for this file.
FileBytesResult replaceInFileBytes(const QByteArray& bytes, TextEncoding encoding, const QString& find,
                                   const QString& replacement, const std::function<void(double)>& progress = {});
