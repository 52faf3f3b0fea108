// The colouring pass's tag scan and the styles it writes slice by slice, on any bytes (stray
// "<" and ">", NULs, invalid UTF-8), against the pass as written: from each "<" to the next
// ">", the next search starting at that ">". Input: a first line holding the slice size, then
// the text.

#include "FuzzInput.h"

#include "document/TagColoring.h"

#include <string>

namespace {

constexpr char kPlain = 'p';
constexpr char kTag = 'T';

std::string referenceStyles(std::string_view text, std::vector<std::pair<qsizetype, qsizetype>>& runs)
{
    std::string styles(text.size(), kPlain);
    for (size_t i = 0;;) {
        const size_t p = text.find('<', i);
        if (p == std::string_view::npos)
            break;
        const size_t q = text.find('>', p);
        if (q == std::string_view::npos)
            break; // the unclosed tag stays uncoloured
        runs.emplace_back(qsizetype(p), qsizetype(q));
        std::fill(styles.begin() + long(p), styles.begin() + long(q) + 1, kTag);
        i = q;
    }
    return styles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto f = fuzz::fields(data, size, 2);
    const std::string_view text = f[1];
    const fuzz::Options options(f[0]);
    const qsizetype sliceSize = options.number(0) % 64 + 1;
    // The writer may end the work after some slices (0: never).
    const long long stopAfter = options.number(1) % 8;

    std::vector<std::pair<qsizetype, qsizetype>> expectedRuns;
    const std::string expected = referenceStyles(text, expectedRuns);

    std::vector<std::pair<qsizetype, qsizetype>> runs;
    forEachTagRun(text.data(), qsizetype(text.size()), [&](qsizetype p, qsizetype q) { runs.emplace_back(p, q); });
    fuzz::check(runs == expectedRuns, "tag runs");

    std::string styles;
    bool last = false;
    long long written = 0;
    writeTagStyleSlices(text.data(), qsizetype(text.size()), kPlain, kTag, sliceSize,
                        [&](qsizetype start, const char* slice, qsizetype length) {
                            fuzz::check(!last, "style slices: nothing after a short slice or a stop");
                            fuzz::check(start == qsizetype(styles.size()) && length >= 0 && length <= sliceSize,
                                        "style slices: in order, each at most a slice");
                            styles.append(slice, size_t(length));
                            last = length < sliceSize || ++written == stopAfter;
                            return !last;
                        });
    const std::string upTo = expected.substr(0, styles.size());
    fuzz::check(styles == upTo, "tag styles", QString::fromLatin1(styles.c_str()), QString::fromLatin1(upTo.c_str()));
    fuzz::check(stopAfter != 0 || styles.size() == expected.size(), "tag styles: all of them without a stop");
    return 0;
}
