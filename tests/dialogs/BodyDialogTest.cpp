// The body dialog: the tag its fields build, the colour text of its colour button, which part
// of a document the new tag replaces, and the window driven by its control names.

#include "DialogTestSupport.h"

#include "dialogs/frmBody.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// ---- pure parts -----------------------------------------------------------------------------

TEST(BodyTag, BuildsEachCase)
{
    const struct {
        const char* what;
        BodyFields fields;
        const char* tag;
    } cases[] = {
        {"nothing filled", {}, "<BODY>"},
        {"the worked example", {"#FFFFFF", "", "#0000FF", "", "", ""}, "<BODY BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\">"},
        {"every field, in the fixed order",
         {"#000001", "#000002", "#000003", "#000004", "#000005", "bg.gif"},
         "<BODY BGCOLOR=\"#000001\" TEXT=\"#000002\" LINK=\"#000003\" VLINK=\"#000004\" ALINK=\"#000005\" "
         "BACKGROUND=\"bg.gif\">"},
        {"only the text colour", {"", "#000000", "", "", "", ""}, "<BODY TEXT=\"#000000\">"},
        {"only the last two", {"", "", "", "red", "", "../images/back ground.jpg"},
         "<BODY VLINK=\"red\" BACKGROUND=\"../images/back ground.jpg\">"},
        {"values exactly as typed", {" white ", "say \"x\"", "", "", "&#1;", ""},
         "<BODY BGCOLOR=\" white \" TEXT=\"say \"x\"\" ALINK=\"&#1;\">"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(bodyTag(c.fields), QString::fromUtf8(c.tag));
    }
}

TEST(HtmlColorText, WritesRedGreenBlueInUpperCaseHex)
{
    const struct {
        QColor color;
        const char* text;
    } cases[] = {
        {QColor(0, 0, 0), "#000000"},     {QColor(255, 128, 0), "#FF8000"}, {QColor(0, 0, 255), "#0000FF"},
        {QColor(255, 0, 0), "#FF0000"},   {QColor(1, 2, 3), "#010203"},     {QColor(171, 205, 239), "#ABCDEF"},
        {QColor(255, 255, 255), "#FFFFFF"}, {QColor(0, 16, 0), "#001000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(htmlColorText(c.color), QString::fromUtf8(c.text));
    }
}

struct ReplaceCase {
    const char* what;
    const char* text;
    int selStart;
    int selLength;
    const char* result; // the text with the range replaced by "<NEW>"
};

const ReplaceCase kReplaceCases[] = {
    {"a body tag in lower case", "<html><body bgcolor=white>\n<p>x</p>", 0, 0, "<html><NEW>\n<p>x</p>"},
    {"a body tag in upper case", "<HTML>\n<BODY>\nx", 3, 0, "<HTML>\n<NEW>\nx"},
    {"a body tag in mixed case", "<Body Text=red>x", 0, 0, "<NEW>x"},
    {"the very first characters", "<body>", 0, 0, "<NEW>"},
    {"only the first of two", "<body a>1<body b>2", 0, 0, "<NEW>1<body b>2"},
    {"any word that starts the same", "x<bodyguard>y", 0, 0, "x<NEW>y"},
    {"none, caret in the text", "abcdef", 3, 0, "abc<NEW>def"},
    {"none, caret at the end", "abc", 3, 0, "abc<NEW>"},
    {"none, empty document", "", 0, 0, "<NEW>"},
    {"none, a word selected", "one two three", 4, 3, "one <NEW> three"},
    {"the one inside the selection", "<body a>1<body b>2", 9, 9, "<body a>1<NEW>2"},
    {"a selection without one, though the document has one", "<body a>one two", 12, 3, "<body a>one <NEW>"},
    {"a selection holding only part of the word", "<body a>x", 0, 3, "<NEW>dy a>x"},
    {"the tag runs on past the selection", "x<body bgcolor=red>y", 1, 5, "x<NEW>y"},
    {"no > after it: the new tag goes before", "text<body bgcolor=red", 0, 0, "text<NEW><body bgcolor=red"},
    {"the > is the next one, wherever it is", "<body\nbgcolor=red\n>z", 0, 0, "<NEW>z"},
    {"positions count characters", "\xc3\xa9\xe2\x82\xac<body>\xc3\xa9", 0, 0, "\xc3\xa9\xe2\x82\xac<NEW>\xc3\xa9"},
    {"a lone < body is not a body tag", "< body>x", 8, 0, "< body>x<NEW>"},
};

TEST(BodyTagRange, ReplacesEachCase)
{
    for (const ReplaceCase& c : kReplaceCases) {
        SCOPED_TRACE(c.what);
        QString text = QString::fromUtf8(c.text);
        const TextRange range = bodyTagRange(text, c.selStart, c.selLength);
        ASSERT_GE(range.start, 0);
        ASSERT_LE(range.start + range.length, text.size());
        text.replace(range.start, range.length, QStringLiteral("<NEW>"));
        EXPECT_EQ(text, QString::fromUtf8(c.result));
    }
}

// ---- the window -----------------------------------------------------------------------------

class BodyDialogTest : public DialogAppTest {
protected:
    void openDocument(const QString& text) { openSiteDocument(text.toUtf8(), QStringLiteral("art")); }
    frmBody* open() { return openByCommand<frmBody>(QStringLiteral("mnuBody")); }
    static QPushButton* button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(QLatin1String(name)); }
};

TEST_F(BodyDialogTest, OpensEmptyWithItsCaptions)
{
    start();
    frmBody* d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Body"));
    EXPECT_EQ(d->parentWidget(), window.get());
    EXPECT_FALSE(d->isModal());
    const struct {
        const char* label;
        const char* caption;
    } labels[] = {
        {"lblBG", "Background"}, {"lblText", "Text"},   {"lblLink", "Link"},
        {"lblVlink", "V Link"},  {"lblAlink", "A Link"}, {"lblBackground", "Background Graphic:"},
        {"Label1", "Find File"}, {"lblUpdate", ""},
    };
    for (const auto& l : labels) {
        auto* label = d->findChild<QLabel*>(QLatin1String(l.label));
        ASSERT_NE(label, nullptr) << l.label;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.caption)) << l.label;
    }
    for (const char* box : {"txtBG", "txtText", "txtLink", "txtVlink", "txtAlink", "txtBackground"}) {
        auto* edit = d->findChild<QLineEdit*>(QLatin1String(box));
        ASSERT_NE(edit, nullptr) << box;
        EXPECT_EQ(edit->text(), QString()) << box;
    }
    EXPECT_NE(d->findChild<QToolButton*>(QStringLiteral("PicOpen2")), nullptr);
    EXPECT_EQ(d->chkForwardSlash->text(), QStringLiteral("Forward Slashes"));
    EXPECT_TRUE(d->chkForwardSlash->isChecked());
    ASSERT_TRUE(button(d, "cmdShow"));
    EXPECT_EQ(button(d, "cmdShow")->text(), QStringLiteral("C&hoose Color"));
    ASSERT_TRUE(button(d, "cmdOK"));
    ASSERT_TRUE(button(d, "cmdCancel"));
    EXPECT_EQ(button(d, "cmdOK")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(button(d, "cmdCancel")->text(), QStringLiteral("&Cancel"));
    EXPECT_TRUE(button(d, "cmdOK")->isDefault());
}

TEST_F(BodyDialogTest, ClicksChooseTheColourTarget)
{
    start();
    frmBody* d = open();
    ASSERT_TRUE(d);
    const struct {
        const char* clicked;
        const char* target;
    } cases[] = {
        {"lblText", "Text"},  {"lblBG", "Background"}, {"txtLink", "Link"},     {"txtBG", "Background"},
        {"lblVlink", "V Link"}, {"txtAlink", "A Link"}, {"lblLink", "Link"},    {"txtVlink", "V Link"},
        {"lblAlink", "A Link"}, {"txtText", "Text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicked);
        QWidget* w = d->findChild<QWidget*>(QLatin1String(c.clicked));
        ASSERT_TRUE(w);
        QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_EQ(d->lblUpdate->text(), QString::fromUtf8(c.target));
    }
    // Clicks elsewhere keep the target.
    QTest::mouseClick(d->txtBackground, Qt::LeftButton);
    QTest::mouseClick(d->lblBackground, Qt::LeftButton);
    EXPECT_EQ(d->lblUpdate->text(), QStringLiteral("Text"));
    // The background box takes the target when the user moves into it, not when the window
    // merely becomes active again.
    QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(d->txtBG, &activated);
    EXPECT_EQ(d->lblUpdate->text(), QStringLiteral("Text"));
    QFocusEvent tabbed(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(d->txtBG, &tabbed);
    EXPECT_EQ(d->lblUpdate->text(), QStringLiteral("Background"));
}

TEST_F(BodyDialogTest, ChooseColorFillsTheTargetAndPaintsItsSample)
{
    start();
    frmBody* d = open();
    ASSERT_TRUE(d);
    const QColor defaultBack = d->lblText->palette().color(QPalette::Window);

    // No target yet: the dialog shows, nothing changes.
    prompter.answerColor(QColor(0, 128, 0));
    d->cmdShow->click();
    EXPECT_EQ(prompter.last().kind, QStringLiteral("color"));
    for (QLineEdit* box : {d->txtBG, d->txtText, d->txtLink, d->txtVlink, d->txtAlink})
        EXPECT_EQ(box->text(), QString());

    const struct {
        QWidget* target;
        QColor chosen;
        QLineEdit* box;
        QLabel* sample;
        const char* text;
    } cases[] = {
        {d->lblLink, QColor(255, 0, 0), d->txtLink, d->lblLink, "#FF0000"},
        {d->txtText, QColor(255, 128, 0), d->txtText, d->lblText, "#FF8000"},
        {d->lblVlink, QColor(0, 0, 255), d->txtVlink, d->lblVlink, "#0000FF"},
        {d->txtAlink, QColor(171, 205, 239), d->txtAlink, d->lblAlink, "#ABCDEF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QTest::mouseClick(c.target, Qt::LeftButton);
        prompter.answerColor(c.chosen);
        d->cmdShow->click();
        EXPECT_EQ(c.box->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(c.sample->palette().color(QPalette::WindowText), c.chosen);
        EXPECT_EQ(c.sample->palette().color(QPalette::Window), defaultBack);
    }

    // The background colour paints behind all four samples and keeps their text colours.
    QTest::mouseClick(d->lblBG, Qt::LeftButton);
    prompter.answerColor(QColor(255, 255, 255));
    d->cmdShow->click();
    EXPECT_EQ(d->txtBG->text(), QStringLiteral("#FFFFFF"));
    for (QLabel* sample : {d->lblText, d->lblLink, d->lblVlink, d->lblAlink}) {
        SCOPED_TRACE(sample->objectName().toStdString());
        EXPECT_EQ(sample->palette().color(QPalette::Window), QColor(255, 255, 255));
        EXPECT_TRUE(sample->autoFillBackground());
    }
    EXPECT_EQ(d->lblLink->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(d->txtLink->text(), QStringLiteral("#FF0000"));
}

TEST_F(BodyDialogTest, ACancelledColourDialogWritesTheColourItHeld)
{
    start();
    for (const bool chosenBefore : {false, true}) {
        SCOPED_TRACE(chosenBefore ? "after choosing red" : "first time");
        frmBody* d = open();
        ASSERT_TRUE(d);
        QTest::mouseClick(d->txtText, Qt::LeftButton);
        if (chosenBefore) {
            prompter.answerColor(QColor(255, 0, 0));
            d->cmdShow->click();
        }
        QTest::mouseClick(d->txtLink, Qt::LeftButton);
        prompter.answerColor(std::nullopt);
        d->cmdShow->click();
        EXPECT_EQ(d->txtLink->text(), chosenBefore ? QStringLiteral("#FF0000") : QStringLiteral("#000000"));
        button(d, "cmdCancel")->click();
        QApplication::processEvents();
    }
}

TEST_F(BodyDialogTest, OkReplacesTheBodyTagInTheTagColour)
{
    start();
    const QString before = QStringLiteral("<html>\n<body bgcolor=white>\n<p>Hi</p>\n");
    openDocument(before);
    QPointer<frmBody> d = open();
    ASSERT_TRUE(d);
    QTest::mouseClick(d->txtText, Qt::LeftButton);
    prompter.answerColor(QColor(0, 0, 0));
    d->cmdShow->click();
    button(d, "cmdOK")->click();
    const QString tag = QStringLiteral("<BODY TEXT=\"#000000\">");
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("<html>\n") + tag + QStringLiteral("\n<p>Hi</p>\n"));
    expectTagColour(7, int(tag.size()));
    EXPECT_TRUE(closedAndGone(d));

    // One undo brings the old tag back.
    editor()->undo();
    EXPECT_EQ(editor()->wholeText(), before);
}

TEST_F(BodyDialogTest, OkReplacesWhatTheSelectionHolds)
{
    start();
    const struct {
        const char* what;
        const char* text;
        int selStart;
        int selLength;
        const char* result;
    } cases[] = {
        {"nothing filled, a tag in the document", "<BODY TEXT=red>x", 0, 0, "<BODY>x"},
        {"a selected word, no tag", "one two", 4, 3, "one <BODY>"},
        {"the tag in the selection", "<body a>1<body b>2", 9, 9, "<body a>1<BODY>2"},
        {"a selection without a tag", "<body a>one two", 12, 3, "<body a>one <BODY>"},
        {"no > after the tag", "<body a", 0, 0, "<BODY><body a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        openDocument(QString::fromUtf8(c.text));
        editor()->setSelection(c.selStart, c.selLength);
        frmBody* d = open();
        ASSERT_TRUE(d);
        button(d, "cmdOK")->click();
        EXPECT_EQ(editor()->wholeText(), QString::fromUtf8(c.result));
        window->activeDocument()->setModified(false);
        trigger(QStringLiteral("mnuClose"));
    }
}

TEST_F(BodyDialogTest, EnterPressesOkAndEscCancels)
{
    start();
    openDocument(QStringLiteral("x"));
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        SCOPED_TRACE(key == Qt::Key_Escape ? "Esc" : "Enter");
        editor()->setWholeText(QStringLiteral("x"));
        QPointer<frmBody> d = open();
        ASSERT_TRUE(d);
        d->txtLink->setText(QStringLiteral("blue"));
        QTest::keyClick(d->txtLink, Qt::Key(key));
        EXPECT_EQ(editor()->wholeText(),
                  key == Qt::Key_Escape ? QStringLiteral("x") : QStringLiteral("<BODY LINK=\"blue\">x"));
        EXPECT_TRUE(closedAndGone(d));
    }
}

TEST_F(BodyDialogTest, OkWithoutADocumentJustCloses)
{
    start();
    QPointer<frmBody> d = open();
    ASSERT_TRUE(d);
    d->txtBG->setText(QStringLiteral("white"));
    button(d, "cmdOK")->click();
    EXPECT_TRUE(closedAndGone(d));
}

TEST_F(BodyDialogTest, EachOpeningStartsEmpty)
{
    start();
    openDocument(QStringLiteral("x"));
    frmBody* d = open();
    ASSERT_TRUE(d);
    const QColor defaultText = d->lblLink->palette().color(QPalette::WindowText);
    QTest::mouseClick(d->lblLink, Qt::LeftButton);
    prompter.answerColor(QColor(255, 0, 0));
    d->cmdShow->click();
    d->txtBackground->setText(QStringLiteral("a.gif"));
    d->chkForwardSlash->setChecked(false);
    button(d, "cmdOK")->click();
    QApplication::processEvents();

    frmBody* again = open();
    ASSERT_TRUE(again);
    EXPECT_EQ(bodyTag(again->fields()), QStringLiteral("<BODY>"));
    EXPECT_EQ(again->lblUpdate->text(), QString());
    EXPECT_TRUE(again->chkForwardSlash->isChecked());
    EXPECT_EQ(again->lblLink->palette().color(QPalette::WindowText), defaultText);
    // The colour dialog starts from black again: cancelling it writes #000000.
    QTest::mouseClick(again->lblAlink, Qt::LeftButton);
    prompter.answerColor(std::nullopt);
    again->cmdShow->click();
    EXPECT_EQ(again->txtAlink->text(), QStringLiteral("#000000"));
}

TEST_F(BodyDialogTest, FindFileFillsTheBackgroundGraphic)
{
    start();
    openDocument(QString());
    QFile(site + QStringLiteral("/art/Paper Back.JPG")).open(QIODevice::WriteOnly);
    frmBody* d = open();
    ASSERT_TRUE(d);
    answerImageChooser(prompter, site + QStringLiteral("/art"), QStringLiteral("Paper Back.JPG"));
    d->PicOpen2->click();
    EXPECT_EQ(d->txtBackground->text(), QStringLiteral("art/Paper Back.JPG"));
    d->txtText->setText(QStringLiteral("http://x/"));
    d->chkForwardSlash->click();
    EXPECT_EQ(d->txtBackground->text(), QStringLiteral("art\\Paper Back.JPG"));
    EXPECT_EQ(d->txtText->text(), QStringLiteral("http://x/")) << "only the graphic is converted";
    button(d, "cmdOK")->click();
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("<BODY TEXT=\"http://x/\" BACKGROUND=\"art\\Paper Back.JPG\">"));
}

} // namespace
