// The server map reader on any text (decoded as the program decodes the file), with each of
// the three line breaks, against the reader as written: line by line, skip comments, "default "
// and blank lines, cut at the first two blanks. Input: a first line choosing the line break
// ("r" CR, "n" LF, else CR LF), then the file.

#include "FuzzInput.h"

#include "commands/ServerMap.h"

#include <QRegularExpression>

namespace {

ServerMapAreas reference(const QString& text, const QString& lineBreak)
{
    ServerMapAreas out;
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(kLineEnd);
    for (int number = 1; number <= lines.size(); ++number) {
        const QString& line = lines[number - 1];
        if (line.contains(QLatin1Char('#')) || line.contains(QLatin1String("default ")) || line.trimmed().isEmpty())
            continue;
        const qsizetype p1 = line.indexOf(QLatin1Char(' '));
        const qsizetype p2 = p1 < 0 ? -1 : line.indexOf(QLatin1Char(' '), p1 + 1);
        if (p2 < 0) {
            out.areas.clear();
            out.badLine = number;
            return out;
        }
        const QString shape = line.left(p1).trimmed();
        const QString url = line.mid(p1, p2 - p1).trimmed();
        const QString coordinates = line.mid(p2).trimmed();
        out.areas += QStringLiteral("<AREA") + (QStringLiteral(" SHAPE=\"") + shape + QStringLiteral("\"")).toUpper()
                     + QStringLiteral(" COORDS=\"") + coordinates + QStringLiteral("\" HREF=\"") + url
                     + QStringLiteral("\">") + lineBreak;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto f = fuzz::fields(data, size, 2);
    const fuzz::Options options(f[0]);
    const QString lineBreak = options.has('r')   ? QStringLiteral("\r")
                              : options.has('n') ? QStringLiteral("\n")
                                                 : QStringLiteral("\r\n");
    const QString text = fuzz::utf8(f[1]);
    const ServerMapAreas got = readServerMap(text, lineBreak);
    const ServerMapAreas expected = reference(text, lineBreak);
    fuzz::check(got.badLine == expected.badLine, "server map: bad line", QString::number(got.badLine),
                QString::number(expected.badLine));
    fuzz::check(got.areas == expected.areas, "server map: areas", got.areas, expected.areas);
    // What Insert Image Map then inserts.
    const QString element = mapElement(QStringLiteral("m"), got.areas, lineBreak);
    fuzz::check(element.endsWith(QLatin1String("</MAP>")), "server map: element");
    return 0;
}
