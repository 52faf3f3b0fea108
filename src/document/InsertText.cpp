#include "document/InsertText.h"

#include "document/DocumentEditor.h"

void InsertText(DocumentEditor* editor, const InsertOptions& options, QString opening, QString closing)
{
    if (!editor)
        return;
    if (options.lowerCase) {
        opening = opening.toLower();
        closing = closing.toLower();
    }
    const QString selected = editor->selText();
    editor->setFocus();
    editor->beginUndoStep();
    // The selection is about to be replaced, so only the insertion colour matters here.
    editor->setInsertionColor(options.tagColor);
    editor->replaceSelection(opening);
    editor->setInsertionColor(options.textColor);
    editor->replaceSelection(selected);
    editor->setInsertionColor(options.tagColor);
    editor->replaceSelection(closing);
    editor->setInsertionColor(options.textColor);
    if (options.centerCursor) {
        editor->setSelStart(editor->selStart() - int(closing.size()));
        editor->setInsertionColor(options.textColor);
    }
    editor->endUndoStep();
}
