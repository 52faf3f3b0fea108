// The replace loop behind Replace Selected, Add Breaks, Add List Tags and the conversions, on
// characters and on bytes (find, replacement, then the text, one a line), against the loop as
// written: find, rebuild the text around the replacement, search on after it.

#include "FuzzInput.h"

#include "document/TextScans.h"

#include <string>

namespace {

struct Expected {
    std::size_t count = 0;
    std::vector<double> progress;
};

template <typename S> S reference(S text, const S& find, const S& replacement, Expected& out)
{
    if (find.empty())
        return text;
    for (size_t pos = text.find(find); pos != S::npos;) {
        text.replace(pos, find.size(), replacement);
        ++out.count;
        pos = text.find(find, pos + replacement.size());
        out.progress.push_back(pos == S::npos ? 0.0 : double(pos + 1) / double(text.size()));
    }
    return text;
}

std::string plain(const QByteArray& s)
{
    return s.toStdString();
}

std::u16string plain(const QString& s)
{
    return s.toStdU16String();
}

template <typename Text> void compare(const Text& text, const Text& find, const Text& replacement, const char* what)
{
    qsizetype count = -1;
    std::vector<double> progress;
    const Text got = replaceLoop(text, find, replacement, &count, [&](double p) { progress.push_back(p); });
    Expected expected;
    fuzz::check(plain(got) == reference(plain(text), plain(find), plain(replacement), expected), what);
    fuzz::check(size_t(count) == expected.count, "replace loop: count");
    fuzz::check(progress == expected.progress, "replace loop: progress");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto f = fuzz::fields(data, size, 3);
    const QByteArray find(f[0].data(), qsizetype(f[0].size()));
    const QByteArray replacement(f[1].data(), qsizetype(f[1].size()));
    const QByteArray text(f[2].data(), qsizetype(f[2].size()));
    compare(text, find, replacement, "replace loop on bytes");
    compare(fuzz::utf8(f[2]), fuzz::utf8(f[0]), fuzz::utf8(f[1]), "replace loop on characters");
    return 0;
}
