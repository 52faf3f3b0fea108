// The stored colours (tag, text and background colour in the settings file, which a user may
// edit) on any text: a colour read is one whose stored text is the number written, and every
// colour's stored text reads back as that colour. Input: the stored text.

#include "FuzzInput.h"

#include "document/ColorText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString text = fuzz::utf8({reinterpret_cast<const char*>(data), size});
    if (const std::optional<QColor> color = colorFromText(text)) {
        bool ok = false;
        const qlonglong value = text.trimmed().toLongLong(&ok);
        fuzz::check(ok && value >= 0 && value <= 0xFFFFFF, "colour: read from a number in range", text);
        fuzz::check(colorToText(*color) == QString::number(value), "colour: stored as read", colorToText(*color), text);
    }
    // The 0x00BBGGRR value taken from the input's first bytes.
    unsigned value = 0;
    for (size_t i = 0; i < std::min<size_t>(size, 3); ++i)
        value |= unsigned(data[i]) << (8 * i);
    const QColor color(int(value & 0xFF), int((value >> 8) & 0xFF), int(value >> 16));
    const std::optional<QColor> again = colorFromText(colorToText(color));
    fuzz::check(again && *again == color, "colour: written and read again", colorToText(color));
    return 0;
}
