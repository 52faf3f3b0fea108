#pragma once
// The place, folder and file lists the file-picking windows share: places (root, home, mounted
// volumes) stand for drives; the folder list shows the folders from the root down to the
// current one and those inside it; the file list shows the current folder's files that match
// ";"-separated patterns. The lists are children of the owning window, which lays them out.

#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QWidget;

class FolderBrowser : public QObject {
    Q_OBJECT
public:
    // Opens at startFolder; at home when that cannot be listed, and at "/" when home cannot.
    FolderBrowser(QWidget* owner, const QString& patterns, const QString& startFolder = QString());

    QComboBox* const Drive1;
    QListWidget* const Dir1;
    QListWidget* const File1;

    QString folderPath() const { return folder_; }
    // Refuses a folder that cannot be listed, keeping the old one.
    bool setFolderPath(const QString& path);
    QString patterns() const { return patterns_; }
    void setPatterns(const QString& patterns);

    // The file names listed now, in their order.
    QStringList listedFiles() const;
    // The full path of a file of the current folder.
    QString filePath(const QString& fileName) const;
    // The full paths of the selected files, in list order.
    QStringList selectedFilePaths() const;

signals:
    void folderChanged(const QString& path);
    // A chosen place could not be listed; the place list is back on the place shown before.
    void placeUnavailable(const QString& place);

private:
    void fillPlaces();
    void fillFolders();
    void fillFiles();
    void placeChosen(int index);
    void folderActivated(QListWidgetItem* item);
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* owner_;
    QString folder_;
    QString patterns_;
};

// Whether fileName matches one of the ";"-separated wildcard patterns, ignoring letter case.
// An empty pattern text, like "*.*", matches every name.
bool matchesFilePattern(const QString& fileName, const QString& patterns);

// folder and file name joined with one "/"; with no file name, the folder with a trailing "/".
QString joinFolderPath(const QString& folder, const QString& fileName);

// Places worth listing besides "/" and home: mounted volumes that hold the user's files, not
// the system's own pseudo file systems.
bool isUserVolume(const QString& rootPath, const QByteArray& fileSystemType);
