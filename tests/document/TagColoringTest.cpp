// The colouring pass on its own: which runs of a text count as tags, and how the editor's
// characters are recoloured without losing their other attributes.

#include "document/DocumentEditor.h"
#include "document/TagColoring.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Runs = std::vector<std::pair<qsizetype, qsizetype>>;

const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);

Runs runsOf(const QByteArray& data, qsizetype size)
{
    Runs runs;
    forEachTagRun(data.constData(), size, [&](qsizetype p, qsizetype q) { runs.emplace_back(p, q); });
    return runs;
}

// 'T' blue, 'X' green, '-' no colour, '?' anything else; one letter per UTF-16 unit.
QString colourPattern(const DocumentEditor& e)
{
    QString pattern;
    for (int i = 0; i < e.characterCount(); ++i) {
        const std::optional<QColor> c = e.formatAt(i).color;
        pattern += !c ? QLatin1Char('-') : *c == kBlue ? QLatin1Char('T') : *c == kGreen ? QLatin1Char('X') : QLatin1Char('?');
    }
    return pattern;
}

// An editor holding the text in green.
void load(DocumentEditor& e, const QString& text)
{
    e.setSelStart(0);
    e.setSelColor(kGreen);
    e.setWholeText(text);
}

} // namespace

TEST(TagRuns, RunFromEachLessThanToTheNextGreaterThan)
{
    const struct {
        QByteArray data;
        qsizetype size; // how much of data the scan is given
        Runs runs;
    } cases[] = {
        {"", 0, {}},
        {"plain text", 10, {}},
        {"<B>", 3, {{0, 2}}},
        {"<>", 2, {{0, 1}}},
        {"a<B>b</B>c", 10, {{1, 3}, {5, 8}}},
        // The scan goes on after the ">" found: a second "<" inside a run is part of it.
        {"<a<b>c>", 7, {{0, 4}}},
        {"<<>>", 4, {{0, 2}}},
        // A ">" with no "<" before it is text.
        {"a>b<c>", 6, {{3, 5}}},
        // Inside an attribute value or a comment nothing is special.
        {"<A TITLE=\"1>0\">", 15, {{0, 11}}},
        {"<!-- <B> -->", 12, {{0, 7}}},
        {"1 < 2 and 3 > 2", 15, {{2, 12}}},
        {"<P\r\nALIGN=x>", 12, {{0, 11}}},
        // A last "<" with no ">" after it ends the scan.
        {"x<y", 3, {}},
        {"<P>x<B", 6, {{0, 2}}},
        // Positions are bytes: two-byte letters before and inside the tag.
        {"\xc3\xa9<\xc3\xbc>", 6, {{2, 5}}},
        // NUL is a character like any other.
        {QByteArray("<\0>x<", 5), 5, {{0, 2}}},
        // Nothing past the given size is looked at.
        {"<B>xy<I>", 6, {{0, 2}}},
        {"<ab>", 3, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data.left(c.size).toStdString());
        EXPECT_EQ(runsOf(c.data, c.size), c.runs);
    }
}

TEST(TagColoring, ColoursEveryRunAndLeavesTheRestAsItWas)
{
    const struct {
        const char16_t* text;
        const char* pattern;
    } cases[] = {
        {u"", ""},
        {u"no tags here", "XXXXXXXXXXXX"},
        {u"<HTML><B>bold</B> text</HTML>", "TTTTTTTTTXXXXTTTTXXXXXTTTTTTT"},
        {u"<A TITLE=\"1>0\">x</A>", "TTTTTTTTTTTTXXXXTTTT"},
        {u"<!-- <B> -->", "TTTTTTTTXXXX"},
        {u"1 < 2 and 3 > 2", "XXTTTTTTTTTTTXX"},
        {u"<P>one</P><B", "TTTXXXTTTTXX"},
        {u"\u00e9<B>\u00fc\u20ac</B>\u00df", "XTTTXXTTTTX"},
        {u"<P\r\nALIGN=x>t\r\n", "TTTTTTTTTTTTXXX"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        // Text fresh from a file has one format throughout; edited text has several. The
        // second kind is made here by underlining everything, which the pass must keep.
        for (bool edited : {false, true}) {
            SCOPED_TRACE(text.toStdString() + (edited ? " (edited)" : " (fresh)"));
            DocumentEditor editor;
            load(editor, text);
            if (edited) {
                editor.setSelection(0, int(text.size()));
                editor.setSelAttributes(false, true, false);
            }
            colorTagRuns(&editor, kBlue);
            EXPECT_EQ(editor.wholeText(), text);
            EXPECT_EQ(colourPattern(editor), QLatin1String(c.pattern));
            for (int i = 0; i < editor.characterCount(); ++i)
                EXPECT_EQ(editor.formatAt(i).underline, edited) << i;
        }
    }
}

TEST(TagColoring, KeepsItalicUnderlineAndStrikeOutOfEveryCharacter)
{
    //                         0123456789012
    const QString text = QStringLiteral("ab<I>cd</I>ef");
    const QString inTag = QStringLiteral("  TTT  TTTT  ");
    DocumentEditor editor;
    editor.setWholeText(text);
    // The first letter keeps the editor's own colour; the rest is green.
    editor.setSelection(1, 12);
    editor.setSelColor(kGreen);
    const auto mark = [&](int start, int length, bool italic, bool underline, bool strikeOut) {
        editor.setSelection(start, length);
        editor.setSelAttributes(italic, underline, strikeOut);
    };
    mark(1, 3, true, false, false);  // "b<I"
    mark(4, 4, false, true, false);  // ">cd<"
    mark(9, 3, false, false, true);  // "I>e"
    mark(0, 1, true, true, true);    // "a"
    std::vector<CharFormat> before;
    for (int i = 0; i < text.size(); ++i)
        before.push_back(editor.formatAt(i));

    colorTagRuns(&editor, kBlue);

    for (int i = 0; i < text.size(); ++i) {
        SCOPED_TRACE(i);
        CharFormat expected = before[size_t(i)];
        if (inTag[i] == QLatin1Char('T'))
            expected.color = kBlue;
        const CharFormat after = editor.formatAt(i);
        EXPECT_EQ(after.color, expected.color);
        EXPECT_EQ(after.italic, expected.italic);
        EXPECT_EQ(after.underline, expected.underline);
        EXPECT_EQ(after.strikeOut, expected.strikeOut);
    }
    // The marks were not all alike, or the comparison above would prove little.
    EXPECT_TRUE(before[0].strikeOut && before[1].italic && before[5].underline && !before[5].italic);
}

TEST(TagColoring, LargeTextsAreColouredAcrossEverySliceWithYieldsBetween)
{
    // Over four megabytes of short lines, with tags across megabyte boundaries, one ending
    // right on a boundary and one covering a whole megabyte.
    constexpr qsizetype kMega = 1 << 20;
    QByteArray bytes = QByteArray("plain tex\n").repeated(4 * kMega / 10 + 10);
    const std::vector<std::pair<qsizetype, qsizetype>> tags = {
        {0, 2}, {kMega - 2, kMega + 2}, {2 * kMega - 1, 2 * kMega}, {2 * kMega + 5, 4 * kMega + 50},
        {bytes.size() - 3, bytes.size() - 1}};
    for (const auto& [p, q] : tags) {
        bytes[p] = '<';
        bytes[q] = '>';
    }
    for (bool edited : {false, true}) {
        SCOPED_TRACE(edited ? "edited" : "fresh");
        DocumentEditor editor;
        load(editor, QString::fromLatin1(bytes));
        if (edited) {
            editor.setSelection(0, int(bytes.size()));
            editor.setSelAttributes(false, true, false);
        }
        int yields = 0;
        colorTagRuns(&editor, kBlue, [&] { ++yields; });
        EXPECT_GT(yields, 1) << "the window must get a chance to repaint during a long pass";

        const auto colourAt = [&](qsizetype i) { return editor.formatAt(int(i)).color; };
        for (const auto& [p, q] : tags) {
            SCOPED_TRACE(p);
            std::vector<qsizetype> inside = {p, p + 1, (p + q) / 2, q - 1, q};
            for (qsizetype m = kMega; m <= q; m += kMega) {
                if (m - 1 >= p)
                    inside.insert(inside.end(), {m - 1, m});
            }
            for (qsizetype i : inside)
                EXPECT_EQ(colourAt(i), kBlue) << i;
            for (qsizetype i : {p - 1, q + 1}) {
                if (i >= 0 && i < bytes.size()) {
                    EXPECT_EQ(colourAt(i), kGreen) << i;
                }
            }
        }
        for (qsizetype i : {kMega / 2, kMega + 3, 2 * kMega + 2, 4 * kMega + 60})
            EXPECT_EQ(colourAt(i), kGreen) << i;
        EXPECT_EQ(editor.textBytes(), bytes);
    }
}

// A text loaded anew while the pass yields (a file reloaded meanwhile) ends the pass: what it
// had found in the old text must not land on the new one, nor the old text be read again.
TEST(TagColoring, StopsWhenTheTextIsLoadedAnewDuringAYield)
{
    constexpr qsizetype kMega = 1 << 20;
    const QByteArray old = QByteArray("<b>tagged</b> ").repeated(3 * kMega / 14);
    const QByteArray fresh(3 * kMega, 'x');
    for (bool edited : {false, true}) {
        SCOPED_TRACE(edited ? "edited" : "fresh");
        DocumentEditor editor;
        load(editor, QString::fromLatin1(old));
        if (edited) {
            editor.setSelection(0, 5);
            editor.setSelAttributes(false, true, false);
        }
        int yields = 0;
        colorTagRuns(&editor, kBlue, [&] {
            if (++yields == 1)
                editor.setTextBytes(fresh);
        });
        EXPECT_EQ(yields, 1);
        EXPECT_EQ(editor.textBytes(), fresh);
        EXPECT_TRUE(editor.uniformStyle()) << "no style of the old pass was written over the new text";
    }
}
