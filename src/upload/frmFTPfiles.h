#pragma once
// The upload file picker: places, folders and all files of the current folder; chosen files
// collect in a list, and OK hands them to the upload window. Shown modally.

#include <QDialog>
#include <QStringList>

class FolderBrowser;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class frmFTPfiles : public QDialog {
    Q_OBJECT
public:
    explicit frmFTPfiles(QWidget* parent = nullptr);

    QComboBox* Drive1;
    QListWidget* Dir1;
    QListWidget* File1;
    QLabel* lblSelected;
    QListWidget* List1;
    QPushButton* Command1;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    FolderBrowser& browser() const { return *browser_; }
    // The entries of List1, in order.
    QStringList chosenFiles() const;

private:
    FolderBrowser* browser_;
};
