#pragma once
// What the element dialogs need from the main window.

#include <QByteArray>
#include <QString>
#include <optional>

class DocumentEditor;
class Prompter;
class QWidget;

class DialogHost {
public:
    virtual ~DialogHost() = default;
    // Wraps the active document's selection; nothing happens without a document.
    virtual void InsertText(const QString& opening, const QString& closing) = 0;
    // The active document's file path (empty while it was never saved); none without a document.
    virtual std::optional<QString> activeDocumentPath() const = 0;
    // The active document's editor, for dialogs that change its text themselves; none without one.
    virtual DocumentEditor* activeEditor() const = 0;
    // The line break of the active document (LF without one).
    virtual QByteArray activeLineBreak() const = 0;
    // The colour text typed and replaced text takes ("0x00BBGGRR" decimal text).
    virtual QString textColor() const = 0;
    virtual Prompter& prompter() = 0;
    // The folder the image chooser opens in, kept between runs.
    virtual QString imageFolder() const = 0;
    virtual void setImageFolder(const QString& folder) = 0;
    // The owner of the dialogs.
    virtual QWidget* ownerWindow() = 0;
};
