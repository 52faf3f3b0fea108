// Typing in a document window (tag colours, converted characters, line breaks, the modified
// flag) and the main window's InsertText with the options read from its menu.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

const QString kBlue = QStringLiteral("16711680"); // 0x00BBGGRR
const QString kBlack = QStringLiteral("0");
const QString kGreen = QStringLiteral("32768");

class TypingAndInsertTest : public AppTest {
protected:
    void SetUp() override { start(); }
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    // Colours take effect in windows created after they are set, as after a restart.
    frmTemplate* newDocument(const QString& textColor = kBlack, const QString& tagColor = kBlue)
    {
        window->preferences().textColor = textColor;
        window->preferences().tagColor = tagColor;
        trigger(QStringLiteral("mnuNew"));
        return window->activeDocument();
    }
    void setOption(const char* name, bool on)
    {
        if (window->isChecked(QLatin1String(name)) == on)
            return;
        // Turning Center Cursor off warns about it.
        if (QLatin1String(name) == QLatin1String("mnuCenterCursor") && !on)
            prompter.answerMessage(PromptAnswer::Ok);
        trigger(QLatin1String(name));
        ASSERT_EQ(window->isChecked(QLatin1String(name)), on);
    }
    static void typeCharacter(QWidget* target, const QString& text, int key = 0,
                              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target, &release);
    }
    // 'T' for a character in the tag colour, 'X' in the text colour, '?' for anything else.
    static QString colourPattern(DocumentEditor* e, const QString& tagColor, const QString& textColor)
    {
        QString pattern;
        const auto asColor = [](const QString& text) {
            const qlonglong v = text.toLongLong();
            return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
        };
        for (int i = 0; i < e->characterCount(); ++i) {
            const std::optional<QColor> c = e->formatAt(i).color;
            pattern += c && *c == asColor(tagColor)                       ? QLatin1Char('T')
                       : c && !textColor.isEmpty() && *c == asColor(textColor) ? QLatin1Char('X')
                                                                           : QLatin1Char('?');
        }
        return pattern;
    }
};

// --- tag colour while typing -----------------------------------------------------------------

TEST_F(TypingAndInsertTest, TypedTagsTakeTheTagColourAndTheTextAfterThemTheTextColour)
{
    const struct {
        QString textColor;
        QString typed;
        QString pattern;
    } cases[] = {
        {kBlack, QStringLiteral("<B>x"), QStringLiteral("TTTX")},
        {kGreen, QStringLiteral("<B>x"), QStringLiteral("TTTX")},
        {kGreen, QStringLiteral("ab<I>cd</I>e"), QStringLiteral("XXTTTXXTTTTX")},
        {kGreen, QStringLiteral("<A HREF=\"x\">link"), QStringLiteral("TTTTTTTTTTTTXXXX")},
        {kGreen, QStringLiteral("a>b"), QStringLiteral("XTX")}, // a stray ">" is still shown as a tag
        {kGreen, QStringLiteral("<<>>x"), QStringLiteral("TTTTX")},
        // With no text colour chosen, typing goes on in the colour before it: the tag colour.
        {QString(), QStringLiteral("<B>xy"), QStringLiteral("TTTTT")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " / text colour " + c.textColor.toStdString());
        frmTemplate* d = newDocument(c.textColor);
        QTest::keyClicks(d->txtInput, c.typed);
        EXPECT_EQ(d->txtInput->wholeText(), c.typed);
        EXPECT_EQ(colourPattern(d->txtInput, kBlue, c.textColor), c.pattern);
    }
}

TEST_F(TypingAndInsertTest, ABracketTypedWithShiftCountsAsABracket)
{
    frmTemplate* d = newDocument(kGreen);
    // As a keyboard sends them: the brackets and capitals come with Shift held.
    typeCharacter(d->txtInput, QStringLiteral("<"), Qt::Key_Less, Qt::ShiftModifier);
    typeCharacter(d->txtInput, QStringLiteral("B"), Qt::Key_B, Qt::ShiftModifier);
    typeCharacter(d->txtInput, QStringLiteral(">"), Qt::Key_Greater, Qt::ShiftModifier);
    typeCharacter(d->txtInput, QStringLiteral("x"), Qt::Key_X);
    ASSERT_EQ(d->txtInput->wholeText(), QStringLiteral("<B>x"));
    EXPECT_EQ(colourPattern(d->txtInput, kBlue, kGreen), QStringLiteral("TTTX"));
}

TEST_F(TypingAndInsertTest, EachWindowKeepsItsOwnInTagState)
{
    frmTemplate* first = newDocument(kGreen);
    QTest::keyClicks(first->txtInput, QStringLiteral("<"));
    frmTemplate* second = newDocument(kGreen);
    ASSERT_NE(first, second);
    QTest::keyClicks(second->txtInput, QStringLiteral("x"));
    EXPECT_FALSE(second->inTag());
    EXPECT_EQ(colourPattern(second->txtInput, kBlue, kGreen), QStringLiteral("X"));

    window->mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    QTest::keyClicks(first->txtInput, QStringLiteral("b"));
    EXPECT_TRUE(first->inTag());
    EXPECT_EQ(colourPattern(first->txtInput, kBlue, kGreen), QStringLiteral("TT"));
}

TEST_F(TypingAndInsertTest, TypingMarksTheDocumentModified)
{
    frmTemplate* fresh = newDocument();
    EXPECT_FALSE(fresh->isModified());
    QTest::keyClick(fresh->txtInput, Qt::Key_A);
    EXPECT_TRUE(fresh->isModified());

    prompter.answerOpen(writeFile(QStringLiteral("page.htm"), "text"));
    trigger(QStringLiteral("mnuOpen"));
    frmTemplate* opened = window->activeDocument();
    ASSERT_NE(opened, fresh);
    EXPECT_FALSE(opened->isModified());
    QTest::keyClick(opened->txtInput, Qt::Key_Delete);
    EXPECT_TRUE(opened->isModified()) << "deleting is a change too";
}

// --- Convert Characters --------------------------------------------------------------------------

TEST_F(TypingAndInsertTest, ConvertCharactersTypesTheEntityForAccentedLetters)
{
    const struct {
        char16_t typed;
        bool convert;
        QString result;
    } cases[] = {
        {u'é', true, QStringLiteral("&eacute;")},
        {u'À', true, QStringLiteral("&Agrave;")},
        {u'Æ', true, QStringLiteral("&AElig;")},
        {u'Ç', true, QStringLiteral("&Ccedil;")},
        {u'Ø', true, QStringLiteral("&Oslash;")},
        {u'Ý', true, QStringLiteral("&Yacute;")},
        {u'ÿ', true, QStringLiteral("&yuml;")},
        // Left as they are even with the option on.
        {u'Ð', true, QStringLiteral("Ð")},
        {u'×', true, QStringLiteral("×")},
        {u'Þ', true, QStringLiteral("Þ")},
        {u'ß', true, QStringLiteral("ß")},
        {u'ð', true, QStringLiteral("ð")},
        {u'÷', true, QStringLiteral("÷")},
        {u'þ', true, QStringLiteral("þ")},
        {u'¿', true, QStringLiteral("¿")},
        {u'€', true, QStringLiteral("€")},
        // Option off: nothing is converted.
        {u'é', false, QStringLiteral("é")},
        {u'Æ', false, QStringLiteral("Æ")},
    };
    for (const auto& c : cases) {
        const QString typed(QChar(c.typed));
        SCOPED_TRACE(typed.toStdString() + (c.convert ? " converted" : " not converted"));
        setOption("mnuConvertC", c.convert);
        frmTemplate* d = newDocument(kGreen);
        QTest::keyClicks(d->txtInput, QStringLiteral("a"));
        typeCharacter(d->txtInput, typed);
        QTest::keyClicks(d->txtInput, QStringLiteral("b"));
        EXPECT_EQ(d->txtInput->wholeText(), QStringLiteral("a") + c.result + QStringLiteral("b"));
        EXPECT_EQ(d->txtInput->selStart(), c.result.size() + 2) << "the caret follows the inserted text";
        EXPECT_EQ(colourPattern(d->txtInput, kBlue, kGreen), QString(c.result.size() + 2, QLatin1Char('X')));
        EXPECT_TRUE(d->isModified());
    }
}

TEST_F(TypingAndInsertTest, ConvertCharactersCoversExactlyTheFiftySevenLetters)
{
    setOption("mnuConvertC", true);
    frmTemplate* d = newDocument();
    int converted = 0;
    for (char16_t code = 192; code <= 255; ++code) {
        d->txtInput->setWholeText(QString());
        typeCharacter(d->txtInput, QString(QChar(code)));
        const QString text = d->txtInput->wholeText();
        if (text != QString(QChar(code))) {
            ++converted;
            EXPECT_TRUE(text.startsWith(QLatin1Char('&')) && text.endsWith(QLatin1Char(';'))) << int(code);
        }
    }
    EXPECT_EQ(converted, 57);
}

TEST_F(TypingAndInsertTest, ConvertCharactersAlsoAppliesToComposedInput)
{
    setOption("mnuConvertC", true);
    frmTemplate* d = newDocument();
    QInputMethodEvent compose;
    compose.setCommitString(QStringLiteral("ü"));
    QApplication::sendEvent(d->txtInput, &compose);
    EXPECT_EQ(d->txtInput->wholeText(), QStringLiteral("&uuml;"));
}

TEST_F(TypingAndInsertTest, TheEntityInsideATagTakesTheTagColour)
{
    setOption("mnuConvertC", true);
    frmTemplate* d = newDocument(kGreen);
    QTest::keyClicks(d->txtInput, QStringLiteral("<"));
    typeCharacter(d->txtInput, QStringLiteral("é"));
    EXPECT_EQ(d->txtInput->wholeText(), QStringLiteral("<&eacute;"));
    EXPECT_EQ(colourPattern(d->txtInput, kBlue, kGreen), QStringLiteral("TTTTTTTTT"));
}

// --- Enter -------------------------------------------------------------------------------------------

TEST_F(TypingAndInsertTest, EnterTypesTheDocumentsLineBreak)
{
    const struct {
        const char* name;
        QByteArray onDisk;
        QByteArray afterEnter;
    } cases[] = {
        {"LF file", "a\nb", "a\nb\n"},
        {"CR LF file", "a\r\nb", "a\r\nb\r\n"},
        {"CR file", "a\rb", "a\rb\r"},
        {"no line break", "ab", "ab\n"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.answerOpen(writeFile(QStringLiteral("f%1.htm").arg(n++), c.onDisk));
        trigger(QStringLiteral("mnuOpen"));
        DocumentEditor* e = editor();
        e->setSelStart(e->characterCount());
        QTest::keyClick(e, Qt::Key_Return);
        EXPECT_EQ(e->textBytes(), c.afterEnter);
    }
    frmTemplate* fresh = newDocument();
    QTest::keyClick(fresh->txtInput, Qt::Key_Return);
    EXPECT_EQ(fresh->txtInput->textBytes(), QByteArray("\n"));
}

// --- InsertText ----------------------------------------------------------------------------------------

TEST_F(TypingAndInsertTest, InsertTextWithoutADocumentDoesNothing)
{
    window->InsertText(QStringLiteral("<B>"), QStringLiteral("</B>"));
    EXPECT_TRUE(window->documents().isEmpty());
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(TypingAndInsertTest, InsertTextReadsLowerCaseAndCenterCursorFromTheMenuAtEveryCall)
{
    frmTemplate* d = newDocument();
    DocumentEditor* e = d->txtInput;
    const struct {
        bool lowerCase;
        bool centerCursor;
        QString text;
        int selStart, selLength;
        QString opening, closing;
        QString result;
        int caret;
    } cases[] = {
        {false, true, QString(), 0, 0, "<B>", "</B>", "<B></B>", 3},
        {false, false, QString(), 0, 0, "<B>", "</B>", "<B></B>", 7},
        {false, true, "a word b", 2, 4, "<I>", "</I>", "a <I>word</I> b", 9},
        {false, false, "a word b", 2, 4, "<I>", "</I>", "a <I>word</I> b", 13},
        {true, true, "x", 0, 1, "<A HREF=\"Page.HTM\">", "</A>", "<a href=\"page.htm\">x</a>", 20},
        {true, false, "", 0, 0, "<IMG SRC=\"Pic.GIF\">", "", "<img src=\"pic.gif\">", 19},
        {false, true, "ab", 1, 0, "<BR>", "", "a<BR>b", 5}, // a single tag: the caret moves by nothing
        {true, true, "Keep", 0, 4, "<P>", "</P>", "<p>Keep</p>", 7}, // the user's text is not lowered
        {false, true, "", 0, 0, "&#160;", "", "&#160;", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.opening + c.closing).toStdString() + (c.lowerCase ? " lower" : "") +
                     (c.centerCursor ? " centred" : ""));
        setOption("mnuLowerCase", c.lowerCase);
        setOption("mnuCenterCursor", c.centerCursor);
        e->setWholeText(c.text);
        e->setSelection(c.selStart, c.selLength);
        d->setModified(false);
        window->InsertText(c.opening, c.closing);
        EXPECT_EQ(e->wholeText(), c.result);
        EXPECT_EQ(e->selStart(), c.caret);
        EXPECT_EQ(e->selLength(), 0);
        EXPECT_TRUE(d->isModified());
    }
}

TEST_F(TypingAndInsertTest, CenterCursorOffWarnsOnce)
{
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuCenterCursor"));
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().title, QStringLiteral("The Corvane Scrivant"));
    EXPECT_EQ(prompter.last().icon, PromptIcon::Exclamation);
    trigger(QStringLiteral("mnuCenterCursor")); // turning it back on asks nothing
    EXPECT_EQ(prompter.requests.size(), 1u);
    EXPECT_TRUE(window->isChecked(QStringLiteral("mnuCenterCursor")));
}

TEST_F(TypingAndInsertTest, InsertedTagsTakeTheTagColourAndTheWrappedTextTheTextColour)
{
    frmTemplate* d = newDocument(kGreen);
    DocumentEditor* e = d->txtInput;
    // The selection holds a tag already: re-inserted, it is plain text in the text colour.
    QTest::keyClicks(e, QStringLiteral("a<B>w</B> z"));
    e->setSelection(1, 8);
    window->InsertText(QStringLiteral("<I>"), QStringLiteral("</I>"));
    ASSERT_EQ(e->wholeText(), QStringLiteral("a<I><B>w</B></I> z"));
    EXPECT_EQ(colourPattern(e, kBlue, kGreen), QStringLiteral("XTTTXXXXXXXXTTTTXX"));

    // Typing goes on in the text colour, at the caret between the tags.
    QTest::keyClicks(e, QStringLiteral("y"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("a<I><B>w</B>y</I> z"));
    EXPECT_EQ(colourPattern(e, kBlue, kGreen).mid(12, 1), QStringLiteral("X"));
}

TEST_F(TypingAndInsertTest, WithoutATextColourInsertedTextGoesOnInTheTagColour)
{
    frmTemplate* d = newDocument(QString());
    DocumentEditor* e = d->txtInput;
    QTest::keyClicks(e, QStringLiteral("w"));
    e->setSelection(0, 1);
    window->InsertText(QStringLiteral("<B>"), QStringLiteral("</B>"));
    QTest::keyClicks(e, QStringLiteral("v"));
    ASSERT_EQ(e->wholeText(), QStringLiteral("<B>wv</B>"));
    EXPECT_EQ(colourPattern(e, kBlue, QString()), QStringLiteral("TTTTTTTTT"));
}

TEST_F(TypingAndInsertTest, InsertTextActsOnTheActiveDocumentOnly)
{
    frmTemplate* first = newDocument();
    frmTemplate* second = newDocument();
    window->mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    window->InsertText(QStringLiteral("<HR>"), QString());
    EXPECT_EQ(first->txtInput->wholeText(), QStringLiteral("<HR>"));
    EXPECT_TRUE(second->txtInput->wholeText().isEmpty());
    EXPECT_FALSE(second->isModified());
}

TEST_F(TypingAndInsertTest, OneInsertionIsUndoneInOneStep)
{
    frmTemplate* d = newDocument();
    QTest::keyClicks(d->txtInput, QStringLiteral("word"));
    d->txtInput->setSelection(0, 4);
    window->InsertText(QStringLiteral("<B>"), QStringLiteral("</B>"));
    ASSERT_EQ(d->txtInput->wholeText(), QStringLiteral("<B>word</B>"));
    trigger(QStringLiteral("mEdit_0"));
    EXPECT_EQ(d->txtInput->wholeText(), QStringLiteral("word"));
}

} // namespace
