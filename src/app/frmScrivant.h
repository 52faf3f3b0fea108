#pragma once
// The main window: document windows in its client area, the menu bar, the tool strip along
// the top, the button panel on the right and the status bar; start-up and shutdown.

#include "app/AppearanceCommands.h"
#include "app/CommandRouter.h"
#include "app/DialogRegistry.h"
#include "app/DocumentSafety.h"
#include "app/FileCommands.h"
#include "app/MenuTree.h"
#include "app/Preferences.h"
#include "app/TemplateCommands.h"
#include "dialogs/DialogHost.h"
#include "document/frmTemplate.h"
#include "search/FindNext.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class Clock;
class Prompter;
class QGroupBox;
class QMdiArea;
class QPushButton;
class PreviewCommands;
class ToolButtons;
struct Utilities;
class DocumentEditor;
class QStatusBar;
class SettingsStore;

// The services the main window is built with; tests pass scripted ones.
struct AppServices {
    Prompter& prompter;
    SettingsStore& settings;
    Clock& clock;
    RecoveryOptions recovery = {};
};

class frmScrivant : public QMainWindow,
                    private DocumentHost,
                    private DocumentWorkspace,
                    private DialogHost,
                    private CommandRouter {
    Q_OBJECT
public:
    explicit frmScrivant(AppServices services, QWidget* parent = nullptr);
    ~frmScrivant() override;

    static const QString kCaption;

    // Wraps the active document's selection; nothing happens without a document.
    void InsertText(const QString& opening, const QString& closing) override;
    // Shows the named dialog, bringing it forward when it is open, else creating it anew.
    void showDialog(const QString& name, const std::function<QDialog*(DialogHost&)>& create) override;
    // Colours every tag of the active document when Color Tags On Opening is checked.
    void ColorAllTags();

    frmTemplate* activeDocument() const override;
    QList<frmTemplate*> documents() const;
    int openDocumentCount() const { return openDocuments_; }
    // Opens files as if dropped on the window, in the given order.
    void openFiles(const QStringList& paths);

    QAction* action(const QString& name) const { return menus_.actions.value(name); }
    QMenu* menu(const QString& name) const { return menus_.menus.value(name); }
    bool isChecked(const QString& option) const;
    Preferences& preferences() { return prefs_; }
    DocumentRecovery& recovery() { return safety_->recovery; }


    QMdiArea* mdiArea;
    QWidget* Picture1;
    QWidget* Picture3;
    QGroupBox* Frame1;
    QPushButton* cmdReload;
    QStatusBar* StatusBar;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // DocumentHost
    QString tagColor() const override { return prefs_.tagColor; }
    QString textColor() const override { return prefs_.textColor; }
    bool convertCharacters() const override;
    bool documentClosing(frmTemplate* document) override;
    void documentClosed(frmTemplate* document) override;
    void editorRightClicked(frmTemplate* document, const QPoint& globalPosition) override;
    // DialogHost
    std::optional<QString> activeDocumentPath() const override;
    QByteArray activeLineBreak() const override;
    DocumentEditor* activeEditor() const override;
    QString imageFolder() const override { return prefs_.imageFolder; }
    void setImageFolder(const QString& folder) override { prefs_.imageFolder = folder; }
    QWidget* ownerWindow() override { return this; }
    // DocumentWorkspace
    frmTemplate* newDocument() override;
    void documentLoaded(frmTemplate* document) override;
    void addRecentFile(const QString& path) override;
    QWidget* dialogParent() override { return this; }
    Prompter& prompter() override { return services_.prompter; }

    // CommandRouter
    void route(const QString& item, std::function<void()> handler) override;
    void routeButton(const QString& button, std::function<void()> handler) override;
    void registerDialog(QWidget* dialog) override;

    void buildLayout();
    void wireCommands();
    void applyPreferences();
    void placeWindow();
    void refreshRecentMenu();
    void focusActiveEditor();
    void showAbout();
    void showHelp();
    void toggleOption(const QString& name, bool checked);
    void saveSettings();

    AppServices services_;
    Preferences prefs_;
    BuiltMenus menus_;
    ToolButtons* buttons_ = nullptr;
    DialogRegistry dialogs_;
    FileCommands files_;
    AppearanceCommands appearance_;
    TemplateCommands templates_;
    QList<QKeySequence> menuShortcuts_; // keys the editors leave to the menus
    QPointer<QWidget> help_;
    SearchState search_; // the last search, whichever document it ran in
    std::unique_ptr<PreviewCommands> preview_;
    std::unique_ptr<DocumentSafety> safety_;
    std::unique_ptr<Utilities> utilities_;
    int openDocuments_ = 0;
    bool shuttingDown_ = false;
};
