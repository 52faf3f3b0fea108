#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>
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
    // The count on a line of its own, then each name ended by a NUL: a file name may hold a
    // line break but never a NUL.
    QByteArray message = QByteArray::number(files.size()) + '\n';
    for (const QString& f : files)
        message += f.toUtf8() + '\0';
    socket.write(message);
    socket.waitForBytesWritten(timeoutMs);
    // Wait for the first instance to confirm, so that a dying server is not taken as alive.
    if (!socket.waitForReadyRead(timeoutMs))
        return false;
    return socket.readAll().startsWith("ok");
}

SingleInstance::Listen SingleInstance::listen()
{
    // A live instance accepts a connection even while too busy to answer a hand-over. Its
    // socket must not be taken from it, and listening would silently replace it.
    {
        QLocalSocket probe;
        probe.connectToServer(name_);
        if (probe.waitForConnected(500))
            return Listen::Taken;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // A socket left behind by a crashed instance: nobody answers on it, so take it.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_))
            return Listen::Failed;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    return Listen::Listening;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            const qsizetype header = buffer->indexOf('\n');
            if (header < 0)
                return;
            bool ok = false;
            const qsizetype count = buffer->left(header).toLongLong(&ok);
            if (!ok || count < 0) {
                socket->abort(); // not one of ours
                return;
            }
            QStringList files;
            qsizetype from = header + 1;
            while (files.size() < count) {
                const qsizetype end = buffer->indexOf('\0', from);
                if (end < 0)
                    return; // the rest is still on its way
                files << QString::fromUtf8(buffer->mid(from, end - from));
                from = end + 1;
            }
            socket->write("ok");
            socket->flush();
            buffer->clear();
            Q_EMIT filesReceived(files);
        });
    }
}
