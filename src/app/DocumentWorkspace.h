#pragma once
// What the main window's document commands (files, templates, colours and font) need from it.

#include <QString>

class Prompter;
class QWidget;
class frmTemplate;

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
