#pragma once
// The colouring pass as the user meets it: the editor disabled and left unpainted, the wait
// cursor and the status bar's words while it runs, then the caret after the first character.

#include <QString>

class DocumentEditor;
class QStatusBar;

// tagColor is the stored colour text; one that cannot be read colours nothing.
void runColorPass(DocumentEditor* editor, const QString& tagColor, QStatusBar* status);
