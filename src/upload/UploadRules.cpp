#include "upload/UploadRules.h"

#include <QRegularExpression>
#include <algorithm>

QString remoteFileName(const QString& entry)
{
    const qsizetype cut = std::max(entry.lastIndexOf(QLatin1Char('/')), entry.lastIndexOf(QLatin1Char('\\')));
    return entry.mid(cut + 1);
}

QStringList withHistoryEntry(QStringList history, const QString& text)
{
    if (!text.isEmpty())
        history.prepend(text);
    return history;
}

bool isSafeRemoteText(const QString& text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) && !text.contains(QChar(0));
}

std::optional<ServerAddress> parseServerAddress(const QString& text, QString* error)
{
    const auto fail = [error](const QString& why) -> std::optional<ServerAddress> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QString rest = text.trimmed();
    ServerAddress address;
    const qsizetype scheme = rest.indexOf(QLatin1String("://"));
    if (scheme >= 0) {
        const QString name = rest.left(scheme).toLower();
        if (name == QLatin1String("ftp"))
            address.protocol = UploadProtocol::Ftp;
        else if (name == QLatin1String("ftps"))
            address.protocol = UploadProtocol::Ftps;
        else if (name == QLatin1String("sftp"))
            address.protocol = UploadProtocol::Sftp;
        else
            return fail(QStringLiteral("Unknown protocol \"%1\": use ftp://, ftps:// or sftp://").arg(name));
        rest = rest.mid(scheme + 3);
        if (rest.endsWith(QLatin1Char('/')))
            rest.chop(1);
    }
    // A user name, a path or a query in the box would be sent somewhere the user did not see.
    static const QRegularExpression form(QStringLiteral(R"(^(?:\[([0-9A-Fa-f:.]+)\]|([A-Za-z0-9._-]+))(?::(\d{1,5}))?$)"));
    const QRegularExpressionMatch match = form.match(rest);
    if (rest.isEmpty())
        return fail(QStringLiteral("No FTP server given"));
    if (!match.hasMatch())
        return fail(QStringLiteral("\"%1\" is not a server name or address").arg(text.trimmed()));
    address.host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    if (match.hasCaptured(3)) {
        address.port = match.captured(3).toInt();
        if (address.port < 1 || address.port > 65535)
            return fail(QStringLiteral("Port %1 is out of range").arg(match.captured(3)));
    }
    return address;
}
