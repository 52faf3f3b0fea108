#pragma once
// What the horizontal rule and font dialogs insert: the rule tag, the font start tag, the
// entries of their lists, and how a chosen face joins the face list.

#include <QString>
#include <QStringList>

struct RuleFields {
    QString width;         // WIDTH
    bool percent = false;  // the width is a percentage
    QString thickness;     // SIZE
    QString align;         // ALIGN
    bool noShade = false;  // NOSHADE
};

// "<HR", each filled attribute unquoted in a fixed order, ">".
QString ruleTag(const RuleFields& fields);

// An empty entry, then the thicknesses 1 to 99.
QStringList ruleThicknessEntries();
// The alignments, then an empty entry to take the choice back.
QStringList ruleAlignEntries();

struct FontFields {
    QString size;  // SIZE
    QString color; // COLOR
    QString face;  // FACE, a comma-separated list of font names
};

// "<FONT", size and colour unquoted, the face list quoted, ">".
QString fontStartTag(const FontFields& fields);
inline QString fontEndTag() { return QStringLiteral("</FONT>"); }

// The font sizes HTML knows, 1 to 7.
QStringList fontSizeEntries();

// The face list with one more name: the name alone when the list is empty, else the list,
// a comma and the name (no space).
QString faceListWith(const QString& faces, const QString& name);
