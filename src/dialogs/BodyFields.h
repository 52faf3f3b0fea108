#pragma once
// What the body dialog inserts and where: the body start tag built from its fields, the colour
// text its colour button writes, and the part of a document the new tag replaces.

#include <QColor>
#include <QString>

struct BodyFields {
    QString background;        // BGCOLOR
    QString text;              // TEXT
    QString link;              // LINK
    QString vlink;             // VLINK
    QString alink;             // ALINK
    QString backgroundGraphic; // BACKGROUND
};

// "<BODY", each filled attribute quoted in a fixed order, ">".
QString bodyTag(const BodyFields& fields);

// A colour as HTML writes it: "#" and six upper-case hexadecimal digits, red, green, blue.
QString htmlColorText(const QColor& color);

struct TextRange {
    int start = 0;
    int length = 0;
    bool operator==(const TextRange&) const = default;
};

// The part of text that a new body tag replaces, given the selection: the first "<body" (any
// letter case) inside the selection, or in the whole text when nothing is selected, through the
// next ">" after it. Without a ">" the range is empty at the match, so the new tag goes just
// before the old one. Without a match it is the selection itself.
TextRange bodyTagRange(const QString& text, int selStart, int selLength);
