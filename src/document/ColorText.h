#pragma once
// Colours are kept as the decimal text of a 0x00BBGGRR value, as they are stored.

#include <QColor>
#include <QString>
#include <optional>

// The colour a text names, or nothing when the text is empty, not a number or out of range.
std::optional<QColor> colorFromText(const QString& text);
// The stored text of a colour.
QString colorToText(const QColor& color);
