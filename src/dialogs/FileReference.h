#pragma once
// Turning a chosen file into a reference relative to the document being edited, and the
// "Find File" and "Forward Slashes" behaviour that the element dialogs share.

#include "dialogs/RelativeReference.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class DialogHost;
class Prompter;
class QCheckBox;
class QLineEdit;
class QToolButton;
class QWidget;

// The reference from the folder of documentPath to filePath, in lower case with "\" separators
// for Windows-form paths; POSIX paths keep their letter case. With a never-saved document
// (empty documentPath) an information message is shown and the reference is still returned.
QString RelativePath(const QString& documentPath, const QString& filePath, Prompter& prompter,
                     QWidget* parent);

// Filters of the Find File dialogs: all, HTML and text files; the same with graphic files;
// all files alone.
extern const QString kFilterHtmlText;
extern const QString kFilterHtmlGraphicText;
extern const QString kFilterAllFiles;

// The picture button that sits beside "Find File" labels.
QToolButton* makeFindFileButton(const QString& name, QWidget* parent);
// The "Forward Slashes" check box, `chkForwardSlash`, checked when the dialog opens.
QCheckBox* makeForwardSlashBox(QWidget* parent);

struct FindFileOptions {
    QString filter;
    bool emptyFirst = false;      // the target box is emptied before the file dialog shows
    bool stopOnEmptyName = false; // an empty name from the dialog leaves the box alone
    // Runs after the box is set and before forward slashes are applied.
    std::function<void()> afterSet;
};

// Find File through the open-file dialog: the target box receives the chosen file relative to
// the active document, in slash form when forwardSlash (may be null) is checked. Cancelling, or
// having no document open, ends it silently. Returns whether the box was set.
bool findFileByDialog(DialogHost& host, QWidget* parent, QLineEdit* target, const QCheckBox* forwardSlash,
                      const FindFileOptions& options);

// Shows an image chooser and returns the path the user confirmed; none or empty when cancelled.
using ImageChooser = std::function<std::optional<QString>()>;

// The chosen image relative to the active document, with forward slashes when asked. None when
// the chooser was cancelled, or when there is no document, which is reported in a message.
std::optional<QString> chosenImageReference(DialogHost& host, QWidget* parent, const ImageChooser& choose,
                                            bool forwardSlashes);

// Find File through the image chooser, into target; forwardSlash may be null.
bool findFileByChooser(DialogHost& host, QWidget* parent, QLineEdit* target, const QCheckBox* forwardSlash,
                       const ImageChooser& choose);

// What the Forward Slashes box does when it changes: every "\" of each box becomes "/" when
// checked, every "/" becomes "\" when cleared, in the order given.
void applyForwardSlashes(bool checked, const QList<QLineEdit*>& boxes);
// Runs applyForwardSlashes on boxes whenever the check box changes.
void connectForwardSlashes(QCheckBox* check, const QList<QLineEdit*>& boxes);
