#pragma once
// Commands that rewrite text already in a document: the two routines built on the replace
// loop (TextScans.h), Add Breaks, Add List Tags, Remove Tags and the line-ending conversions.
// Whole-document work is linear in the text's size and is one undo step.

#include "document/DocumentEditor.h"
#include "document/TextScans.h"

#include <QByteArray>
#include <QString>

class Prompter;
class QWidget;

// What the routines work on: the active document's editor (none without a document), the
// text colour that replaced text takes, and where their messages go.
struct TransformTarget {
    DocumentEditor* editor;
    QString textColor;
    Prompter& prompter;
    QWidget* parent;
};

// Replaces the selection by text with find replaced, in the text colour, then says "Finished!".
// Returns false when the text could not be replaced (no document, not enough memory).
bool ReplaceInSelection(const TransformTarget& target, const QString& text, const QString& find,
                        const QString& replacement);
// The same for the whole document, its text given and replaced as the editor's UTF-8 bytes;
// when anything was replaced, earlier colouring is lost.
bool ReplaceInDocument(const TransformTarget& target, const QByteArray& text, const QByteArray& find,
                       const QByteArray& replacement);

// Add Breaks: "<BR>" before every line break of the selection.
void addBreaks(const TransformTarget& target, const QByteArray& lineBreak);
// Add List Tags: "<LI>" after every line break of the selection.
void addListTags(const TransformTarget& target, const QByteArray& lineBreak);

// Asks first; deletes the tags of the selection, or of the whole text without one.
void removeTags(const TransformTarget& target);

// The four line-ending conversions: what each replaces, the document's line break afterwards,
// and whether the tags are coloured again.
enum class LineEndingConversion { FromMac, ToMac, FromUnix, ToUnix };
struct ConversionRule {
    QString find;
    QString replacement;
    QByteArray lineBreakAfter;
    bool colourTagsAfter;
};
ConversionRule conversionRule(LineEndingConversion conversion);
// Runs the conversion on the target's whole text; true when the text was converted.
bool convertLineEndings(const TransformTarget& target, LineEndingConversion conversion);
