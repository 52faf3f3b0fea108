#include "app/frmScrivant.h"

#include "app/HelpWindow.h"
#include "app/PictureButton.h"
#include "app/StatusHelpButton.h"
#include "app/WindowMenu.h"
#include "commands/TagCommands.h"
#include "dialogs/frmBody.h"
#include "dialogs/frmEmbed.h"
#include "dialogs/frmFont.h"
#include "dialogs/frmForm.h"
#include "dialogs/frmFrame.h"
#include "dialogs/frmGraphicLink.h"
#include "dialogs/frmHRInput.h"
#include "dialogs/frmJava.h"
#include "dialogs/frmLinks.h"
#include "dialogs/frmParam.h"
#include "document/ColorText.h"
#include "document/DocumentEditor.h"
#include "document/InsertText.h"
#include "document/TagColoring.h"
#include "document/TextTransforms.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "search/frmFind.h"
#include "search/frmGlobal.h"
#include "search/frmReplace.h"

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

// Dialogs closed first at shutdown, in this order; then the active document, then frmFTP.
const QStringList kShutdownDialogs = {
    QStringLiteral("frmBody"), QStringLiteral("frmEmbed"), QStringLiteral("frmFont"),
    QStringLiteral("frmForm"), QStringLiteral("frmFrame"), QStringLiteral("frmGraphicLink"),
    QStringLiteral("frmHRInput"), QStringLiteral("frmInfo"), QStringLiteral("frmJava"),
    QStringLiteral("frmLinks"), QStringLiteral("frmParam"), QStringLiteral("frmReplace"),
    QStringLiteral("frmTable"), QStringLiteral("frmTime"), QStringLiteral("frmToolBar"),
};

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
    wireCommands();
    buildButtons();
    prefs_.load(services_.settings);
    applyPreferences();
    placeWindow();
    refreshRecentMenu();
    if (isChecked(QStringLiteral("mnuLocalPreview")))
        prefs_.reloadFlag = true;
    setReloadEnabled(false);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            focusActiveEditor();
    });
}

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
    cmdReload = new QPushButton(QStringLiteral("&Reload"), Frame1);
    cmdReload->setObjectName(QStringLiteral("cmdReload"));
    frameLayout->addWidget(cmdReload);
    panel->addWidget(Frame1);
    row->addWidget(Picture3);
    column->addLayout(row, 1);
    setCentralWidget(central);

    StatusBar = statusBar();
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(true);

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

// --- buttons -------------------------------------------------------------------------------------

void frmScrivant::runCommand(const QString& actionName)
{
    QAction* a = action(actionName);
    if (a && a->isEnabled())
        a->trigger();
}

void frmScrivant::buildButtons()
{
    const auto showStatus = [this](const QString& text) {
        if (text.isEmpty())
            StatusBar->clearMessage();
        else
            StatusBar->showMessage(text);
    };

    struct Picture {
        ToolPicture picture;
        const char* name;
        const char* up;
        const char* down;
        const char* help;
        std::function<void()> command;
    };
    const std::vector<Picture> pictures = {
        {ToolPicture::New, "imgNew", "ImgNewUp", "ImgNewDown", "Creates a new document.", [this] { templates_.newFromTemplate(); }},
        {ToolPicture::Open, "imgOpen", "imgOpenUp", "imgOpenDn", "Opens a document.", [this] { files_.open(); }},
        {ToolPicture::Save, "ImgSave", "imgSaveUp", "imgSaveDn", "Saves the current document.",
         [this] { files_.save(activeDocument()); }},
        {ToolPicture::Print, "imgPrint", "imgPrintUp", "imgPrintDn", "Prints the current document.",
         [this] { files_.print(activeDocument()); }},
        {ToolPicture::Cut, "imgCut", "imgCutUp", "ImgCutDn", "Cut Text.", [this] { editCommand(&QsciScintilla::cut); }},
        {ToolPicture::Copy, "imgCopy", "imgCopyUp", "ImgCopyDn", "Copy Text.", [this] { editCommand(&QsciScintilla::copy); }},
        {ToolPicture::Paste, "imgPaste", "imgPasteUp", "imgPasteDn", "Paste Text.",
         [this] { editCommand(&QsciScintilla::paste); }},
    };
    auto* strip = static_cast<QHBoxLayout*>(Picture1->layout());
    for (const Picture& p : pictures) {
        auto* button = new PictureButton(p.picture, QLatin1String(p.name), QLatin1String(p.up),
                                         QLatin1String(p.down), QLatin1String(p.help), Picture1);
        connect(button, &PictureButton::statusText, this, showStatus);
        connect(button, &PictureButton::clicked, this, p.command);
        strip->addWidget(button);
        if (p.picture == ToolPicture::Print)
            strip->addSpacing(6);
    }
    strip->addSpacing(6);

    QHash<QString, const FixedInsert*> inserts;
    for (const FixedInsert& row : fixedTagCommands())
        inserts.insert(row.control, &row);
    auto* panel = static_cast<QVBoxLayout*>(Picture3->layout());
    int panelIndex = 0;
    for (const TagButton& b : tagButtons()) {
        QWidget* area = b.area == ButtonArea::ToolStrip ? Picture1 : Picture3;
        auto* button = new StatusHelpButton(b.name, b.caption, b.helpText, area);
        connect(button, &StatusHelpButton::statusText, this, showStatus);
        if (b.name == QLatin1String("cmdBold") || b.name == QLatin1String("cmdItalic")
            || b.name == QLatin1String("cmdUnderline")) {
            QFont font(QStringLiteral("Times New Roman"), 12);
            font.setStyleHint(QFont::Serif); // whichever serif face the desktop has
            font.setBold(b.name == QLatin1String("cmdBold"));
            font.setItalic(b.name == QLatin1String("cmdItalic"));
            font.setUnderline(b.name == QLatin1String("cmdUnderline"));
            button->setFont(font);
        }
        if (const FixedInsert* row = inserts.value(b.name)) {
            connect(button, &QPushButton::clicked, this, [this, row] { InsertText(row->opening, row->closing); });
        } else if (b.name == QLatin1String("cmdFontOption")) {
            // The only window button without a menu twin that is built.
            connect(button, &QPushButton::clicked, this, [this] {
                showDialog(QStringLiteral("frmFont"), [](DialogHost& host) { return new frmFont(host); });
            });
        } else {
            // A button that opens a window does what its menu twin does, and only when it can.
            QAction* twin = b.command.isEmpty() ? nullptr : action(b.command);
            button->setEnabled(twin && twin->isEnabled());
            if (twin) {
                connect(button, &QPushButton::clicked, this, [this, name = b.command] { runCommand(name); });
                connect(twin, &QAction::enabledChanged, button, &QWidget::setEnabled);
            }
        }
        if (area == Picture1) {
            button->setFixedSize(std::max(24, button->fontMetrics().horizontalAdvance(b.caption) + 14), 24);
            strip->addWidget(button);
        } else {
            panel->insertWidget(panelIndex++, button);
        }
    }
    strip->addStretch(1);
}

// --- command routing ---------------------------------------------------------------------------

void frmScrivant::on(const QString& name, std::function<void()> handler)
{
    QAction* a = action(name);
    Q_ASSERT_X(a, "frmScrivant::on", qPrintable(name));
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    a->setProperty("routed", true);
}

void frmScrivant::wireCommands()
{
    on(QStringLiteral("mnuNew"), [this] { newDocument(); });
    on(QStringLiteral("mnuOpen"), [this] { files_.open(); });
    on(QStringLiteral("mnuSave"), [this] { files_.save(activeDocument()); });
    on(QStringLiteral("mnuSaveAs"), [this] { files_.saveAs(activeDocument()); });
    on(QStringLiteral("mnuClose"), [this] {
        if (QMdiSubWindow* w = subWindowOf(activeDocument()))
            w->close();
    });
    on(QStringLiteral("mnuPrint"), [this] { files_.print(activeDocument()); });
    on(QStringLiteral("mnuExit"), [this] { close(); });
    for (int i = 0; i < RecentFiles::kCount; ++i)
        on(QStringLiteral("mnuFileArray_%1").arg(i), [this, i] { openRecent(i); });

    on(QStringLiteral("mEdit_0"), [this] { editCommand(&QsciScintilla::undo); });
    on(QStringLiteral("mEdit_2"), [this] { editCommand(&QsciScintilla::cut); });
    on(QStringLiteral("mEdit_3"), [this] { editCommand(&QsciScintilla::copy); });
    on(QStringLiteral("mEdit_4"), [this] { editCommand(&QsciScintilla::paste); });
    on(QStringLiteral("mEdit_5"), [this] { editCommand(&QsciScintilla::removeSelectedText); });
    on(QStringLiteral("mnuSelectAll"), [this] { selectAll(); });
    connect(menu(QStringLiteral("mMain")), &QMenu::aboutToShow, this, &frmScrivant::updateEditMenu);

    on(QStringLiteral("mnuCascade"), [this] { mdiArea->cascadeSubWindows(); });
    on(QStringLiteral("mnuTile"), [this] { mdiArea->tileSubWindows(); });
    auto* windowMenu = new WindowMenu(mdiArea, menu(QStringLiteral("mnuWindow")), this);
    on(QStringLiteral("mnuArrangeIcons"), [windowMenu] { windowMenu->arrangeIcons(); });

    for (const char* option : {"mnuCenterCursor", "mnuLowerCase", "mnuColoredTags", "mnuConvertC",
                               "mnuWebTimer", "mnuToolBar", "mnuLocalPreview"}) {
        const QString name = QLatin1String(option);
        // The check mark has flipped by the time the command runs.
        on(name, [this, name] { toggleOption(name, isChecked(name)); });
    }

    on(QStringLiteral("mnuMainHelp"), [this] { showHelp(); });
    on(QStringLiteral("mnuAbout"), [this] { showAbout(); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("helpShortcut"));
    connect(f1, &QShortcut::activated, this, &frmScrivant::showHelp);

    for (const auto* table : {&fixedTagCommands(), &characterCommands()})
        for (const FixedInsert& row : *table)
            if (row.control.startsWith(QLatin1String("mnu")))
                on(row.control, [this, row] { InsertText(row.opening, row.closing); });

    on(QStringLiteral("mnuLink"), [this] {
        showDialog(QStringLiteral("frmLinks"), [](DialogHost& host) { return new frmLinks(host); });
    });
    on(QStringLiteral("mnuImage"), [this] {
        showDialog(QStringLiteral("frmGraphicLink"), [](DialogHost& host) { return new frmGraphicLink(host); });
    });
    on(QStringLiteral("mnuHR"), [this] {
        showDialog(QStringLiteral("frmHRInput"), [](DialogHost& host) { return new frmHRInput(host); });
    });
    on(QStringLiteral("mnuEmbed"), [this] {
        showDialog(QStringLiteral("frmEmbed"), [](DialogHost& host) { return new frmEmbed(host); });
    });
    on(QStringLiteral("mnuApplet"), [this] {
        showDialog(QStringLiteral("frmJava"), [](DialogHost& host) { return new frmJava(host); });
    });
    on(QStringLiteral("mnuParam"), [this] {
        showDialog(QStringLiteral("frmParam"), [](DialogHost& host) { return new frmParam(host); });
    });
    on(QStringLiteral("mnuFrames"), [this] {
        showDialog(QStringLiteral("frmFrame"), [](DialogHost& host) { return new frmFrame(host); });
    });
    on(QStringLiteral("mnuForm"), [this] {
        showDialog(QStringLiteral("frmForm"), [](DialogHost& host) { return new frmForm(host); });
    });
    on(QStringLiteral("mnuBody"), [this] {
        showDialog(QStringLiteral("frmBody"), [](DialogHost& host) { return new frmBody(host); });
    });

    on(QStringLiteral("mnuLinkClr"), [this] { appearance_.chooseTagColor(); });
    on(QStringLiteral("mnuTextColor"), [this] { appearance_.chooseTextColor(); });
    on(QStringLiteral("mnuBackground"), [this] { appearance_.chooseBackground(); });
    on(QStringLiteral("mnuFontSize"), [this] { appearance_.chooseFont(); });
    on(QStringLiteral("mnuDefault"), [this] { templates_.applyDefaultTemplate(activeDocument()); });
    on(QStringLiteral("mnuUserTemplate"), [this] { templates_.applyUserTemplate(activeDocument()); });
    on(QStringLiteral("mnuSetUserTemplate"), [this] { templates_.saveUserTemplate(); });

    on(QStringLiteral("mnuFind"), [this] { showFind(); });
    on(QStringLiteral("mnuFindAgain"), [this] {
        if (search_.text.isEmpty())
            showFind();
        else
            FindNext(search_, activeEditor(), services_.prompter, this);
    });
    on(QStringLiteral("mnuReplace"), [this] {
        showDialog(QStringLiteral("frmReplace"), [](DialogHost& host) { return new frmReplace(host); });
    });

    on(QStringLiteral("mnuMultiFile"), [this] { showMultiFileReplace(services_.prompter, this); });

    on(QStringLiteral("mnuAddBreaks"), [this] { addBreaks(transformTarget(), activeLineBreak()); });
    on(QStringLiteral("mnuAddLi"), [this] { addListTags(transformTarget(), activeLineBreak()); });
    on(QStringLiteral("mnuRemoveTags"), [this] { removeTags(transformTarget()); });
    const std::pair<const char*, LineEndingConversion> conversions[] = {
        {"mnuConvertFromMac", LineEndingConversion::FromMac},
        {"mnuConvertToMac", LineEndingConversion::ToMac},
        {"mnuConvertFromUNIX", LineEndingConversion::FromUnix},
        {"mnuConvertToUNIX", LineEndingConversion::ToUnix}};
    for (const auto& [name, conversion] : conversions)
        on(QLatin1String(name), [this, conversion] { convertDocument(conversion); });

    // Commands whose work is not built yet stay visible but cannot be chosen.
    for (QAction* a : std::as_const(menus_.actions)) {
        if (!a->isSeparator() && !a->menu() && !a->property("routed").toBool())
            a->setEnabled(false);
        if (!a->shortcut().isEmpty())
            menuShortcuts_ << a->shortcut();
    }
    menuShortcuts_ << f1->key();
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
    } else if (name == QLatin1String("mnuLocalPreview")) {
        prefs_.reloadFlag = checked;
        if (checked)
            setReloadEnabled(true);
        else if (prefs_.browser.isEmpty())
            setReloadEnabled(false);
    }
}

void frmScrivant::setReloadEnabled(bool enabled)
{
    // The button follows its rules only once its command can run.
    cmdReload->setEnabled(enabled && action(QStringLiteral("mnuReload"))->isEnabled());
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
    if (const auto background = colorFromText(prefs_.background))
        editor->setBackColor(*background);
    if (prefs_.reloadFlag)
        setReloadEnabled(true);
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
    DocumentEditor* editor = document->txtInput;
    editor->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StatusBar->showMessage(QStringLiteral("Adding Color To HTML Tags"));
    StatusBar->repaint();
    if (const std::optional<QColor> tag = colorFromText(prefs_.tagColor)) {
        // Repaints go on between slices; input waits until the pass is over.
        colorTagRuns(editor, *tag, [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    }
    StatusBar->clearMessage();
    StatusBar->repaint();
    QApplication::restoreOverrideCursor();
    editor->setEnabled(true);
    editor->setFocus();
    editor->setSelStart(1);
}

bool frmScrivant::documentClosing(frmTemplate* document)
{
    if (!document->isModified())
        return true;
    const PromptAnswer answer = services_.prompter.message(
        this, {QStringLiteral("Save Document?"), QStringLiteral("Do you want to save?"), PromptIcon::Question,
               PromptButtons::YesNo});
    if (answer != PromptAnswer::Yes)
        return true;
    // Save the window being closed, even when another one is active, and keep it open when
    // its text could not be written.
    return files_.save(document) != SaveResult::Failed;
}

void frmScrivant::documentClosed(frmTemplate* document)
{
    --openDocuments_;
    if (QMdiSubWindow* w = subWindowOf(document)) {
        const Qt::WindowStates state = w->windowState();
        prefs_.templateWindowState = state & Qt::WindowMaximized   ? QStringLiteral("2")
                                     : state & Qt::WindowMinimized ? QStringLiteral("1")
                                                                   : QStringLiteral("0");
    }
    if (openDocuments_ == 0)
        setReloadEnabled(false);
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
    action(QStringLiteral("mnuSep10"))->setVisible(!prefs_.recent.isEmpty());
    for (int i = 0; i < RecentFiles::kCount; ++i) {
        QAction* a = action(QStringLiteral("mnuFileArray_%1").arg(i));
        const QString path = prefs_.recent.at(i);
        // The path is shown as it is: "&" must not turn into an access key.
        a->setText(QString(path).replace(QLatin1Char('&'), QLatin1String("&&")));
        a->setData(path);
        a->setVisible(!path.isEmpty());
    }
}

void frmScrivant::openRecent(int index)
{
    const QString path = prefs_.recent.at(index);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.size() == 0) {
        services_.prompter.message(this, {kProgramTitle,
                                          QStringLiteral("The file you selected was not found.\r"
                                                         "Please check to see if it was deleted or moved."),
                                          PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    QString error;
    if (!files_.openNamed(path, false, &error))
        services_.prompter.message(this, {kProgramTitle, error, PromptIcon::Exclamation, PromptButtons::Ok});
}

// --- edit menu ------------------------------------------------------------------------------------

void frmScrivant::updateEditMenu()
{
    DocumentEditor* editor = activeEditor();
    const bool hasSelection = editor && editor->selLength() != 0;
    action(QStringLiteral("mEdit_0"))->setEnabled(editor && editor->canUndo());
    action(QStringLiteral("mEdit_2"))->setEnabled(hasSelection);
    action(QStringLiteral("mEdit_3"))->setEnabled(hasSelection);
    action(QStringLiteral("mEdit_5"))->setEnabled(hasSelection);
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    action(QStringLiteral("mEdit_4"))->setEnabled(editor && clip && clip->hasText());
}

void frmScrivant::editCommand(void (QsciScintilla::*command)())
{
    DocumentEditor* editor = activeEditor();
    if (!editor) {
        QApplication::beep();
        return;
    }
    (editor->*command)();
}

void frmScrivant::selectAll()
{
    // Whichever control has the focus selects its own text, if it can.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != this && focus->metaObject()->indexOfMethod("selectAll()") >= 0
        && QMetaObject::invokeMethod(focus, "selectAll"))
        return;
    if (DocumentEditor* editor = activeEditor())
        editor->selectAll();
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

void frmScrivant::showFind()
{
    showDialog(QStringLiteral("frmFind"), [this](DialogHost& host) { return new frmFind(host, search_); });
}

TransformTarget frmScrivant::transformTarget()
{
    return {activeEditor(), prefs_.textColor, services_.prompter, this};
}

void frmScrivant::convertDocument(LineEndingConversion conversion)
{
    frmTemplate* document = activeDocument();
    if (!convertLineEndings(transformTarget(), conversion) || !document)
        return;
    const ConversionRule rule = conversionRule(conversion);
    document->setLineBreak(rule.lineBreakAfter);
    if (rule.colourTagsAfter)
        ColorAllTags();
}

QByteArray frmScrivant::activeLineBreak() const
{
    const frmTemplate* document = activeDocument();
    return document ? document->lineBreak() : QByteArray("\n");
}

void frmScrivant::showDialog(const QString& name, const std::function<QDialog*(DialogHost&)>& create)
{
    // A dialog that finished waits for its deletion; one that is only hidden (the form dialog
    // while its list box is open) is still the open one and comes back rather than a second.
    for (const QPointer<QWidget>& d : std::as_const(dialogs_)) {
        if (d && d->objectName() == name && !d->property("finished").toBool()) {
            d->show();
            d->raise();
            d->activateWindow();
            return;
        }
    }
    QDialog* dialog = create(*this);
    connect(dialog, &QDialog::finished, dialog, [dialog] { dialog->setProperty("finished", true); });
    registerDialog(dialog);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void frmScrivant::registerDialog(QWidget* dialog)
{
    dialogs_.removeAll(nullptr);
    if (!dialogs_.contains(dialog))
        dialogs_ << dialog;
}

// --- shutdown ------------------------------------------------------------------------------------

void frmScrivant::closeEvent(QCloseEvent* event)
{
    const auto closeDialog = [this](const QString& name) {
        for (const QPointer<QWidget>& d : std::as_const(dialogs_))
            if (d && d->objectName() == name)
                d->close();
    };
    for (const QString& name : kShutdownDialogs)
        closeDialog(name);
    // The active document first, then the others; a document whose save failed stays open
    // and so does the program, rather than losing the text.
    QList<QMdiSubWindow*> order = mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (QMdiSubWindow* active = mdiArea->currentSubWindow()) {
        order.removeAll(active);
        order.prepend(active);
    }
    for (int i = 0; i < order.size(); ++i) {
        if (!order[i]->close()) {
            event->ignore();
            return;
        }
        if (i == 0)
            closeDialog(QStringLiteral("frmFTP"));
    }
    if (order.isEmpty())
        closeDialog(QStringLiteral("frmFTP"));
    saveSettings();
    if (help_)
        help_->close();
    for (const QPointer<QWidget>& d : std::as_const(dialogs_))
        if (d)
            d->close();
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
