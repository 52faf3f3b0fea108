#include "platform/FtpAddress.h"

#include <QStringList>
#include <QUrl>

QString remotePath(UploadProtocol protocol, const QString& folder, const QString& name)
{
    QString path = folder.startsWith(QLatin1Char('/')) ? QStringLiteral("/")
                   : protocol == UploadProtocol::Sftp ? QStringLiteral("/~/")
                                                      : QString();
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        path += part + QLatin1Char('/');
    return path + name;
}

QString remoteUrl(const ServerAddress& server, const QString& folder, const QString& name)
{
    QString url = server.protocol == UploadProtocol::Sftp ? QStringLiteral("sftp://") : QStringLiteral("ftp://");
    url += server.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + server.host + QLatin1Char(']') : server.host;
    if (server.port)
        url += QLatin1Char(':') + QString::number(server.port);
    const QString path = remotePath(server.protocol, folder, name);
    QStringList parts = path.split(QLatin1Char('/'));
    for (QString& part : parts)
        part = QString::fromLatin1(QUrl::toPercentEncoding(part, "~"));
    const QString encoded = parts.join(QLatin1Char('/'));
    if (server.protocol == UploadProtocol::Sftp)
        return url + encoded;
    // An FTP address's path is relative to the log-in folder: "%2F" makes it absolute.
    return url + (path.startsWith(QLatin1Char('/')) ? QStringLiteral("/%2F") : QStringLiteral("/")) + encoded;
}

QString temporaryRemoteName(const QString& name)
{
    return QLatin1Char('.') + name + QStringLiteral(".upload");
}
