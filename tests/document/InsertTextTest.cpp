#include "document/DocumentEditor.h"
#include "document/InsertText.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kBlueText = QStringLiteral("16711680"); // tag colour in these tests
const QString kRedText = QStringLiteral("255");       // text colour in these tests

// One letter per character (astral characters once): B blue, R red, G green, K black.
std::string colours(const DocumentEditor& editor)
{
    std::string out;
    const QString text = editor.wholeText();
    for (int i = 0; i < text.size(); i += text[i].isHighSurrogate() ? 2 : 1) {
        const QColor c = editor.colorAt(i);
        out += c == QColor(0, 0, 255) ? 'B' : c == QColor(255, 0, 0) ? 'R' : c == QColor(0, 128, 0) ? 'G'
             : c == QColor(0, 0, 0)   ? 'K'
                                      : '?';
    }
    return out;
}

// Loads a document as Open does: the whole text in the text colour.
void load(DocumentEditor& editor, const QString& textColor, const QByteArray& utf8)
{
    editor.setSelColor(textColor);
    editor.setTextBytes(utf8);
}

InsertOptions options(bool centerCursor, bool lowerCase = false, QString tagColor = kBlueText,
                      QString textColor = kRedText)
{
    return InsertOptions{lowerCase, centerCursor, std::move(tagColor), std::move(textColor)};
}

} // namespace

struct InsertCase {
    const char* name;
    const char* initial; // UTF-8, loaded in the text colour
    int selStart;
    int selLength;
    InsertOptions options;
    const char* opening;
    const char* closing;
    const char* result;
    int caret;
    const char* colours; // of the result
    char typed;          // colour of a character typed next at the caret
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const InsertCase& c, std::ostream* os) { *os << c.name; }

class InsertTextCases : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertTextCases, wrapsTheSelection)
{
    const InsertCase& c = GetParam();
    DocumentEditor editor;
    load(editor, c.options.textColor, c.initial);
    editor.setSelection(c.selStart, c.selLength);

    InsertText(&editor, c.options, QString::fromUtf8(c.opening), QString::fromUtf8(c.closing));

    EXPECT_EQ(editor.wholeText(), QString::fromUtf8(c.result));
    EXPECT_EQ(editor.selStart(), c.caret);
    EXPECT_EQ(editor.selLength(), 0);
    EXPECT_EQ(colours(editor), c.colours);

    QTest::keyClick(&editor, Qt::Key_Z);
    const QString after = editor.wholeText();
    ASSERT_EQ(after, QString::fromUtf8(c.result).insert(c.caret, QLatin1Char('z')));
    EXPECT_EQ(colours(editor).at(QStringView(after).left(c.caret).toUcs4().size()), c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertTextCases,
    ::testing::Values(
        // Empty selection: the tags side by side, the caret between them or after them.
        InsertCase{"emptySelectionCentred", "abcd", 2, 0, options(true), "<B>", "</B>", "ab<B></B>cd", 5,
                   "RRBBBBBBBRR", 'R'},
        InsertCase{"emptySelectionNotCentred", "abcd", 2, 0, options(false), "<B>", "</B>", "ab<B></B>cd", 9,
                   "RRBBBBBBBRR", 'R'},
        // A selected word: tags in the tag colour, the word in the text colour.
        InsertCase{"wordCentred", "say hello now", 4, 5, options(true), "<I>", "</I>", "say <I>hello</I> now", 12,
                   "RRRRBBBRRRRRBBBBRRRR", 'R'},
        InsertCase{"wordNotCentred", "say hello now", 4, 5, options(false), "<I>", "</I>", "say <I>hello</I> now", 16,
                   "RRRRBBBRRRRRBBBBRRRR", 'R'},
        InsertCase{"wholeDocument", "hello", 0, 5, options(false), "<I>", "</I>", "<I>hello</I>", 12,
                   "BBBRRRRRBBBB", 'R'},
        // A single tag: followed by the old selection; centring moves the caret by nothing.
        InsertCase{"singleTagCentred", "axb", 1, 1, options(true), "<BR>", "", "a<BR>xb", 6, "RBBBBRR", 'R'},
        InsertCase{"singleTagNotCentred", "axb", 1, 1, options(false), "<BR>", "", "a<BR>xb", 6, "RBBBBRR", 'R'},
        InsertCase{"entityAtStart", "", 0, 0, options(true), "&#160;", "", "&#160;", 6, "BBBBBB", 'R'},
        // Lower Case Tags lowers every letter of the texts, values included, but not the selection.
        InsertCase{"lowerCaseImage", "", 0, 0, options(true, true),
                   "<IMG SRC=\"Photos/My Cat.GIF\" ALT=\"Tom\">", "", "<img src=\"photos/my cat.gif\" alt=\"tom\">",
                   39, "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB", 'R'},
        InsertCase{"lowerCaseKeepsTheSelection", "Word", 0, 4, options(true, true), "<B>", "</B>", "<b>Word</b>", 7,
                   "BBBRRRRBBBB", 'R'},
        // Positions count characters: an astral character counts two.
        InsertCase{"astralSelection", "a\xf0\x9f\x98\x80" "b", 1, 2, options(true), "<U>", "</U>",
                   "a<U>\xf0\x9f\x98\x80</U>b", 6, "RBBBRBBBBR", 'R'},
        InsertCase{"astralInClosing", "ab", 1, 0, options(true), "<Q>", "\xf0\x9f\x98\x80</Q>",
                   "a<Q>\xf0\x9f\x98\x80</Q>b", 4, "RBBBBBBBBR", 'R'},
        // Default settings: no text colour. The opening tag is blue, and everything after it
        // continues in blue because nothing sets another colour.
        InsertCase{"defaultColoursCentred", "abXYcd", 2, 2, options(true, false, kBlueText, QString()), "<B>", "</B>",
                   "ab<B>XY</B>cd", 7, "KKBBBBBBBBBKK", 'B'},
        InsertCase{"defaultColoursNotCentred", "abXYcd", 2, 2, options(false, false, kBlueText, QString()), "<B>",
                   "</B>", "ab<B>XY</B>cd", 11, "KKBBBBBBBBBKK", 'B'},
        // No usable colour at all: everything keeps the editor's default.
        InsertCase{"noColours", "", 0, 0, options(true, false, QString(), QStringLiteral("text")), "<P>", "</P>",
                   "<P></P>", 3, "KKKKKKK", 'K'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InsertText, anUnusableTagColourLeavesTheColourTheTextWouldBeTypedIn)
{
    for (const bool withSelection : {false, true}) {
        SCOPED_TRACE(withSelection ? "with selection" : "without selection");
        DocumentEditor editor;
        editor.setTextBytes(withSelection ? "axb" : "ab");
        editor.setSelection(0, 1);
        editor.setSelColor(QColor(0, 128, 0)); // 'a' green, the rest black
        editor.setSelection(1, withSelection ? 1 : 0);

        InsertText(&editor, options(true, false, QStringLiteral("blue"), kRedText), QStringLiteral("<B>"),
                   QStringLiteral("</B>"));

        // The opening tag continues the green before it; once the text colour is set, the
        // closing tag is typed where that colour stands.
        EXPECT_EQ(editor.wholeText(), withSelection ? QStringLiteral("a<B>x</B>b") : QStringLiteral("a<B></B>b"));
        EXPECT_EQ(colours(editor), withSelection ? "GGGGRRRRRK" : "GGGGRRRRK");
    }
}

TEST(InsertText, aSelectionHoldingColouredTagsIsReinsertedInTheTextColour)
{
    DocumentEditor editor;
    load(editor, kRedText, "xboldy");
    editor.setSelection(1, 4);
    InsertText(&editor, options(false), QStringLiteral("<B>"), QStringLiteral("</B>"));
    ASSERT_EQ(editor.wholeText(), QStringLiteral("x<B>bold</B>y"));
    ASSERT_EQ(colours(editor), "RBBBRRRRBBBBR");

    editor.setSelection(1, 11);
    InsertText(&editor, options(false), QStringLiteral("<P>"), QStringLiteral("</P>"));
    EXPECT_EQ(editor.wholeText(), QStringLiteral("x<P><B>bold</B></P>y"));
    EXPECT_EQ(colours(editor), "RBBBRRRRRRRRRRRBBBBR");
}

TEST(InsertText, oneInsertionIsOneUndoStep)
{
    DocumentEditor editor;
    load(editor, kRedText, "say hello now");
    editor.setSelection(4, 5);
    InsertText(&editor, options(true), QStringLiteral("<I>"), QStringLiteral("</I>"));
    editor.setSelStart(0);
    InsertText(&editor, options(true, true), QStringLiteral("<HTML>"), QStringLiteral("</HTML>"));
    ASSERT_EQ(editor.wholeText(), QStringLiteral("<html></html>say <I>hello</I> now"));

    editor.undo();
    EXPECT_EQ(editor.wholeText(), QStringLiteral("say <I>hello</I> now"));
    editor.undo();
    EXPECT_EQ(editor.wholeText(), QStringLiteral("say hello now"));
    EXPECT_FALSE(editor.canUndo());
}

TEST(InsertText, withoutAnEditorNothingHappens)
{
    DocumentEditor editor;
    load(editor, kRedText, "abc");
    editor.setSelection(1, 1);
    InsertText(nullptr, options(true), QStringLiteral("<B>"), QStringLiteral("</B>"));
    EXPECT_EQ(editor.wholeText(), QStringLiteral("abc"));
    EXPECT_EQ(editor.selText(), QStringLiteral("b"));
    EXPECT_FALSE(editor.canUndo());
}
