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

    // The filter of the open and save dialogs; they start on its second entry.
    static const QString kFilter;

    void open();
    // Opens a file into a new window as Open does after its dialog. Returns the window, or
    // null when the file cannot be read; then error, if given, receives the reason.
    frmTemplate* openNamed(const QString& path, bool addToRecent, QString* error = nullptr);

    SaveResult save(frmTemplate* document);
    SaveResult saveAs(frmTemplate* document);
    void print(frmTemplate* document);

private:
    bool writeDocument(frmTemplate* document, const QString& path);

    DocumentWorkspace& workspace_;
    QString lastFileName_; // chosen last in any file dialog of the main window
};

// Prints the selection when selectionOnly, else the whole text, with the editor's colours.
void printEditor(DocumentEditor* editor, QsciPrinter& printer, bool selectionOnly);
