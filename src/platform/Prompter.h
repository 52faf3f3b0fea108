#pragma once
// Every message box, input box and common dialog goes through a Prompter, so that tests
// can answer them from a script instead of opening real modal windows.

#include <QColor>
#include <QFont>
#include <QSortFilterProxyModel>
#include <QString>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

enum class PromptIcon { None, Information, Exclamation, Question, Critical };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// Title shown by a message or input box that is given none.
inline const QString kShortTitle = QStringLiteral("quillet");
// Title of most of the program's own messages.
inline const QString kProgramTitle = QStringLiteral("The Corvane Scrivant");

struct MessageRequest {
    QString title;
    QString text;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
};

struct InputRequest {
    QString title;
    QString prompt;
    QString defaultText;
};

struct FileRequest {
    QString title;
    QString fileName;     // initial file name (may hold a folder part)
    QString filter;       // "Description|pattern;pattern|..." pairs
    int initialFilter = 0; // zero-based index into the pairs of filter
};

struct ColorRequest {
    QColor initial;
};

struct FontRequest {
    QFont initial;
};

struct PrinterRequest {
    bool selectionChosen = false; // the dialog opens with Selection chosen
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // A message with no title gets the short title, as every caller expects.
    PromptAnswer message(QWidget* parent, MessageRequest request);
    std::optional<QString> input(QWidget* parent, InputRequest request);

    virtual std::optional<QString> openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QColor> color(QWidget* parent, const ColorRequest& request) = 0;
    virtual std::optional<QFont> font(QWidget* parent, const FontRequest& request) = 0;
    // Fills the printer from the user's choices; false on Cancel.
    virtual bool printer(QWidget* parent, QPrinter& printer, const PrinterRequest& request) = 0;
    // Shows one of the program's own modal windows and returns its result code.
    virtual int modal(QDialog& dialog) = 0;

protected:
    virtual PromptAnswer showMessage(QWidget* parent, const MessageRequest& request) = 0;
    virtual std::optional<QString> showInput(QWidget* parent, const InputRequest& request) = 0;
};

// The real dialogs of the desktop.
class QtPrompter : public Prompter {
public:
    std::optional<QString> openFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> color(QWidget* parent, const ColorRequest& request) override;
    std::optional<QFont> font(QWidget* parent, const FontRequest& request) override;
    bool printer(QWidget* parent, QPrinter& printer, const PrinterRequest& request) override;
    int modal(QDialog& dialog) override;

protected:
    PromptAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<QString> showInput(QWidget* parent, const InputRequest& request) override;
};

// The pattern of a filter entry that lists the programs one can run: here they carry no ".exe",
// so the entry lists the executable files, whatever their names.
inline const QString kExecutablePattern = QStringLiteral("<executable>");

// Turns "Description|pattern;pattern|..." into the name filters of a file dialog.
// "*.*" and the executable pattern become "*", since file names here need not contain a dot.
QStringList fileDialogNameFilters(const QString& filter);

// Hides the files of a file dialog's model that cannot be run, while it is on; folders stay.
class ExecutableFilesProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setOn(bool on);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    bool on_ = false;
};
