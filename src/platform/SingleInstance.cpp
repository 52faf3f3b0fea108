#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

QString SingleInstance::serverNameFor(const QString& key)
{
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("scrivant-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), name_(serverNameFor(key))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QStringList& files, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    // One name per line; a name cannot hold a NUL, so NUL ends the message.
    QByteArray message;
    for (const QString& f : files)
        message += f.toUtf8() + '\n';
    message += '\0';
    socket.write(message);
    socket.waitForBytesWritten(timeoutMs);
    // Wait for the first instance to confirm, so that a dying server is not taken as alive.
    if (!socket.waitForReadyRead(timeoutMs))
        return false;
    return socket.readAll().startsWith("ok");
}

bool SingleInstance::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // A socket left behind by a crashed instance: nobody answered handOver, so take it.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_))
            return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    return true;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            const qsizetype end = buffer->indexOf('\0');
            if (end < 0)
                return;
            QStringList files;
            for (const QByteArray& line : buffer->left(end).split('\n'))
                if (!line.isEmpty())
                    files << QString::fromUtf8(line);
            socket->write("ok");
            socket->flush();
            buffer->clear();
            Q_EMIT filesReceived(files);
        });
    }
}
