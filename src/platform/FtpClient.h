#pragma once
// An asynchronous FTP, FTPS or SFTP client: each request returns at once, runs on the event
// loop and ends with finished(). One request at a time.

#include "platform/FtpAddress.h"

#include <QObject>
#include <QString>

class FtpClient : public QObject {
    Q_OBJECT
public:
    enum class Connection { Closed, Connecting, Connected };
    enum class Protocol { None, AwaitingLogin, LoggedIn };

    using QObject::QObject;

    // Connects to the server and logs in.
    virtual void open(const ServerAddress& server, const QString& user, const QString& password) = 0;
    // Makes folder (relative to the log-in folder unless it begins with "/") the one files go to;
    // fails when the server has no such folder.
    virtual void changeDirectory(const QString& folder) = 0;
    // Sends the local file under remoteName into the current folder. The old remote file is
    // replaced only once the new one is complete.
    virtual void sendFile(const QString& localPath, const QString& remoteName) = 0;
    // Ends the connection, abandoning any request under way. finished() is not sent for it.
    virtual void quit() = 0;

    virtual Connection connectionState() const = 0;
    virtual Protocol protocolState() const = 0;
    virtual bool isBusy() const = 0;
    // The server's latest reply, or the latest thing the client itself reports.
    virtual QString latestReply() const = 0;

signals:
    // Each reply of the server, and what the client reports itself (never a password).
    void replyReceived(const QString& line);
    // Bytes of the file being sent so far, of total.
    void progress(qint64 sent, qint64 total);
    // The request under way is over; error says why it failed (empty on success).
    void finished(bool ok, const QString& error);
};
