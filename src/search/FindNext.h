#pragma once
// The application-wide search state and FindNext, which selects the next occurrence of the
// search text in the active document; also the editor's own find operation and the linear
// form of the Replace All loop built on it, for the Replace dialog.

#include <QString>
#include <optional>

class DocumentEditor;
class Prompter;
class QWidget;

struct SearchState {
    QString text;                  // the text to look for
    int matchCase = 0;             // 1: compare exactly; 0: compare upper-cased forms
    int direction = 0;             // 1: Down; 0: Up
    std::optional<int> lastFound;  // where the selection started after the previous search
};

// Searches the editor's text (an empty text without an editor) from its caret with the state,
// selects the match or says "Cannot find "..."", and remembers where the selection starts.
void FindNext(SearchState& state, DocumentEditor* editor, Prompter& prompter, QWidget* parent);

// The editor's find operation: the first occurrence of text starting at character index start
// or later, ignoring case, selected; its index, or -1 (also without an editor or text). A
// negative start searches from the beginning.
int findInEditor(DocumentEditor* editor, const QString& text, int start);

// What the Replace loop does from start until the find operation fails (each search starting
// right after the text just inserted), done in one pass and one undo step: every occurrence,
// ignoring case, replaced by replacement in the format text inserted there takes, the text
// between them keeping its own. The caret ends after the last replacement (the selection stays
// as it was when there is none). Returns how many were replaced.
qsizetype replaceAllInEditor(DocumentEditor& editor, const QString& text, const QString& replacement, int start);
