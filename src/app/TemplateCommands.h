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
    // The template is kept in the settings file, which is not read back beyond its own limit;
    // even escaped four times over, a template of this size stays well inside it.
    static constexpr long kMaxTemplateBytes = 8L << 20;
    // A new window holding the user template, or the default one when none is saved, unmodified.
    void newFromTemplate();

private:
    bool confirmOverwrite(const QString& title);

    DocumentWorkspace& workspace_;
    Preferences& prefs_;
};
