// The Find and Replace dialogs driven by their controls: what opening shows, the search state
// they write, Replace one at a time and all at once (the same result, colours and caret
// included, in one undo step), Replace Selected, the messages, no document, the blinking label.

#include "support/FakeDialogHost.h"
#include "support/ScriptedPrompter.h"

#include "document/DocumentEditor.h"
#include "search/frmFind.h"
#include "search/frmReplace.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class SearchDialogTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    DocumentEditor& open(const QString& text)
    {
        editor = std::make_unique<DocumentEditor>();
        editor->setWholeText(text);
        host.editor = editor.get();
        return *editor;
    }

    // Clicks a button that ends in a message, answered, and checks the message.
    void clickExpecting(QPushButton* button, const QString& title, const QString& text, PromptIcon icon)
    {
        prompter.answerMessage(PromptAnswer::Ok);
        const size_t asked = prompter.requests.size();
        button->click();
        ASSERT_EQ(prompter.requests.size(), asked + 1);
        EXPECT_EQ(prompter.last().title, title);
        EXPECT_EQ(prompter.last().text, text);
        EXPECT_EQ(prompter.last().icon, icon);
        EXPECT_EQ(prompter.last().buttons, PromptButtons::Ok);
    }

    void clickNoMore(QPushButton* button, const QString& what)
    {
        clickExpecting(button, QStringLiteral("The Corvane Scrivant"),
                       QStringLiteral("No more instances of \"") + what + QStringLiteral("\" found."),
                       PromptIcon::Exclamation);
    }

    static bool gone(const QPointer<QDialog>& dialog)
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        return dialog.isNull();
    }

    ScriptedPrompter prompter;
    FakeDialogHost host{prompter};
    std::unique_ptr<DocumentEditor> editor;
    SearchState state;
};

// ---- Find -------------------------------------------------------------------------------------

TEST_F(SearchDialogTest, FindOpensEmptyWithDownChosenAndItsCaptions)
{
    state = SearchState{QStringLiteral("old"), 1, 0, std::nullopt};
    frmFind d(host, state);
    EXPECT_EQ(d.objectName(), QStringLiteral("frmFind"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Find"));
    const struct {
        QWidget* widget;
        const char* name;
        QString caption;
    } controls[] = {
        {d.Label1, "Label1", d.Label1->text()},          {d.Text1, "Text1", d.Text1->text()},
        {d.Frame1, "Frame1", d.Frame1->title()},         {d.optDirection_1, "optDirection_1", d.optDirection_1->text()},
        {d.optDirection_0, "optDirection_0", d.optDirection_0->text()}, {d.chkCase, "chkCase", d.chkCase->text()},
        {d.cmdFind, "cmdFind", d.cmdFind->text()},       {d.cmdcancel, "cmdcancel", d.cmdcancel->text()},
    };
    const char* captions[] = {"Fi&nd What:", "", "Direction", "&Down", "&Up", "Match &Case", "&Find", "Cancel"};
    for (size_t i = 0; i < std::size(controls); ++i) {
        SCOPED_TRACE(controls[i].name);
        EXPECT_EQ(controls[i].widget->objectName(), QLatin1String(controls[i].name));
        EXPECT_EQ(d.findChild<QWidget*>(QLatin1String(controls[i].name)), controls[i].widget);
        EXPECT_EQ(controls[i].caption, QLatin1String(captions[i]));
    }
    EXPECT_TRUE(d.optDirection_1->isChecked());
    EXPECT_FALSE(d.optDirection_0->isChecked());
    EXPECT_EQ(state.direction, 1);
    EXPECT_FALSE(d.chkCase->isChecked());
    EXPECT_EQ(state.matchCase, 1) << "the flag keeps its value while the box shows unchecked";
    EXPECT_EQ(state.text, QStringLiteral("old"));
    EXPECT_TRUE(d.cmdFind->isDefault());
}

TEST_F(SearchDialogTest, FindButtonIsEnabledExactlyWhileTheFieldHoldsText)
{
    frmFind d(host, state);
    for (const char* typed : {"", "a", "", " ", "abc", ""}) {
        SCOPED_TRACE(typed);
        d.Text1->setText(QString::fromUtf8(typed));
        EXPECT_EQ(d.cmdFind->isEnabled(), *typed != '\0');
    }
}

TEST_F(SearchDialogTest, OptionsAndMatchCaseWriteTheState)
{
    frmFind d(host, state);
    d.show();
    QTest::mouseClick(d.optDirection_0, Qt::LeftButton);
    EXPECT_EQ(state.direction, 0);
    QTest::mouseClick(d.optDirection_1, Qt::LeftButton);
    EXPECT_EQ(state.direction, 1);
    d.chkCase->click();
    EXPECT_EQ(state.matchCase, 1);
    d.chkCase->click();
    EXPECT_EQ(state.matchCase, 0);
}

TEST_F(SearchDialogTest, FindSearchesAndStaysOpen)
{
    open(QStringLiteral("ab AB ab"));
    auto* d = new frmFind(host, state);
    QPointer<QDialog> dialog(d);
    d->show();
    d->Text1->setText(QStringLiteral("AB"));
    d->cmdFind->click();
    EXPECT_EQ(state.text, QStringLiteral("AB"));
    EXPECT_EQ(editor->selStart(), 0);
    EXPECT_EQ(editor->selLength(), 2);
    QTest::keyClick(d->Text1, Qt::Key_Return); // Enter is Find
    EXPECT_EQ(editor->selStart(), 3);
    d->chkCase->click();
    d->Text1->setText(QStringLiteral("ab"));
    d->cmdFind->click();
    EXPECT_EQ(editor->selStart(), 6) << "matching case, the upper-case one is passed over";
    clickExpecting(d->cmdFind, QStringLiteral("quillet"), QStringLiteral("Cannot find \"ab\""), PromptIcon::None);
    EXPECT_FALSE(gone(dialog));
    EXPECT_TRUE(d->isVisible());
    delete d;
}

TEST_F(SearchDialogTest, CancelAndEscStoreTextAndCaseAndClose)
{
    for (bool esc : {false, true}) {
        SCOPED_TRACE(esc ? "Esc" : "Cancel");
        state = SearchState{};
        auto* d = new frmFind(host, state);
        QPointer<QDialog> dialog(d);
        d->show();
        d->Text1->setText(QStringLiteral("xy"));
        d->chkCase->setChecked(true);
        state.matchCase = 0; // Cancel writes the box's value itself
        if (esc)
            QTest::keyClick(d->Text1, Qt::Key_Escape);
        else
            d->cmdcancel->click();
        EXPECT_EQ(state.text, QStringLiteral("xy"));
        EXPECT_EQ(state.matchCase, 1);
        EXPECT_TRUE(gone(dialog));
    }
}

TEST_F(SearchDialogTest, FindWithoutADocumentSaysCannotFind)
{
    frmFind d(host, state);
    d.Text1->setText(QStringLiteral("x"));
    clickExpecting(d.cmdFind, QStringLiteral("quillet"), QStringLiteral("Cannot find \"x\""), PromptIcon::None);
}

// ---- Replace: opening, timer, Done ------------------------------------------------------------

TEST_F(SearchDialogTest, ReplaceOpensWithItsControlsAndWaitsForAText)
{
    frmReplace d(host);
    EXPECT_EQ(d.objectName(), QStringLiteral("frmReplace"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Replace"));
    const struct {
        const char* name;
        QString caption;
    } captions[] = {
        {"lblWhat", "Find Text:"},          {"lblWith", "Replace With:"},
        {"cmdReplace", "&Replace"},         {"cmdReplaceAll", "Replace &All"},
        {"cmdReplaceSelected", "Replace &Selected"}, {"cmdCancel", "&Done"},
        {"lblCaseSensitive", "Replace Selected Is Case sensitive!"},
    };
    for (const auto& c : captions) {
        SCOPED_TRACE(c.name);
        QWidget* w = d.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr);
        if (auto* label = qobject_cast<QLabel*>(w))
            EXPECT_EQ(label->text(), c.caption);
        else
            EXPECT_EQ(qobject_cast<QPushButton*>(w)->text(), c.caption);
    }
    EXPECT_EQ(d.findChild<QLineEdit*>("txtWhat"), d.txtWhat);
    EXPECT_EQ(d.findChild<QLineEdit*>("txtWith"), d.txtWith);
    EXPECT_TRUE(d.txtWhat->text().isEmpty());
    for (QPushButton* b : {d.cmdReplace, d.cmdReplaceAll, d.cmdReplaceSelected})
        EXPECT_FALSE(b->isEnabled());
    d.txtWhat->setText(QStringLiteral("a"));
    for (QPushButton* b : {d.cmdReplace, d.cmdReplaceAll, d.cmdReplaceSelected})
        EXPECT_TRUE(b->isEnabled());
    d.txtWhat->clear();
    for (QPushButton* b : {d.cmdReplace, d.cmdReplaceAll, d.cmdReplaceSelected})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(d.cmdCancel->isEnabled());
}

TEST_F(SearchDialogTest, ReplaceOpenedWithASelectionTakesIt)
{
    DocumentEditor& e = open(QStringLiteral("one Word two"));
    e.setSelection(4, 4);
    frmReplace d(host);
    EXPECT_EQ(d.txtWhat->text(), QStringLiteral("Word"));
    for (QPushButton* b : {d.cmdReplace, d.cmdReplaceAll, d.cmdReplaceSelected})
        EXPECT_TRUE(b->isEnabled());
    e.setSelStart(2);
    frmReplace empty(host);
    EXPECT_TRUE(empty.txtWhat->text().isEmpty());
    // Too long for the box: left out rather than cut.
    for (const int extra : {0, 1}) {
        const int length = d.txtWhat->maxLength() + extra;
        DocumentEditor& big = open(QString(length, QLatin1Char('x')));
        big.setSelection(0, length);
        frmReplace taken(host);
        EXPECT_EQ(taken.txtWhat->text().size(), extra ? 0 : length);
    }
}

TEST_F(SearchDialogTest, TimerBlinksTheCaseSensitiveLabel)
{
    frmReplace d(host);
    d.show();
    QTimer* timer = d.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_EQ(timer, d.Timer1);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(d.lblCaseSensitive->isVisible());
    for (bool visible : {false, true, false}) {
        QMetaObject::invokeMethod(timer, "timeout");
        EXPECT_EQ(d.lblCaseSensitive->isVisible(), visible);
    }
}

TEST_F(SearchDialogTest, DoneAndEscClose)
{
    for (bool esc : {false, true}) {
        auto* d = new frmReplace(host);
        QPointer<QDialog> dialog(d);
        d->show();
        if (esc)
            QTest::keyClick(d->txtWhat, Qt::Key_Escape);
        else
            d->cmdCancel->click();
        EXPECT_TRUE(gone(dialog)) << (esc ? "Esc" : "Done");
    }
}

// ---- Replace: clicks --------------------------------------------------------------------------

TEST_F(SearchDialogTest, ReplaceGoesOnAfterTheInsertedTextWhereverTheCaretIs)
{
    DocumentEditor& e = open(QStringLiteral("a A a"));
    frmReplace d(host);
    d.txtWhat->setText(QStringLiteral("a"));
    d.txtWith->setText(QStringLiteral("Ab"));
    const char* steps[] = {"Ab A a", "Ab Ab a", "Ab Ab Ab"};
    for (const char* expected : steps) {
        e.setSelStart(0); // the caret does not steer Replace
        d.cmdReplace->click();
        EXPECT_EQ(e.wholeText(), QLatin1String(expected));
        EXPECT_EQ(d.replacePosition(), e.selStart()) << "the caret is after the inserted text";
        EXPECT_EQ(e.selLength(), 0);
    }
    clickNoMore(d.cmdReplace, QStringLiteral("a"));
    EXPECT_EQ(d.replacePosition(), -1);
    EXPECT_EQ(e.wholeText(), QStringLiteral("Ab Ab Ab"));
    // After the message the next click starts from the beginning again.
    d.cmdReplace->click();
    EXPECT_EQ(e.wholeText(), QStringLiteral("Abb Ab Ab"));
    EXPECT_EQ(d.replacePosition(), 2);
}

TEST_F(SearchDialogTest, ReplaceIgnoresCaseButReplaceSelectedDoesNot)
{
    DocumentEditor& e = open(QStringLiteral("The CAT sat"));
    frmReplace d(host);
    d.txtWhat->setText(QStringLiteral("cat"));
    d.txtWith->setText(QStringLiteral("Dog"));
    e.setSelection(0, 11);
    clickExpecting(d.cmdReplaceSelected, QStringLiteral("quillet"), QStringLiteral("Finished!"),
                   PromptIcon::Information);
    EXPECT_EQ(e.wholeText(), QStringLiteral("The CAT sat"));
    e.setSelection(0, 11);
    d.txtWhat->setText(QStringLiteral("CAT"));
    clickExpecting(d.cmdReplaceSelected, QStringLiteral("quillet"), QStringLiteral("Finished!"),
                   PromptIcon::Information);
    EXPECT_EQ(e.wholeText(), QStringLiteral("The Dog sat"));
    d.txtWhat->setText(QStringLiteral("dOG"));
    d.txtWith->setText(QStringLiteral("CaT"));
    d.cmdReplace->click();
    EXPECT_EQ(e.wholeText(), QStringLiteral("The CaT sat")) << "the replacement goes in unchanged";
}

struct ReplaceCase {
    const char* what;
    const char* text;
    const char* find;
    const char* with;
    const char* result;
    int count;
};

const ReplaceCase kReplaceCases[] = {
    {"the replacement contains the search text", "cat Cat CAT", "cat", "cats", "cats cats cats", 3},
    {"adjacent occurrences", "aaa", "A", "ba", "bababa", 3},
    {"adjacent, replaced by nothing", "xabABabx", "ab", "", "xx", 3},
    {"overlapping candidates go left to right", "aaaa", "aa", "b", "bb", 2},
    {"letters of other byte lengths", "\u017fs \u0131I \U00010428", "SS", "\u00e9", "\u00e9 \u0131I \U00010428", 1},
    {"after characters outside the BMP", "\U0001F600x\U0001F600X", "x", "y\U0001F600",
     "\U0001F600y\U0001F600\U0001F600y\U0001F600", 2},
    {"at the very end", "ab", "B", "cd", "acd", 1},
    {"none", "abc", "x", "y", "abc", 0},
};

// Colours a few characters, so that formats before, between and after matches can be compared.
void paint(DocumentEditor& e)
{
    const QColor colours[] = {Qt::red, Qt::blue, Qt::green};
    const int count = e.characterCount();
    for (int i = 0; i < 3 && 3 * i < count; ++i) {
        e.setSelection(3 * i, 1);
        e.setSelColor(colours[i]);
    }
    e.setSelection(1, 0);
}

TEST_F(SearchDialogTest, ReplaceAllDoesWhatRepeatedReplaceDoesInOneUndoStep)
{
    for (const ReplaceCase& c : kReplaceCases) {
        SCOPED_TRACE(c.what);
        // One click at a time, in one editor...
        DocumentEditor& clicked = open(QString::fromUtf8(c.text));
        paint(clicked);
        auto stepwise = std::make_unique<frmReplace>(host);
        stepwise->txtWhat->setText(QString::fromUtf8(c.find));
        stepwise->txtWith->setText(QString::fromUtf8(c.with));
        for (int i = 0; i < c.count; ++i)
            stepwise->cmdReplace->click();
        clickNoMore(stepwise->cmdReplace, QString::fromUtf8(c.find));
        stepwise.reset();
        const std::unique_ptr<DocumentEditor> reference = std::move(editor);

        // ...and all at once in another.
        DocumentEditor& e = open(QString::fromUtf8(c.text));
        paint(e);
        const QString before = e.wholeText();
        const int selectionStart = e.selStart();
        frmReplace d(host);
        d.txtWhat->setText(QString::fromUtf8(c.find));
        d.txtWith->setText(QString::fromUtf8(c.with));
        clickNoMore(d.cmdReplaceAll, QString::fromUtf8(c.find));
        EXPECT_EQ(e.wholeText(), QString::fromUtf8(c.result));
        EXPECT_EQ(e.wholeText(), reference->wholeText());
        for (int i = 0; i < e.characterCount(); ++i)
            EXPECT_EQ(e.formatAt(i), reference->formatAt(i)) << "character " << i;
        EXPECT_EQ(e.selStart(), reference->selStart());
        EXPECT_EQ(e.selLength(), reference->selLength());
        EXPECT_EQ(d.replaceAllPosition(), -1);
        if (c.count > 0) {
            e.undo();
            EXPECT_EQ(e.wholeText(), before) << "one undo step";
            EXPECT_FALSE(e.canUndo());
        } else {
            EXPECT_EQ(e.selStart(), selectionStart);
            EXPECT_FALSE(e.canUndo());
        }
    }
}

TEST_F(SearchDialogTest, ReplaceAllAgainStartsFromTheBeginning)
{
    DocumentEditor& e = open(QStringLiteral("cat dog cat"));
    e.setSelStart(5);
    frmReplace d(host);
    d.txtWhat->setText(QStringLiteral("cat"));
    d.txtWith->setText(QStringLiteral("cats"));
    clickNoMore(d.cmdReplaceAll, QStringLiteral("cat"));
    EXPECT_EQ(e.wholeText(), QStringLiteral("cats dog cats"));
    EXPECT_EQ(e.selStart(), 13);
    clickNoMore(d.cmdReplaceAll, QStringLiteral("cat"));
    EXPECT_EQ(e.wholeText(), QStringLiteral("catss dog catss"));
}

TEST_F(SearchDialogTest, WithoutADocumentNothingHappens)
{
    frmReplace d(host);
    d.txtWhat->setText(QStringLiteral("a"));
    d.txtWith->setText(QStringLiteral("b"));
    // The scripted prompter fails the test on any message.
    for (QPushButton* b : {d.cmdReplace, d.cmdReplaceAll, d.cmdReplaceSelected})
        b->click();
    EXPECT_TRUE(prompter.requests.empty());
    EXPECT_EQ(d.replacePosition(), 0);
}

} // namespace
