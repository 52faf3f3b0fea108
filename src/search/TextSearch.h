#pragma once
// Searching a document's UTF-8 bytes in place for a text, exactly or ignoring case (two
// characters are equal when their upper-case forms are), forwards or backwards. Positions and
// lengths are in bytes; invalid UTF-8 and NUL bytes are searched through, never matched by a
// letter of the search text.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct TextMatch {
    qsizetype start = 0;  // first byte of the match
    qsizetype length = 0; // bytes; ignoring case it may differ from the search text's own
    bool operator==(const TextMatch&) const = default;
};

class TextSearch {
public:
    // An empty text, or one holding an unpaired surrogate, matches nothing.
    TextSearch(const QString& what, bool matchCase);

    // The first match starting at byte `from` or later.
    std::optional<TextMatch> findForward(std::string_view text, qsizetype from) const;
    // The last match starting at byte `atOrBefore` or earlier.
    std::optional<TextMatch> findBackward(std::string_view text, qsizetype atOrBefore) const;

    // Bytes the candidates are picked by: the first byte of a match, and optionally the byte
    // `secondOffset` further on (the first byte of the second character).
    struct Anchor {
        std::array<bool, 256> first{};
        std::array<bool, 256> second{};
        std::vector<std::uint8_t> firstBytes;
        std::vector<std::uint8_t> secondBytes; // empty: no second anchor
        int secondOffset = 0;
    };

private:
    // The match starting at byte i, if there is one.
    std::optional<TextMatch> matchAt(std::string_view text, qsizetype i) const;

    bool matchCase_;
    bool searchable_ = false;
    QByteArray bytes_;              // the search text in UTF-8 (exact search)
    std::vector<char32_t> chars_;   // its characters (search ignoring case)
    std::vector<char32_t> upper_;   // their upper-case forms
    qsizetype minBytes_ = 0;        // the fewest bytes a match can take
    Anchor anchor_;
};
