#pragma once
// The Default Template, User Template and Save Template commands, and the New button's page.

#include <QString>

class DocumentWorkspace;
class frmTemplate;
struct Preferences;

class TemplateCommands {
public:
    TemplateCommands(DocumentWorkspace& workspace, Preferences& prefs) : workspace_(workspace), prefs_(prefs) {}

    // Each replaces the whole text of the document, asking first when it is not empty;
    // nothing happens without a document.
    void applyDefaultTemplate(frmTemplate* document);
    void applyUserTemplate(frmTemplate* document);
    void saveUserTemplate();
    // A new window holding the user template, or the default one when none is saved, unmodified.
    void newFromTemplate();

private:
    bool confirmOverwrite(const QString& title);

    DocumentWorkspace& workspace_;
    Preferences& prefs_;
};
