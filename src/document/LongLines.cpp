#include "document/LongLines.h"

#include <algorithm>
#include <cstring>

namespace longlines {

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where the piece starting at `from` ends, for a run ending at `end`.
qsizetype pieceEnd(const char* text, qsizetype from, qsizetype end)
{
    if (end - from <= kPiece)
        return end;
    qsizetype cut = from + kPiece;
    while (cut > from + 1 && isContinuationByte(text[cut]))
        --cut;
    // After the first space past a few bytes: pieces are then mostly single words, which
    // recur all over a page and so are measured once for all of it.
    constexpr qsizetype kShortest = 4;
    for (qsizetype k = from + kShortest; k <= cut; ++k)
        if (text[k - 1] == ' ')
            return k;
    return cut;
}

} // namespace

std::vector<ByteRange> longLineSpans(const char* text, qsizetype n, qsizetype before, qsizetype after,
                                     qsizetype limit)
{
    std::vector<ByteRange> spans;
    qsizetype start = 0;
    qsizetype lead = before; // bytes of the current line ahead of start
    // The next LF at or after start (n: none), kept between lines: searched again from each
    // line, a text of CR line ends and no LF would be read to its end once per line.
    qsizetype lfAt = -1;
    while (start < n) {
        const auto lengthTo = [&](qsizetype end) { return lead + (end - start) + (end == n ? after : 0); };
        if (lfAt < start) {
            const void* lf = std::memchr(text + start, '\n', size_t(n - start));
            lfAt = lf ? static_cast<const char*>(lf) - text : n;
        }
        qsizetype end = lfAt;
        qsizetype next = lfAt < n ? end + 1 : n;
        // A CR ends the line too, alone or before the LF; only a stretch that would count as
        // long is worth searching for one.
        if (lengthTo(end) > limit) {
            if (const void* cr = std::memchr(text + start, '\r', size_t(end - start))) {
                end = static_cast<const char*>(cr) - text;
                next = end + 1 < n && text[end + 1] == '\n' ? end + 2 : end + 1;
            }
        }
        if (end > start && lengthTo(end) > limit)
            spans.push_back(ByteRange{long(start), long(end)});
        start = next;
        lead = 0;
    }
    return spans;
}

void splitRuns(const char* text, char* styles, qsizetype n, const std::function<int(int)>& twinOf)
{
    qsizetype runStart = 0;
    while (runStart < n) {
        const char style = styles[runStart];
        const qsizetype runEnd =
            std::find_if(styles + runStart, styles + n, [style](char s) { return s != style; }) - styles;
        const int twin = runEnd - runStart > kPiece ? twinOf(static_cast<unsigned char>(style)) : -1;
        if (twin >= 0) {
            bool second = false;
            for (qsizetype from = runStart; from < runEnd; second = !second) {
                const qsizetype to = pieceEnd(text, from, runEnd);
                if (second)
                    std::fill(styles + from, styles + to, char(twin));
                from = to;
            }
        }
        runStart = runEnd;
    }
}

int positionCacheFor(qsizetype longestLine)
{
    constexpr qsizetype kUsual = 65536;    // markup repeats short runs: "<td>", "class="
    constexpr qsizetype kMost = 1 << 20;   // some 80 MiB of measures at most
    constexpr qsizetype kBytesPerPiece = 5; // pieces of markup average fewer than ten bytes, and
                                            // two places are tried for each
    if (longestLine <= kLongLine)
        return int(kUsual);
    return int(std::clamp(longestLine / kBytesPerPiece, kUsual, kMost));
}

bool keepEveryLineLayout(qsizetype longestLine, qsizetype lineCount)
{
    constexpr qsizetype kMostLines = 10000;
    return longestLine > kLongLine && lineCount <= kMostLines;
}

} // namespace longlines
