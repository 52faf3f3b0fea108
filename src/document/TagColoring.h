#pragma once
// The colouring pass: every run from a "<" to the next ">" takes the tag colour.

#include <QColor>
#include <QString>
#include <cstring>
#include <functional>

class DocumentEditor;

// Calls visit(start, end) for each run [start, end] from a "<" to the next ">", both included,
// in order. The search for the next "<" starts at the ">" just found; a "<" with no ">" after
// it ends the scan.
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
        visit(p, q);
        i = q;
    }
}

// Colours every tag run of the editor's text, keeping each character's other attributes.
// Between slices of the work, yield runs so that the window keeps repainting.
void colorTagRuns(DocumentEditor* editor, const QColor& tagColor, const std::function<void()>& yield = {});
