#pragma once
// The FTP client over libcurl's multi interface, driven by the Qt event loop as a select()
// loop would drive it: the sockets curl waits on are watched by socket notifiers and its
// deadlines by a timer, so nothing blocks the window.

#include "platform/FtpClient.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QTimer>
#include <functional>
#include <memory>

class QSocketNotifier;
typedef void CURL;
typedef void CURLM;
struct curl_slist;

struct FtpTimeouts {
    int connectSeconds = 15; // to reach the server and finish its handshake
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
    // One curl transfer of a request: set up on the handle, then checked (error text or empty).
    struct Step {
        std::function<void(CURL*)> setup;
        std::function<QString(CURL*)> check;
    };
    void run(QList<Step> steps);
    void startStep();
    void transferDone(int code);
    void finish(bool ok, const QString& error);
    void report(const QString& line);
    QString baseUrlFor(const QString& name) const;
    QList<Step> sendSteps(const QString& localPath, const QString& remoteName);

    // Lets curl do what it can now, then watches what it waits on.
    void drive();
    void readMessages();
    // curl's socket callbacks are not used: version 7.88 leaves out the sockets of a reused
    // connection. The sockets are asked for after each step instead, and looked at this often
    // at least.
    static constexpr long kLongestWaitMs = 50;

    CurlFtpOptions options_;
    CURLM* multi_ = nullptr;
    CURL* easy_ = nullptr;
    QTimer timer_;
    QHash<int, std::pair<QSocketNotifier*, QSocketNotifier*>> notifiers_;

    ServerAddress server_;
    QString user_;
    QString password_;
    QString folder_;
    QList<Step> steps_;
    bool transferring_ = false;
    QFile file_; // the local file being sent
    QString readError_;
    QString hostKeyError_;
    std::shared_ptr<curl_slist> quote_; // the commands of the step under way
    char errorBuffer_[256] = {};
    QByteArray partialLine_;

    Connection connection_ = Connection::Closed;
    Protocol protocol_ = Protocol::None;
    bool busy_ = false;
    QString latestReply_;

    friend struct CurlCallbacks;
};
