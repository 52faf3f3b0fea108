// Relative references from a document to a chosen file, for Windows-form and POSIX paths; the
// character replacement; and the Find File and Forward Slashes behaviour the dialogs share.

#include "DialogTestSupport.h"
#include "dialogs/DialogHost.h"
#include "dialogs/FileReference.h"
#include "support/FakeDialogHost.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

const QString kSaveFirst = QStringLiteral("You must save this document before selecting a path to an image.");
const QString kNoDocument = QStringLiteral("Please save document before selecting the relative path to an image.");

// Nothing is inserted by these helpers: they only fill boxes.
class FakeHost : public FakeDialogHost {
public:
    using FakeDialogHost::FakeDialogHost;
    void InsertText(const QString&, const QString&) override { ADD_FAILURE() << "nothing is inserted here"; }
};

void expectMessage(const PromptRecord& r, const QString& title, const QString& text, PromptIcon icon)
{
    EXPECT_EQ(r.kind, QStringLiteral("message"));
    EXPECT_EQ(r.title, title);
    EXPECT_EQ(r.text, text);
    EXPECT_EQ(r.icon, icon);
    EXPECT_EQ(r.buttons, PromptButtons::Ok);
}

struct RelativeCase {
    const char* document;
    const char* file;
    const char* result;
    bool saveMessage; // the never-saved message is shown
};

void checkRelative(const RelativeCase& c)
{
    SCOPED_TRACE(std::string(c.document) + " -> " + c.file);
    ScriptedPrompter prompter;
    if (c.saveMessage)
        prompter.answerMessage(PromptAnswer::Ok);
    const QString document = QString::fromUtf8(c.document);
    const QString file = QString::fromUtf8(c.file);
    EXPECT_EQ(RelativePath(document, file, prompter, nullptr), QString::fromUtf8(c.result));
    ASSERT_EQ(prompter.requests.size(), c.saveMessage ? 1u : 0u);
    if (c.saveMessage)
        expectMessage(prompter.last(), QStringLiteral("quillet"), kSaveFirst, PromptIcon::Information);
}

TEST(RelativePathTest, WindowsFormPathsGiveTheWorkedResults)
{
    const RelativeCase cases[] = {
        {R"(C:\Web\Index.htm)", R"(C:\Web\Logo.gif)", R"(logo.gif)", false},
        {R"(C:\Web\Index.htm)", R"(C:\Web\Images\Logo.GIF)", R"(images\logo.gif)", false},
        {R"(C:\Web\Sub\Page.htm)", R"(C:\Web\Logo.gif)", R"(..\logo.gif)", false},
        {R"(C:\A\C\D\Page.htm)", R"(C:\A\B\X.gif)", R"(..\..\b\x.gif)", false},
        {R"(C:\Web\Index.htm)", R"(C:\Web2\P.gif)", R"(..\web2\p.gif)", false},
        {R"(C:\Index.htm)", R"(C:\Pic.gif)", R"(pic.gif)", false},
        {R"(C:\Web\Index.htm)", R"(D:\Web\P.gif)", R"(p.gif)", false},
        {"", R"(D:\Art\Logo.gif)", R"(art\logo.gif)", true},
    };
    for (const RelativeCase& c : cases)
        checkRelative(c);
}

TEST(RelativePathTest, WindowsFormEdgeCases)
{
    const RelativeCase cases[] = {
        // Folder names differing only in case are the same folder.
        {R"(C:\WEB\Index.htm)", R"(c:\web\Logo.gif)", R"(logo.gif)", false},
        {R"(C:\Web\Index.htm)", R"(C:\Web\A\B\C.gif)", R"(a\b\c.gif)", false},
        // The document's folder shares a prefix with the file's deeper folder.
        {R"(C:\Web\Images2\Page.htm)", R"(C:\Web\Images\A.gif)", R"(..\images\a.gif)", false},
        // A document path too short to have a drive part counts as never saved.
        {R"(C:)", R"(C:\Web\P.gif)", R"(web\p.gif)", true},
    };
    for (const RelativeCase& c : cases)
        checkRelative(c);
}

TEST(RelativePathTest, PosixPathsKeepTheirCaseAndGiveBackslashReferences)
{
    const RelativeCase cases[] = {
        {"/home/u/web/sub/page.html", "/home/u/web/Images/Logo.gif", R"(..\Images\Logo.gif)", false},
        {"/home/u/web/index.html", "/home/u/web/Logo.GIF", R"(Logo.GIF)", false},
        {"/home/u/web/index.html", "/home/u/web/Images/Logo.gif", R"(Images\Logo.gif)", false},
        {"/home/u/web/sub/page.html", "/home/u/web/logo.gif", R"(..\logo.gif)", false},
        {"/home/u/a/c/d/page.html", "/home/u/a/b/X.gif", R"(..\..\b\X.gif)", false},
        {"/srv/web/index.html", "/srv/web2/p.gif", R"(..\web2\p.gif)", false},
        // Names are case-sensitive here: Web and web are two folders.
        {"/srv/Web/index.html", "/srv/web/p.gif", R"(..\web\p.gif)", false},
        {"/index.html", "/pic.gif", R"(pic.gif)", false},
        {"/home/u/web/index.html", "/etc/p.gif", R"(..\..\..\etc\p.gif)", false},
        {"/home/u/Mes pages/index.html", "/home/u/Mes pages/Été 1.gif", "Été 1.gif", false},
        {"", "/home/u/Art/Logo.gif", R"(home\u\Art\Logo.gif)", true},
    };
    for (const RelativeCase& c : cases)
        checkRelative(c);
}

TEST(ReplaceCharTest, ReplacesEveryOccurrenceAndNothingElse)
{
    const struct {
        const char* text;
        char search;
        char replacement;
        const char* result;
    } cases[] = {
        {R"(..\..\b\x.gif)", '\\', '/', "../../b/x.gif"},
        {"http://host/a", '/', '\\', R"(http:\\host\a)"},
        {R"(\\)", '\\', '/', "//"},
        {"logo.gif", '\\', '/', "logo.gif"},
        {"", '\\', '/', ""},
        {"aAa", 'a', 'b', "bAb"}, // exact comparison: capitals stay
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QString text = QString::fromUtf8(c.text);
        ReplaceChar(text, QLatin1Char(c.search), QLatin1Char(c.replacement));
        EXPECT_EQ(text, QString::fromUtf8(c.result));
    }
}

// --- Forward Slashes --------------------------------------------------------------------------

TEST(ForwardSlashesTest, ConvertsWholeTextOfEveryListedBoxBothWays)
{
    QLineEdit first(QStringLiteral(R"(..\images\a.gif)"));
    QLineEdit second(QStringLiteral("http://host/a"));
    QLineEdit unlisted(QStringLiteral(R"(x\y)"));

    applyForwardSlashes(true, {&first, &second});
    EXPECT_EQ(first.text(), QStringLiteral("../images/a.gif"));
    EXPECT_EQ(second.text(), QStringLiteral("http://host/a"));

    // Typed slashes go too, those of an address included.
    applyForwardSlashes(false, {&first, &second});
    EXPECT_EQ(first.text(), QStringLiteral(R"(..\images\a.gif)"));
    EXPECT_EQ(second.text(), QStringLiteral(R"(http:\\host\a)"));
    EXPECT_EQ(unlisted.text(), QStringLiteral(R"(x\y)"));
}

TEST(ForwardSlashesTest, ClickingTheBoxConvertsItsBoxes)
{
    QCheckBox check;
    check.setChecked(true);
    QLineEdit box(QStringLiteral("../a/b.gif"));
    connectForwardSlashes(&check, {&box});

    check.click();
    EXPECT_EQ(box.text(), QStringLiteral(R"(..\a\b.gif)"));
    check.click();
    EXPECT_EQ(box.text(), QStringLiteral("../a/b.gif"));
}

// --- Find File through the file dialog --------------------------------------------------------

class FindFileTest : public ::testing::Test {
protected:
    FindFileTest() : host(prompter) { box.setText(QStringLiteral("typed")); }
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    ScriptedPrompter prompter;
    FakeHost host;
    QLineEdit box;
    QCheckBox slashes;
};

TEST_F(FindFileTest, SetsTheBoxOrLeavesItAsEachCaseSays)
{
    const QString saved = QStringLiteral("/home/u/web/sub/page.html");
    const struct {
        const char* what;
        std::optional<QString> document;
        bool emptyFirst;
        bool stopOnEmptyName;
        std::optional<QString> chosen; // none: cancelled
        bool slashes;
        QString result;
        bool set;
        bool saveMessage;
    } cases[] = {
        {"one folder up, slashes", saved, true, false, QStringLiteral("/home/u/web/Logo.gif"), true,
         QStringLiteral("../Logo.gif"), true, false},
        {"one folder up, backslashes", saved, true, false, QStringLiteral("/home/u/web/Logo.gif"), false,
         QStringLiteral(R"(..\Logo.gif)"), true, false},
        {"same folder", saved, false, true, QStringLiteral("/home/u/web/sub/a b.htm"), true,
         QStringLiteral("a b.htm"), true, false},
        {"cancelled, emptied first", saved, true, false, std::nullopt, true, QString(), false, false},
        {"cancelled, not emptied", saved, false, false, std::nullopt, true, QStringLiteral("typed"), false, false},
        {"no document, emptied first", std::nullopt, true, false, QStringLiteral("/home/u/a.htm"), true, QString(),
         false, false},
        {"no document, not emptied", std::nullopt, false, true, QStringLiteral("/home/u/a.htm"), true,
         QStringLiteral("typed"), false, false},
        {"never saved", QString(), true, false, QStringLiteral("/home/u/Logo.gif"), true,
         QStringLiteral("home/u/Logo.gif"), true, true},
        {"empty name, stopping", saved, false, true, QString(), true, QStringLiteral("typed"), false, false},
        // Without the stop the empty name goes through, lacking a root like a never-saved path.
        {"empty name, going on", saved, true, false, QString(), true, QStringLiteral("../../../../"), true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.requests.clear();
        host.documentPath = c.document;
        box.setText(QStringLiteral("typed"));
        slashes.setChecked(c.slashes);
        prompter.answerOpen(c.chosen);
        if (c.saveMessage)
            prompter.answerMessage(PromptAnswer::Ok);

        FindFileOptions options;
        options.filter = kFilterHtmlText;
        options.emptyFirst = c.emptyFirst;
        options.stopOnEmptyName = c.stopOnEmptyName;
        EXPECT_EQ(findFileByDialog(host, nullptr, &box, &slashes, options), c.set);
        EXPECT_EQ(box.text(), c.result);
        ASSERT_EQ(prompter.requests.size(), c.saveMessage ? 2u : 1u);
        if (c.saveMessage)
            expectMessage(prompter.last(), QStringLiteral("quillet"), kSaveFirst, PromptIcon::Information);
        EXPECT_EQ(prompter.pending(), 0u);
    }
}

TEST_F(FindFileTest, AsksForAnExistingFileWithTheGivenFiltersOnTheSecondOne)
{
    const struct {
        const QString* filter;
        const char* text;
    } filters[] = {
        {&kFilterHtmlText, "All Files (*.*)|*.*|HTML Files (*.htm);(*.html)|*.htm;*.html|Text Files (*.txt)|*.txt|"},
        {&kFilterHtmlGraphicText,
         "All Files (*.*)|*.*|HTML Files (*.htm);(*.html)|*.htm;*.html|"
         "Graphic Files (*.jpg);(*.gif);(*.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|Text Files (*.txt)|*.txt|"},
        {&kFilterAllFiles, "All Files (*.*)|*.*|"},
    };
    host.documentPath = QStringLiteral("/home/u/web/page.html");
    for (const auto& f : filters) {
        SCOPED_TRACE(f.text);
        prompter.requests.clear();
        prompter.answerOpen(std::nullopt);
        FindFileOptions options;
        options.filter = *f.filter;
        findFileByDialog(host, nullptr, &box, &slashes, options);
        ASSERT_EQ(prompter.requests.size(), 1u);
        EXPECT_EQ(prompter.last().kind, QStringLiteral("open"));
        EXPECT_EQ(prompter.last().filter, QString::fromUtf8(f.text));
        EXPECT_EQ(prompter.last().initialFilter, 1);
        // The search starts in the document's folder, to which the reference is relative.
        EXPECT_EQ(prompter.last().fileName, QStringLiteral("/home/u/web/"));
    }
}

TEST_F(FindFileTest, ExtraStepRunsBetweenSettingTheBoxAndTheSlashes)
{
    host.documentPath = QStringLiteral("/home/u/web/sub/page.html");
    slashes.setChecked(true);
    QStringList seen;
    FindFileOptions options;
    options.filter = kFilterAllFiles;
    options.stopOnEmptyName = true;
    options.afterSet = [&] { seen << box.text(); };

    prompter.answerOpen(QStringLiteral("/home/u/web/a.swf"));
    EXPECT_TRUE(findFileByDialog(host, nullptr, &box, &slashes, options));
    EXPECT_EQ(seen, QStringList{QStringLiteral(R"(..\a.swf)")});
    EXPECT_EQ(box.text(), QStringLiteral("../a.swf"));

    prompter.answerOpen(std::nullopt);
    EXPECT_FALSE(findFileByDialog(host, nullptr, &box, &slashes, options));
    EXPECT_EQ(seen.size(), 1);
}

TEST_F(FindFileTest, WithoutACheckBoxBackslashesStay)
{
    host.documentPath = QStringLiteral("/home/u/web/sub/page.html");
    prompter.answerOpen(QStringLiteral("/home/u/web/a.htm"));
    FindFileOptions options;
    options.filter = kFilterHtmlText;
    EXPECT_TRUE(findFileByDialog(host, nullptr, &box, nullptr, options));
    EXPECT_EQ(box.text(), QStringLiteral(R"(..\a.htm)"));
}

// --- Find File through the image chooser ------------------------------------------------------

TEST_F(FindFileTest, ImageChooserSetsTheBoxOrReportsAMissingDocument)
{
    const QString saved = QStringLiteral("/home/u/web/sub/page.html");
    const struct {
        const char* what;
        std::optional<QString> document;
        std::optional<QString> chosen;
        bool slashes;
        QString result;
        const QString* message; // null: none
    } cases[] = {
        {"chosen, slashes", saved, QStringLiteral("/home/u/web/Art/Logo.gif"), true,
         QStringLiteral("../Art/Logo.gif"), nullptr},
        {"chosen, backslashes", saved, QStringLiteral("/home/u/web/Art/Logo.gif"), false,
         QStringLiteral(R"(..\Art\Logo.gif)"), nullptr},
        {"cancelled", saved, std::nullopt, true, QStringLiteral("typed"), nullptr},
        {"nothing chosen", saved, QString(), true, QStringLiteral("typed"), nullptr},
        {"cancelled, no document", std::nullopt, std::nullopt, true, QStringLiteral("typed"), nullptr},
        {"chosen, no document", std::nullopt, QStringLiteral("/home/u/Logo.gif"), true, QStringLiteral("typed"),
         &kNoDocument},
        {"chosen, never saved", QString(), QStringLiteral("/home/u/Logo.gif"), true,
         QStringLiteral("home/u/Logo.gif"), &kSaveFirst},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.requests.clear();
        host.documentPath = c.document;
        box.setText(QStringLiteral("typed"));
        slashes.setChecked(c.slashes);
        if (c.message)
            prompter.answerMessage(PromptAnswer::Ok);
        int shown = 0;
        const bool set = findFileByChooser(host, nullptr, &box, &slashes, [&] {
            ++shown;
            return c.chosen;
        });
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(set, box.text() != QStringLiteral("typed"));
        EXPECT_EQ(box.text(), c.result);
        ASSERT_EQ(prompter.requests.size(), c.message ? 1u : 0u);
        if (c.message == &kNoDocument)
            expectMessage(prompter.last(), QStringLiteral("The Corvane Scrivant"), kNoDocument, PromptIcon::Exclamation);
        else if (c.message)
            expectMessage(prompter.last(), QStringLiteral("quillet"), kSaveFirst, PromptIcon::Information);
    }
}

TEST_F(FindFileTest, ImageReferenceWithoutABoxTakesSlashesWhenAsked)
{
    host.documentPath = QStringLiteral("/home/u/web/sub/page.html");
    const auto choose = [] { return std::optional<QString>(QStringLiteral("/home/u/web/Art/a.gif")); };
    EXPECT_EQ(chosenImageReference(host, nullptr, choose, true), QStringLiteral("../Art/a.gif"));
    EXPECT_EQ(chosenImageReference(host, nullptr, choose, false), QStringLiteral(R"(..\Art\a.gif)"));
}

} // namespace
