// Remove Tags' scan on any bytes, in the whole text and in a selection (its two ends in the
// first line, as byte offsets "start end"; the text follows), against the command as written:
// find "<", find ">", delete, again.

#include "FuzzInput.h"

#include "document/TextScans.h"

#include <string>

namespace {

std::string applied(std::string_view text, const std::vector<ByteRange>& ranges)
{
    std::string out;
    size_t copied = 0;
    for (const ByteRange& r : ranges) {
        fuzz::check(r.start >= long(copied) && r.start < r.end && r.end <= long(text.size()),
                    "Remove Tags: ranges in order, apart, inside the text");
        out.append(text.substr(copied, size_t(r.start) - copied));
        copied = size_t(r.end);
    }
    out.append(text.substr(copied));
    return out;
}

std::string wholeText(std::string text)
{
    for (;;) {
        const size_t a = text.find('<');
        if (a == std::string::npos)
            return text;
        const size_t b = text.find('>');
        if (b == std::string::npos || b < a)
            return text;
        text.erase(a, b - a + 1);
    }
}

std::string inSelection(std::string text, size_t s, size_t e)
{
    for (size_t a = s;;) {
        if (a >= e)
            return text;
        a = text.find('<', a);
        if (a == std::string::npos || a >= e)
            return text;
        const size_t b = text.find('>', a);
        if (b == std::string::npos || b >= e)
            return text;
        text.erase(a, b - a + 1);
        e -= b - a + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto f = fuzz::fields(data, size, 2);
    const std::string_view text = f[1];
    fuzz::check(applied(text, tagRangesInText(text)) == wholeText(std::string(text)), "Remove Tags, whole text");

    // A selection inside the text, as the editor hands it over.
    const fuzz::Options options(f[0]);
    const size_t s = size_t(options.number(0)) % (text.size() + 1);
    const size_t e = s + size_t(options.number(1)) % (text.size() - s + 1);
    fuzz::check(applied(text, tagRangesInSelection(text, long(s), long(e))) == inSelection(std::string(text), s, e),
                "Remove Tags, selection");
    return 0;
}
