// Option toggles and their messages, the Edit menu's enabling and commands, the pop-up
// menus, and the About and Help commands.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

struct Message {
    QString title;
    QString text;
    PromptIcon icon;
};

struct OptionCase {
    const char* name;
    bool designChecked;
    std::optional<Message> whenSwitchedOff;
    std::optional<Message> whenSwitchedOn;
};

void PrintTo(const OptionCase& c, std::ostream* os) { *os << c.name; }

class OptionToggleTest : public AppTest, public ::testing::WithParamInterface<OptionCase> {
protected:
    // Clicks the option and checks the one message it must show, or that it shows none.
    void click(const std::optional<Message>& expected)
    {
        const size_t before = prompter.requests.size();
        if (expected)
            prompter.answerMessage(PromptAnswer::Ok);
        trigger(QLatin1String(GetParam().name));
        ASSERT_EQ(prompter.requests.size(), before + (expected ? 1 : 0));
        if (!expected)
            return;
        expectMessage(prompter.last(), expected->title, expected->text, expected->icon);
    }
};

TEST_P(OptionToggleTest, eachClickFlipsTheCheckAndShowsOnlyItsMessage)
{
    const OptionCase& c = GetParam();
    start();
    QAction* option = action(QLatin1String(c.name));
    ASSERT_EQ(option->isChecked(), c.designChecked);
    click(c.designChecked ? c.whenSwitchedOff : c.whenSwitchedOn);
    EXPECT_EQ(option->isChecked(), !c.designChecked);
    click(c.designChecked ? c.whenSwitchedOn : c.whenSwitchedOff);
    EXPECT_EQ(option->isChecked(), c.designChecked);
}

const Message kCenterCursorMessage{
    QStringLiteral("The Corvane Scrivant"),
    QStringLiteral("Uncheck this option if the cursor moves after pressing a button.\r"
                   "This may happen when working with large documents."),
    PromptIcon::Exclamation};

const Message kColorTagsMessage{QStringLiteral("quillet"),
                                QStringLiteral("This option may slow down the opening of large documents."),
                                PromptIcon::Information};

INSTANTIATE_TEST_SUITE_P(Options, OptionToggleTest,
                         ::testing::Values(OptionCase{"mnuCenterCursor", true, kCenterCursorMessage, std::nullopt},
                                           OptionCase{"mnuColoredTags", false, std::nullopt, kColorTagsMessage},
                                           OptionCase{"mnuLowerCase", false, std::nullopt, std::nullopt},
                                           OptionCase{"mnuConvertC", true, std::nullopt, std::nullopt},
                                           OptionCase{"mnuWebTimer", false, std::nullopt, std::nullopt},
                                           OptionCase{"mnuToolBar", true, std::nullopt, std::nullopt},
                                           OptionCase{"mnuLocalPreview", true, std::nullopt, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

class ShellCommandTest : public AppTest {
protected:
    void showEditMenu() { emit window->menu(QStringLiteral("mMain"))->aboutToShow(); }

    // Undo, Cut, Copy, Paste and Delete, in that order.
    std::vector<bool> editItemsEnabled()
    {
        std::vector<bool> out;
        for (const char* name : {"mEdit_0", "mEdit_2", "mEdit_3", "mEdit_4", "mEdit_5"})
            out.push_back(action(QLatin1String(name))->isEnabled());
        return out;
    }

    QMenu* visiblePopup() const { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    void closePopups()
    {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    ~ShellCommandTest() override
    {
        closePopups();
        QApplication::clipboard()->clear();
    }
};

using Enabled = std::vector<bool>;

TEST_F(ShellCommandTest, localPreviewSetsAndClearsTheReloadFlag)
{
    start();
    // Checked at design, so Reload is available from the start.
    EXPECT_TRUE(window->preferences().reloadFlag);
    trigger(QStringLiteral("mnuLocalPreview"));
    EXPECT_FALSE(window->preferences().reloadFlag);
    trigger(QStringLiteral("mnuLocalPreview"));
    EXPECT_TRUE(window->preferences().reloadFlag);
    trigger(QStringLiteral("mnuLocalPreview"));
    stop();
    EXPECT_EQ(store->read(QStringLiteral("The Corvane Scrivant"), QStringLiteral("Window Options"),
                          QStringLiteral("LocalPreview")),
              QStringLiteral("False"));
    EXPECT_EQ(store->read(QStringLiteral("The Corvane Scrivant"), QStringLiteral("Window Options"),
                          QStringLiteral("ReloadFlag")),
              QStringLiteral("False"));
}

TEST_F(ShellCommandTest, reloadButtonFollowsLocalPreviewAndTheBrowser)
{
    start();
    trigger(QStringLiteral("mnuNew"));
    if (!action(QStringLiteral("mnuReload"))->isEnabled()) {
        // Without its command the button offers nothing, whatever the option says.
        for (int i = 0; i < 2; ++i) {
            trigger(QStringLiteral("mnuLocalPreview"));
            EXPECT_FALSE(window->cmdReload->isEnabled());
        }
        return;
    }
    EXPECT_TRUE(window->cmdReload->isEnabled());
    trigger(QStringLiteral("mnuLocalPreview")); // off, no browser chosen
    EXPECT_FALSE(window->cmdReload->isEnabled());
    trigger(QStringLiteral("mnuLocalPreview")); // on
    EXPECT_TRUE(window->cmdReload->isEnabled());
    window->preferences().browser = QStringLiteral("/usr/bin/browser");
    trigger(QStringLiteral("mnuLocalPreview")); // off, but a browser can still show the page
    EXPECT_TRUE(window->cmdReload->isEnabled());
}

TEST_F(ShellCommandTest, editMenuWithoutADocumentHasItsFiveItemsDisabled)
{
    start();
    QApplication::clipboard()->setText(QStringLiteral("on the clipboard"));
    showEditMenu();
    EXPECT_EQ(editItemsEnabled(), Enabled(5, false));
    // The rest of the menu is not touched by the rule.
    EXPECT_TRUE(action(QStringLiteral("mnuSelectAll"))->isEnabled());
}

TEST_F(ShellCommandTest, editMenuFollowsSelectionClipboardAndUndo)
{
    start();
    trigger(QStringLiteral("mnuNew"));
    ASSERT_TRUE(editor());
    QApplication::clipboard()->clear();

    //                          Undo   Cut    Copy   Paste  Delete
    showEditMenu();
    EXPECT_EQ(editItemsEnabled(), (Enabled{false, false, false, false, false})) << "new empty document";

    QApplication::clipboard()->setText(QStringLiteral("clip"));
    showEditMenu();
    EXPECT_EQ(editItemsEnabled(), (Enabled{false, false, false, true, false})) << "text on the clipboard";

    editor()->replaceSelection(QStringLiteral("Hello world"));
    showEditMenu();
    EXPECT_EQ(editItemsEnabled(), (Enabled{true, false, false, true, false})) << "after typing, nothing selected";

    editor()->setSelection(0, 5);
    showEditMenu();
    EXPECT_EQ(editItemsEnabled(), (Enabled{true, true, true, true, true})) << "with a selection";

    QApplication::clipboard()->clear();
    showEditMenu();
    EXPECT_EQ(editItemsEnabled(), (Enabled{true, true, true, false, true})) << "clipboard emptied";
}

TEST_F(ShellCommandTest, editCommandsActOnTheActiveEditor)
{
    start();
    trigger(QStringLiteral("mnuNew"));
    ASSERT_TRUE(editor());
    editor()->replaceSelection(QStringLiteral("Hello world"));

    editor()->setSelection(0, 5);
    showEditMenu();
    trigger(QStringLiteral("mEdit_3")); // Copy
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Hello"));
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("Hello world"));

    editor()->setSelection(5, 6);
    showEditMenu();
    trigger(QStringLiteral("mEdit_2")); // Cut
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" world"));
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("Hello"));

    editor()->setSelection(0, 0);
    showEditMenu();
    trigger(QStringLiteral("mEdit_4")); // Paste
    EXPECT_EQ(editor()->wholeText(), QStringLiteral(" worldHello"));

    editor()->setSelection(0, 1);
    showEditMenu();
    trigger(QStringLiteral("mEdit_5")); // Delete
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("worldHello"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" world")) << "Delete leaves the clipboard alone";

    showEditMenu();
    trigger(QStringLiteral("mEdit_0")); // Undo
    EXPECT_EQ(editor()->wholeText(), QStringLiteral(" worldHello"));

    trigger(QStringLiteral("mnuSelectAll"));
    EXPECT_EQ(editor()->selStart(), 0);
    EXPECT_EQ(editor()->selLength(), 11);
}

TEST_F(ShellCommandTest, aboutShowsTheProgramNameAndUpdateAddress)
{
    start();
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuAbout"));
    ASSERT_EQ(prompter.requests.size(), 1u);
    const PromptRecord& r = prompter.last();
    EXPECT_EQ(r.title, QStringLiteral("About: The Corvane Scrivant"));
    EXPECT_EQ(r.icon, PromptIcon::Information);
    EXPECT_EQ(r.buttons, PromptButtons::Ok);
    const QStringList lines = r.text.split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 6) << r.text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("The Corvane Scrivant Pro"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Updates available at:"));
    EXPECT_FALSE(lines[3].trimmed().isEmpty()) << "update address";
    EXPECT_EQ(lines[4], QString());
    EXPECT_FALSE(lines[5].trimmed().isEmpty()) << "legal line";
    EXPECT_FALSE(r.text.contains(QLatin1Char('\n')));
}

TEST_F(ShellCommandTest, helpOpensTheManualFromTheMenuAndWithF1)
{
    start();
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("frmHelp")), nullptr);
    trigger(QStringLiteral("mnuMainHelp"));
    auto* help = window->findChild<QWidget*>(QStringLiteral("frmHelp"));
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    auto* manual = help->findChild<QTextBrowser*>();
    ASSERT_TRUE(manual);
    EXPECT_FALSE(manual->toPlainText().trimmed().isEmpty()) << "the manual is shipped with the program";

    help->close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_TRUE(help->isVisible());
    // One help window, shown again rather than opened twice.
    EXPECT_EQ(window->findChildren<QWidget*>(QStringLiteral("frmHelp")).size(), 1);
}

TEST_F(ShellCommandTest, rightButtonOnTheEmptyClientAreaPopsUpTheFileMenu)
{
    start();
    QWidget* clientArea = window->mdiArea->viewport();
    QTest::mouseRelease(clientArea, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(visiblePopup(), nullptr) << "the left button pops up nothing";

    QTest::mouseRelease(clientArea, Qt::RightButton, {}, QPoint(20, 20));
    QMenu* popup = visiblePopup();
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup, window->menu(QStringLiteral("mnuFile")));
    EXPECT_TRUE(popup->isVisible());
    closePopups();
    EXPECT_FALSE(window->menu(QStringLiteral("mnuFile"))->isVisible());
}

TEST_F(ShellCommandTest, rightButtonInTheEditorPopsUpTheEditMenuWithItsItemsUpToDate)
{
    start();
    trigger(QStringLiteral("mnuNew"));
    ASSERT_TRUE(editor());
    editor()->replaceSelection(QStringLiteral("some text"));
    editor()->setSelection(0, 4);
    QTest::mouseRelease(editor()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QMenu* popup = visiblePopup();
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup, window->menu(QStringLiteral("mMain")));
    EXPECT_TRUE(action(QStringLiteral("mEdit_3"))->isEnabled());
    closePopups();
}

TEST_F(ShellCommandTest, tileStacksTheWindowsOneAboveTheOtherEachAsWideAsTheClientArea)
{
    start();
    for (int i = 0; i < 3; ++i)
        trigger(QStringLiteral("mnuNew"));
    window->mdiArea->subWindowList().first()->showMaximized();
    trigger(QStringLiteral("mnuTile"));
    const QSize client = window->mdiArea->viewport()->size();
    QList<QRect> frames;
    for (QMdiSubWindow* w : window->mdiArea->subWindowList())
        frames << w->geometry();
    std::sort(frames.begin(), frames.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    ASSERT_EQ(frames.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(frames[i].left(), 0);
        EXPECT_EQ(frames[i].width(), client.width());
        EXPECT_EQ(frames[i].top(), i * (client.height() / 3));
        EXPECT_EQ(frames[i].height(), client.height() / 3);
    }
    // The active window is the top one.
    EXPECT_EQ(window->mdiArea->currentSubWindow()->geometry().top(), 0);
}

TEST_F(ShellCommandTest, arrangeIconsLinesTheMinimisedWindowsUpAlongTheBottomInRowsThatFit)
{
    start();
    for (int i = 0; i < 12; ++i)
        trigger(QStringLiteral("mnuNew"));
    for (QMdiSubWindow* w : window->mdiArea->subWindowList())
        w->showMinimized();
    trigger(QStringLiteral("mnuArrangeIcons"));
    const QRect client(QPoint(0, 0), window->mdiArea->viewport()->size());
    QSet<int> rows;
    for (QMdiSubWindow* w : window->mdiArea->subWindowList()) {
        EXPECT_TRUE(client.contains(w->geometry())) << w->geometry().x() << "," << w->geometry().y();
        rows << w->geometry().bottom();
    }
    EXPECT_GT(rows.size(), 1) << "twelve icons do not fit in one row of this window";
    EXPECT_TRUE(rows.contains(client.bottom()));
}

} // namespace
