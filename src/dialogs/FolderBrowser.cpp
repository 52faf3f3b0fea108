#include "dialogs/FolderBrowser.h"

#include "dialogs/ElementDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>

namespace {

constexpr int kPathRole = Qt::UserRole;

// A folder can be shown when its entries can be both listed and reached.
bool isUsableFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

bool matchesFilePattern(const QString& fileName, const QString& patterns)
{
    bool any = false;
    for (QString pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        any = true;
        // Names need not contain a dot here, so "*.*" means every file as it always did.
        if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
            return true;
        // Case is ignored: files copied from cameras and other systems often carry upper-case
        // extensions (LOGO.GIF, INDEX.HTM), and a list that hid them would look broken.
        const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern),
                                          QRegularExpression::CaseInsensitiveOption);
        if (wildcard.match(fileName).hasMatch())
            return true;
    }
    return !any;
}

QString joinFolderPath(const QString& folder, const QString& fileName)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

bool isUserVolume(const QString& rootPath, const QByteArray& fileSystemType)
{
    static const QList<QByteArray> pseudoTypes = {
        "proc",     "sysfs",   "devtmpfs", "devpts",    "tmpfs",       "cgroup",     "cgroup2",
        "securityfs", "pstore", "debugfs", "tracefs",   "mqueue",      "hugetlbfs",  "configfs",
        "fusectl",  "bpf",     "autofs",   "binfmt_misc", "efivarfs",  "nsfs",       "ramfs",
        "rpc_pipefs", "squashfs", "fuse.portal", "fuse.gvfsd-fuse",
    };
    if (rootPath == QLatin1String("/") || pseudoTypes.contains(fileSystemType))
        return false;
    if (rootPath.startsWith(QLatin1String("/run/media/")))
        return true;
    static const QStringList systemFolders = {
        QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"), QStringLiteral("/run"),
        QStringLiteral("/boot"), QStringLiteral("/snap"), QStringLiteral("/etc"), QStringLiteral("/var"),
        QStringLiteral("/usr"),
    };
    for (const QString& system : systemFolders)
        if (rootPath == system || rootPath.startsWith(system + QLatin1Char('/')))
            return false;
    return true;
}

FolderBrowser::FolderBrowser(QWidget* owner, const QString& patterns, const QString& startFolder)
    : QObject(owner),
      Drive1(named<QComboBox>("Drive1", owner)),
      Dir1(named<QListWidget>("Dir1", owner)),
      File1(named<QListWidget>("File1", owner)),
      owner_(owner),
      patterns_(patterns)
{
    Dir1->installEventFilter(this);
    fillPlaces();
    if (!setFolderPath(startFolder)) {
        folder_ = QDir::cleanPath(QDir::homePath());
        if (!isUsableFolder(folder_))
            folder_ = QStringLiteral("/");
        fillFolders();
        fillFiles();
    }
    connect(Drive1, &QComboBox::activated, this, &FolderBrowser::placeChosen);
    connect(Dir1, &QListWidget::itemActivated, this, &FolderBrowser::folderActivated);
}

void FolderBrowser::fillPlaces()
{
    QList<QPair<QString, QString>> places = {{QStringLiteral("/"), QStringLiteral("/")},
                                             {QDir::homePath(), QDir::homePath()}};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || !isUserVolume(root, volume.fileSystemType())
            || !QFileInfo(root).isDir() || root == QDir::homePath())
            continue;
        const QString name = volume.displayName();
        places.append({name.isEmpty() || name == root ? root : root + QStringLiteral(" [") + name + QLatin1Char(']'),
                       root});
    }
    const QIcon icon = owner_->style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const auto& [text, path] : places)
        Drive1->addItem(icon, text, path);
}

bool FolderBrowser::setFolderPath(const QString& path)
{
    if (!isUsableFolder(path))
        return false;
    folder_ = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    fillFolders();
    fillFiles();
    emit folderChanged(folder_);
    return true;
}

void FolderBrowser::setPatterns(const QString& patterns)
{
    patterns_ = patterns;
    fillFiles();
}

void FolderBrowser::fillFolders()
{
    // The place holding the folder, the longest that does.
    {
        const QSignalBlocker blocker(Drive1);
        int best = -1;
        qsizetype bestLength = -1;
        for (int i = 0; i < Drive1->count(); ++i) {
            const QString place = Drive1->itemData(i, kPathRole).toString();
            const bool holds = place == QLatin1String("/") || folder_ == place
                || folder_.startsWith(place + QLatin1Char('/'));
            if (holds && place.size() > bestLength) {
                best = i;
                bestLength = place.size();
            }
        }
        Drive1->setCurrentIndex(best);
    }

    // The folders from the root down to the current one, then those inside it.
    const QSignalBlocker blocker(Dir1);
    Dir1->clear();
    const QIcon open = owner_->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = owner_->style()->standardIcon(QStyle::SP_DirIcon);
    QString path = QStringLiteral("/");
    auto* root = new QListWidgetItem(open, QStringLiteral("/"), Dir1);
    root->setData(kPathRole, path);
    int depth = 1;
    for (const QString& name : folder_.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path = joinFolderPath(path, name);
        auto* item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, Dir1);
        item->setData(kPathRole, path);
        ++depth;
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + name, Dir1);
        item->setData(kPathRole, joinFolderPath(folder_, name));
    }
}

void FolderBrowser::fillFiles()
{
    const QSignalBlocker blocker(File1);
    File1->clear();
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (matchesFilePattern(name, patterns_))
            File1->addItem(name);
}

QStringList FolderBrowser::listedFiles() const
{
    QStringList names;
    for (int i = 0; i < File1->count(); ++i)
        names << File1->item(i)->text();
    return names;
}

QString FolderBrowser::filePath(const QString& fileName) const
{
    return joinFolderPath(folder_, fileName);
}

QStringList FolderBrowser::selectedFilePaths() const
{
    // Row order, not the order of clicking, which selectedItems() would give.
    QStringList paths;
    for (int i = 0; i < File1->count(); ++i)
        if (File1->item(i)->isSelected())
            paths << filePath(File1->item(i)->text());
    return paths;
}

void FolderBrowser::placeChosen(int index)
{
    const QString place = Drive1->itemData(index, kPathRole).toString();
    if (setFolderPath(place))
        return;
    // No medium, no permission or unmounted since the list was made: show the place of the
    // folder still listed.
    fillFolders();
    emit placeUnavailable(place);
}

void FolderBrowser::folderActivated(QListWidgetItem* item)
{
    if (item)
        setFolderPath(item->data(kPathRole).toString());
}

bool FolderBrowser::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the folder list opens the folder, as a double click does, instead of also
    // pressing the window's default button.
    if (watched == Dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            folderActivated(Dir1->currentItem());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
