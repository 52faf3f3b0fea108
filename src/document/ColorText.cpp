#include "document/ColorText.h"

std::optional<QColor> colorFromText(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QString colorToText(const QColor& color)
{
    return QString::number(color.red() | (color.green() << 8) | (color.blue() << 16));
}
