#include "search/FindNext.h"

#include "document/DocumentEditor.h"
#include "platform/Prompter.h"
#include "search/MatchPositions.h"

#include <vector>

void FindNext(SearchState& state, DocumentEditor* editor, Prompter& prompter, QWidget* parent)
{
    const std::optional<int> found =
        editor ? findNextPosition(*editor, state, editor->textView(), editor->selStart()) : std::nullopt;
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
    if (!firstMatchFrom(*editor, search, editor->textView(), std::max(start, 0), &at))
        return -1;
    editor->setSelection(at, int(text.size()));
    return at;
}

qsizetype replaceAllInEditor(DocumentEditor& editor, const QString& text, const QString& replacement, int start)
{
    const TextSearch search(text, false);
    int at = 0;
    const std::vector<ByteRange> ranges = replaceLoopRanges(editor, search, editor.textView(), start, &at);
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
