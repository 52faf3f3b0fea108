#pragma once
// New, Open, Save, Save As and Print of documents, with their dialogs and messages.

#include <QString>

class DocumentEditor;
class Prompter;
class QWidget;
class frmTemplate;

// What the file commands need from the main window.
class DocumentWorkspace {
public:
    virtual ~DocumentWorkspace() = default;
    virtual frmTemplate* activeDocument() const = 0;
    virtual frmTemplate* newDocument() = 0;
    // After a file was loaded into a new window: colour pass when that option is on.
    virtual void documentLoaded(frmTemplate* document) = 0;
    virtual void addRecentFile(const QString& path) = 0;
    virtual QWidget* dialogParent() = 0;
    virtual Prompter& prompter() = 0;
};

enum class SaveResult { Saved, Cancelled, Failed };

class FileCommands {
public:
    explicit FileCommands(DocumentWorkspace& workspace) : workspace_(workspace) {}

    // The filter of the open and save dialogs; they start on its second entry.
    static const QString kFilter;

    void open();
    // Opens a file into a new window as Open does after its dialog. Returns the window, or
    // null when the file cannot be read; then the reason is shown unless quiet is set.
    frmTemplate* openNamed(const QString& path, bool addToRecent, QString* error = nullptr);

    SaveResult save(frmTemplate* document);
    SaveResult saveAs(frmTemplate* document);
    void print(frmTemplate* document);

    // The name chosen last in any file dialog of the main window.
    QString lastFileName() const { return lastFileName_; }

private:
    bool writeDocument(frmTemplate* document, const QString& path);

    DocumentWorkspace& workspace_;
    QString lastFileName_;
};

// Prints the selection when selectionOnly, else the whole text, with the editor's colours.
class QsciPrinter;
void printEditor(DocumentEditor* editor, QsciPrinter& printer, bool selectionOnly);
