#pragma once
// Where FindNext and the Replace loop find their matches, in character positions, over a text's
// UTF-8 bytes. Positions is anything that maps character positions to bytes and back as the
// editor does: long toBytePosition(int) const and int toCharPosition(long) const.

#include "document/ByteRange.h"
#include "search/FindNext.h"
#include "search/TextSearch.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

// The first match starting at character `from` or later; *at receives its character position.
// A character position inside a surrogate pair maps to a byte on either side of its character:
// the check makes it exact.
template <typename Positions>
std::optional<TextMatch> firstMatchFrom(const Positions& positions, const TextSearch& search, std::string_view bytes,
                                        int from, int* at)
{
    qsizetype byte = positions.toBytePosition(from);
    while (const std::optional<TextMatch> match = search.findForward(bytes, byte)) {
        *at = positions.toCharPosition(match->start);
        if (*at >= from)
            return match;
        byte = match->start + 1;
    }
    return std::nullopt;
}

// The character position of the last match starting at character `upTo` or earlier.
template <typename Positions>
std::optional<int> lastMatchUpTo(const Positions& positions, const TextSearch& search, std::string_view bytes,
                                 int upTo)
{
    if (upTo < 0)
        return std::nullopt;
    qsizetype byte = positions.toBytePosition(upTo);
    while (const std::optional<TextMatch> match = search.findBackward(bytes, byte)) {
        const int at = positions.toCharPosition(match->start);
        if (at <= upTo)
            return at;
        byte = match->start - 1;
    }
    return std::nullopt;
}

// Where FindNext selects, searching with the state from the caret; none when nothing is found.
template <typename Positions>
std::optional<int> findNextPosition(const Positions& positions, const SearchState& state, std::string_view bytes,
                                    int caret)
{
    const int pos = caret + (state.lastFound && *state.lastFound == caret ? 1 : 0);
    const TextSearch search(state.text, state.matchCase != 0);
    if (state.direction == 1) {
        int at = 0;
        if (firstMatchFrom(positions, search, bytes, pos, &at))
            return at;
        return std::nullopt;
    }
    // The 1-based positions pos - 1 down to 1: 0-based starts at pos - 2 or earlier.
    return lastMatchUpTo(positions, search, bytes, pos - 2);
}

// The occurrences the Replace loop replaces from character `start` until its find fails, each
// search starting right after the text just inserted, which is where the occurrence it replaced
// ended in the text as it was: so they are those of one pass over the text before the first
// replacement, each search going on from the end of the previous occurrence. *firstAt receives
// the character position of the first.
template <typename Positions>
std::vector<ByteRange> replaceLoopRanges(const Positions& positions, const TextSearch& search, std::string_view bytes,
                                         int start, int* firstAt)
{
    std::vector<ByteRange> ranges;
    for (std::optional<TextMatch> match = firstMatchFrom(positions, search, bytes, std::max(start, 0), firstAt); match;
         match = search.findForward(bytes, match->start + match->length))
        ranges.push_back({long(match->start), long(match->start + match->length)});
    return ranges;
}
