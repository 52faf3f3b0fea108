#include "document/TagColoring.h"

#include "document/DocumentEditor.h"

#include <array>
#include <cstring>

namespace {
// Styles are written back in slices of this many bytes, with a yield between slices.
constexpr long kSlice = 1 << 20;
} // namespace

void colorTagRuns(DocumentEditor* editor, const QColor& tagColor, const std::function<void()>& yield)
{
    const long length = editor->byteLength();
    QByteArray styles = editor->styleBytes(0, length);
    // Each style maps to the same format in the tag colour; found once per style.
    std::array<int, 256> recoloured;
    recoloured.fill(-1);
    char* out = styles.data();
    const auto recolour = [&](int style) {
        int& target = recoloured[size_t(style)];
        if (target < 0) {
            CharFormat format = editor->styleFormat(style);
            format.color = tagColor;
            target = editor->styleFor(format);
        }
        return char(target);
    };
    {
        // The pointer stays valid: nothing changes the text during the scan.
        const char* data = editor->characterPointer();
        forEachTagRun(data, length, [&](qsizetype p, qsizetype q) {
            for (qsizetype k = p; k <= q; ++k)
                out[k] = recolour(static_cast<unsigned char>(out[k]));
        });
    }
    for (long start = 0; start < length; start += kSlice) {
        editor->setStyleBytes(start, out + start, std::min(kSlice, length - start));
        if (yield)
            yield();
    }
}
