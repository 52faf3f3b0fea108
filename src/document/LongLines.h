#pragma once
// How a very long line (a minified page) is styled so that showing it stays fast. Scintilla
// lays out the whole line at every change, measuring it run by run, and remembers the
// measure only of runs shorter than 30 bytes: on a long line each run of one style is
// therefore cut into short pieces that alternate between the style and a twin that looks the
// same, so that each piece is measured once and then found again.

#include "document/ByteRange.h"

#include <QtGlobal>
#include <functional>
#include <vector>

namespace longlines {

// Shorter lines are laid out quickly enough as they are.
constexpr qsizetype kLongLine = 4096;
// The longest piece Scintilla remembers the measure of.
constexpr qsizetype kPiece = 29;

// The parts of text[0, n) that lie on lines longer than limit bytes (not counting the line
// break). The first line began `before` bytes ahead of text and the last goes on for `after`
// bytes past its end. Lines end at LF or CR.
std::vector<ByteRange> longLineSpans(const char* text, qsizetype n, qsizetype before, qsizetype after,
                                     qsizetype limit = kLongLine);

// Cuts every run of one style in styles[0, n) longer than kPiece into pieces of at most kPiece
// bytes, each cut at the start of a character and, where there is one, after a space; every
// second piece takes twinOf(style). A run whose style has no twin (twinOf gives
// -1) stays whole.
void splitRuns(const char* text, char* styles, qsizetype n, const std::function<int(int)>& twinOf);

// How many measured runs Scintilla should remember for a text whose longest line has so many
// bytes: enough for every piece of it, within a bound on the memory they take.
int positionCacheFor(qsizetype longestLine);
// Whether Scintilla should keep the layout of every line rather than of those on screen: it
// lays out a long line again whenever it drops it, but every line kept holds its measures.
bool keepEveryLineLayout(qsizetype longestLine, qsizetype lineCount);

} // namespace longlines
