#include "app/frmScrivant.h"

#include "app/ColorPass.h"
#include "app/HelpWindow.h"
#include "app/EditCommands.h"
#include "app/StatusHelpButton.h"
#include "app/ToolButtons.h"
#include "app/WindowMenu.h"
#include "commands/TagCommandWiring.h"
#include "dialogs/DialogWiring.h"
#include "document/ColorText.h"
#include "document/DiskStamp.h"
#include "document/DocumentEditor.h"
#include "document/InsertText.h"
#include "document/TransformWiring.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "preview/PreviewWiring.h"
#include "search/SearchWiring.h"
#include "upload/UploadCommands.h"
#include "utilities/UtilitiesWiring.h"
#include "utilities/SpellWiring.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

// The resources live in a static library: they must be registered by name.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

const QString frmScrivant::kCaption = QStringLiteral("The Corvane Scrivant Pro");

namespace {

// Client area of the first start, in twips.
constexpr int kDesignWidthTwips = 8415;
constexpr int kDesignHeightTwips = 6870;
constexpr int kToolStripTwips = 435;
constexpr int kButtonPanelTwips = 915;

QMdiSubWindow* subWindowOf(frmTemplate* document)
{
    return document ? qobject_cast<QMdiSubWindow*>(document->parentWidget()) : nullptr;
}

} // namespace

frmScrivant::frmScrivant(AppServices services, QWidget* parent)
    : QMainWindow(parent), services_(services), files_(*this), appearance_(*this, prefs_), templates_(*this, prefs_)
{
    registerResources();
    setObjectName(QStringLiteral("frmScrivant"));
    setWindowTitle(kCaption);
    setAcceptDrops(true);
    buildLayout();
    menus_ = buildMenuBar(menuBar());
    buttons_ = new ToolButtons(Picture1, Picture3, StatusBar);
    wireCommands();
    safety_ = std::make_unique<DocumentSafety>(static_cast<DocumentWorkspace&>(*this), mdiArea, this, services_.recovery);
    prefs_.load(services_.settings);
    applyPreferences();
    placeWindow();
    refreshRecentMenu();
    if (isChecked(QStringLiteral("mnuLocalPreview")))
        prefs_.reloadFlag = true;
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            focusActiveEditor();
    });
}

frmScrivant::~frmScrivant() = default;

// --- layout --------------------------------------------------------------------------------

void frmScrivant::buildLayout()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Picture1 = new QWidget(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedHeight(kToolStripTwips / kTwipsPerPixel);
    // A narrow window clips the strip rather than growing to fit it.
    Picture1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Picture1->setLayout(new QHBoxLayout);
    Picture1->layout()->setContentsMargins(2, 2, 2, 2);
    Picture1->layout()->setSpacing(2);
    column->addWidget(Picture1);

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName(QStringLiteral("MDIClient"));
    mdiArea->viewport()->installEventFilter(this);
    row->addWidget(mdiArea, 1);

    Picture3 = new QWidget(central);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setFixedWidth(kButtonPanelTwips / kTwipsPerPixel);
    Picture3->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    Picture3->installEventFilter(this);
    auto* panel = new QVBoxLayout(Picture3);
    panel->setContentsMargins(2, 2, 2, 2);
    panel->addStretch(1);
    Frame1 = new QGroupBox(QStringLiteral("Browser"), Picture3);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    auto* reload = new StatusHelpButton(QStringLiteral("cmdReload"), QStringLiteral("&Reload"),
                                        QStringLiteral("Saves document and reloads Web browser with saved file.  "
                                                       "Launches Web browser if necessary."),
                                        Frame1);
    cmdReload = reload;
    frameLayout->addWidget(cmdReload);
    panel->addWidget(Frame1);
    row->addWidget(Picture3);
    column->addLayout(row, 1);
    setCentralWidget(central);

    StatusBar = statusBar();
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(true);
    connect(reload, &StatusHelpButton::statusText, StatusBar, [this](const QString& text) { StatusBar->showMessage(text); });

    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w)
            focusActiveEditor();
    });
}

void frmScrivant::placeWindow()
{
    resize(kDesignWidthTwips / kTwipsPerPixel, kDesignHeightTwips / kTwipsPerPixel);
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
    if (prefs_.width)
        resize(*prefs_.width / kTwipsPerPixel, height());
    if (prefs_.height)
        resize(width(), *prefs_.height / kTwipsPerPixel);
    if (prefs_.left)
        move(*prefs_.left / kTwipsPerPixel, y());
    if (prefs_.top)
        move(x(), *prefs_.top / kTwipsPerPixel);
    // A window stored on a screen that is gone would be out of reach: centre it instead.
    if (!screen.intersects(QRect(pos(), size()).adjusted(0, 0, -20, -20))) {
        resize(std::min(width(), screen.width()), std::min(height(), screen.height()));
        move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
    }
    if (prefs_.windowState == 2)
        setWindowState(Qt::WindowMaximized);
    else if (prefs_.windowState == 1)
        setWindowState(Qt::WindowMinimized);
}

void frmScrivant::applyPreferences()
{
    const auto check = [this](const char* name, bool on) { action(QLatin1String(name))->setChecked(on); };
    check("mnuLowerCase", prefs_.lowerCase);
    check("mnuConvertC", prefs_.convertCharacters);
    check("mnuToolBar", prefs_.toolBar);
    check("mnuColoredTags", prefs_.colorTagsOnOpening);
    check("mnuLocalPreview", prefs_.localPreview);
    check("mnuWebTimer", prefs_.webTimer);
}

// --- command routing ---------------------------------------------------------------------------

void frmScrivant::route(const QString& item, std::function<void()> handler)
{
    QAction* a = action(item);
    Q_ASSERT_X(a, "frmScrivant::route", qPrintable(item));
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    a->setProperty("routed", true);
}

void frmScrivant::routeButton(const QString& button, std::function<void()> handler)
{
    buttons_->route(button, std::move(handler));
}

void frmScrivant::wireCommands()
{
    route(QStringLiteral("mnuNew"), [this] { newDocument(); });
    route(QStringLiteral("mnuOpen"), [this] { files_.open(); });
    route(QStringLiteral("mnuSave"), [this] { files_.save(activeDocument()); });
    route(QStringLiteral("mnuSaveAs"), [this] { files_.saveAs(activeDocument()); });
    route(QStringLiteral("mnuClose"), [this] {
        if (QMdiSubWindow* w = subWindowOf(activeDocument()))
            w->close();
    });
    route(QStringLiteral("mnuPrint"), [this] { files_.print(activeDocument()); });
    route(QStringLiteral("mnuExit"), [this] { close(); });
    for (int i = 0; i < RecentFiles::kCount; ++i)
        route(QStringLiteral("mnuFileArray_%1").arg(i), [this, i] { files_.openListed(prefs_.recent.at(i)); });

    wireEditCommands(*this, *this, menus_);
    routeButton(QStringLiteral("imgNew"), [this] { templates_.newFromTemplate(); });
    routeButton(QStringLiteral("imgOpen"), [this] { files_.open(); });
    routeButton(QStringLiteral("ImgSave"), [this] { files_.save(activeDocument()); });
    routeButton(QStringLiteral("imgPrint"), [this] { files_.print(activeDocument()); });

    route(QStringLiteral("mnuCascade"), [this] { mdiArea->cascadeSubWindows(); });
    auto* windowMenu = new WindowMenu(mdiArea, menu(QStringLiteral("mnuWindow")), this);
    route(QStringLiteral("mnuTile"), [windowMenu] { windowMenu->tileHorizontally(); });
    route(QStringLiteral("mnuArrangeIcons"), [windowMenu] { windowMenu->arrangeIcons(); });

    for (const char* option : {"mnuCenterCursor", "mnuLowerCase", "mnuColoredTags", "mnuConvertC",
                               "mnuWebTimer"}) {
        const QString name = QLatin1String(option);
        // The check mark has flipped by the time the command runs.
        route(name, [this, name] { toggleOption(name, isChecked(name)); });
    }

    route(QStringLiteral("mnuMainHelp"), [this] { showHelp(); });
    route(QStringLiteral("mnuAbout"), [this] { showAbout(); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("helpShortcut"));
    connect(f1, &QShortcut::activated, this, &frmScrivant::showHelp);

    route(QStringLiteral("mnuLinkClr"), [this] { appearance_.chooseTagColor(); });
    route(QStringLiteral("mnuTextColor"), [this] { appearance_.chooseTextColor(); });
    route(QStringLiteral("mnuBackground"), [this] { appearance_.chooseBackground(); });
    route(QStringLiteral("mnuFontSize"), [this] { appearance_.chooseFont(); });
    route(QStringLiteral("mnuDefault"), [this] { templates_.applyDefaultTemplate(activeDocument()); });
    route(QStringLiteral("mnuUserTemplate"), [this] { templates_.applyUserTemplate(activeDocument()); });
    route(QStringLiteral("mnuSetUserTemplate"), [this] { templates_.saveUserTemplate(); });

    // Each subsystem connects its own commands.
    wireTagCommands(*this, *this, services_.clock);
    wireDialogCommands(*this, [this](const QString& path) { preview_->browserPreview(path); });
    wireSearchCommands(*this, *this, search_);
    wireTransformCommands(*this, *this, [this] { ColorAllTags(); });
    wireUploadCommands(*this, *this, services_.settings);
    wireSpellCheck(*this, *this, services_.settings);
    preview_ = wirePreviewCommands(*this, *this, {prefs_, services_.settings, cmdReload,
        [this] { return files_.save(activeDocument()) == SaveResult::Saved; },
        [this] { return isChecked(QStringLiteral("mnuLocalPreview")); }});
    utilities_ = wireUtilityCommands(*this, *this, {services_.settings, services_.clock, prefs_.userButtons,
                                                    [this](const QString& option) { return isChecked(option); }});

    // Commands whose work is not built yet stay visible but cannot be chosen.
    for (QAction* a : std::as_const(menus_.actions)) {
        if (!a->isSeparator() && !a->menu() && !a->property("routed").toBool())
            a->setEnabled(false);
        if (!a->shortcut().isEmpty())
            menuShortcuts_ << a->shortcut();
    }
    menuShortcuts_ << f1->key();
    buttons_->followTwins([this](const QString& name) { return action(name); });
}

bool frmScrivant::isChecked(const QString& option) const
{
    const QAction* a = action(option);
    return a && a->isChecked();
}

bool frmScrivant::convertCharacters() const
{
    return isChecked(QStringLiteral("mnuConvertC"));
}

void frmScrivant::toggleOption(const QString& name, bool checked)
{
    Prompter& p = services_.prompter;
    if (name == QLatin1String("mnuCenterCursor") && !checked) {
        p.message(this, {kProgramTitle,
                         QStringLiteral("Uncheck this option if the cursor moves after pressing a button.\r"
                                        "This may happen when working with large documents."),
                         PromptIcon::Exclamation, PromptButtons::Ok});
    } else if (name == QLatin1String("mnuColoredTags") && checked) {
        p.message(this, {QString(), QStringLiteral("This option may slow down the opening of large documents."),
                         PromptIcon::Information, PromptButtons::Ok});
    }
}

// --- documents ---------------------------------------------------------------------------------

frmTemplate* frmScrivant::activeDocument() const
{
    QMdiSubWindow* w = mdiArea->currentSubWindow();
    return w ? qobject_cast<frmTemplate*>(w->widget()) : nullptr;
}

QList<frmTemplate*> frmScrivant::documents() const
{
    QList<frmTemplate*> result;
    for (QMdiSubWindow* w : mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* d = qobject_cast<frmTemplate*>(w->widget()))
            result << d;
    return result;
}

frmTemplate* frmScrivant::newDocument()
{
    auto* document = new frmTemplate(*this);
    QMdiSubWindow* window = mdiArea->addSubWindow(document);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString());
    connect(document, &frmTemplate::captionChanged, window, &QWidget::setWindowTitle);
    DocumentEditor* editor = document->txtInput;
    editor->releaseKeys(menuShortcuts_);
    releaseMenuKeys(window, menuShortcuts_);
    if (const auto background = colorFromText(prefs_.background))
        editor->setBackColor(*background);
    preview_->documentOpened();
    safety_->recovery.watch(document);
    utilities_->timer.documentOpened();
    ++openDocuments_;
    editor->setBaseFont(prefs_.fontName, prefs_.fontSize.toInt(), prefs_.fontBold);
    editor->setSelColor(prefs_.textColor);
    window->resize(mdiArea->viewport()->size() * 2 / 3);
    if (prefs_.templateWindowState == QLatin1String("2"))
        window->showMaximized();
    else if (prefs_.templateWindowState == QLatin1String("1"))
        window->showMinimized();
    else
        window->show();
    mdiArea->setActiveSubWindow(window);
    document->setModified(false);
    return document;
}

void frmScrivant::documentLoaded(frmTemplate*)
{
    ColorAllTags();
}

void frmScrivant::ColorAllTags()
{
    frmTemplate* document = activeDocument();
    if (!isChecked(QStringLiteral("mnuColoredTags")) || !document)
        return;
    runColorPass(document->txtInput, prefs_.tagColor, StatusBar);
}

bool frmScrivant::documentClosing(frmTemplate* document)
{
    // A file deleted while another window was active went unnoticed: its text now lives in
    // this window alone, so closing asks as for any unsaved text.
    if (!document->isModified() && !document->caption().isEmpty()
        && diskChange(document->diskStamp(), diskStampOf(document->caption())) == DiskChange::Deleted)
        document->setModified(true);
    if (!document->isModified())
        return true;
    const PromptAnswer answer = services_.prompter.message(
        this, {QStringLiteral("Save Document?"), QStringLiteral("Do you want to save?"), PromptIcon::Question,
               PromptButtons::YesNo});
    if (answer != PromptAnswer::Yes)
        return true;
    // Save the window being closed, even when another one is active, and keep it open when
    // its text could not be written or Save As was cancelled: Yes asked to keep it.
    return files_.save(document) == SaveResult::Saved;
}

void frmScrivant::documentClosed(frmTemplate* document)
{
    // Only a window that really closed: one kept open after a failed save keeps its timer.
    utilities_->timer.documentClosing();
    --openDocuments_;
    if (QMdiSubWindow* w = subWindowOf(document)) {
        const Qt::WindowStates state = w->windowState();
        prefs_.templateWindowState = state & Qt::WindowMaximized   ? QStringLiteral("2")
                                     : state & Qt::WindowMinimized ? QStringLiteral("1")
                                                                   : QStringLiteral("0");
    }
    if (openDocuments_ == 0)
        preview_->lastDocumentClosed();
}

void frmScrivant::editorRightClicked(frmTemplate*, const QPoint& globalPosition)
{
    menu(QStringLiteral("mMain"))->popup(globalPosition);
}

void frmScrivant::InsertText(const QString& opening, const QString& closing)
{
    frmTemplate* document = activeDocument();
    if (!document)
        return;
    InsertOptions options;
    options.lowerCase = isChecked(QStringLiteral("mnuLowerCase"));
    options.centerCursor = isChecked(QStringLiteral("mnuCenterCursor"));
    options.tagColor = prefs_.tagColor;
    options.textColor = prefs_.textColor;
    ::InsertText(document->txtInput, options, opening, closing);
}

void frmScrivant::openFiles(const QStringList& paths)
{
    QStringList failures;
    for (const QString& path : paths) {
        QString error;
        if (!files_.openNamed(path, true, &error))
            failures << error;
        QCoreApplication::processEvents();
    }
    // Reported together once all are done, so that one bad file does not stop the others.
    if (!failures.isEmpty())
        services_.prompter.message(this, {kProgramTitle, failures.join(QLatin1Char('\r')),
                                          PromptIcon::Exclamation, PromptButtons::Ok});
}

// --- recent files --------------------------------------------------------------------------------

void frmScrivant::addRecentFile(const QString& path)
{
    if (prefs_.recent.add(path))
        refreshRecentMenu();
}

void frmScrivant::refreshRecentMenu()
{
    showRecentFiles(prefs_.recent, menus_.actions);
}

// --- focus, pop-ups, drops ------------------------------------------------------------------------

void frmScrivant::focusActiveEditor()
{
    if (DocumentEditor* editor = activeEditor())
        editor->setFocus();
}

void frmScrivant::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        focusActiveEditor();
    QMainWindow::changeEvent(event);
}

bool frmScrivant::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdiArea->viewport() || watched == Picture3) {
        if (event->type() == QEvent::MouseButtonPress) {
            focusActiveEditor();
        } else if (watched == mdiArea->viewport() && event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                menu(QStringLiteral("mnuFile"))->popup(mouse->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmScrivant::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void frmScrivant::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    // Let the drag source finish before the files load.
    QMetaObject::invokeMethod(this, [this, paths] { openFiles(paths); }, Qt::QueuedConnection);
}

// --- about and help -----------------------------------------------------------------------------

void frmScrivant::showAbout()
{
    services_.prompter.message(this, {QStringLiteral("About: The Corvane Scrivant"),
                                      QStringLiteral("The Corvane Scrivant Pro\r"
                                                     "\r"
                                                     "Updates available at:\r"
                                                     "https://scrivant.example.org/updates\r"
                                                     "\r"
                                                     "See the Help manual for the licence and legal information."),
                                      PromptIcon::Information, PromptButtons::Ok});
}

void frmScrivant::showHelp()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

// --- the active document for dialogs, search and transformations ---------------------------------

std::optional<QString> frmScrivant::activeDocumentPath() const
{
    if (const frmTemplate* document = activeDocument())
        return document->caption();
    return std::nullopt;
}

DocumentEditor* frmScrivant::activeEditor() const
{
    const frmTemplate* document = activeDocument();
    return document ? document->txtInput : nullptr;
}

QByteArray frmScrivant::activeLineBreak() const
{
    const frmTemplate* document = activeDocument();
    return document ? document->lineBreak() : QByteArray("\n");
}

void frmScrivant::showDialog(const QString& name, const std::function<QDialog*(DialogHost&)>& create)
{
    dialogs_.show(name, [this, &create] { return create(*this); });
}

void frmScrivant::registerDialog(QWidget* dialog)
{
    dialogs_.add(dialog);
}

// --- shutdown ------------------------------------------------------------------------------------

void frmScrivant::closeEvent(QCloseEvent* event)
{
    dialogs_.closeBeforeDocuments();
    // The active document first, then the others; a document whose save failed stays open
    // and so does the program, rather than losing the text.
    QList<QMdiSubWindow*> order = mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (QMdiSubWindow* active = mdiArea->currentSubWindow()) {
        order.removeAll(active);
        order.prepend(active);
    }
    // The upload window may refuse too, while it sends and the user wants it to go on.
    for (int i = 0; i < order.size(); ++i) {
        if (!order[i]->close() || (i == 0 && !dialogs_.close(QStringLiteral("frmFTP")))) {
            event->ignore();
            return;
        }
    }
    if (order.isEmpty() && !dialogs_.close(QStringLiteral("frmFTP"))) {
        event->ignore();
        return;
    }
    saveSettings();
    if (help_)
        help_->close();
    dialogs_.closeAll();
    event->accept();
}

void frmScrivant::saveSettings()
{
    const bool maximised = isMaximized();
    const bool minimised = isMinimized();
    prefs_.windowState = maximised ? 2 : minimised ? 1 : 0;
    if (!maximised && !minimised) {
        prefs_.left = x() * kTwipsPerPixel;
        prefs_.top = y() * kTwipsPerPixel;
        prefs_.width = width() * kTwipsPerPixel;
        prefs_.height = height() * kTwipsPerPixel;
    }
    prefs_.lowerCase = isChecked(QStringLiteral("mnuLowerCase"));
    prefs_.convertCharacters = isChecked(QStringLiteral("mnuConvertC"));
    prefs_.toolBar = isChecked(QStringLiteral("mnuToolBar"));
    prefs_.colorTagsOnOpening = isChecked(QStringLiteral("mnuColoredTags"));
    prefs_.localPreview = isChecked(QStringLiteral("mnuLocalPreview"));
    prefs_.webTimer = isChecked(QStringLiteral("mnuWebTimer"));
    prefs_.save(services_.settings, !maximised && !minimised);
    services_.settings.flush();
}
