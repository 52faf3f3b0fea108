#include "document/ColorText.h"
#include "document/DocumentEditor.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// a, e acute, a grinning face (two UTF-16 units, four bytes), b, CR LF, c.
const QByteArray kMixed = "a\xc3\xa9\xf0\x9f\x98\x80" "b\r\nc";

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

std::string name(const QColor& color)
{
    return color.name().toStdString();
}

// One letter per character (astral characters once): R red, B blue, K black, ? other.
std::string colours(const DocumentEditor& editor)
{
    std::string out;
    const QString text = editor.wholeText();
    for (int i = 0; i < text.size(); i += text[i].isHighSurrogate() ? 2 : 1) {
        const QColor c = editor.colorAt(i);
        out += c == kRed ? 'R' : c == kBlue ? 'B' : c == kBlack ? 'K' : '?';
    }
    return out;
}

} // namespace

// --- colour text -------------------------------------------------------------------------------

TEST(ColorText, readsDecimalBgrAndRefusesTheRest)
{
    struct Case {
        const char* text;
        std::optional<QColor> color;
    };
    const Case cases[] = {
        {"255", kRed},
        {"16711680", kBlue},
        {"32768", QColor(0, 128, 0)},
        {"0", kBlack},
        {"16777215", QColor(255, 255, 255)},
        {"1193046", QColor(0x56, 0x34, 0x12)}, // 0x123456: blue 0x12, green 0x34, red 0x56
        {"", std::nullopt},
        {"red", std::nullopt},
        {"-1", std::nullopt},
        {"16777216", std::nullopt},
        {"12.5", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<QColor> color = colorFromText(QString::fromLatin1(c.text));
        ASSERT_EQ(color.has_value(), c.color.has_value());
        if (color) {
            EXPECT_EQ(name(*color), name(*c.color));
            EXPECT_EQ(colorToText(*color), QString::fromLatin1(c.text));
        }
    }
}

// --- positions -----------------------------------------------------------------------------------

TEST(DocumentEditorText, countsCharactersNotBytes)
{
    DocumentEditor editor;
    editor.setTextBytes(kMixed);
    EXPECT_EQ(editor.byteLength(), 11);
    EXPECT_EQ(editor.characterCount(), QString::fromUtf8(kMixed).size());
    EXPECT_EQ(editor.characterCount(), 8);
    EXPECT_EQ(editor.wholeText(), QString::fromUtf8(kMixed));

    // Character position -> byte position, both ways.
    const std::pair<int, long> positions[] = {{0, 0}, {1, 1}, {2, 3}, {4, 7}, {5, 8}, {7, 10}, {8, 11}};
    for (const auto& [character, byte] : positions) {
        EXPECT_EQ(editor.toBytePosition(character), byte) << character;
        EXPECT_EQ(editor.toCharPosition(byte), character) << byte;
    }
}

TEST(DocumentEditorText, aLeadingFeffIsACharacterOfTheText)
{
    DocumentEditor editor;
    editor.setTextBytes("\xef\xbb\xbf" "ab");
    EXPECT_EQ(editor.wholeText(), QString(QChar(0xFEFF)) + QStringLiteral("ab"));
    editor.setSelection(0, 2);
    EXPECT_EQ(editor.selText(), QString(QChar(0xFEFF)) + QLatin1Char('a'));
}

struct SelectionCase {
    const char* name;
    int start;
    int length;
    int expectedStart;
    int expectedLength;
    const char* text; // UTF-8
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

class Selection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(Selection, isCountedInCharacters)
{
    const SelectionCase& c = GetParam();
    DocumentEditor editor;
    editor.setTextBytes(kMixed);
    editor.setSelection(c.start, c.length);
    EXPECT_EQ(editor.selStart(), c.expectedStart);
    EXPECT_EQ(editor.selLength(), c.expectedLength);
    EXPECT_EQ(editor.selText(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Selection,
    ::testing::Values(SelectionCase{"first", 0, 1, 0, 1, "a"}, SelectionCase{"accented", 1, 1, 1, 1, "\xc3\xa9"},
                      SelectionCase{"astral", 2, 2, 2, 2, "\xf0\x9f\x98\x80"},
                      SelectionCase{"afterAstral", 4, 1, 4, 1, "b"},
                      SelectionCase{"lineBreak", 5, 2, 5, 2, "\r\n"},
                      SelectionCase{"acrossLines", 4, 4, 4, 4, "b\r\nc"},
                      SelectionCase{"secondLine", 7, 1, 7, 1, "c"},
                      SelectionCase{"whole", 0, 8, 0, 8, "a\xc3\xa9\xf0\x9f\x98\x80" "b\r\nc"},
                      SelectionCase{"caretAtEnd", 8, 0, 8, 0, ""},
                      SelectionCase{"lengthClamped", 7, 100, 7, 1, "c"},
                      SelectionCase{"startClamped", 100, 3, 8, 0, ""},
                      SelectionCase{"negativeStart", -3, 1, 0, 1, "a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentEditorText, setSelStartAndSetSelLengthWorkFromTheCaret)
{
    DocumentEditor editor;
    editor.setTextBytes(kMixed);
    editor.setSelStart(2);
    EXPECT_EQ(editor.selStart(), 2);
    EXPECT_EQ(editor.selLength(), 0);
    editor.setSelLength(3);
    EXPECT_EQ(editor.selText(), QString::fromUtf8("\xf0\x9f\x98\x80" "b"));
    editor.setSelStart(7);
    EXPECT_EQ(editor.selLength(), 0) << "moving the caret drops the selection";
    EXPECT_EQ(editor.selStart(), 7);
}

struct ReplaceCase {
    const char* name;
    int start;
    int length;
    const char* replacement; // UTF-8
    const char* result;
    int caret;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }

class ReplaceSelection : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceSelection, leavesTheCaretAfterTheNewText)
{
    const ReplaceCase& c = GetParam();
    DocumentEditor editor;
    editor.setTextBytes(kMixed);
    editor.setSelection(c.start, c.length);
    editor.replaceSelection(QString::fromUtf8(c.replacement));
    EXPECT_EQ(editor.wholeText(), QString::fromUtf8(c.result));
    EXPECT_EQ(editor.selStart(), c.caret);
    EXPECT_EQ(editor.selLength(), 0);
    EXPECT_EQ(editor.selText(), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceSelection,
    ::testing::Values(
        ReplaceCase{"astralByAscii", 2, 2, "XY", "a\xc3\xa9XYb\r\nc", 4},
        ReplaceCase{"accentedByAstral", 1, 1, "\xf0\x9d\x84\x9e", "a\xf0\x9d\x84\x9e\xf0\x9f\x98\x80" "b\r\nc", 3},
        ReplaceCase{"insertAtCaret", 4, 0, "\xe2\x82\xac", "a\xc3\xa9\xf0\x9f\x98\x80\xe2\x82\xac" "b\r\nc", 5},
        ReplaceCase{"deleteSelection", 1, 3, "", "ab\r\nc", 1},
        ReplaceCase{"onSecondLine", 7, 1, "<B>c</B>", "a\xc3\xa9\xf0\x9f\x98\x80" "b\r\n<B>c</B>", 15},
        ReplaceCase{"whole", 0, 8, "new", "new", 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentEditorText, keepsNulBytes)
{
    const QByteArray bytes("a\0b\r\0\n\0", 7);
    DocumentEditor editor;
    editor.setTextBytes(bytes);
    EXPECT_EQ(editor.textBytes(), bytes);
    EXPECT_EQ(editor.characterCount(), 7);
    EXPECT_EQ(editor.wholeText(), QString::fromUtf8(bytes));

    editor.setSelection(1, 2);
    EXPECT_EQ(editor.selText(), QString::fromUtf8(QByteArray("\0b", 2)));
    editor.replaceSelection(QString::fromUtf8(QByteArray("\0\0x", 3)));
    EXPECT_EQ(editor.textBytes(), QByteArray("a\0\0x\r\0\n\0", 8));
    EXPECT_EQ(editor.selStart(), 4);
}

TEST(DocumentEditorText, settingTheTextStartsTheUndoHistoryAfresh)
{
    DocumentEditor editor;
    editor.setTextBytes("first");
    editor.setSelStart(5);
    editor.replaceSelection(QStringLiteral("!"));
    ASSERT_TRUE(editor.canUndo());
    editor.setTextBytes("second");
    EXPECT_FALSE(editor.canUndo());
    EXPECT_EQ(editor.selStart(), 0);
}

class EnterKey : public ::testing::TestWithParam<QByteArray> {};

TEST_P(EnterKey, insertsTheDocumentsLineBreak)
{
    DocumentEditor editor;
    editor.setTextBytes("ab");
    editor.setLineBreak(GetParam());
    editor.setSelStart(1);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(editor.textBytes(), "a" + GetParam() + "b");
    EXPECT_EQ(editor.selStart(), 1 + GetParam().size());
}

INSTANTIATE_TEST_SUITE_P(Breaks, EnterKey, ::testing::Values(QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")));

// --- colours -----------------------------------------------------------------------------------

TEST(DocumentEditorColor, setSelColorColoursExactlyTheSelectedCharacters)
{
    DocumentEditor editor;
    editor.setTextBytes(kMixed);
    editor.setSelection(1, 3); // e acute and the astral character
    ASSERT_TRUE(editor.setSelColor(QStringLiteral("255")));
    EXPECT_EQ(colours(editor), "KRRKKKK");
    EXPECT_EQ(editor.selText(), QString::fromUtf8("\xc3\xa9\xf0\x9f\x98\x80")) << "the selection stays";
    editor.setSelection(2, 3); // the astral character (two units) and b
    ASSERT_TRUE(editor.setSelColor(QStringLiteral("16711680")));
    EXPECT_EQ(colours(editor), "KRBBKKK");
}

TEST(DocumentEditorColor, unusableColourTextChangesNothing)
{
    for (const char* bad : {"", "blue", "-5", "16777216", "0x0000FF"}) {
        SCOPED_TRACE(bad);
        DocumentEditor editor;
        editor.setTextBytes("abcd");
        editor.setSelection(1, 2);
        ASSERT_TRUE(editor.setSelColor(QStringLiteral("255")));
        EXPECT_EQ(colours(editor), "KRRK");

        EXPECT_FALSE(editor.setSelColor(QString::fromLatin1(bad)));
        EXPECT_EQ(colours(editor), "KRRK");
        EXPECT_FALSE(editor.setInsertionColor(QString::fromLatin1(bad)));
        EXPECT_EQ(colours(editor), "KRRK");

        // Nor was the colour for the next insertion there changed: what replaces the
        // selection is still red.
        editor.replaceSelection(QStringLiteral("x"));
        EXPECT_EQ(editor.wholeText(), QStringLiteral("axd"));
        EXPECT_EQ(colours(editor), "KRK");
    }
}

TEST(DocumentEditorColor, insertedTextTakesTheColourOfTheCharacterBeforeIt)
{
    DocumentEditor editor;
    editor.setTextBytes("abcd");
    editor.setSelection(2, 2);
    editor.setSelColor(kBlue);
    ASSERT_EQ(colours(editor), "KKBB");

    editor.setSelStart(4); // after blue
    editor.replaceSelection(QStringLiteral("e"));
    editor.setSelStart(1); // after black
    editor.replaceSelection(QString::fromUtf8("\xf0\x9f\x98\x80"));
    editor.setSelStart(5); // after blue, before blue
    editor.replaceSelection(QStringLiteral("f"));
    EXPECT_EQ(editor.wholeText(), QString::fromUtf8("a\xf0\x9f\x98\x80" "bcfde"));
    EXPECT_EQ(colours(editor), "KKKBBBB");
}

TEST(DocumentEditorColor, aColourSetAtTheCaretColoursWhatIsInsertedThere)
{
    DocumentEditor editor;
    editor.setTextBytes("abcd");
    editor.setSelStart(2);
    ASSERT_TRUE(editor.setSelColor(QStringLiteral("255")));
    EXPECT_EQ(colours(editor), "KKKK") << "no text is selected, so none changes";
    editor.replaceSelection(QStringLiteral("x"));
    editor.replaceSelection(QString::fromUtf8("\xc3\xa9"));
    EXPECT_EQ(editor.wholeText(), QString::fromUtf8("abx\xc3\xa9" "cd"));
    EXPECT_EQ(colours(editor), "KKRRKK");

    // Typing, not only programmatic insertion, takes it.
    editor.setSelStart(6);
    editor.setInsertionColor(QStringLiteral("16711680"));
    QTest::keyClicks(&editor, QStringLiteral("yz"));
    EXPECT_EQ(editor.wholeText(), QString::fromUtf8("abx\xc3\xa9" "cdyz"));
    EXPECT_EQ(colours(editor), "KKRRKKBB");
}

// Typing does not always put its text at the selection: what Scintilla inserts elsewhere must
// not recolour the user's text, and what it types over must still take the insertion colour.
TEST(DocumentEditorColor, typingColoursOnlyWhatItInserts)
{
    {
        SCOPED_TRACE("typed over the characters after the caret (Insert key)");
        DocumentEditor editor;
        editor.setTextBytes("abcd");
        editor.setSelStart(1);
        editor.setInsertionColor(QStringLiteral("255"));
        editor.setOverwriteMode(true);
        QTest::keyClicks(&editor, QStringLiteral("XY"));
        EXPECT_EQ(editor.wholeText(), QStringLiteral("aXYd"));
        EXPECT_EQ(colours(editor), "KRRK");
    }
    {
        SCOPED_TRACE("Tab over several lines indents each of them");
        DocumentEditor editor;
        editor.setTextBytes("ab\ncd\nef");
        editor.setSelection(3, 2);
        editor.setSelColor(kRed);
        editor.setSelection(1, 6);
        QTest::keyClick(&editor, Qt::Key_Tab);
        EXPECT_EQ(editor.wholeText(), QStringLiteral("\tab\n\tcd\n\tef"));
        EXPECT_EQ(colours(editor), "KKKKKRRKKKK");
    }
    {
        SCOPED_TRACE("a rectangular selection");
        DocumentEditor editor;
        editor.setTextBytes("abcd\nefgh");
        editor.setSelection(0, 1);
        editor.setSelColor(kRed);
        editor.SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONANCHOR, 1);
        editor.SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONCARET, 8);
        QTest::keyClicks(&editor, QStringLiteral("Q"));
        const QString text = editor.wholeText();
        ASSERT_EQ(text.size(), 8) << text.toStdString();
        const std::string after = colours(editor);
        // Whatever took the typed letter, no other character changed colour.
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] != QLatin1Char('Q')) {
                EXPECT_EQ(after[size_t(i)], i == 0 ? 'R' : 'K') << i;
            }
        }
    }
}

TEST(DocumentEditorColor, setInsertionColorLeavesTheSelectedTextAsItIs)
{
    DocumentEditor editor;
    editor.setTextBytes("abcd");
    editor.setSelection(1, 2);
    ASSERT_TRUE(editor.setInsertionColor(QStringLiteral("255")));
    EXPECT_EQ(colours(editor), "KKKK");
    editor.replaceSelection(QStringLiteral("XYZ"));
    EXPECT_EQ(editor.wholeText(), QStringLiteral("aXYZd"));
    EXPECT_EQ(colours(editor), "KRRRK");
}

TEST(DocumentEditorColor, setTextBytesUsesTheCurrentInsertionColour)
{
    DocumentEditor editor;
    editor.setTextBytes("old");
    editor.setSelColor(kRed);
    editor.setTextBytes(kMixed);
    EXPECT_EQ(colours(editor), "RRRRRRR");
}

// --- undo --------------------------------------------------------------------------------------

TEST(DocumentEditorUndo, undoRemovesAnInsertionAndRestoresWhatItReplaced)
{
    DocumentEditor editor;
    editor.setTextBytes(kMixed);
    editor.setSelection(2, 2);
    editor.setInsertionColor(QStringLiteral("255"));
    editor.replaceSelection(QStringLiteral("<B>"));
    ASSERT_EQ(editor.wholeText(), QString::fromUtf8("a\xc3\xa9<B>b\r\nc"));
    ASSERT_EQ(colours(editor), "KKRRRKKKK");

    editor.undo();
    EXPECT_EQ(editor.textBytes(), kMixed);
    // Restored text takes its neighbour's colour, not the colour chosen for the insertion.
    EXPECT_EQ(colours(editor), "KKKKKKK");
    EXPECT_FALSE(editor.canUndo());

    editor.redo();
    EXPECT_EQ(editor.wholeText(), QString::fromUtf8("a\xc3\xa9<B>b\r\nc"));
}

TEST(DocumentEditorUndo, aGroupedStepIsUndoneAtOnce)
{
    DocumentEditor editor;
    editor.setTextBytes("word");
    editor.setSelection(0, 4);
    editor.beginUndoStep();
    editor.replaceSelection(QStringLiteral("<I>"));
    editor.replaceSelection(QStringLiteral("word"));
    editor.replaceSelection(QStringLiteral("</I>"));
    editor.endUndoStep();
    ASSERT_EQ(editor.wholeText(), QStringLiteral("<I>word</I>"));
    editor.undo();
    EXPECT_EQ(editor.wholeText(), QStringLiteral("word"));
    EXPECT_FALSE(editor.canUndo());
}

TEST(DocumentEditorColor, movingTheCaretDropsTheColourChosenForTheInsertionPoint)
{
    DocumentEditor editor;
    editor.setTextBytes("abcd");
    editor.setSelStart(2);
    ASSERT_TRUE(editor.setInsertionColor(QStringLiteral("255")));
    editor.setSelStart(0);
    editor.replaceSelection(QStringLiteral("XY")); // text before the chosen place moves it
    editor.setSelStart(4);
    editor.replaceSelection(QStringLiteral("z"));
    EXPECT_EQ(editor.wholeText(), QStringLiteral("XYabzcd"));
    // Neither insertion is red: the caret left the place the colour was chosen for.
    EXPECT_EQ(colours(editor), "KKKKKKK");
}

namespace {
bool caretLineOnScreen(DocumentEditor& editor)
{
    const long line = editor.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                           editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
    const long first = editor.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    return line >= first && line < first + editor.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
}
} // namespace

// Within a step the view waits for the last caret move, so it must follow it when the step ends.
TEST(DocumentEditorUndo, theCaretIsBroughtIntoViewWhenTheOutermostStepEnds)
{
    DocumentEditor editor;
    editor.resize(300, 200);
    editor.show();
    editor.setTextBytes(QByteArray("line\n").repeated(500));
    editor.beginUndoStep();
    editor.beginUndoStep();
    editor.setSelection(2400, 2);
    editor.replaceSelection(QStringLiteral("<B>"));
    editor.endUndoStep();
    EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE), 0);
    editor.setSelection(2000, 4);
    editor.endUndoStep();
    EXPECT_EQ(editor.selStart(), 2000);
    EXPECT_EQ(editor.selLength(), 4);
    EXPECT_TRUE(caretLineOnScreen(editor));
    editor.undo();
    EXPECT_EQ(editor.textBytes(), QByteArray("line\n").repeated(500));
}
