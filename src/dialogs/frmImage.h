#pragma once
// The image chooser: places, folders and the picture files of the current folder, with a small
// preview of the clicked picture. Shown modally by the Find File buttons of the dialogs that
// take an image; SelectedImage holds the confirmed path afterwards (empty when cancelled).

#include "dialogs/ElementDialog.h"

#include <QString>
#include <QStringList>
#include <optional>

class HtmlView;
class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class frmImage : public ElementDialog {
    Q_OBJECT
public:
    explicit frmImage(DialogHost& host, QWidget* parent = nullptr);

    // The full path confirmed with OK; empty until then.
    QString SelectedImage;

    QComboBox* Drive1;
    QListWidget* Dir1;
    QListWidget* File1;
    QComboBox* cboFiles;
    HtmlView* HTML1;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // The folder shown. Changing it refuses a folder that cannot be listed, keeping the old one.
    QString folderPath() const { return folder_; }
    bool setFolderPath(const QString& path);
    // The files listed now, in their order.
    QStringList listedFiles() const;
    // The path OK would confirm now.
    QString chosenPath() const;

    // Cancel forgets any choice: the caller reads an empty SelectedImage as cancelled.
    void reject() override;

    static const QString kPictures; // "*.gif;*.jpg"
    static const QString kMovies;   // "*.dcr;*.dir"

private:
    void fillPlaces();
    void fillFolders();
    void fillFiles();
    void placeChosen(int index);
    void folderActivated(QListWidgetItem* item);
    void fileClicked();
    void confirm();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QString folder_;
    QString pattern_;
};

// Shows a fresh chooser modally over parent and returns the confirmed path; none on Cancel.
std::optional<QString> chooseImage(DialogHost& host, QWidget* parent);

// Whether fileName matches one of the ";"-separated wildcard patterns, ignoring letter case.
// An empty pattern text, like "*.*", matches every name.
bool matchesImagePattern(const QString& fileName, const QString& patterns);

// folder and file name joined with one "/"; with no file name, the folder with a trailing "/".
QString joinImagePath(const QString& folder, const QString& fileName);

// The preview page for the picture at path, whose source is that file's file:/// address.
QString imagePreviewPage(const QString& path);
// Where the preview page is written: "img.htm" in the per-user cache folder.
QString imagePreviewPagePath();

// Places worth listing besides "/" and home: mounted volumes that hold the user's files, not
// the system's own pseudo file systems.
bool isUserVolume(const QString& rootPath, const QByteArray& fileSystemType);
