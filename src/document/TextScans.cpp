#include "document/TextScans.h"

#include <algorithm>

namespace {

// One pass: each search starts right after the previous occurrence, which is where the
// text after an inserted replacement begins.
template <typename Text, typename View>
Text replaceEach(const Text& text, const Text& find, const Text& replacement, qsizetype* count,
                 const ReplaceLoopProgress& progress)
{
    qsizetype found = 0;
    qsizetype pos = find.isEmpty() ? -1 : View(text).indexOf(View(find));
    if (pos < 0) {
        if (count)
            *count = 0;
        return text;
    }
    Text result;
    result.reserve(text.size());
    qsizetype copied = 0;
    while (pos >= 0) {
        result.append(View(text).sliced(copied, pos - copied));
        result.append(replacement);
        copied = pos + find.size();
        ++found;
        pos = View(text).indexOf(View(find), copied);
        if (progress) {
            const qsizetype length = result.size() + (text.size() - copied);
            progress(pos < 0 || length == 0 ? 0.0 : double(result.size() + (pos - copied) + 1) / double(length));
        }
    }
    result.append(View(text).sliced(copied));
    if (count)
        *count = found;
    return result;
}

} // namespace

QString replaceLoop(const QString& text, const QString& find, const QString& replacement, qsizetype* count,
                    const ReplaceLoopProgress& progress)
{
    return replaceEach<QString, QStringView>(text, find, replacement, count, progress);
}

QByteArray replaceLoop(const QByteArray& text, const QByteArray& find, const QByteArray& replacement,
                       qsizetype* count, const ReplaceLoopProgress& progress)
{
    return replaceEach<QByteArray, QByteArrayView>(text, find, replacement, count, progress);
}

std::vector<ByteRange> tagRangesInText(std::string_view text)
{
    std::vector<ByteRange> ranges;
    // Deleting a tag leaves no "<" or ">" before the point where the next search begins.
    size_t from = 0;
    for (;;) {
        const size_t open = text.find('<', from);
        if (open == std::string_view::npos)
            break;
        const size_t close = text.find('>', from);
        if (close == std::string_view::npos || close < open)
            break;
        ranges.push_back({long(open), long(close + 1)});
        from = close + 1;
    }
    return ranges;
}

std::vector<ByteRange> tagRangesInSelection(std::string_view text, long selStart, long selEnd)
{
    std::vector<ByteRange> ranges;
    const size_t end = size_t(std::clamp<long>(selEnd, 0, long(text.size())));
    size_t from = size_t(std::max<long>(selStart, 0));
    while (from < end) {
        const size_t open = text.find('<', from);
        if (open == std::string_view::npos || open >= end)
            break;
        const size_t close = text.find('>', open);
        if (close == std::string_view::npos || close >= end)
            break;
        ranges.push_back({long(open), long(close + 1)});
        from = close + 1;
    }
    return ranges;
}
