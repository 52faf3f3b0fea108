#include "search/FindNext.h"

#include "document/DocumentEditor.h"
#include "platform/Prompter.h"
#include "search/TextSearch.h"

#include <vector>

namespace {

std::string_view documentBytes(const DocumentEditor& editor)
{
    const long length = editor.byteLength();
    return length > 0 ? std::string_view(editor.characterPointer(), size_t(length)) : std::string_view();
}

// The first match starting at character `from` or later. A character position inside a
// surrogate pair maps to a byte on either side of its character: the check makes it exact.
std::optional<TextMatch> firstFrom(const DocumentEditor& editor, const TextSearch& search, std::string_view bytes,
                                   int from, int* at)
{
    qsizetype byte = editor.toBytePosition(from);
    while (const std::optional<TextMatch> match = search.findForward(bytes, byte)) {
        *at = editor.toCharPosition(match->start);
        if (*at >= from)
            return match;
        byte = match->start + 1;
    }
    return std::nullopt;
}

// The last match starting at character `upTo` or earlier.
std::optional<int> lastUpTo(const DocumentEditor& editor, const TextSearch& search, std::string_view bytes, int upTo)
{
    if (upTo < 0)
        return std::nullopt;
    qsizetype byte = editor.toBytePosition(upTo);
    while (const std::optional<TextMatch> match = search.findBackward(bytes, byte)) {
        const int at = editor.toCharPosition(match->start);
        if (at <= upTo)
            return at;
        byte = match->start - 1;
    }
    return std::nullopt;
}

} // namespace

void FindNext(SearchState& state, DocumentEditor* editor, Prompter& prompter, QWidget* parent)
{
    const int caret = editor ? editor->selStart() : 0;
    const int pos = caret + (state.lastFound && *state.lastFound == caret ? 1 : 0);
    std::optional<int> found;
    if (editor) {
        const TextSearch search(state.text, state.matchCase != 0);
        const std::string_view bytes = documentBytes(*editor);
        if (state.direction == 1) {
            int at = 0;
            if (firstFrom(*editor, search, bytes, pos, &at))
                found = at;
        } else {
            // The 1-based positions pos - 1 down to 1: 0-based starts at pos - 2 or earlier.
            found = lastUpTo(*editor, search, bytes, pos - 2);
        }
    }
    if (found) {
        editor->setSelection(*found, int(state.text.size()));
    } else {
        prompter.message(parent, MessageRequest{kShortTitle,
                                                QStringLiteral("Cannot find \"") + state.text + QLatin1Char('"'),
                                                PromptIcon::None, PromptButtons::Ok});
    }
    if (editor)
        state.lastFound = editor->selStart();
}

int findInEditor(DocumentEditor* editor, const QString& text, int start)
{
    if (!editor)
        return -1;
    const TextSearch search(text, false);
    int at = -1;
    if (!firstFrom(*editor, search, documentBytes(*editor), std::max(start, 0), &at))
        return -1;
    editor->setSelection(at, int(text.size()));
    return at;
}

qsizetype replaceAllInEditor(DocumentEditor& editor, const QString& text, const QString& replacement, int start)
{
    // Each search of the loop starts right after the text it just inserted, which is where the
    // occurrence it replaced ended in the text as it was: so the occurrences are those of one
    // pass over the text before the first replacement, each search going on from the end of
    // the previous occurrence.
    const TextSearch search(text, false);
    const std::string_view bytes = documentBytes(editor);
    std::vector<ByteRange> ranges;
    int at = 0;
    for (std::optional<TextMatch> match = firstFrom(editor, search, bytes, std::max(start, 0), &at); match;
         match = search.findForward(bytes, match->start + match->length))
        ranges.push_back({long(match->start), long(match->start + match->length)});
    if (ranges.empty())
        return 0;

    // The first find selects its occurrence, as the loop's would.
    editor.setSelection(at, int(text.size()));
    editor.beginUndoStep();
    const long caret = editor.replaceByteRanges(ranges, replacement.toUtf8());
    editor.endUndoStep();
    editor.setSelection(editor.toCharPosition(caret), 0);
    return qsizetype(ranges.size());
}
