// Spell check: the cutting of a document into stretches and words, the checker with the
// installed dictionary and the user's word list, and the pass over a document driven
// through the spelling window.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"
#include "platform/HunspellChecker.h"
#include "utilities/SpellCommand.h"
#include "utilities/SpellStretches.h"
#include "utilities/frmSpell.h"

#include <QFile>
#include <QTest>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QStringList stretchTexts(const QString& text)
{
    QStringList out;
    for (const TextStretch& s : spellStretches(text))
        out << text.mid(s.start, s.length);
    return out;
}

TEST(SpellStretches, TheTextBetweenTags)
{
    const struct {
        QString text;
        QStringList stretches;
    } cases[] = {
        {"<P>wrod</P>", {"", "wrod"}},
        {"Hello <A HREF=\"teh.htm\">wrld</A> bye", {"Hello ", "wrld", " bye"}},
        {"a<!-- teh -->b c", {"a", "b c"}},
        {"<A><B>", {"", ""}},
        {"plain text", {"plain text"}},
        // A "<" never closed: the rest is a tag and the pass ends.
        {"one <B two", {"one "}},
        {"a>b<c", {"a>b"}},
        // One character left is not read.
        {"ab<I>x", {"ab"}},
        {"x", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stretchTexts(c.text), c.stretches) << c.text.toStdString();
}

TEST(SpellStretches, WordsAsRead)
{
    const struct {
        QString stretch;
        QStringList words; // "*" marks the start of a sentence
    } cases[] = {
        {"caf&eacute; au &#233;t&#xE9;", {"*café", "au", "été"}},
        {"a&nbsp;b &amp; AT&T", {"*a", "b", "AT", "T"}},
        {"don't 'quoted' dogs' don&rsquo;t", {"*don't", "quoted", "dogs", "don\u2019t"}},
        {"R2D2 3rd go", {"go"}}, // words with digits are no words, yet end the sentence start
        {"Hi. IPhone, yes! Now? \"Go\"", {"*Hi", "*IPhone", "yes", "*Now", "*Go"}},
        {"&eacutex; &;", {}}, // an entity that is no letter is no word either
    };
    for (const auto& c : cases) {
        QStringList words;
        for (const SpellWord& w : spellWords(c.stretch))
            words << (w.sentenceStart ? "*" : "") + w.word;
        EXPECT_EQ(words, c.words) << c.stretch.toStdString();
    }
    const std::vector<SpellWord> words = spellWords(u"x caf&eacute;s.");
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[1], (SpellWord{2, 12, "cafés", false, true}));
}

TEST(HunspellChecker, DictionaryAndUserWordsKeptBetweenRuns)
{
    QTemporaryDir folder;
    const QString list = folder.filePath("words.txt");
    {
        QFile edited(list); // written by hand, with no last line break
        ASSERT_TRUE(edited.open(QIODevice::WriteOnly) && edited.write("zorblat") > 0);
    }
    auto dictionary = HunspellChecker::dictionary();
    ASSERT_TRUE(dictionary) << HunspellChecker::dictionaryPath().toStdString();
    {
        HunspellChecker checker(dictionary, list);
        EXPECT_TRUE(checker.isKnown("the") && checker.isKnown("The") && checker.isKnown("iPhone"));
        EXPECT_FALSE(checker.isKnown("wrod") || checker.isKnown("scrivantish"));
        EXPECT_TRUE(checker.isKnown("zorblat"));
        EXPECT_TRUE(checker.suggestions("wrod").contains("word"));
        EXPECT_EQ(checker.addWord("scrivantish"), std::nullopt);
    }
    HunspellChecker again(dictionary, list);
    for (const char* form : {"scrivantish", "Scrivantish", "SCRIVANTISH", "zorblat"})
        EXPECT_TRUE(again.isKnown(form)) << form;
    EXPECT_FALSE(again.isKnown("sCrivantish"));

    // A list that cannot be written says why and keeps nothing.
    HunspellChecker blocked(dictionary, folder.filePath("words.txt/inside"));
    EXPECT_NE(blocked.addWord("blorf"), std::nullopt);
    EXPECT_FALSE(blocked.isKnown("blorf"));
}

// One answer of the spelling window: the word it must ask about, the button, the text typed.
struct Reply {
    QString word;
    frmSpell::Choice choice;
    QString changeTo = {};
};

class SpellCheckTest : public AppTest {
protected:
    DocumentEditor& open(const QString& text)
    {
        if (!window)
            start();
        trigger("mnuNew");
        editor()->setWholeText(text);
        return *editor();
    }
    // Queues the replies; each checks that the document selects the word it asks about.
    void reply(const std::vector<Reply>& replies)
    {
        for (const Reply& r : replies)
            prompter.answerModal([this, r](QDialog& d) {
                auto& dialog = dynamic_cast<frmSpell&>(d);
                EXPECT_EQ(dialog.txtNotInDictionary->text(), r.word);
                // The selection is the word as written, entities and all.
                const std::vector<SpellWord> selected = spellWords(editor()->selText());
                EXPECT_TRUE(selected.size() == 1 && selected[0].word == r.word
                            && selected[0].length == editor()->selLength()) << editor()->selText().toStdString();
                if (r.changeTo == "word") { // the suggestions, as the window shows them
                    dialog.fillSuggestions();
                    EXPECT_TRUE(dialog.lstSuggestions->count() > 0
                                && dialog.txtChangeTo->text() == dialog.lstSuggestions->item(0)->text());
                    EXPECT_FALSE(dialog.lstSuggestions->findItems("word", Qt::MatchExactly).isEmpty());
                }
                if (!r.changeTo.isEmpty())
                    dialog.txtChangeTo->setText(r.changeTo);
                QPushButton* buttons[] = {dialog.cmdChange, dialog.cmdChangeAll, dialog.cmdIgnore,
                                          dialog.cmdIgnoreAll, dialog.cmdAdd, dialog.cmdCancel};
                buttons[int(r.choice)]->click();
                return dialog.result();
            });
    }
    QString completion(int checked, int replaced)
    {
        return QString("Spellcheck complete!\n%1 Words Checked\n%2 Words Replaced").arg(checked).arg(replaced);
    }
    void runCheck(const QString& expectedMessage)
    {
        prompter.answerMessage(PromptAnswer::Ok);
        trigger("mnuSpellCheck");
        expectMessage(prompter.last(), "quillet", expectedMessage, PromptIcon::None);
        EXPECT_EQ(prompter.pending(), 0u);
    }
};

using C = frmSpell::Choice;

TEST_F(SpellCheckTest, CorrectionsCountsAndCancel)
{
    const struct {
        QString text;
        std::vector<Reply> replies;
        QString result; // empty: the text as it was
        int checked = 0;
        int replaced = 0; // -1: canceled
    } cases[] = {
        {"<P>wrod</P>", {{"wrod", C::Change, "word"}}, "<P>word</P>", 1, 1},
        // Tags, attribute values and comments are not read.
        {"<A HREF=\"wrod.htm\" TITLE='teh'>good</A><!-- teh -->fine", {}, "", 2, 0},
        // A longer correction moves the words after it.
        {"<P>teh wrod, fine</P>", {{"teh", C::Change, "thee"}, {"wrod", C::Change, "word"}}, "<P>thee word, fine</P>", 3, 2},
        {"wrod one wrod<B>wrod</B>", {{"wrod", C::ChangeAll, "word"}}, "word one word<B>word</B>", 4, 3},
        {"wrod wrod<I>teh</I>", {{"wrod", C::IgnoreAll}, {"teh", C::Ignore}}, "", 3, 0},
        {"wrod teh", {{"wrod", C::Change}, {"teh", C::Ignore}}, "", 2, 0}, // changed into itself
        {"<P>caf&eacute; is good</P>", {{"caf\u00e9", C::Change, "caf\u00e9s"}}, "<P>caf&eacute;s is good</P>", 3, 1},
        {"IPhone here. IPhone too, we like IPhone", {{"IPhone", C::Ignore}}, "", 7, 0},
        // Cancel ends the pass at once, even at its last word: no completion message.
        {"wrod teh", {{"wrod", C::Cancel}}, "", 0, -1},
        {"<P>wrod</P>", {{"wrod", C::Cancel}}, "", 0, -1},
        {"<P>wrod</P> <B unclosed wrod", {{"wrod", C::Ignore}}, "", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        DocumentEditor& document = open(c.text);
        reply(c.replies);
        runCheck(c.replaced < 0 ? QString("Canceled") : completion(c.checked, c.replaced));
        EXPECT_EQ(document.wholeText(), c.result.isEmpty() ? c.text : c.result);
        // Each correction is one step back.
        for (int i = 0; i < c.replaced; ++i) {
            EXPECT_NE(document.wholeText(), c.text);
            document.undo();
        }
        EXPECT_EQ(document.wholeText(), c.text);
        closeDocuments();
    }
}

TEST_F(SpellCheckTest, AddedWordsSurviveARestart)
{
    open("<P>scrivantish</P>");
    reply({{"scrivantish", C::Add}});
    runCheck(completion(1, 0));
    EXPECT_TRUE(QFile::exists(config.filePath("custom-words.txt")));
    discardChanges();
    restart();
    open("Scrivantish, scrivantish");
    runCheck(completion(2, 0));
}

TEST_F(SpellCheckTest, NoDocumentStillReports)
{
    start();
    runCheck(completion(0, 0));
}

TEST_F(SpellCheckTest, EventsRunDuringThePassAndStopItWhenTheDocumentGoes)
{
    const struct {
        std::function<void(DocumentEditor&)> meanwhile;
        std::optional<QString> message;
    } cases[] = {
        {[](DocumentEditor& e) { e.setSelection(0, 0); e.replaceSelection("x"); },
         "The document was changed during the spell check, so the check stopped."},
        // Keys that do not type go through the editor's own change reports.
        {[](DocumentEditor& e) { e.setSelection(1, 0); QTest::keyClick(&e, Qt::Key_Delete); },
         "The document was changed during the spell check, so the check stopped."},
        {[this](DocumentEditor&) { closeDocuments(); }, std::nullopt},
    };
    for (const auto& c : cases) {
        DocumentEditor& document = open("<P>one two wrod</P>");
        window->findChild<SpellCommand*>()->setSlice(0);
        QTimer::singleShot(0, &document, [&] { c.meanwhile(document); });
        if (c.message)
            prompter.answerMessage(PromptAnswer::Ok);
        const size_t before = prompter.requests.size();
        trigger("mnuSpellCheck");
        ASSERT_EQ(prompter.requests.size(), before + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(prompter.last().text, *c.message);
        }
        if (window->activeDocument())
            closeDocuments();
    }
}

} // namespace
