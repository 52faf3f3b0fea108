#include "document/DiskStamp.h"

#include <QFile>

#include <sys/stat.h>

DiskStamp diskStampOf(const QString& path)
{
    DiskStamp stamp;
    stamp.known = true;
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.inode = st.st_ino;
    return stamp;
}

DiskChange diskChange(const DiskStamp& known, const DiskStamp& now)
{
    if (!known.known || known == now)
        return DiskChange::None;
    if (!now.exists)
        return known.exists ? DiskChange::Deleted : DiskChange::None;
    return DiskChange::Changed;
}
