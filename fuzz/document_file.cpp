// The document reader on any bytes: the encoding it detects, the first line break, and that
// saving what it read gives back every byte (with the line break Save appends).

#include "FuzzInput.h"

#include "document/DocumentFile.h"

namespace {

// UTF-8 as its table defines it: no overlong forms, no surrogates, nothing past U+10FFFF.
bool validUtf8(std::string_view s)
{
    for (size_t i = 0; i < s.size();) {
        const auto b = std::uint8_t(s[i]);
        int length = 0;
        std::uint8_t low = 0x80, high = 0xBF;
        if (b < 0x80) {
            length = 1;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + size_t(length) > s.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto c = std::uint8_t(s[i + size_t(k)]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        i += size_t(length);
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const QByteArray bytes(raw.data(), qsizetype(raw.size()));
    const DocumentContent content = documentContent(bytes);

    const size_t end = raw.find_first_of("\r\n");
    const QByteArray lineBreak = end == std::string_view::npos ? QByteArray("\n")
                                 : raw[end] == '\n'            ? QByteArray("\n")
                                 : raw.substr(end, 2) == "\r\n" ? QByteArray("\r\n")
                                                                : QByteArray("\r");
    fuzz::check(content.lineBreak == lineBreak, "document: line break");
    fuzz::check(content.hasNul == (raw.find('\0') != std::string_view::npos), "document: NUL");
    const bool utf8 = validUtf8(raw);
    fuzz::check((content.encoding == TextEncoding::Utf8) == utf8, "document: encoding");
    fuzz::check(validUtf8({content.utf8.constData(), size_t(content.utf8.size())}), "document: the editor gets UTF-8");

    // Open, then Save unchanged.
    TextEncoding written = TextEncoding::Utf8;
    const QByteArray saved = bytesForSave(content.utf8, content.encoding, content.lineBreak, &written);
    const bool appends = !bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r');
    fuzz::check(saved == bytes + (appends ? content.lineBreak : QByteArray()), "document: every byte survives a save");
    fuzz::check(written == content.encoding, "document: saved in the encoding read");

    // Whatever the editor holds in a Latin-1 document: written in Latin-1 only when every
    // character fits, and then character for character.
    if (utf8) {
        const QByteArray latin1 = bytesForSave(bytes, TextEncoding::Latin1, "\n", &written);
        const QByteArray core = appends ? latin1.chopped(1) : latin1;
        if (written == TextEncoding::Latin1)
            fuzz::check(QString::fromLatin1(core).toUtf8() == bytes, "document: Latin-1 save keeps every character");
        else
            fuzz::check(core == bytes, "document: a text beyond Latin-1 is saved as it is");
    }
    return 0;
}
