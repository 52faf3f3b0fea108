#include "document/TagColoring.h"

#include "document/DocumentEditor.h"

#include <algorithm>
#include <array>
#include <vector>
#include <cstring>

namespace {
// Styles are written back in slices of this many bytes, with a yield between slices.
constexpr long kSlice = 1 << 20;
} // namespace

void colorTagRuns(DocumentEditor* editor, const QColor& tagColor, const std::function<void()>& yield)
{
    const long length = editor->byteLength();
    // A yield may load another text (a file reloaded meanwhile): the pass then ends, as what
    // it found belongs to the old one.
    const quint64 loaded = editor->loadCount();
    const auto yieldAndGoOn = [&] {
        if (yield)
            yield();
        return editor->loadCount() == loaded;
    };
    // Each style maps to the same format in the tag colour; found once per style.
    std::array<int, 256> recoloured;
    recoloured.fill(-1);
    const auto recolour = [&](int style) {
        int& target = recoloured[size_t(style)];
        if (target < 0) {
            CharFormat format = editor->styleFormat(style);
            format.color = tagColor;
            target = editor->styleFor(format);
        }
        return char(target);
    };
    // A freshly loaded text has one style throughout: then the old styles need not be read,
    // which is most of the cost.
    if (const std::optional<int> uniform = editor->uniformStyle()) {
        writeTagStyleSlices(editor->characterPointer(), length, char(*uniform), recolour(*uniform), kSlice,
                            [&](qsizetype start, const char* styles, qsizetype count) {
                                editor->setStyleBytes(long(start), styles, long(count));
                                // Nothing follows the last slice.
                                return start + count == length || yieldAndGoOn();
                            });
        return;
    }
    QByteArray styles = editor->styleBytes(0, length);
    char* out = styles.data();
    forEachTagRun(editor->characterPointer(), length, [&](qsizetype p, qsizetype q) {
        for (qsizetype k = p; k <= q; ++k)
            out[k] = recolour(static_cast<unsigned char>(out[k]));
    });
    for (long start = 0; start < length; start += kSlice) {
        editor->setStyleBytes(start, styles.constData() + start, std::min(kSlice, length - start));
        if (!yieldAndGoOn())
            return;
    }
}
