// The text transformations and the search commands as the menus run them on the active
// document: results, messages, line breaks, colours, undo, and no document at all.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {

class TransformCommandsTest : public AppTest {
protected:
    void SetUp() override { start(); }
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    DocumentEditor* document(const QString& text, const QByteArray& lineBreak = "\n")
    {
        trigger(QStringLiteral("mnuNew"));
        window->activeDocument()->setLineBreak(lineBreak);
        editor()->setWholeText(text);
        return editor();
    }
    // Each message asked since the last call, as "title|icon|text".
    QStringList messages()
    {
        QStringList seen;
        for (const PromptRecord& r : prompter.requests)
            seen << r.title + QLatin1Char('|') + QString::number(int(r.icon)) + QLatin1Char('|') + r.text;
        prompter.requests.clear();
        return seen;
    }
    static QString finished() { return QStringLiteral("quillet|1|Finished!"); }
    QDialog* shownDialog(const char* name) { return window->findChild<QDialog*>(QLatin1String(name)); }
};

TEST_F(TransformCommandsTest, AddBreaksAndListTagsWorkOnTheSelectedLinesWithTheDocumentsLineBreak)
{
    const struct {
        const char* command;
        QByteArray lineBreak;
        QString expected;
    } cases[] = {
        {"mnuAddBreaks", "\n", QStringLiteral("x\none<BR>\ntwo<BR>\nthree\ny")},
        {"mnuAddBreaks", "\r\n", QStringLiteral("x\r\none<BR>\r\ntwo<BR>\r\nthree\r\ny")},
        {"mnuAddLi", "\n", QStringLiteral("x\none\n<LI>two\n<LI>three\ny")},
        {"mnuAddLi", "\r", QStringLiteral("x\rone\r<LI>two\r<LI>three\ry")},
    };
    for (const auto& c : cases) {
        const QString br = QString::fromLatin1(c.lineBreak);
        DocumentEditor* e = document(QStringLiteral("x%1one%1two%1three%1y").arg(br), c.lineBreak);
        e->setSelection(2, 3 + br.size() + 3 + br.size() + 5); // the three middle lines
        prompter.answerMessage(PromptAnswer::Ok);
        trigger(QLatin1String(c.command));
        EXPECT_EQ(e->wholeText(), c.expected) << c.command;
        EXPECT_EQ(messages(), QStringList{finished()});
        e->undo();
        EXPECT_EQ(e->wholeText(), QStringLiteral("x%1one%1two%1three%1y").arg(br)) << "one undo step";
    }
    // Nothing selected: nothing changes, and it still says it finished.
    DocumentEditor* e = document(QStringLiteral("a\nb"));
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuAddBreaks"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("a\nb"));
    EXPECT_EQ(messages(), QStringList{finished()});
}

TEST_F(TransformCommandsTest, WithoutADocumentEachCommandSaysWhatTheDesignSays)
{
    for (const char* command : {"mnuAddBreaks", "mnuAddLi"}) {
        prompter.answerMessage(PromptAnswer::Ok);
        prompter.answerMessage(PromptAnswer::Ok);
        trigger(QLatin1String(command));
        EXPECT_EQ(messages(), (QStringList{QStringLiteral("quillet|4|The document is too large for this function!\r"
                                                          "Try breaking it up."),
                                           finished()}));
    }
    for (const char* command : {"mnuConvertFromMac", "mnuConvertToMac", "mnuConvertFromUNIX", "mnuConvertToUNIX"}) {
        prompter.answerMessage(PromptAnswer::Ok);
        prompter.answerMessage(PromptAnswer::Ok);
        trigger(QLatin1String(command));
        EXPECT_EQ(messages(), (QStringList{QStringLiteral("quillet|4|An error occured, try again!"), finished()}));
    }
    prompter.answerMessage(PromptAnswer::Yes);
    trigger(QStringLiteral("mnuRemoveTags"));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Notice!|2|This Option Cannot Be Undone, Continue?")});
}

TEST_F(TransformCommandsTest, RemoveTagsAsksThenDeletesTagsOfTheSelectionOrTheWholeText)
{
    DocumentEditor* e = document(QStringLiteral("<P>A <B>bold</B> word</P>"));
    prompter.answerMessage(PromptAnswer::No);
    trigger(QStringLiteral("mnuRemoveTags"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("<P>A <B>bold</B> word</P>"));
    EXPECT_EQ(prompter.last().buttons, PromptButtons::YesNo);

    e->setSelection(5, 11); // "<B>bold</B>"
    prompter.answerMessage(PromptAnswer::Yes);
    trigger(QStringLiteral("mnuRemoveTags"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("<P>A bold word</P>"));

    e->setSelStart(0);
    prompter.answerMessage(PromptAnswer::Yes);
    trigger(QStringLiteral("mnuRemoveTags"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("A bold word"));
    EXPECT_TRUE(window->activeDocument()->isModified());
    e->undo();
    EXPECT_EQ(e->wholeText(), QStringLiteral("<P>A bold word</P>")) << "the whole removal is one step";

    // A ">" before the first "<" stops it at once.
    e = document(QStringLiteral("a > b <B>c</B>"));
    prompter.answerMessage(PromptAnswer::Yes);
    trigger(QStringLiteral("mnuRemoveTags"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("a > b <B>c</B>"));
    EXPECT_FALSE(e->canUndo());
}

TEST_F(TransformCommandsTest, ConversionsRoundTripSetTheLineBreakAndColourTagsAfterFrom)
{
    prompter.answerMessage(PromptAnswer::Ok); // the warning that comes with the option
    trigger(QStringLiteral("mnuColoredTags"));
    ASSERT_TRUE(window->isChecked(QStringLiteral("mnuColoredTags")));
    messages();
    const QString original = QStringLiteral("<HTML>\r\n<B>x</B>\r\n\r\nend");
    DocumentEditor* e = document(original, "\r\n");
    const QColor textColour = e->colorAt(7);

    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuConvertToUNIX"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("<HTML>\n<B>x</B>\n\nend"));
    EXPECT_EQ(window->activeDocument()->lineBreak(), QByteArray("\n"));
    EXPECT_EQ(e->colorAt(0), textColour) << "the earlier colouring is gone";
    EXPECT_EQ(messages(), QStringList{finished()});

    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuConvertFromUNIX"));
    EXPECT_EQ(e->wholeText(), original);
    EXPECT_EQ(window->activeDocument()->lineBreak(), QByteArray("\r\n"));
    EXPECT_NE(e->colorAt(0), textColour) << "tags are coloured again";
    EXPECT_EQ(e->colorAt(8), e->colorAt(0));
    EXPECT_EQ(messages(), QStringList{finished()});

    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuConvertToMac"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("<HTML>\r<B>x</B>\r\rend"));
    EXPECT_EQ(window->activeDocument()->lineBreak(), QByteArray("\r"));
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuConvertFromMac"));
    EXPECT_EQ(e->wholeText(), original);
    EXPECT_TRUE(window->activeDocument()->isModified());
    messages();
    e->undo();
    EXPECT_EQ(e->wholeText(), QStringLiteral("<HTML>\r<B>x</B>\r\rend")) << "each conversion is one step";
}

TEST_F(TransformCommandsTest, FindNextOpensTheDialogUntilThereIsASearchTextThenSearchesAnyDocument)
{
    trigger(QStringLiteral("mnuFindAgain"));
    QDialog* find = shownDialog("frmFind");
    ASSERT_NE(find, nullptr);
    find->close();
    QApplication::processEvents();

    DocumentEditor* first = document(QStringLiteral("one two one"));
    trigger(QStringLiteral("mnuFind"));
    find = shownDialog("frmFind");
    ASSERT_NE(find, nullptr);
    find->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("ONE"));
    find->findChild<QPushButton*>(QStringLiteral("cmdFind"))->click();
    EXPECT_EQ(first->selStart(), 0);
    EXPECT_EQ(first->selLength(), 3);
    trigger(QStringLiteral("mnuFindAgain"));
    EXPECT_EQ(first->selStart(), 8);

    // The search state belongs to the program: F3 in another document searches it too.
    DocumentEditor* second = document(QStringLiteral("xx one"));
    trigger(QStringLiteral("mnuFindAgain"));
    EXPECT_EQ(second->selStart(), 3);
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuFindAgain"));
    EXPECT_EQ(prompter.last().text, QStringLiteral("Cannot find \"ONE\""));
}

TEST_F(TransformCommandsTest, ReplaceOpensOnceAndTakesTheSelection)
{
    DocumentEditor* e = document(QStringLiteral("say hello"));
    e->setSelection(4, 5);
    trigger(QStringLiteral("mnuReplace"));
    QDialog* replace = shownDialog("frmReplace");
    ASSERT_NE(replace, nullptr);
    EXPECT_EQ(replace->findChild<QLineEdit*>(QStringLiteral("txtWhat"))->text(), QStringLiteral("hello"));
    trigger(QStringLiteral("mnuReplace"));
    EXPECT_EQ(window->findChildren<QDialog*>(QStringLiteral("frmReplace")).size(), 1);
}

} // namespace
