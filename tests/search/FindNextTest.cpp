// Searching bytes exactly and ignoring case, FindNext's positions down and up (first and
// repeated, overlapping, no wrap, "Cannot find"), and the editor's find operation.

#include "support/ScriptedPrompter.h"

#include "document/DocumentEditor.h"
#include "search/FindNext.h"
#include "search/TextSearch.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

std::optional<TextMatch> at(qsizetype start, qsizetype length) { return TextMatch{start, length}; }
constexpr std::nullopt_t none = std::nullopt;

// ---- TextSearch ---------------------------------------------------------------------------------

struct SearchCase {
    const char* what;
    std::string text;     // UTF-8 bytes, possibly invalid
    QString find;
    bool matchCase;
    qsizetype from;       // forward: from this byte; backward: at or before it
    std::optional<TextMatch> forward;
    std::optional<TextMatch> backward;
};

const QString kLoneSurrogate = QString(QChar(0xD800)) + QLatin1Char('a');

const SearchCase kSearchCases[] = {
    {"exact at the start", "abcABCabc", "abc", true, 0, at(0, 3), at(0, 3)},
    {"exact skips other case", "abcABCabc", "abc", true, 1, at(6, 3), at(0, 3)},
    {"ignoring case", "abcABCabc", "abc", false, 1, at(3, 3), at(0, 3)},
    {"ignoring case, mixed search text", "xx aBc", "AbC", false, 0, at(3, 3), none},
    {"backward: a match at the offset counts", "abcabc", "ABC", false, 3, at(3, 3), at(3, 3)},
    {"overlapping", "aaaa", "aa", true, 1, at(1, 2), at(1, 2)},
    {"must fit before the end", "ab", "abc", false, 0, none, none},
    {"past the end", "abc", "c", false, 5, none, at(2, 1)},
    {"negative offsets", "abc", "a", false, -3, at(0, 1), none},
    {"empty search text", "abc", "", false, 0, none, none},
    {"empty text", "", "a", false, 0, none, none},
    {"unpaired surrogate matches nothing", "\xef\xbf\xbd" "a", kLoneSurrogate, false, 0, none, none},
    {"long s is an S", "x\xc5\xbfy", "S", false, 0, at(1, 2), none},
    {"long s is not an s exactly", "x\xc5\xbfy", "s", true, 0, none, none},
    {"dotless i is an I", "\xc4\xb1x", "IX", false, 0, at(0, 3), at(0, 3)},
    {"final sigma", "o\xcf\x82", "\xce\xa3", false, 0, at(1, 2), none},
    {"sharp s keeps its form", "stra\xc3\x9f" "e", "STRA\xc3\x9f" "E", false, 0, at(0, 7), at(0, 7)},
    {"four-byte letters", "x\xf0\x90\x90\xa8y", "\xf0\x90\x90\x80Y", false, 0, at(1, 5), none},
    {"emoji", "x\xf0\x9f\x98\x80y", "\xf0\x9f\x98\x80", true, 0, at(1, 4), none},
    {"NUL bytes, exact", std::string("a\0b\0c", 5), QString(QChar(0)) + "c", true, 0, at(3, 2), none},
    {"NUL bytes, ignoring case", std::string("a\0b\0c", 5), QString(QChar(0)) + "C", false, 4, none, at(3, 2)},
    {"invalid bytes are skipped", "\xff\xfe" "ab\xc3", "AB", false, 0, at(2, 2), none},
    {"invalid bytes are no replacement character", "\xff" "a\xed\xa0\x80", "\xef\xbf\xbd", false, 0, none, none},
    {"a truncated character at the end", "ab\xc3", "\xc3\xa9", false, 0, none, none},
    {"a lead byte followed by ASCII", "\xe2" "ab", "AB", false, 0, at(1, 2), none},
    {"accented letters", "caf\xc3\xa9 CAF\xc3\x89", "CAF\xc3\x89", false, 1, at(6, 5), at(0, 5)},
};

TEST(TextSearch, FindsEachCase)
{
    for (const SearchCase& c : kSearchCases) {
        SCOPED_TRACE(c.what);
        const TextSearch search(c.find, c.matchCase);
        EXPECT_EQ(search.findForward(c.text, c.from), c.forward);
        EXPECT_EQ(search.findBackward(c.text, c.from), c.backward);
    }
}

// The plain way: upper-case both texts, compare UTF-16 units.
QString upperForms(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size()) {
            const char32_t u = QChar::toUpper(QChar::surrogateToUcs4(s[i], s[i + 1]));
            out += QChar(QChar::highSurrogate(u));
            out += QChar(QChar::lowSurrogate(u));
            ++i;
        } else {
            out += QChar(QChar::toUpper(s[i].unicode()));
        }
    }
    return out;
}

TEST(TextSearch, AgreesWithUpperCasingTheWholeText)
{
    // Texts long enough for the block scan, drawn from letters with several case forms.
    const QStringList alphabet = {"a", "A", "s", "S", "\u017f", "i", "I", "\u0131", "\u03c3", "\u03c2", "\u03a3",
                                  "\u00e9", "\u00c9", " ", QString(QChar(0)), "\U0001F600", "\U00010428",
                                  "\U00010400", "k", "K", "\u212a"};
    QRandomGenerator random(7);
    auto draw = [&](int length) {
        QString s;
        for (int i = 0; i < length; ++i)
            s += alphabet[random.bounded(int(alphabet.size()))];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        const QString text = draw(random.bounded(1, 90));
        const QString find = draw(random.bounded(1, 3));
        const bool matchCase = random.bounded(2) == 1;
        const QByteArray bytes = text.toUtf8();
        const TextSearch search(find, matchCase);
        const QString haystack = matchCase ? text : upperForms(text);
        const QString needle = matchCase ? find : upperForms(find);
        auto byteOf = [&](qsizetype unit) { return text.left(unit).toUtf8().size(); };
        auto bytesOf = [&](qsizetype unit) { return text.mid(unit, find.size()).toUtf8().size(); };
        qsizetype fromUnit = random.bounded(int(text.size()) + 1);
        if (fromUnit < text.size() && text[fromUnit].isLowSurrogate())
            --fromUnit; // a byte offset is a character boundary
        SCOPED_TRACE(testing::Message() << "round " << round << ": " << find.toUtf8().toHex(' ').toStdString()
                                        << " in " << bytes.toHex(' ').toStdString() << " from " << fromUnit);
        const qsizetype forward = haystack.indexOf(needle, fromUnit);
        EXPECT_EQ(search.findForward(std::string_view(bytes.constData(), bytes.size()), byteOf(fromUnit)),
                  forward < 0 ? none : at(byteOf(forward), bytesOf(forward)));
        // (Clamped here: Qt 6.4 compares a one-character needle with the terminating NUL.)
        const qsizetype last = std::min(fromUnit, haystack.size() - needle.size());
        const qsizetype backward = last < 0 ? -1 : haystack.lastIndexOf(needle, last);
        EXPECT_EQ(search.findBackward(std::string_view(bytes.constData(), bytes.size()), byteOf(fromUnit)),
                  backward < 0 ? none : at(byteOf(backward), bytesOf(backward)));
    }
}

// ---- FindNext -----------------------------------------------------------------------------------

class FindNextTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    // Runs FindNext and answers its "Cannot find" when one is expected (-1).
    void step(int expected)
    {
        const int before = editor.selStart();
        const int lengthBefore = editor.selLength();
        if (expected < 0)
            prompter.answerMessage(PromptAnswer::Ok);
        const size_t asked = prompter.requests.size();
        FindNext(state, &editor, prompter, nullptr);
        if (expected < 0) {
            ASSERT_EQ(prompter.requests.size(), asked + 1);
            EXPECT_EQ(prompter.last().title, QStringLiteral("quillet"));
            EXPECT_EQ(prompter.last().text, QStringLiteral("Cannot find \"") + state.text + QStringLiteral("\""));
            EXPECT_EQ(prompter.last().icon, PromptIcon::None);
            EXPECT_EQ(prompter.last().buttons, PromptButtons::Ok);
            EXPECT_EQ(editor.selStart(), before);
            EXPECT_EQ(editor.selLength(), lengthBefore);
        } else {
            EXPECT_EQ(prompter.requests.size(), asked);
            EXPECT_EQ(editor.selStart(), expected);
            EXPECT_EQ(editor.selLength(), state.text.size());
        }
        EXPECT_EQ(state.lastFound, editor.selStart());
    }

    ScriptedPrompter prompter;
    DocumentEditor editor;
    SearchState state;
};

struct WalkCase {
    const char* what;
    const char* text;
    const char* find;
    int matchCase;
    int direction;
    int caret;
    std::vector<int> selections; // after each FindNext; -1: "Cannot find"
};

const WalkCase kWalks[] = {
    {"down from the start, ignoring case", "one ONE one", "one", 0, 1, 0, {0, 4, 8, -1, -1}},
    {"down, matching case", "one ONE one", "one", 1, 1, 0, {0, 8, -1}},
    {"down, upper-case search text", "one ONE one", "ONE", 0, 1, 0, {0, 4, 8, -1}},
    {"down from inside a match", "one ONE one", "one", 0, 1, 1, {4, 8, -1}},
    {"down from a match start", "one ONE one", "one", 0, 1, 4, {4, 8, -1}},
    {"down never wraps", "one ONE one", "one", 0, 1, 9, {-1, -1}},
    {"down, overlapping", "aaaa", "aa", 0, 1, 0, {0, 1, 2, -1}},
    {"up from the end", "one ONE one", "one", 0, 0, 11, {8, 4, 0, -1, -1}},
    {"up, first search skips the match ending at the caret", "one ONE one", "one", 0, 0, 9, {4, 0, -1}},
    {"up, first search from s - 2", "one ONE one", "one", 0, 0, 10, {8, 4, 0, -1}},
    {"up, matching case", "one ONE one", "one", 1, 0, 11, {8, 0, -1}},
    {"up, overlapping", "aaaa", "aa", 0, 0, 4, {2, 1, 0, -1}},
    {"up from the very start", "one ONE one", "one", 0, 0, 0, {-1, -1}},
    {"up from the second character", "one", "o", 0, 0, 1, {-1}},
    {"not in the text", "one ONE one", "two", 0, 1, 0, {-1, -1}},
    {"empty document", "", "x", 0, 1, 0, {-1}},
    {"positions in UTF-16 units", "\u00e9\U0001F600 ab AB", "ab", 0, 1, 0, {4, 7, -1}},
    {"a letter of another byte length", "x\u017fx s", "S", 0, 1, 0, {1, 4, -1}},
    {"a search text with a surrogate pair", "a\U0001F600b\U0001F600", "\U0001F600", 1, 0, 6, {4, 1, -1}},
};

TEST_F(FindNextTest, WalksThroughTheMatches)
{
    for (const WalkCase& c : kWalks) {
        SCOPED_TRACE(c.what);
        editor.setWholeText(QString::fromUtf8(c.text));
        editor.setSelStart(c.caret);
        state = SearchState{QString::fromUtf8(c.find), c.matchCase, c.direction, std::nullopt};
        for (size_t i = 0; i < c.selections.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "search " << i + 1);
            step(c.selections[i]);
        }
    }
}

TEST_F(FindNextTest, ACaretMovedAwayStartsAFirstSearch)
{
    editor.setWholeText(QStringLiteral("ab ab ab"));
    state = SearchState{QStringLiteral("ab"), 0, 1, std::nullopt};
    step(0);
    step(3);
    editor.setSelStart(0); // moved by the user: no longer the last found position
    step(0);
    // The direction changes between searches; the remembered position still counts.
    state.direction = 0;
    editor.setSelStart(6);
    step(3);
    step(0);
}

TEST_F(FindNextTest, WithoutADocumentSaysCannotFind)
{
    state = SearchState{QStringLiteral("abc"), 0, 1, std::nullopt};
    for (int i = 0; i < 2; ++i) {
        prompter.answerMessage(PromptAnswer::Ok);
        FindNext(state, nullptr, prompter, nullptr);
        EXPECT_EQ(prompter.last().text, QStringLiteral("Cannot find \"abc\""));
        EXPECT_EQ(prompter.last().title, QStringLiteral("quillet"));
        EXPECT_EQ(state.lastFound, std::nullopt);
    }
}

// ---- the editor's find operation ----------------------------------------------------------------

TEST(FindInEditor, FindsIgnoringCaseFromAnIndexAndSelects)
{
    DocumentEditor editor;
    editor.setWholeText(QStringLiteral("Hello hello h\u00c9llo"));
    const struct {
        const char* find;
        int start;
        int result;
    } cases[] = {
        {"HELLO", 0, 0}, {"hello", 1, 6}, {"hello", 6, 6}, {"hello", 7, -1}, {"hello", -1, 0},
        {"H\u00e9LLO", 0, 12}, {"hello", 99, -1}, {"", 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.find << " from " << c.start);
        editor.setSelection(2, 1);
        const QString find = QString::fromUtf8(c.find);
        EXPECT_EQ(findInEditor(&editor, find, c.start), c.result);
        EXPECT_EQ(editor.selStart(), c.result < 0 ? 2 : c.result);
        EXPECT_EQ(editor.selLength(), c.result < 0 ? 1 : find.size());
    }
    EXPECT_EQ(findInEditor(nullptr, QStringLiteral("hello"), 0), -1);
}

} // namespace
