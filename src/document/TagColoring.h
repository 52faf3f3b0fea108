#pragma once
// The colouring pass: every run from a "<" to the next ">" takes the tag colour.

#include <QColor>
#include <QString>
#include <algorithm>
#include <cstring>
#include <functional>
#include <type_traits>
#include <vector>

class DocumentEditor;

// Calls visit(start, end) for each run [start, end] from a "<" to the next ">", both included,
// in order. The search for the next "<" starts at the ">" just found; a "<" with no ">" after
// it ends the scan, and so does a visit that returns false.
template <typename Visit> void forEachTagRun(const char* data, qsizetype size, Visit visit)
{
    qsizetype i = 0;
    while (i < size) {
        const void* open = memchr(data + i, '<', size_t(size - i));
        if (!open)
            return;
        const qsizetype p = static_cast<const char*>(open) - data;
        const void* close = memchr(data + p, '>', size_t(size - p));
        if (!close)
            return;
        const qsizetype q = static_cast<const char*>(close) - data;
        if constexpr (std::is_same_v<std::invoke_result_t<Visit&, qsizetype, qsizetype>, bool>) {
            if (!visit(p, q))
                return;
        } else {
            visit(p, q);
        }
        i = q;
    }
}

// The styles of a text whose characters all have the style plain, once its tag runs take
// tagStyle: handed to write(start, styles, length) slice by slice, in order, each slice
// sliceSize bytes but the last. One slice-sized buffer serves the whole text. A write that
// returns false ends the work: data is not read after it.
template <typename Write>
void writeTagStyleSlices(const char* data, qsizetype size, char plain, char tagStyle, qsizetype sliceSize, Write write)
{
    std::vector<char> slice(size_t(std::min(sliceSize, size)), plain);
    qsizetype sliceStart = 0;
    const auto writeSlicesBefore = [&](qsizetype position) {
        while (position >= sliceStart + sliceSize) {
            if (!write(sliceStart, slice.data(), sliceSize))
                return false;
            std::fill(slice.begin(), slice.end(), plain);
            sliceStart += sliceSize;
        }
        return true;
    };
    bool goOn = true;
    forEachTagRun(data, size, [&](qsizetype p, qsizetype q) {
        for (qsizetype from = p; from <= q;) {
            if (!(goOn = writeSlicesBefore(from)))
                return false;
            const qsizetype upto = std::min(q, sliceStart + sliceSize - 1);
            memset(slice.data() + (from - sliceStart), tagStyle, size_t(upto - from + 1));
            from = upto + 1;
        }
        return true;
    });
    if (goOn && writeSlicesBefore(size))
        write(sliceStart, slice.data(), size - sliceStart);
}

// Colours every tag run of the editor's text, keeping each character's other attributes.
// Between slices of the work, yield runs so that the window keeps repainting.
void colorTagRuns(DocumentEditor* editor, const QColor& tagColor, const std::function<void()>& yield = {});
