#pragma once
// Shared by the fuzz targets: taking an input apart into readable fields, and stopping on a
// difference from the reference so that libFuzzer keeps the input.

#include <QList>
#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace fuzz {

// The input as count fields: each but the last ends at a line feed, the last takes the rest;
// missing fields are empty. Seeds stay plain text files.
inline std::vector<std::string_view> fields(const std::uint8_t* data, size_t size, size_t count)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> out;
    while (out.size() + 1 < count) {
        const size_t end = rest.find('\n');
        out.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    out.push_back(rest);
    return out;
}

// A line of options: letters that switch something on, and numbers separated by anything else.
class Options {
public:
    explicit Options(std::string_view line) : line_(line)
    {
        bool inNumber = false;
        for (char c : line) {
            if (c >= '0' && c <= '9') {
                if (!inNumber)
                    numbers_.push_back(0);
                // Bounded, so that arithmetic on it cannot overflow.
                numbers_.back() = (numbers_.back() * 10 + (c - '0')) % 1000000007;
                inNumber = true;
            } else {
                inNumber = false;
            }
        }
    }
    bool has(char letter) const { return line_.find(letter) != std::string_view::npos; }
    long long number(size_t index) const { return index < numbers_.size() ? numbers_[index] : 0; }

private:
    std::string_view line_;
    std::vector<long long> numbers_;
};

// A leading U+FEFF stays a character, as in the editor.
inline QString utf8(std::string_view bytes)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// Code units taken two bytes at a time, so that any UTF-16 text, lone surrogates included, can come in.
inline QString utf16(std::string_view bytes)
{
    QString out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        out += QChar(char16_t(std::uint8_t(bytes[i]) | std::uint8_t(bytes[i + 1]) << 8));
    return out;
}

// Printable ASCII as it is, every other code unit as \uXXXX.
inline QString escaped(const QString& text)
{
    QString out;
    for (QChar c : text)
        out += c.unicode() >= 0x20 && c.unicode() < 0x7F ? QString(c)
                                                          : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return out;
}

[[noreturn]] inline void differs(const char* what, const QString& got = {}, const QString& expected = {})
{
    std::fprintf(stderr, "DIFFERENCE: %s\n  got:      %s\n  expected: %s\n", what, qPrintable(escaped(got)),
                 qPrintable(escaped(expected)));
    std::abort();
}

inline void check(bool ok, const char* what, const QString& got = {}, const QString& expected = {})
{
    if (!ok)
        differs(what, got, expected);
}

} // namespace fuzz
