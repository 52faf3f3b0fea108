// Long lines are held in short runs of look-alike styles: where the lines are found, how the
// runs are cut, and that nothing reading the editor can tell.

#include "document/DocumentEditor.h"
#include "document/LongLines.h"
#include "document/TagColoring.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using longlines::kPiece;
using Spans = std::vector<std::pair<long, long>>;

Spans spansOf(const QByteArray& text, qsizetype before, qsizetype after, qsizetype limit)
{
    Spans spans;
    for (const ByteRange& r : longlines::longLineSpans(text.constData(), text.size(), before, after, limit))
        spans.emplace_back(r.start, r.end);
    return spans;
}

TEST(LongLines, findsTheLinesLongerThanTheLimitWhateverTheirBreaks)
{
    struct Case {
        const char* text;
        qsizetype before, after;
        Spans spans;
    };
    // Limit 4: a line of five bytes or more is long.
    const Case cases[] = {
        {"abcd\nabcde\nab", 0, 0, {{5, 10}}},
        {"abcde\r\nab\rabcdef", 0, 0, {{0, 5}, {10, 16}}},
        {"abcd\r\n", 0, 0, {}},          // the CR is the break, not a fifth byte
        {"ab\nab", 2, 0, {}},            // before and after count only for their own line
        {"abc\nab", 2, 0, {{0, 3}}},     // the line began two bytes ahead
        {"ab\nabc", 0, 2, {{3, 6}}},     // and this one goes on past the end
        {"abcdefgh", 3, 3, {{0, 8}}},
        {"\n\n\n", 9, 9, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spansOf(c.text, c.before, c.after, 4), c.spans) << c.text;
}

// '.' the style of the run, 'T' its twin.
QByteArray pieces(const QByteArray& text, const QByteArray& styles, bool withTwin = true)
{
    QByteArray out = styles;
    longlines::splitRuns(text.constData(), out.data(), out.size(),
                         [&](int style) { return withTwin && style == '.' ? 'T' : -1; });
    return out;
}

TEST(LongLines, cutsLongRunsIntoShortPiecesAtCharacterStarts)
{
    const QByteArray letters(70, 'x');
    const QByteArray p = pieces(letters, QByteArray(70, '.'));
    EXPECT_EQ(p, QByteArray(kPiece, '.') + QByteArray(kPiece, 'T') + QByteArray(70 - 2 * kPiece, '.'));

    // Short runs and runs of styles without a twin stay as they are.
    EXPECT_EQ(pieces(letters, QByteArray(kPiece, '.') + QByteArray(kPiece, '-') + QByteArray(12, '.')),
              QByteArray(kPiece, '.') + QByteArray(kPiece, '-') + QByteArray(12, '.'));
    EXPECT_EQ(pieces(letters, QByteArray(70, '.'), false), QByteArray(70, '.'));

    // A cut never falls inside a character, and falls after a space when one is near.
    const QByteArray accented = QByteArray(kPiece - 1, 'x') + "\xc3\xa9" + QByteArray(10, 'x');
    EXPECT_EQ(pieces(accented, QByteArray(accented.size(), '.')).indexOf('T'), kPiece - 1);
    const QByteArray words = "ab cdefgh ij klmnopqrstuvwxyzabcdefghij";
    // The first cut falls after "ab cdefgh ", not after "ab " (too short) nor at 29 bytes.
    EXPECT_EQ(pieces(words, QByteArray(words.size(), '.')), QByteArray(10, '.') + QByteArray(29, 'T'));
}

TEST(LongLines, cachesGrowWithTheLongestLineWithinBounds)
{
    EXPECT_EQ(longlines::positionCacheFor(0), 65536);
    EXPECT_EQ(longlines::positionCacheFor(longlines::kLongLine), 65536);
    EXPECT_EQ(longlines::positionCacheFor(5 << 20), 1 << 20);
    EXPECT_EQ(longlines::positionCacheFor(qsizetype(1) << 32), 1 << 20);
    EXPECT_FALSE(longlines::keepEveryLineLayout(100, 2));
    EXPECT_TRUE(longlines::keepEveryLineLayout(5 << 20, 2));
    EXPECT_FALSE(longlines::keepEveryLineLayout(5 << 20, 2000000));
}

TEST(LongLines, theEditorHoldsALongLineInShortRunsThatReadAsOne)
{
    QByteArray page;
    while (page.size() < 3 * longlines::kLongLine)
        page += "<div class=\"card wide\"><p>Some words of text that run on for a while</p></div>";
    const QByteArray shortLine(40, 'a');
    const QByteArray text = shortLine + '\n' + page + "\nlast";
    DocumentEditor editor;
    editor.setTextBytes(text);
    colorTagRuns(&editor, QColor(0, 0, 255));

    // Scintilla sees no run longer than a piece on the long line, and a short line stays whole.
    const long lineStart = shortLine.size() + 1;
    int longest = 0;
    for (long p = lineStart, run = 0; p < lineStart + page.size(); ++p) {
        const auto raw = [&](long q) { return editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, q); };
        run = p > lineStart && raw(p) == raw(p - 1) ? run + 1 : 1;
        longest = std::max(longest, int(run));
    }
    EXPECT_LE(longest, kPiece);
    EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0),
              editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, long(shortLine.size() - 1)));

    // Whoever reads the styles sees each run whole, in one style per format.
    const QByteArray styles = editor.styleBytes(0, editor.byteLength());
    for (qsizetype i = 0; i < styles.size(); ++i) {
        const bool tag = editor.styleFormat(static_cast<unsigned char>(styles[i])).color == QColor(0, 0, 255);
        ASSERT_EQ(styles[i], tag ? styles[text.indexOf('<')] : char(0)) << i;
    }
    // Typed text takes the format before it, twin or not.
    editor.setSelStart(int(lineStart + kPiece + 3));
    editor.replaceSelection(QStringLiteral("xyz"));
    EXPECT_EQ(editor.formatAt(int(lineStart + kPiece + 4)), editor.formatAt(int(lineStart + kPiece + 2)));
    EXPECT_EQ(editor.styleAt(lineStart + kPiece + 4), editor.styleAt(lineStart + kPiece + 2));
}

} // namespace
