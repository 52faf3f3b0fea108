#pragma once
// One Send File(s): connect and log in, change folder, send each file under its own name, and
// quit, each request started when the one before has finished. The first failure ends it: the
// connection is closed and later files are not sent.

#include "platform/FtpAddress.h"

#include <QObject>
#include <QStringList>

class FtpClient;

struct UploadRequest {
    ServerAddress server;
    QString user;
    QString password;
    QString folder;      // empty: the folder the log-in starts in
    QStringList files;   // local paths, sent in this order
};

class UploadSession : public QObject {
    Q_OBJECT
public:
    explicit UploadSession(FtpClient& client, QObject* parent = nullptr);

    bool isRunning() const { return stage_ != Stage::Idle; }
    // Starts the upload; a request naming a folder or file the server could be sent commands
    // in (a line break) fails before connecting.
    void start(const UploadRequest& request);

signals:
    void succeeded();
    void failed(const QString& reason);

private:
    enum class Stage { Idle, Opening, ChangingFolder, Sending };
    void stepFinished(bool ok, const QString& error);
    void sendNext();
    void end(bool ok, const QString& error);

    FtpClient& client_;
    UploadRequest request_;
    Stage stage_ = Stage::Idle;
    int nextFile_ = 0;
};
