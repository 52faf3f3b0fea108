#pragma once
// What the editor last knew of a document's file on disk, to notice when another program
// changes or deletes it. Size, modification time and file number: another program that
// saves by renaming a new file over the old one changes the number even when size and time
// happen to match.

#include <QString>
#include <QtGlobal>

struct DiskStamp {
    bool known = false;  // false: no file was ever read or written for this document
    bool exists = false;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    quint64 inode = 0;

    bool operator==(const DiskStamp& other) const = default;
};

// The file as it is now; a file that cannot be examined counts as missing.
DiskStamp diskStampOf(const QString& path);

enum class DiskChange { None, Changed, Deleted };

// How the file seen now differs from the one known. A file never known cannot have changed.
DiskChange diskChange(const DiskStamp& known, const DiskStamp& now);
