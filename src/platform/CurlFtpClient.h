#pragma once
// The FTP client over libcurl's multi interface. curl runs on a thread of its own with an event
// loop, driven as a select() loop would drive it (socket notifiers for the sockets it waits
// on, a timer for its deadlines); it only posts what happens to this object, which lives with
// the window. Nothing it does can hold up the window.

#include "platform/FtpClient.h"

#include <QThread>
#include <memory>

class CurlEngine;

struct FtpTimeouts {
    int connectSeconds = 15; // to reach the server and finish its handshake and log-in
    int replySeconds = 15;   // for each reply of an FTP server
    int stallSeconds = 15;   // with no byte moving during a transfer
};

// What SFTP needs besides the password: the user's key pair, if any, and the known host keys.
struct SshFiles {
    QString privateKey; // empty: password log-in only
    QString publicKey;
    QString knownHosts;
    // The first of ~/.ssh/id_ed25519, id_ecdsa, id_rsa that exists, and ~/.ssh/known_hosts.
    static SshFiles fromHome();
};

struct CurlFtpOptions {
    FtpTimeouts timeouts;
    SshFiles ssh = SshFiles::fromHome();
    QString caFile; // certificates FTPS servers are checked against; empty: the system's
};

class CurlFtpClient : public FtpClient {
    Q_OBJECT
public:
    explicit CurlFtpClient(CurlFtpOptions options = {}, QObject* parent = nullptr);
    ~CurlFtpClient() override;

    void open(const ServerAddress& server, const QString& user, const QString& password) override;
    void changeDirectory(const QString& folder) override;
    void sendFile(const QString& localPath, const QString& remoteName) override;
    void quit() override;

    Connection connectionState() const override { return connection_; }
    Protocol protocolState() const override { return protocol_; }
    bool isBusy() const override { return busy_; }
    QString latestReply() const override { return latestReply_; }

private:
    friend class CurlEngine;
    quint64 startRequest();
    void requestFinished(quint64 request, bool ok, const QString& error);

    QThread thread_;
    std::unique_ptr<CurlEngine> engine_;
    quint64 request_ = 0;
    Connection connection_ = Connection::Closed;
    Protocol protocol_ = Protocol::None;
    bool busy_ = false;
    QString latestReply_;
};
