#include "commands/ServerMap.h"

#include <QStringView>

namespace {

// Appends the AREA line for one line of the file; false when the line has fewer than two blanks.
bool appendArea(QStringView line, const QString& lineBreak, QString& areas)
{
    const qsizetype p1 = line.indexOf(QLatin1Char(' '));
    const qsizetype p2 = p1 < 0 ? -1 : line.indexOf(QLatin1Char(' '), p1 + 1);
    if (p2 < 0)
        return false;
    const QString shape = line.left(p1).trimmed().toString();
    const QString url = line.mid(p1, p2 - p1).trimmed().toString();
    const QString coordinates = line.mid(p2).trimmed().toString();
    areas += QLatin1String("<AREA");
    areas += (QLatin1String(" SHAPE=\"") + shape + QLatin1Char('"')).toUpper();
    areas += QLatin1String(" COORDS=\"") + coordinates + QLatin1String("\" HREF=\"") + url + QLatin1String("\">");
    areas += lineBreak;
    return true;
}

} // namespace

ServerMapAreas readServerMap(const QString& text, const QString& lineBreak)
{
    ServerMapAreas result;
    const QStringView all(text);
    qsizetype start = 0;
    int number = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != QLatin1Char('\n') && all[end] != QLatin1Char('\r'))
            ++end;
        const QStringView line = all.mid(start, end - start);
        ++number;
        // CR LF ends one line, not two.
        start = end + (end + 1 < all.size() && all[end] == QLatin1Char('\r') && all[end + 1] == QLatin1Char('\n') ? 2 : 1);
        if (line.contains(QLatin1Char('#')) || line.contains(QLatin1String("default ")) || line.trimmed().isEmpty())
            continue;
        if (!appendArea(line, lineBreak, result.areas)) {
            result.areas.clear();
            result.badLine = number;
            return result;
        }
    }
    return result;
}

QString mapElement(const QString& name, const QString& areas, const QString& lineBreak)
{
    return QLatin1String("<MAP NAME=\"") + name + QLatin1String("\">") + lineBreak + areas + QLatin1String("</MAP>");
}
