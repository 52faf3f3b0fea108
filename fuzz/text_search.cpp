// TextSearch on any bytes, invalid UTF-8 and NULs included, forwards and backwards, exactly
// and ignoring case, against a search that tries every byte offset. Input: a first line of
// options ("c" matches case, "u" reads the search text as UTF-16 code units, then a byte
// offset), the search text, then the text searched.

#include "FuzzInput.h"

#include "search/TextSearch.h"

#include <QChar>
#include <QStringDecoder>

#include <optional>
#include <string>

namespace {

// The character each byte starts, decoded by Qt's own validator: the shortest valid prefix
// holding one character; none where no prefix is valid.
std::vector<std::optional<std::pair<char32_t, int>>> characters(std::string_view text)
{
    std::vector<std::optional<std::pair<char32_t, int>>> out(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        for (int length = 1; length <= 4 && i + size_t(length) <= text.size(); ++length) {
            const QByteArrayView piece(text.data() + i, length);
            if (piece.isValidUtf8()) {
                // Not fromUtf8, which drops a U+FEFF as a byte order mark.
                QStringDecoder decode(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
                const QList<uint> ucs4 = QString(decode(piece)).toUcs4();
                if (ucs4.size() == 1)
                    out[i] = std::make_pair(char32_t(ucs4[0]), length);
                break;
            }
        }
    }
    return out;
}

struct Reference {
    std::string_view text;
    std::vector<std::optional<std::pair<char32_t, int>>> chars;
    QString what;
    bool matchCase;

    std::optional<TextMatch> at(size_t i) const
    {
        // Nothing to find, or a lone surrogate, which no UTF-8 text holds.
        if (what.isEmpty() || !QStringView(what).isValidUtf16())
            return std::nullopt;
        const QList<uint> wanted = what.toUcs4();
        if (matchCase) {
            const QByteArray bytes = what.toUtf8();
            if (i + size_t(bytes.size()) > text.size())
                return std::nullopt;
            for (qsizetype k = 0; k < bytes.size(); ++k)
                if (text[i + size_t(k)] != bytes[k])
                    return std::nullopt;
            return TextMatch{qsizetype(i), bytes.size()};
        }
        size_t p = i;
        for (uint w : wanted) {
            if (p >= text.size() || !chars[p])
                return std::nullopt;
            const char32_t c = chars[p]->first;
            if (c != w && QChar::toUpper(c) != QChar::toUpper(char32_t(w)))
                return std::nullopt;
            p += size_t(chars[p]->second);
        }
        return TextMatch{qsizetype(i), qsizetype(p - i)};
    }
};

QString describe(const std::optional<TextMatch>& m)
{
    return m ? QStringLiteral("%1+%2").arg(m->start).arg(m->length) : QStringLiteral("none");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto f = fuzz::fields(data, size, 3);
    const fuzz::Options options(f[0]);
    const bool matchCase = options.has('c');
    const QString what = options.has('u') ? fuzz::utf16(f[1]) : fuzz::utf8(f[1]);
    const std::string_view text = f[2];
    const qsizetype offset = options.number(0);
    const auto n = qsizetype(text.size());
    // Offsets just outside the text too: callers may pass one.
    const qsizetype from = n == 0 ? offset % 3 - 1 : offset % (n + 3) - 1;

    const TextSearch search(what, matchCase);
    const Reference ref{text, characters(text), what, matchCase};

    std::optional<TextMatch> forward;
    for (qsizetype i = std::max<qsizetype>(from, 0); i < n && !forward; ++i)
        forward = ref.at(size_t(i));
    const std::optional<TextMatch> gotForward = search.findForward(text, from);
    fuzz::check(gotForward == forward, "findForward", describe(gotForward), describe(forward));

    std::optional<TextMatch> backward;
    for (qsizetype i = std::min(from, n - 1); i >= 0 && !backward; --i)
        backward = ref.at(size_t(i));
    const std::optional<TextMatch> gotBackward = search.findBackward(text, from);
    fuzz::check(gotBackward == backward, "findBackward", describe(gotBackward), describe(backward));
    return 0;
}
