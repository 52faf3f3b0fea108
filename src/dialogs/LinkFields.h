#pragma once
// What the link dialog inserts, as a function of its fields alone.

#include <QString>

struct LinkFields {
    QString protocol; // put in front of the address as it is
    QString url;
    QString anchor;   // a fragment name, written after "#"
    QString target;   // a window or frame name
};

// The anchor start tag: HREF always (empty when nothing is filled in), TARGET only when named.
// Values go in exactly as typed.
QString linkOpeningText(const LinkFields& fields);
// The anchor end tag.
QString linkClosingText();
