#pragma once
// The scans behind the text transformations, on plain text: the replace loop and the tags
// Remove Tags deletes. Linear in the text's size.

#include "document/ByteRange.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

// Replaces every exact occurrence of find, searching on after each inserted replacement, so
// a replacement that contains find is not replaced again. An empty find changes nothing.
// After each replacement, progress hears where the next occurrence starts in the text as it
// stands then, as a fraction of its length (0 when none follows).
using ReplaceLoopProgress = std::function<void(double)>;
QString replaceLoop(const QString& text, const QString& find, const QString& replacement,
                    qsizetype* count = nullptr, const ReplaceLoopProgress& progress = {});
QByteArray replaceLoop(const QByteArray& text, const QByteArray& find, const QByteArray& replacement,
                       qsizetype* count = nullptr, const ReplaceLoopProgress& progress = {});

// The tags Remove Tags deletes: everything from a "<" to the next ">".
// In the whole text it stops at the first ">" that comes before the next "<"; in a selection
// [selStart, selEnd) it stops at a tag that does not end inside it.
std::vector<ByteRange> tagRangesInText(std::string_view text);
std::vector<ByteRange> tagRangesInSelection(std::string_view text, long selStart, long selEnd);
