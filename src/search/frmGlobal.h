#pragma once
// The multi-file replace window: files are collected from the place, folder and file lists
// into a list, and one text is replaced by another in all of them, directly on disk. Open
// document windows are not updated. Shown modally through the Prompter.

#include <QDialog>
#include <QString>
#include <QStringList>

class FolderBrowser;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

class frmGlobal : public QDialog {
    Q_OBJECT
public:
    explicit frmGlobal(Prompter& prompter, QWidget* parent = nullptr);

    QLabel* lblFind;
    QLineEdit* txtFind;
    QLabel* lblReplace;
    QLineEdit* txtReplace;
    QComboBox* Drive1;
    QListWidget* Dir1;
    QListWidget* File1;
    QPushButton* Command1;
    QLabel* lblItems;
    QListWidget* List1;
    QPushButton* cmdReplace;
    QPushButton* cmdCancel;
    QLabel* lblCaseSensitive;
    QTimer* Timer1;
    QProgressBar* ProgressBar1;

    FolderBrowser& browser() const { return *browser_; }
    // The paths in List1, in order.
    QStringList listedPaths() const;

    // Closing is refused while files are being rewritten.
    void reject() override;

    static const QString kPatterns;
    // ProgressBar1 runs from 0 to this for a fraction from 0 to 1.
    static constexpr int kProgressSteps = 1000;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addPaths(const QStringList& paths);
    void replaceText();
    void setBusy(bool busy);

    Prompter& prompter_;
    FolderBrowser* browser_;
    bool busy_ = false;
};

// Shows a fresh window modally over parent until Done.
void showMultiFileReplace(Prompter& prompter, QWidget* parent);
