#pragma once
// The reference from a document to a chosen file, and the separator swap of the Forward
// Slashes box: plain text in, plain text out.

#include <QString>

// Replaces every occurrence of search in text by replacement.
void ReplaceChar(QString& text, QChar search, QChar replacement);

struct RelativeReference {
    QString text;
    bool rootMissing = false; // a path had no drive or leading "/" to drop (never-saved document)
};

// The reference from the folder of documentPath to filePath, in lower case with "\" separators
// for Windows-form paths; POSIX paths keep their letter case.
RelativeReference relativeReference(const QString& documentPath, const QString& filePath);
