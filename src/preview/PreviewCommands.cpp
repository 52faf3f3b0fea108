#include "preview/PreviewCommands.h"

#include "app/CommandRouter.h"
#include "app/Preferences.h"
#include "dialogs/DialogHost.h"
#include "platform/BrowserLauncher.h"
#include "platform/Prompter.h"
#include "preview/frmHTML.h"

#include <QPushButton>

const QString PreviewCommands::kFailure = QStringLiteral("An error occurred.  Please check your settings and try again.");

PreviewCommands::PreviewCommands(CommandRouter& router, DialogHost& host, PreviewServices services)
    : router_(router), host_(host), services_(std::move(services))
{
    setReloadEnabled(false); // no document is open yet
}

void PreviewCommands::reload()
{
    if (services_.localPreviewChecked()) {
        localPreview();
        return;
    }
    if (!host_.activeDocumentPath()) {
        host_.prompter().message(host_.ownerWindow(), {kProgramTitle, kFailure, PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    // The path is read once the document is saved: a document saved for the first time shows
    // under its new name, and one whose Save As was cancelled shows nothing.
    if (!services_.saveActive())
        return;
    showInBrowser(host_.activeDocumentPath().value_or(QString()));
}

void PreviewCommands::browserPreview(const QString& path)
{
    if (services_.saveActive())
        showInBrowser(path);
}

void PreviewCommands::showInBrowser(const QString& path)
{
    // There is no conversation to hand the page to a running browser here: the chosen browser
    // is started on it, and decides itself whether a running copy takes it.
    if (!launchBrowser(services_.prefs.browser, browserAddress(path)))
        host_.prompter().message(host_.ownerWindow(), {kProgramTitle, kFailure, PromptIcon::Exclamation, PromptButtons::Ok});
}

void PreviewCommands::localPreview()
{
    services_.saveActive();
    const bool opening = !preview_;
    if (opening) {
        preview_ = new frmHTML(host_, services_.settings);
        router_.registerDialog(preview_);
    }
    preview_->show();
    preview_->raise();
    preview_->activateWindow();
    // A new window loads the document by itself; an open one shows it afresh.
    if (opening)
        preview_->loadActiveDocument();
    else if (const std::optional<QString> path = host_.activeDocumentPath(); path && !path->isEmpty())
        preview_->showDocument(*path);
}

void PreviewCommands::selectWebBrowser()
{
    Prompter& prompter = host_.prompter();
    QWidget* owner = host_.ownerWindow();
    prompter.message(owner, {QStringLiteral("Find Web Browser"), QStringLiteral("Find Netscape (or other browser)."),
                             PromptIcon::None, PromptButtons::Ok});
    const std::optional<QString> chosen = prompter.openFile(
        owner, {QStringLiteral("Open"), QString(),
                QStringLiteral("All files (*.*)|*.*|Executables|") + kExecutablePattern + QLatin1Char('|'), 1});
    if (!chosen)
        return;
    services_.prefs.browser = *chosen;
    if (chosen->isEmpty())
        return;
    services_.prefs.reloadFlag = true;
    if (const std::optional<QString> path = host_.activeDocumentPath(); path && !path->isEmpty())
        setReloadEnabled(true);
}

void PreviewCommands::localPreviewSwitched(bool on)
{
    if (on) {
        services_.prefs.reloadFlag = true;
        // With no document there is nothing to preview: the next one opened enables it.
        setReloadEnabled(host_.activeDocumentPath().has_value());
    } else if (services_.prefs.browser.isEmpty()) {
        services_.prefs.reloadFlag = false;
        setReloadEnabled(false);
    }
}

void PreviewCommands::documentOpened()
{
    if (services_.prefs.reloadFlag)
        setReloadEnabled(true);
}

void PreviewCommands::lastDocumentClosed()
{
    setReloadEnabled(false);
}

frmHTML* PreviewCommands::previewWindow() const
{
    return preview_;
}

void PreviewCommands::setReloadEnabled(bool enabled)
{
    services_.reloadButton->setEnabled(enabled);
}
