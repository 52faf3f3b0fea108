#pragma once
// The image chooser: places, folders and the picture files of the current folder, with a small
// preview of the clicked picture. Shown modally by the Find File buttons of the dialogs that
// take an image; SelectedImage holds the confirmed path afterwards (empty when cancelled).

#include "dialogs/ElementDialog.h"
#include "dialogs/FolderBrowser.h"

#include <QString>
#include <QStringList>
#include <optional>

class HtmlView;
class QComboBox;
class QListWidget;
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
    QString folderPath() const { return browser_->folderPath(); }
    bool setFolderPath(const QString& path) { return browser_->setFolderPath(path); }
    // The files listed now, in their order.
    QStringList listedFiles() const { return browser_->listedFiles(); }
    // The path OK would confirm now.
    QString chosenPath() const;

    // OK takes the chosen path and remembers its folder.
    void accept() override;
    // Cancel forgets any choice: the caller reads an empty SelectedImage as cancelled.
    void reject() override;

    static const QString kPictures; // "*.gif;*.jpg"
    static const QString kMovies;   // "*.dcr;*.dir"

private:
    void fileClicked();

    FolderBrowser* browser_;
};

// Shows a fresh chooser modally over parent and returns the confirmed path; none on Cancel.
std::optional<QString> chooseImage(DialogHost& host, QWidget* parent);

// The preview page for the picture at path, whose source is that file's file:/// address.
QString imagePreviewPage(const QString& path);
// Where the preview page is written: "img.htm" in the per-user cache folder.
QString imagePreviewPagePath();
