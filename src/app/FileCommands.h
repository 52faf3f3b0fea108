#pragma once
// Open, Save, Save As and Print of documents, with their dialogs and messages.

#include "app/DocumentWorkspace.h"

#include <QString>

class DocumentEditor;
class QsciPrinter;

enum class SaveResult { Saved, Cancelled, Failed };

class FileCommands {
public:
    explicit FileCommands(DocumentWorkspace& workspace) : workspace_(workspace) {}

    void open();
    // Opens a file into a new window as Open does after its dialog. Returns the window, or
    // null when the file cannot be read; then error, if given, receives the reason.
    frmTemplate* openNamed(const QString& path, bool addToRecent, QString* error = nullptr);

    // Opens an entry of the recent-file list, which stays as it is; a file that is gone or
    // empty is reported.
    void openListed(const QString& path);

    SaveResult save(frmTemplate* document);
    SaveResult saveAs(frmTemplate* document);
    void print(frmTemplate* document);

private:
    bool writeDocument(frmTemplate* document, const QString& path);

    DocumentWorkspace& workspace_;
    QString lastFileName_; // chosen last in any file dialog of the main window
};

// Prints the selection when selectionOnly, else the whole text, with the editor's colours.
// False when the printer could not be written to (a file in a folder that is not there).
bool printEditor(DocumentEditor* editor, QsciPrinter& printer, bool selectionOnly);
