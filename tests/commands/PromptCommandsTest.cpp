// The commands that ask one question, Comment, Insert Date, and the two commands that insert a
// file: Insert Contents and Insert Image Map with its map reader.

#include "support/TestApp.h"

#include "commands/PromptCommands.h"
#include "commands/ServerMap.h"
#include "document/DocumentEditor.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class PromptCommandsTest : public AppTest {
protected:
    // A document holding "W", selected.
    void prepare(const QString& text = QStringLiteral("W"), int selLength = 1)
    {
        if (!editor())
            trigger(QStringLiteral("mnuNew"));
        editor()->setWholeText(text);
        editor()->setSelection(0, selLength);
    }
    void run(const char* control)
    {
        if (QLatin1String(control).startsWith(QLatin1String("cmd")) || QLatin1String(control) == QLatin1String("Command2"))
            window->findChild<QPushButton*>(QLatin1String(control))->click();
        else
            trigger(QLatin1String(control));
    }
};

struct PromptCase {
    const char* control;
    const char* prompt; // nullptr: nothing is asked
    const char* title;
    const char* answer;
    const char* expected; // the whole document afterwards; "W" was selected
};

// Written out by hand, quotes and blanks included, so that a wrong row of the program shows.
const PromptCase kPrompts[] = {
    {"mnuBGPROP", nullptr, "", "", " BGPROPERTIES=FIXEDW"},
    {"mnuLeftMargin", "Insert Left Margin Value", "quillet", "5", " LEFTMARGIN=\"5\"W"},
    {"mnuTopMargin", "Insert Top Margin Value", "quillet", "", " TOPMARGIN=\"\"W"},
    {"mnuBGSOUND", "Give URL name:", "quillet", "a.wav", "<BGSOUND SRC=\"a.wav\">W"},
    {"mnuFace", "Font Name:", "quillet", "", " FACE=\"\" W"},
    {"mnuControls", nullptr, "", "", " CONTROLS W"},
    {"mnuDYN", "Input DYNSRC URL:", "quillet", "v.avi", " DYNSRC=\"v.avi\" W"},
    {"mnuLOOP", "How many loops? or type INFINITE", "quillet", "INFINITE", " LOOP=INFINITE W"},
    {"mnuFileOpen", nullptr, "", "", " START=FILEOPEN W"},
    {"mnuMouseOver", nullptr, "", "", " START=MOUSEOVER W"},
    {"mnuMar", nullptr, "", "", "<MARQUEE>W</MARQUEE>"},
    {"mnuAligns", "Insert value: TOP, MIDDLE, or BOTTOM", "quillet", "TOP", " ALIGN=TOP W"},
    {"mnuBehavior", "Insert value: SCROLL, SLIDE, or ALTERNATE", "quillet", "ALTERNATE", " BEHAVIOR=ALTERNATE W"},
    {"mnuDirection", "Insert value: LEFT or RIGHT", "quillet", "LEFT", " DIRECTION=LEFT W"},
    {"mnuH", "Height amount:", "quillet", "20", " HEIGHT=20 W"},
    {"mnuScrollAm", "SCROLLAMOUNT value:", "quillet", "3", " SCROLLAMOUNT=3 W"},
    {"mnuScrollD", "SCROLLDELAY value:", "quillet", "90", " SCROLLDELAY=90 W"},
    {"mnuWidthAgain", "WIDTH amount:", "quillet", "", " WIDTH= W"},
    {"mnuMap", nullptr, "", "", "<MAP>W</MAP>"},
    {"mnuBASE", "Input Font Size:", "Base Font Size", "3", "<BASEFONT SIZE=\"3\">W"},
    {"mnuImageMap", "Enter Map Name:", "The Corvane Scrivant", "nav", "<MAP NAME=\"nav\">W</MAP>"},
    {"mnuImageMap", "Enter Map Name:", "The Corvane Scrivant", "", "W"},
    {"mnuMapArea", nullptr, "", "", "<AREA SHAPE=\"\" COORDS=\"\" HREF=\"\">W"},
    {"cmdAnchor", "Enter An Anchor Name", "Anchor", "Top", "<A NAME= \"Top\">W</A>"},
};

} // namespace

TEST_F(PromptCommandsTest, eachPromptAsksItsQuestionAndInsertsTheAnswerInItsText)
{
    start();
    for (const PromptCase& c : kPrompts) {
        SCOPED_TRACE(testing::Message() << c.control << " answered \"" << c.answer << '"');
        prepare();
        prompter.requests.clear();
        if (c.prompt)
            prompter.answerInput(QString::fromUtf8(c.answer));
        run(c.control);
        EXPECT_EQ(editor()->wholeText(), QString::fromUtf8(c.expected));
        ASSERT_EQ(prompter.requests.size(), c.prompt ? 1u : 0u);
        if (c.prompt) {
            EXPECT_EQ(prompter.last().kind, QStringLiteral("input"));
            EXPECT_EQ(prompter.last().text, QLatin1String(c.prompt));
            EXPECT_EQ(prompter.last().title, QLatin1String(c.title));
            EXPECT_EQ(prompter.last().defaultText, QString());
        }
    }
}

TEST_F(PromptCommandsTest, anchorRefusesAnEmptyNameAndLowerCaseTagsLowersTheTypedName)
{
    start();
    prepare();
    prompter.answerInput(std::nullopt);
    prompter.answerMessage(PromptAnswer::Ok);
    run("cmdAnchor");
    expectMessage(prompter.last(), QStringLiteral("quillet"), QStringLiteral("No Data or Cancel Button Pressed!"),
                  PromptIcon::Critical);
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("W"));

    trigger(QStringLiteral("mnuLowerCase"));
    prompter.answerInput(QStringLiteral("MixedName"));
    run("cmdAnchor");
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("<a name= \"mixedname\">W</a>"));
    EXPECT_EQ(editor()->colorAt(0), QColor(Qt::blue)) << "coloured as a tag";
}

TEST_F(PromptCommandsTest, commentWrapsASelectionWithoutAskingAndAsksWithoutOne)
{
    start();
    prepare();
    run("Command2");
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("<!-- W -->"));
    EXPECT_TRUE(prompter.requests.empty());

    const struct {
        std::optional<QString> answer;
        const char* expected;
    } unselected[] = {{QStringLiteral("note"), "<!-- note -->W"}, {QString(), "W"}, {std::nullopt, "W"}};
    for (const auto& c : unselected) {
        prepare(QStringLiteral("W"), 0);
        prompter.answerInput(c.answer);
        run("Command2");
        EXPECT_EQ(editor()->wholeText(), QLatin1String(c.expected));
        EXPECT_EQ(prompter.last().text, QStringLiteral("Add Comment:"));
        EXPECT_EQ(prompter.last().title, QStringLiteral("The Corvane Scrivant"));
    }
}

TEST(DateText, fullWeekdayAndMonthTwoDigitDayAndYearInTheLocale)
{
    const QDate date(2026, 12, 7);
    EXPECT_EQ(dateText(date, QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("Monday, December 07, 2026"));
    EXPECT_EQ(dateText(date, QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("Montag, Dezember 07, 2026"));
    EXPECT_EQ(dateText(QDate(2027, 1, 1), QLocale(QLocale::English)), QStringLiteral("Friday, January 01, 2027"));
}

TEST_F(PromptCommandsTest, insertDateWritesTheClocksDateAtTheCaret)
{
    clock.time = QDateTime(QDate(2026, 12, 7), QTime(23, 59));
    start();
    prepare(QStringLiteral("W"), 0);
    trigger(QStringLiteral("mnuTimeDate"));
    EXPECT_EQ(editor()->wholeText(), dateText(QDate(2026, 12, 7)) + QStringLiteral("W"));
}

TEST(ServerMap, readsAreasAndSkipsCommentDefaultAndBlankLines)
{
    const struct {
        const char* file;
        const char* areas;
        int badLine;
    } cases[] = {
        {"# a comment\ndefault home.html\nrect page.html 0,0 10,10\n",
         "<AREA SHAPE=\"RECT\" COORDS=\"0,0 10,10\" HREF=\"page.html\">|", 0},
        // Only the shape is upper-cased; every kind of line end ends one line.
        {"circle Up.HTML 5,5,3\r\n\r\n   \rpoly b.htm#x 1,2,3\rpoly  c.htm 1,2",
         "<AREA SHAPE=\"CIRCLE\" COORDS=\"5,5,3\" HREF=\"Up.HTML\">|<AREA SHAPE=\"POLY\" COORDS=\"c.htm 1,2\" HREF=\"\">|", 0},
        {"rect a.htm 1,1\nrect a.htm\nrect b.htm 2,2\n", "", 2},
        {"", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const ServerMapAreas map = readServerMap(QString::fromLatin1(c.file), QStringLiteral("|"));
        EXPECT_EQ(map.areas, QLatin1String(c.areas));
        EXPECT_EQ(map.badLine, c.badLine);
    }
}

TEST_F(PromptCommandsTest, insertImageMapBuildsTheMapInTheDocumentsLineBreak)
{
    const QString map = writeFile(QStringLiteral("nav.map"), "# map\nrect a.htm 0,0 9,9\ncircle b.htm 5,5,2\n");
    start();
    prepare(QStringLiteral("a\r\nb"), 0);
    window->activeDocument()->setLineBreak("\r\n");
    prompter.answerOpen(map);
    prompter.answerInput(QStringLiteral("nav"));
    trigger(QStringLiteral("mnuInsertImageMap"));
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("<MAP NAME=\"nav\">\r\n"
                                                    "<AREA SHAPE=\"RECT\" COORDS=\"0,0 9,9\" HREF=\"a.htm\">\r\n"
                                                    "<AREA SHAPE=\"CIRCLE\" COORDS=\"5,5,2\" HREF=\"b.htm\">\r\n"
                                                    "</MAP>a\r\nb"));
    EXPECT_EQ(prompter.requests[0].filter, QStringLiteral("All Files (*.*)|*.*|Map Files (*.map)|*.map|"));
    EXPECT_EQ(prompter.requests[0].initialFilter, 1);
    EXPECT_EQ(prompter.requests[1].text, QStringLiteral("Enter Map Name"));

    // A line that is no area: nothing inserted, no name asked, the file and line named.
    const QString bad = writeFile(QStringLiteral("bad.map"), "rect a.htm 0,0\nrect\n");
    prepare(QStringLiteral("x"), 0);
    prompter.requests.clear();
    prompter.answerOpen(bad);
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuInsertImageMap"));
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("x"));
    ASSERT_EQ(prompter.requests.size(), 2u);
    EXPECT_TRUE(prompter.last().text.contains(bad)) << prompter.last().text.toStdString();
    EXPECT_TRUE(prompter.last().text.startsWith(QStringLiteral("Line 2 ")));
}

TEST_F(PromptCommandsTest, insertContentsPutsTheFileAsItIsInPlaceOfTheSelection)
{
    // Not UTF-8: read as ISO-8859-1, as Open reads it; its own line breaks kept.
    const QString file = writeFile(QStringLiteral("part.htm"), "<P>caf\xe9</P>\r\nend\r");
    start();
    prepare(QStringLiteral("aWb"), 0);
    editor()->setSelection(1, 1);
    prompter.answerOpen(file);
    trigger(QStringLiteral("mnuInsertContents"));
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("a<P>caf\u00e9</P>\r\nend\rb"));
    EXPECT_EQ(editor()->colorAt(1), editor()->colorAt(0)) << "not coloured as a tag";
    EXPECT_EQ(prompter.last().initialFilter, 1);
    EXPECT_TRUE(prompter.last().filter.startsWith(QStringLiteral("All Files (*.*)|*.*|HTML Files")));

    // A folder cannot be read: said as Open says it. Cancel says nothing.
    prompter.answerOpen(QDir::tempPath());
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuInsertContents"));
    EXPECT_EQ(prompter.last().kind, QStringLiteral("message"));
    EXPECT_TRUE(prompter.last().text.contains(QDir::tempPath()));
    const size_t asked = prompter.requests.size();
    prompter.answerOpen(std::nullopt);
    trigger(QStringLiteral("mnuInsertContents"));
    EXPECT_EQ(prompter.requests.size(), asked + 1);
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("a<P>caf\u00e9</P>\r\nend\rb"));
}
