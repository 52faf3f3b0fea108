#pragma once
// The one routine through which commands put HTML into a document: wraps the selection in
// an opening and a closing text, tags in the tag colour, the user's text in the text colour.

#include <QString>

class DocumentEditor;

struct InsertOptions {
    bool lowerCase = false;    // Lower Case Tags
    bool centerCursor = true;  // leave the caret before the closing text
    QString tagColor;          // decimal 0x00BBGGRR text; empty or invalid: no colour step
    QString textColor;
};

// Does nothing without an editor. One insertion is one undo step.
void InsertText(DocumentEditor* editor, const InsertOptions& options, QString opening, QString closing);
