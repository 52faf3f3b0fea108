// FindNext's search (down and up, first and repeated, case on and off) and the Replace
// dialog's loop, in character positions over a document's UTF-8 bytes, against the steps as
// written, on the document's characters. Input: a first line of options ("c" matches case, "d"
// searches down, "r" repeats from the last match, "s" maps a position inside a surrogate pair
// to the byte after its character, then the caret and where Replace starts), the search text,
// the replacement, then the document.

#include "FuzzInput.h"

#include "search/MatchPositions.h"

#include <QChar>

namespace {

// The editor's character positions (UTF-16 code units) over valid UTF-8.
struct Positions {
    std::vector<long> byteOfUnit;  // each code unit's character's first byte; the text's length last
    std::vector<int> unitOfByte;   // each byte's character's first code unit; the unit count last
    std::vector<bool> secondHalf;  // the code unit is the second half of a surrogate pair
    bool afterPair = false;

    explicit Positions(const QString& text, bool after) : afterPair(after)
    {
        long byte = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            const int units = pair ? 2 : 1;
            const long bytes = QStringView(text).mid(i, units).toUtf8().size();
            for (int u = 0; u < units; ++u) {
                byteOfUnit.push_back(byte);
                secondHalf.push_back(u == 1);
            }
            for (long b = 0; b < bytes; ++b)
                unitOfByte.push_back(int(i));
            byte += bytes;
            i += units - 1;
        }
        byteOfUnit.push_back(byte);
        secondHalf.push_back(false);
        unitOfByte.push_back(int(text.size()));
    }
    long toBytePosition(int unit) const
    {
        if (unit <= 0)
            return 0;
        if (size_t(unit) >= byteOfUnit.size())
            return byteOfUnit.back();
        if (afterPair && secondHalf[size_t(unit)])
            return byteOfUnit[size_t(unit) + 1];
        return byteOfUnit[size_t(unit)];
    }
    int toCharPosition(long byte) const
    {
        if (byte <= 0)
            return 0;
        return unitOfByte[std::min(size_t(byte), unitOfByte.size() - 1)];
    }
};

// The document as characters, each with its first code unit.
struct Characters {
    std::vector<char32_t> c;
    std::vector<int> unit;
    explicit Characters(const QString& text)
    {
        int u = 0;
        for (uint ch : text.toUcs4()) {
            c.push_back(ch);
            unit.push_back(u);
            u += QChar::requiresSurrogates(ch) ? 2 : 1;
        }
    }
};

bool equal(char32_t a, char32_t b, bool matchCase)
{
    return a == b || (!matchCase && QChar::toUpper(a) == QChar::toUpper(b));
}

// Whether what's characters stand at character j.
bool matchAt(const Characters& text, const std::vector<char32_t>& what, size_t j, bool matchCase)
{
    if (what.empty() || j + what.size() > text.c.size())
        return false;
    for (size_t k = 0; k < what.size(); ++k)
        if (!equal(text.c[j + k], what[k], matchCase))
            return false;
    return true;
}

std::vector<char32_t> searchCharacters(const QString& what)
{
    std::vector<char32_t> out;
    if (QStringView(what).isValidUtf16())
        for (uint c : what.toUcs4())
            out.push_back(c);
    return out;
}

std::optional<int> referenceFindNext(const QString& document, const SearchState& state, int caret)
{
    const Characters text(document);
    const std::vector<char32_t> what = searchCharacters(state.text);
    const int pos = caret + (state.lastFound && *state.lastFound == caret ? 1 : 0);
    const bool exact = state.matchCase != 0;
    if (state.direction == 1) {
        for (size_t j = 0; j < text.c.size(); ++j)
            if (text.unit[j] >= pos && matchAt(text, what, j, exact))
                return text.unit[j];
        return std::nullopt;
    }
    for (size_t j = text.c.size(); j-- > 0;)
        if (text.unit[j] <= pos - 2 && matchAt(text, what, j, exact))
            return text.unit[j];
    return std::nullopt;
}

// The Replace dialog's loop as written: find from the position ignoring case, replace the
// occurrence, go on after the replacement, until nothing is found. The text before the
// position no longer matters, so the search picks up at the replacement's end.
QString referenceReplaceAll(const QString& document, const QString& find, const QString& replacement, int start)
{
    const std::vector<char32_t> what = searchCharacters(find);
    Characters text(document);
    const Characters inserted(replacement);
    const int insertedUnits = int(replacement.size());
    int position = std::max(start, 0);
    for (size_t j = 0, unit = 0; j < text.c.size();) {
        if (int(unit) >= position && matchAt(text, what, j, false)) {
            text.c.erase(text.c.begin() + long(j), text.c.begin() + long(j + what.size()));
            text.c.insert(text.c.begin() + long(j), inserted.c.begin(), inserted.c.end());
            position = int(unit) + insertedUnits;
            j += inserted.c.size();
            unit += size_t(insertedUnits);
            continue;
        }
        unit += QChar::requiresSurrogates(text.c[j]) ? 2 : 1;
        ++j;
    }
    // Not through fromUcs4, which takes a U+FEFF for a byte order mark and drops it.
    QString out;
    for (char32_t c : text.c) {
        if (QChar::requiresSurrogates(c)) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(char16_t(c));
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto f = fuzz::fields(data, size, 4);
    const fuzz::Options options(f[0]);
    // What an editor holds: valid UTF-8.
    const QString document = fuzz::utf8(f[3]);
    const QByteArray bytes = document.toUtf8();
    const std::string_view view(bytes.constData(), size_t(bytes.size()));
    const Positions positions(document, options.has('s'));
    const int units = int(document.size());

    SearchState state;
    state.text = options.has('u') ? fuzz::utf16(f[1]) : fuzz::utf8(f[1]);
    state.matchCase = options.has('c') ? 1 : 0;
    state.direction = options.has('d') ? 1 : 0;
    const int caret = int(options.number(0) % (units + 1));
    if (options.has('r'))
        state.lastFound = caret;

    const std::optional<int> got = findNextPosition(positions, state, view, caret);
    const std::optional<int> expected = referenceFindNext(document, state, caret);
    const auto describe = [](const std::optional<int>& at) { return at ? QString::number(*at) : QStringLiteral("none"); };
    fuzz::check(got == expected, "FindNext", describe(got), describe(expected));

    // Replace All, from where the dialog's position stands.
    const QString replacement = fuzz::utf8(f[2]);
    const int start = int(options.number(1) % (units + 2)) - 1;
    int firstAt = -1;
    const std::vector<ByteRange> ranges =
        replaceLoopRanges(positions, TextSearch(state.text, false), view, start, &firstAt);
    fuzz::check(ranges.empty() || firstAt == positions.toCharPosition(ranges[0].start), "Replace All: first position");
    QByteArray replaced;
    long copied = 0;
    for (const ByteRange& r : ranges) {
        fuzz::check(r.start >= copied && r.start < r.end && r.end <= bytes.size(), "Replace All: ranges in order");
        replaced += bytes.mid(copied, r.start - copied) + replacement.toUtf8();
        copied = r.end;
    }
    replaced += bytes.mid(copied);
    const QString expectedText = referenceReplaceAll(document, state.text, replacement, start);
    // Decoded as the editor decodes: QString::fromUtf8 would drop a leading U+FEFF.
    const QString replacedText = fuzz::utf8(std::string_view(replaced.constData(), size_t(replaced.size())));
    fuzz::check(replacedText == expectedText, "Replace All", replacedText, expectedText);
    return 0;
}
