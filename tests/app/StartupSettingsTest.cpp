// Start-up with empty, prepared and broken settings, and what the exit writes back.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <Qsci/qsciscintillabase.h>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kApp = QStringLiteral("The Corvane Scrivant");
const QString kWindow = QStringLiteral("Window Options");
const QString kProgram = QStringLiteral("Program Options");
const QString kBrowser = QStringLiteral("Browser Options");
const QString kMenuArray = QStringLiteral("Menu Array Values");
const QString kUserTools = QStringLiteral("User Tools");
const QString kAbsent = QStringLiteral("<absent>");

struct Setting {
    QString section;
    QString key;
    QString value;
};

struct Check {
    const char* option;
    bool checked;
};

// Check marks of the Window menu as designed.
const std::vector<Check> kDesignChecks = {
    {"mnuCenterCursor", true}, {"mnuConvertC", true},     {"mnuToolBar", true},  {"mnuLocalPreview", true},
    {"mnuLowerCase", false},   {"mnuColoredTags", false}, {"mnuWebTimer", false},
};

struct EditorFont {
    QString family;
    int size = 0;
    bool bold = false;
};

class StartupSettingsTest : public AppTest {
protected:
    QString stored(const QString& section, const QString& key) const
    {
        return store->read(kApp, section, key, kAbsent);
    }

    void prepare(const std::vector<Setting>& settings)
    {
        for (const Setting& s : settings)
            store->write(kApp, s.section, s.key, s.value);
        store->flush();
        store = std::make_unique<IniSettingsStore>(config.path());
    }

    void prepareFile(const QByteArray& bytes)
    {
        QFile f(store->fileFor(kApp));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        store = std::make_unique<IniSettingsStore>(config.path());
    }

    QRect screenArea() const { return window->screen()->availableGeometry(); }

    // Position of the frame (what is stored) and size of the client area.
    QRect placement() const { return QRect(window->pos(), window->size()); }

    void expectDesignGeometry()
    {
        EXPECT_EQ(window->size(), QSize(8415 / 15, 6870 / 15));
        // Centred as a whole; the frame may shift the client area by its border width.
        const QPoint offset = window->frameGeometry().center() - screenArea().center();
        EXPECT_LE(std::abs(offset.x()), 2) << "not centred: " << window->x() << "," << window->y();
        EXPECT_LE(std::abs(offset.y()), 2) << "not centred: " << window->x() << "," << window->y();
    }

    void expectChecks(const std::vector<Check>& checks)
    {
        for (const Check& c : checks)
            EXPECT_EQ(action(QLatin1String(c.option))->isChecked(), c.checked) << c.option;
    }

    // The font a new document window gets.
    EditorFont newDocumentFont()
    {
        trigger(QStringLiteral("mnuNew"));
        DocumentEditor* e = editor();
        if (!e)
            return {};
        char family[256] = {};
        e->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, 0, static_cast<void*>(family));
        return {QString::fromUtf8(family), int(e->SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, 0)),
                e->SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD, 0) != 0};
    }

    void expectNewDocumentFont(const QString& family, int size, bool bold)
    {
        const EditorFont font = newDocumentFont();
        EXPECT_EQ(font.family, family);
        EXPECT_EQ(font.size, size);
        EXPECT_EQ(font.bold, bold);
    }
};

// Every key the main window reads at start, each with a value other than its default.
std::vector<Setting> everyMainWindowKey()
{
    std::vector<Setting> s = {
        {kWindow, QStringLiteral("TextColor"), QStringLiteral("255")},
        {kWindow, QStringLiteral("TheFontSize"), QStringLiteral("14")},
        {kWindow, QStringLiteral("TheFontBold"), QStringLiteral("True")},
        {kWindow, QStringLiteral("TheFontName"), QStringLiteral("Courier New")},
        {kWindow, QStringLiteral("UserTemplate"), QStringLiteral("<HTML>\r\n<HEAD>\r\n</HEAD>\r\n</HTML>\r\n")},
        {kWindow, QStringLiteral("LinkColor"), QStringLiteral("32768")},
        {kWindow, QStringLiteral("TemplateWindowState"), QStringLiteral("2")},
        {kWindow, QStringLiteral("LowerCheck"), QStringLiteral("True")},
        {kWindow, QStringLiteral("ConvertC"), QStringLiteral("False")},
        {kWindow, QStringLiteral("Background"), QStringLiteral("15790320")},
        {kWindow, QStringLiteral("ReloadFlag"), QStringLiteral("True")},
        {kWindow, QStringLiteral("TheOpenFile"), QStringLiteral("/home/user/Pictures")},
        {kWindow, QStringLiteral("MainFormHeight"), QStringLiteral("6000")},
        {kWindow, QStringLiteral("MainFormWidth"), QStringLiteral("9000")},
        {kWindow, QStringLiteral("MainFormLeft"), QStringLiteral("1500")},
        {kWindow, QStringLiteral("MainFormTop"), QStringLiteral("1200")},
        {kWindow, QStringLiteral("MainWindowState"), QStringLiteral("0")},
        {kWindow, QStringLiteral("TheToolBar"), QStringLiteral("False")},
        {kWindow, QStringLiteral("ColorConvert"), QStringLiteral("True")},
        {kWindow, QStringLiteral("LocalPreview"), QStringLiteral("False")},
        {kProgram, QStringLiteral("WebTimer"), QStringLiteral("True")},
        {kBrowser, QStringLiteral("Web"), QStringLiteral("/usr/bin/firefox")},
        {kMenuArray, QStringLiteral("TheNum"), QStringLiteral("5")},
    };
    for (int i = 0; i < 8; ++i)
        s.push_back({kMenuArray, QStringLiteral("MenuArray(%1)").arg(i), QStringLiteral("/docs/page%1.htm").arg(i)});
    for (int i = 0; i < 10; ++i) {
        s.push_back({kUserTools, QStringLiteral("myButton(%1)").arg(i), QStringLiteral("Button %1").arg(i)});
        s.push_back({kUserTools, QStringLiteral("myCmd(%1)").arg(i), QStringLiteral("<X%1>").arg(i)});
        s.push_back({kUserTools, QStringLiteral("myCmdTwo(%1)").arg(i), QStringLiteral("</X%1>").arg(i)});
    }
    return s;
}

} // namespace

TEST_F(StartupSettingsTest, firstStartUsesTheDesignValues)
{
    start();
    expectDesignGeometry();
    expectChecks(kDesignChecks);
    EXPECT_TRUE(window->documents().isEmpty());
    EXPECT_EQ(window->preferences().tagColor, QStringLiteral("16711680"));
    EXPECT_EQ(window->preferences().textColor, QString());
    expectNewDocumentFont(QStringLiteral("Arial"), 10, false);
}

TEST_F(StartupSettingsTest, firstExitWritesTheDesignValues)
{
    start();
    const QPoint topLeft = window->pos();
    stop();
    const std::vector<Setting> expected = {
        {kWindow, QStringLiteral("TextColor"), QString()},
        {kWindow, QStringLiteral("TheFontSize"), QStringLiteral("10")},
        {kWindow, QStringLiteral("TheFontBold"), QStringLiteral("False")},
        {kWindow, QStringLiteral("TheFontName"), QStringLiteral("Arial")},
        {kWindow, QStringLiteral("LinkColor"), QStringLiteral("16711680")},
        {kWindow, QStringLiteral("TemplateWindowState"), QStringLiteral("0")},
        {kWindow, QStringLiteral("LowerCheck"), QStringLiteral("False")},
        {kWindow, QStringLiteral("ConvertC"), QStringLiteral("True")},
        {kWindow, QStringLiteral("TheToolBar"), QStringLiteral("True")},
        {kWindow, QStringLiteral("ColorConvert"), QStringLiteral("False")},
        {kWindow, QStringLiteral("LocalPreview"), QStringLiteral("True")},
        // Local Preview being on makes Reload available.
        {kWindow, QStringLiteral("ReloadFlag"), QStringLiteral("True")},
        {kWindow, QStringLiteral("MainWindowState"), QStringLiteral("0")},
        {kWindow, QStringLiteral("MainFormWidth"), QStringLiteral("8415")},
        {kWindow, QStringLiteral("MainFormHeight"), QStringLiteral("6870")},
        {kWindow, QStringLiteral("MainFormLeft"), QString::number(topLeft.x() * 15)},
        {kWindow, QStringLiteral("MainFormTop"), QString::number(topLeft.y() * 15)},
        {kProgram, QStringLiteral("WebTimer"), QStringLiteral("False")},
        {kBrowser, QStringLiteral("Web"), QString()},
        {kMenuArray, QStringLiteral("MenuArray(0)"), QString()},
        {kMenuArray, QStringLiteral("MenuArray(7)"), QString()},
        {kMenuArray, QStringLiteral("TheNum"), QStringLiteral("0")},
    };
    for (const Setting& s : expected)
        EXPECT_EQ(stored(s.section, s.key), s.value) << s.key.toStdString();
    // Center Cursor is not kept between runs.
    EXPECT_FALSE(readFile(store->fileFor(kApp)).contains("Cursor"));
}

TEST_F(StartupSettingsTest, everyKeyReadAtStartIsWrittenBackUnchanged)
{
    const std::vector<Setting> all = everyMainWindowKey();
    prepare(all);
    // Keys of other windows share the sections; the main window must leave them alone.
    prepare({{kWindow, QStringLiteral("HTMLFormLeft"), QStringLiteral("300")},
             {kWindow, QStringLiteral("ToolFormTop"), QStringLiteral("45")},
             {QStringLiteral("FTP"), QStringLiteral("Server(0)"), QStringLiteral("ftp.example.org")}});
    start();
    stop();
    for (const Setting& s : all)
        EXPECT_EQ(stored(s.section, s.key), s.value) << s.key.toStdString();
    EXPECT_EQ(stored(kWindow, QStringLiteral("HTMLFormLeft")), QStringLiteral("300"));
    EXPECT_EQ(stored(kWindow, QStringLiteral("ToolFormTop")), QStringLiteral("45"));
    EXPECT_EQ(stored(QStringLiteral("FTP"), QStringLiteral("Server(0)")), QStringLiteral("ftp.example.org"));
}

TEST_F(StartupSettingsTest, storedValuesAreAppliedAtStart)
{
    prepare(everyMainWindowKey());
    start();
    EXPECT_EQ(placement(), QRect(1500 / 15, 1200 / 15, 9000 / 15, 6000 / 15));
    expectChecks({{"mnuCenterCursor", true},
                  {"mnuLowerCase", true},
                  {"mnuColoredTags", true},
                  {"mnuConvertC", false},
                  {"mnuWebTimer", true},
                  {"mnuToolBar", false},
                  {"mnuLocalPreview", false}});
    for (int i = 0; i < 8; ++i) {
        QAction* a = action(QStringLiteral("mnuFileArray_%1").arg(i));
        EXPECT_TRUE(a->isVisible()) << i;
        EXPECT_EQ(a->text(), QStringLiteral("/docs/page%1.htm").arg(i));
    }
    EXPECT_TRUE(action(QStringLiteral("mnuSep10"))->isVisible());
    const Preferences& p = window->preferences();
    EXPECT_EQ(p.tagColor, QStringLiteral("32768"));
    EXPECT_EQ(p.textColor, QStringLiteral("255"));
    EXPECT_EQ(p.browser, QStringLiteral("/usr/bin/firefox"));
    EXPECT_EQ(p.userButtons[9].closing, QStringLiteral("</X9>"));
    expectNewDocumentFont(QStringLiteral("Courier New"), 14, true);
}

TEST_F(StartupSettingsTest, changesMadeDuringARunAreThereAtTheNextStart)
{
    start();
    for (const char* option : {"mnuLowerCase", "mnuConvertC", "mnuWebTimer", "mnuToolBar", "mnuLocalPreview"})
        trigger(QLatin1String(option));
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuColoredTags"));
    window->move(40, 30);
    window->resize(620, 410);
    QApplication::processEvents();
    const QString first = writeFile(QStringLiteral("first.htm"), "<P>1</P>");
    const QString second = writeFile(QStringLiteral("second.htm"), "<P>2</P>");
    window->openFiles({first, second});
    discardChanges();

    restart();
    EXPECT_EQ(placement(), QRect(40, 30, 620, 410));
    expectChecks({{"mnuCenterCursor", true},
                  {"mnuLowerCase", true},
                  {"mnuColoredTags", true},
                  {"mnuConvertC", false},
                  {"mnuWebTimer", true},
                  {"mnuToolBar", false},
                  {"mnuLocalPreview", false}});
    EXPECT_EQ(action(QStringLiteral("mnuFileArray_0"))->text(), second);
    EXPECT_EQ(action(QStringLiteral("mnuFileArray_1"))->text(), first);
    EXPECT_FALSE(action(QStringLiteral("mnuFileArray_2"))->isVisible());
    EXPECT_TRUE(window->documents().isEmpty()) << "no document is reopened at start";
}

TEST_F(StartupSettingsTest, centerCursorIsCheckedAtEveryStart)
{
    start();
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuCenterCursor"));
    ASSERT_FALSE(action(QStringLiteral("mnuCenterCursor"))->isChecked());
    restart();
    EXPECT_TRUE(action(QStringLiteral("mnuCenterCursor"))->isChecked());
}

struct StateAtExit {
    const char* label;
    Qt::WindowState state;
    const char* stored;
    bool geometryStored; // whether a normal-state run stored geometry before
};

void PrintTo(const StateAtExit& c, std::ostream* os) { *os << c.label; }

class ExitStateTest : public StartupSettingsTest, public ::testing::WithParamInterface<StateAtExit> {};

TEST_P(ExitStateTest, keepsTheLastNormalGeometry)
{
    const StateAtExit& c = GetParam();
    const std::vector<Setting> geometry = {
        {kWindow, QStringLiteral("MainFormHeight"), QStringLiteral("6000")},
        {kWindow, QStringLiteral("MainFormWidth"), QStringLiteral("9000")},
        {kWindow, QStringLiteral("MainFormLeft"), QStringLiteral("1500")},
        {kWindow, QStringLiteral("MainFormTop"), QStringLiteral("1200")},
    };
    if (c.geometryStored)
        prepare(geometry);
    start();
    window->setWindowState(c.state);
    QApplication::processEvents();
    ASSERT_TRUE(window->windowState().testFlag(c.state));
    stop();
    EXPECT_EQ(stored(kWindow, QStringLiteral("MainWindowState")), QLatin1String(c.stored));
    for (const Setting& s : geometry)
        EXPECT_EQ(stored(s.section, s.key), c.geometryStored ? s.value : kAbsent) << s.key.toStdString();

    // The next run comes back in that state, with the stored normal geometry underneath.
    start();
    EXPECT_TRUE(window->windowState().testFlag(c.state));
    window->showNormal();
    QApplication::processEvents();
    if (c.geometryStored)
        EXPECT_EQ(placement(), QRect(100, 80, 600, 400));
    else
        expectDesignGeometry();
}

INSTANTIATE_TEST_SUITE_P(States, ExitStateTest,
                         ::testing::Values(StateAtExit{"maximised", Qt::WindowMaximized, "2", true},
                                           StateAtExit{"minimised", Qt::WindowMinimized, "1", true},
                                           StateAtExit{"maximisedOnFirstRun", Qt::WindowMaximized, "2", false}),
                         [](const auto& info) { return std::string(info.param.label); });

class FontSizeTest : public StartupSettingsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FontSizeTest, aSizeThatIsNoNumberLeavesTen)
{
    prepare({{kWindow, QStringLiteral("TheFontSize"), QString::fromUtf8(GetParam())}});
    start();
    EXPECT_EQ(newDocumentFont().size, 10);
    discardChanges();
    stop();
    EXPECT_EQ(stored(kWindow, QStringLiteral("TheFontSize")), QStringLiteral("10"));
}

INSTANTIATE_TEST_SUITE_P(Values, FontSizeTest,
                         ::testing::Values("abc", "", "12pt", "1e2", "99999999999999999999", "-4", "0", "0x0C"));

struct HostileFile {
    const char* label;
    QByteArray bytes;
    bool designGeometry; // else only "somewhere on the screen"
};

void PrintTo(const HostileFile& c, std::ostream* os) { *os << c.label; }

class HostileSettingsTest : public StartupSettingsTest, public ::testing::WithParamInterface<HostileFile> {};

TEST_P(HostileSettingsTest, startsWithDesignValuesAndAWindowOnScreen)
{
    prepareFile(GetParam().bytes);
    start();
    if (GetParam().designGeometry)
        expectDesignGeometry();
    EXPECT_TRUE(screenArea().contains(window->geometry().center()));
    EXPECT_LE(window->width(), screenArea().width());
    EXPECT_LE(window->height(), screenArea().height());
    EXPECT_FALSE(window->isMinimized());
    expectChecks(kDesignChecks);
    EXPECT_EQ(window->preferences().tagColor, QStringLiteral("16711680"));
    EXPECT_EQ(window->preferences().textColor, QString());
    expectNewDocumentFont(QStringLiteral("Arial"), 10, false);
    discardChanges();

    // Whatever was read, the exit writes values the next start understands.
    stop();
    EXPECT_EQ(stored(kWindow, QStringLiteral("LinkColor")), QStringLiteral("16711680"));
    EXPECT_EQ(stored(kWindow, QStringLiteral("TheFontBold")), QStringLiteral("False"));
    EXPECT_EQ(stored(kMenuArray, QStringLiteral("TheNum")), QStringLiteral("0"));
}

QByteArray binaryJunk()
{
    QByteArray b;
    for (int i = 0; i < 2048; ++i)
        b += char((i * 97 + 13) & 0xff);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileSettingsTest,
    ::testing::Values(
        HostileFile{"wrongTypes",
                    "[Window Options]\n"
                    "TheFontBold=maybe\nTheFontSize=large\nTheFontName=\nLowerCheck=1\nConvertC=yes\n"
                    "TheToolBar=\nColorConvert=TRUE\nLocalPreview=0\nLinkColor=blue\nTextColor=-1\n"
                    "Background=16777216\nMainFormHeight=abc\nMainFormWidth=1e9\nMainFormLeft=NaN\n"
                    "MainFormTop=\nMainWindowState=7\nTemplateWindowState=9\n"
                    "[Program Options]\nWebTimer=on\n[Menu Array Values]\nTheNum=many\n",
                    true},
        HostileFile{"hugeGeometry",
                    "[Window Options]\nMainFormHeight=99999999999\nMainFormWidth=99999999\n"
                    "MainFormLeft=-99999999\nMainFormTop=2147483648\nMainWindowState=-1\n",
                    true},
        HostileFile{"offScreenGeometry",
                    "[Window Options]\nMainFormHeight=6000\nMainFormWidth=9000\n"
                    "MainFormLeft=200000\nMainFormTop=-150000\n",
                    false},
        HostileFile{"binaryJunk", binaryJunk(), true},
        HostileFile{"nulBytes", QByteArray("[Window Options]\nTheFontSize=") + QByteArray(4, '\0') + "\nTheFontBold=True\n",
                    true},
        HostileFile{"invalidUtf8", "[Window Options]\nTheFontName=\xFF\xFE\xC3\x28\nLowerCheck=True\n", true}),
    [](const auto& info) { return std::string(info.param.label); });
