#include "search/TextSearch.h"

#include <QChar>

#include <algorithm>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF; // a byte that does not start a valid UTF-8 character

struct Decoded {
    char32_t c;
    int length;
};

// The character starting at s[p] (p < n), strictly: overlong forms, surrogates and values
// past U+10FFFF are invalid and take one byte.
inline Decoded decode(const std::uint8_t* s, qsizetype p, qsizetype n)
{
    const std::uint8_t b0 = s[p];
    if (b0 < 0x80)
        return {b0, 1};
    auto cont = [&](qsizetype at, std::uint8_t low = 0x80, std::uint8_t high = 0xBF) {
        return at < n && s[at] >= low && s[at] <= high;
    };
    if (b0 < 0xC2)
        return {kInvalid, 1};
    if (b0 < 0xE0) {
        if (!cont(p + 1))
            return {kInvalid, 1};
        return {char32_t(b0 & 0x1F) << 6 | (s[p + 1] & 0x3F), 2};
    }
    if (b0 < 0xF0) {
        const std::uint8_t low = b0 == 0xE0 ? 0xA0 : 0x80;
        const std::uint8_t high = b0 == 0xED ? 0x9F : 0xBF;
        if (!cont(p + 1, low, high) || !cont(p + 2))
            return {kInvalid, 1};
        return {char32_t(b0 & 0x0F) << 12 | char32_t(s[p + 1] & 0x3F) << 6 | (s[p + 2] & 0x3F), 3};
    }
    if (b0 < 0xF5) {
        const std::uint8_t low = b0 == 0xF0 ? 0x90 : 0x80;
        const std::uint8_t high = b0 == 0xF4 ? 0x8F : 0xBF;
        if (!cont(p + 1, low, high) || !cont(p + 2) || !cont(p + 3))
            return {kInvalid, 1};
        return {char32_t(b0 & 0x07) << 18 | char32_t(s[p + 1] & 0x3F) << 12 | char32_t(s[p + 2] & 0x3F) << 6
                    | (s[p + 3] & 0x3F),
                4};
    }
    return {kInvalid, 1};
}

inline char32_t upperOf(char32_t c)
{
    if (c < 0x80)
        return c >= 'a' && c <= 'z' ? c - 32 : c;
    return QChar::toUpper(c);
}

int encodedLength(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

std::uint8_t leadByte(char32_t c)
{
    switch (encodedLength(c)) {
    case 1: return std::uint8_t(c);
    case 2: return std::uint8_t(0xC0 | (c >> 6));
    case 3: return std::uint8_t(0xE0 | (c >> 12));
    default: return std::uint8_t(0xF0 | (c >> 18));
    }
}

// Every character whose upper-case form differs from itself, by that form; built once.
const std::vector<std::pair<char32_t, char32_t>>& casedCharacters()
{
    static const std::vector<std::pair<char32_t, char32_t>> table = [] {
        std::vector<std::pair<char32_t, char32_t>> t;
        for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
            if (c >= 0xD800 && c < 0xE000)
                continue;
            const char32_t u = QChar::toUpper(c);
            if (u != c)
                t.emplace_back(u, c);
        }
        for (char32_t c = 'a'; c <= 'z'; ++c)
            t.emplace_back(c - 32, c);
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

// Every character whose upper-case form is u.
std::vector<char32_t> sameUpper(char32_t u)
{
    std::vector<char32_t> out;
    if (upperOf(u) == u)
        out.push_back(u);
    const auto& table = casedCharacters();
    auto it = std::lower_bound(table.begin(), table.end(), std::make_pair(u, char32_t(0)));
    for (; it != table.end() && it->first == u; ++it)
        out.push_back(it->second);
    return out;
}

void addByte(std::array<bool, 256>& table, std::vector<std::uint8_t>& list, std::uint8_t b)
{
    if (!table[b]) {
        table[b] = true;
        list.push_back(b);
    }
}

// ---- candidate scan ---------------------------------------------------------------------------
// Calls check(i) for the positions i in [lo, hi] whose bytes fit the anchor, in ascending
// (Forward) or descending order, until one returns a match. hi + secondOffset is within the
// text. N0 and N1 are how many bytes each anchor compares at once in a 16-byte block (0 for N0:
// no block scan; 0 for N1: the second anchor is checked only by check).

#if defined(__SSE2__)
template <int N0, int N1>
inline unsigned blockMask(const std::uint8_t* p, qsizetype offset, const __m128i* v0, const __m128i* v1)
{
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i m = _mm_cmpeq_epi8(a, v0[0]);
    for (int k = 1; k < N0; ++k)
        m = _mm_or_si128(m, _mm_cmpeq_epi8(a, v0[k]));
    if constexpr (N1 > 0) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + offset));
        __m128i m1 = _mm_cmpeq_epi8(b, v1[0]);
        for (int k = 1; k < N1; ++k)
            m1 = _mm_or_si128(m1, _mm_cmpeq_epi8(b, v1[k]));
        m = _mm_and_si128(m, m1);
    }
    return unsigned(_mm_movemask_epi8(m));
}

inline void broadcast(__m128i* v, int count, const std::vector<std::uint8_t>& bytes)
{
    // Fewer bytes than lanes: repeat the last one.
    for (int k = 0; k < count; ++k)
        v[k] = _mm_set1_epi8(char(bytes[std::min<size_t>(size_t(k), bytes.size() - 1)]));
}
#endif

template <bool Forward, int N0, int N1, typename Check>
std::optional<TextMatch> scan(const std::uint8_t* s, qsizetype lo, qsizetype hi, const TextSearch::Anchor& a,
                              Check& check)
{
    const qsizetype offset = a.secondOffset;
    const bool second = !a.secondBytes.empty();
    auto fits = [&](qsizetype i) { return a.first[s[i]] && (!second || a.second[s[i + offset]]); };
    qsizetype i = Forward ? lo : hi;
#if defined(__SSE2__)
    if constexpr (N0 > 0) {
        __m128i v0[N0];
        __m128i v1[N1 > 0 ? N1 : 1];
        broadcast(v0, N0, a.firstBytes);
        if constexpr (N1 > 0)
            broadcast(v1, N1, a.secondBytes);
        if constexpr (Forward) {
            for (; i + 15 <= hi; i += 16) {
                for (unsigned mask = blockMask<N0, N1>(s + i, offset, v0, v1); mask; mask &= mask - 1)
                    if (auto m = check(i + __builtin_ctz(mask)))
                        return m;
            }
        } else {
            for (; i - 15 >= lo; i -= 16) {
                for (unsigned mask = blockMask<N0, N1>(s + i - 15, offset, v0, v1); mask;) {
                    const int j = 31 - __builtin_clz(mask);
                    if (auto m = check(i - 15 + j))
                        return m;
                    mask &= ~(1u << j);
                }
            }
        }
    }
#endif
    if constexpr (Forward) {
        for (; i <= hi; ++i)
            if (fits(i))
                if (auto m = check(i))
                    return m;
    } else {
        for (; i >= lo; --i)
            if (fits(i))
                if (auto m = check(i))
                    return m;
    }
    return std::nullopt;
}

constexpr int lanes(size_t count)
{
    return count <= 1 ? 1 : count <= 2 ? 2 : count <= 4 ? 4 : 0;
}

template <bool Forward, int N0, typename Check>
std::optional<TextMatch> scanSecond(const std::uint8_t* s, qsizetype lo, qsizetype hi, const TextSearch::Anchor& a,
                                    Check& check)
{
    switch (a.secondBytes.empty() ? 0 : lanes(a.secondBytes.size())) {
    case 1: return scan<Forward, N0, 1>(s, lo, hi, a, check);
    case 2: return scan<Forward, N0, 2>(s, lo, hi, a, check);
    case 4: return scan<Forward, N0, 4>(s, lo, hi, a, check);
    default: return scan<Forward, N0, 0>(s, lo, hi, a, check);
    }
}

template <bool Forward, typename Check>
std::optional<TextMatch> scanAny(const std::uint8_t* s, qsizetype lo, qsizetype hi, const TextSearch::Anchor& a,
                                 Check check)
{
    switch (lanes(a.firstBytes.size())) {
    case 1: return scanSecond<Forward, 1>(s, lo, hi, a, check);
    case 2: return scanSecond<Forward, 2>(s, lo, hi, a, check);
    case 4: return scanSecond<Forward, 4>(s, lo, hi, a, check);
    default: return scan<Forward, 0, 0>(s, lo, hi, a, check);
    }
}

} // namespace

TextSearch::TextSearch(const QString& what, bool matchCase) : matchCase_(matchCase)
{
    // Characters of the search text; an unpaired surrogate can match nothing in UTF-8 text.
    for (qsizetype i = 0; i < what.size(); ++i) {
        const QChar ch = what.at(i);
        if (ch.isHighSurrogate() && i + 1 < what.size() && what.at(i + 1).isLowSurrogate()) {
            chars_.push_back(QChar::surrogateToUcs4(ch, what.at(i + 1)));
            ++i;
        } else if (ch.isSurrogate()) {
            return;
        } else {
            chars_.push_back(ch.unicode());
        }
    }
    if (chars_.empty())
        return;
    searchable_ = true;
    if (matchCase_) {
        bytes_ = what.toUtf8();
        minBytes_ = bytes_.size();
        addByte(anchor_.first, anchor_.firstBytes, std::uint8_t(bytes_[0]));
        if (bytes_.size() > 1) {
            addByte(anchor_.second, anchor_.secondBytes, std::uint8_t(bytes_[1]));
            anchor_.secondOffset = 1;
        }
        return;
    }
    int firstLength = 0; // the byte length all forms of the first character share, or -1
    for (size_t k = 0; k < chars_.size(); ++k) {
        const char32_t u = upperOf(chars_[k]);
        upper_.push_back(u);
        int shortest = 4;
        for (char32_t c : sameUpper(u)) {
            const int length = encodedLength(c);
            shortest = std::min(shortest, length);
            if (k == 0) {
                addByte(anchor_.first, anchor_.firstBytes, leadByte(c));
                firstLength = firstLength == 0 || firstLength == length ? length : -1;
            } else if (k == 1 && firstLength > 0) {
                addByte(anchor_.second, anchor_.secondBytes, leadByte(c));
            }
        }
        minBytes_ += shortest;
    }
    anchor_.secondOffset = anchor_.secondBytes.empty() ? 0 : firstLength;
}

std::optional<TextMatch> TextSearch::matchAt(std::string_view text, qsizetype i) const
{
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto n = qsizetype(text.size());
    if (matchCase_) {
        if (i + bytes_.size() <= n && std::memcmp(s + i, bytes_.constData(), size_t(bytes_.size())) == 0)
            return TextMatch{i, bytes_.size()};
        return std::nullopt;
    }
    qsizetype p = i;
    for (size_t k = 0; k < chars_.size(); ++k) {
        if (p >= n)
            return std::nullopt;
        const Decoded d = decode(s, p, n);
        if (d.c == kInvalid || (d.c != chars_[k] && upperOf(d.c) != upper_[k]))
            return std::nullopt;
        p += d.length;
    }
    return TextMatch{i, p - i};
}

std::optional<TextMatch> TextSearch::findForward(std::string_view text, qsizetype from) const
{
    const auto n = qsizetype(text.size());
    from = std::max<qsizetype>(from, 0);
    if (!searchable_ || from > n - minBytes_)
        return std::nullopt;
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    if (matchCase_) {
        const void* hit = memmem(s + from, size_t(n - from), bytes_.constData(), size_t(bytes_.size()));
        if (!hit)
            return std::nullopt;
        return TextMatch{static_cast<const std::uint8_t*>(hit) - s, bytes_.size()};
    }
    return scanAny<true>(s, from, n - minBytes_, anchor_, [&](qsizetype i) { return matchAt(text, i); });
}

std::optional<TextMatch> TextSearch::findBackward(std::string_view text, qsizetype atOrBefore) const
{
    const auto n = qsizetype(text.size());
    const qsizetype hi = std::min(atOrBefore, n - minBytes_);
    if (!searchable_ || hi < 0)
        return std::nullopt;
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    return scanAny<false>(s, 0, hi, anchor_, [&](qsizetype i) { return matchAt(text, i); });
}
