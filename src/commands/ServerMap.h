#pragma once
// Turns a server-side image map file (one area per line: shape, URL, coordinates, separated
// by blanks) into a client-side MAP element.

#include <QString>

struct ServerMapAreas {
    QString areas;   // one AREA line per area, each followed by the line break
    int badLine = 0; // the first line that is no area (counted from 1); 0 when every line was read
};

// Lines holding "#" or "default " are skipped, and so are blank ones. The shape is what comes
// before the first blank, the URL what lies between it and the next blank, the coordinates the
// rest; each trimmed. Only " SHAPE=" and the shape are upper-cased.
ServerMapAreas readServerMap(const QString& text, const QString& lineBreak);

// The MAP element around the areas; no line break follows "</MAP>".
QString mapElement(const QString& name, const QString& areas, const QString& lineBreak);
