#pragma once
// Reload and Select Web Browser: the active document is saved, then shown in the preview
// window or in the chosen browser; and the rules that enable the Reload button.

#include <QPointer>
#include <QString>
#include <functional>

class CommandRouter;
class DialogHost;
class SettingsStore;
class frmHTML;
class QPushButton;
struct Preferences;

struct PreviewServices {
    Preferences& prefs;      // the browser path and the reload-available flag
    SettingsStore& settings; // the preview window's geometry
    QPushButton* reloadButton;
    std::function<bool()> saveActive;          // the Save command on the active document; true once written
    std::function<bool()> localPreviewChecked; // the check mark of Local Preview
};

class PreviewCommands {
public:
    PreviewCommands(CommandRouter& router, DialogHost& host, PreviewServices services);

    void reload();
    // Saves the active document, then hands path to the chosen browser.
    void browserPreview(const QString& path);
    void selectWebBrowser();

    // The events the Reload button follows.
    void localPreviewSwitched(bool on);
    void documentOpened();
    void lastDocumentClosed();

    // The preview window while it is open.
    frmHTML* previewWindow() const;

    static const QString kFailure;

private:
    void localPreview();
    void showInBrowser(const QString& path);
    void setReloadEnabled(bool enabled);

    CommandRouter& router_;
    DialogHost& host_;
    PreviewServices services_;
    QPointer<frmHTML> preview_;
};
