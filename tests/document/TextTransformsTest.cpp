// The replace loop, the tag ranges Remove Tags deletes, and replacing many ranges of an editor
// in one step.

#include "document/DocumentEditor.h"
#include "document/TextTransforms.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplaceLoopTest, ReplacesEveryOccurrenceOnceEvenWhenTheReplacementHoldsTheFindText)
{
    const struct {
        const char* text;
        const char* find;
        const char* replacement;
        const char* expected;
        qsizetype count;
    } cases[] = {
        {"a\nb\nc", "\n", "<BR>\n", "a<BR>\nb<BR>\nc", 2},
        {"a\nb\nc", "\n", "\n<LI>", "a\n<LI>b\n<LI>c", 2},
        {"aaa", "a", "aa", "aaaaaa", 3},        // replacement contains find: no endless loop
        {"abab", "ab", "", "", 2},               // adjacent matches
        {"aaaa", "aa", "b", "bb", 2},            // overlapping candidates: one after another
        {"x", "", "y", "x", 0},                  // empty find changes nothing
        {"", "a", "b", "", 0},                   // empty text
        {"Abc abc", "abc", "X", "Abc X", 1},     // exact case
        {"r\r\nn\r\n", "\r\n", "\n", "r\nn\n", 2},
        {"\xc3\xa9t\xc3\xa9", "\xc3\xa9", "e", "ete", 2},
    };
    for (const auto& c : cases) {
        qsizetype count = -1;
        const QString got = replaceLoop(QString::fromUtf8(c.text), QString::fromUtf8(c.find),
                                        QString::fromUtf8(c.replacement), &count);
        EXPECT_EQ(got, QString::fromUtf8(c.expected)) << c.text << " / " << c.find;
        EXPECT_EQ(count, c.count) << c.text << " / " << c.find;
        // The byte form agrees with the text form on UTF-8.
        EXPECT_EQ(replaceLoop(QByteArray(c.text), QByteArray(c.find), QByteArray(c.replacement)),
                  QByteArray(c.expected));
    }
}

std::string removed(std::string_view text, const std::vector<ByteRange>& ranges)
{
    std::string out;
    size_t from = 0;
    for (const ByteRange& r : ranges) {
        out.append(text.substr(from, size_t(r.start) - from));
        from = size_t(r.end);
    }
    out.append(text.substr(from));
    return out;
}

TEST(RemoveTagsRangesTest, WholeTextStopsAtAStrayCloseBeforeTheNextOpen)
{
    const struct {
        std::string_view text;
        std::string_view left;
    } cases[] = {
        {"<B>bold</B> text", "bold text"},
        {"a > b <B>c</B>", "a > b <B>c</B>"},      // first ">" before first "<": nothing
        {"<p>x</p> y > z <i>w</i>", "x y > z <i>w</i>"},
        {"<!-- note --> <a href=x>", " "},          // comments count as tags
        {"1 < 2 and 3 > 2", "1  2"},                  // anything between "<" and ">"
        {"no tags", "no tags"},
        {"<unclosed", "<unclosed"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(removed(c.text, tagRangesInText(c.text)), c.left) << c.text;
}

TEST(RemoveTagsRangesTest, SelectionSkipsAStrayCloseAndStopsAtATagCrossingItsEnd)
{
    const std::string_view text = "<p>a > <B>b</B> <I>c</I></p>";
    //                              0123456789012345678901234567
    const struct {
        long start, end;
        std::string_view left;
    } cases[] = {
        {3, 24, "<p>a > b c</p>"},        // ">" before "<" inside the selection is skipped
        {3, 22, "<p>a > b c</I></p>"},    // "</I>" crosses the end: it and what follows stay
        {7, 15, "<p>a > b <I>c</I></p>"},
        {4, 6, text},                     // no "<" inside
        {0, 0, text},                     // empty selection
    };
    for (const auto& c : cases)
        EXPECT_EQ(removed(text, tagRangesInSelection(text, c.start, c.end)), c.left) << c.start << "-" << c.end;
}

TEST(ReplaceRangesTest, KeepsTheFormatBetweenRangesAndIsOneUndoStep)
{
    DocumentEditor editor;
    editor.setWholeText(QStringLiteral("<B>one</B> <I>two</I>"));
    const QColor red(Qt::red), blue(Qt::blue);
    editor.setSelection(0, 3);
    editor.setSelColor(blue);
    editor.setSelection(3, 3);
    editor.setSelColor(red);
    const std::string_view text(editor.characterPointer(), size_t(editor.byteLength()));
    const long end = editor.replaceByteRanges(tagRangesInText(text), QByteArray());
    EXPECT_EQ(editor.wholeText(), QStringLiteral("one two"));
    EXPECT_EQ(end, 7); // where the last tag was
    EXPECT_EQ(editor.colorAt(0), red);
    EXPECT_EQ(editor.colorAt(2), red);
    editor.undo();
    EXPECT_EQ(editor.wholeText(), QStringLiteral("<B>one</B> <I>two</I>"));
    EXPECT_FALSE(editor.canUndo());
}

TEST(ConversionRuleTest, ToThenFromGivesTheTextBackAndEachSetsItsLineBreak)
{
    const QString text = QStringLiteral("<P>\r\nline\r\n\r\nend");
    for (const auto& [to, from] : {std::pair{LineEndingConversion::ToUnix, LineEndingConversion::FromUnix},
                                   std::pair{LineEndingConversion::ToMac, LineEndingConversion::FromMac}}) {
        const ConversionRule there = conversionRule(to);
        const ConversionRule back = conversionRule(from);
        const QString converted = replaceLoop(text, there.find, there.replacement);
        EXPECT_FALSE(converted.contains(QStringLiteral("\r\n")));
        EXPECT_EQ(replaceLoop(converted, back.find, back.replacement), text);
        EXPECT_EQ(back.lineBreakAfter, QByteArray("\r\n"));
        EXPECT_TRUE(back.colourTagsAfter);
        EXPECT_FALSE(there.colourTagsAfter);
    }
    EXPECT_EQ(conversionRule(LineEndingConversion::ToUnix).lineBreakAfter, QByteArray("\n"));
    EXPECT_EQ(conversionRule(LineEndingConversion::ToMac).lineBreakAfter, QByteArray("\r"));
    // The conversions do not look at the text: FROM Macintosh on CR LF doubles the LF.
    const ConversionRule fromMac = conversionRule(LineEndingConversion::FromMac);
    EXPECT_EQ(replaceLoop(QStringLiteral("a\r\nb"), fromMac.find, fromMac.replacement), QStringLiteral("a\r\n\nb"));
}

} // namespace
