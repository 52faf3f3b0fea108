#pragma once
// Real servers on 127.0.0.1 for the upload tests, each serving a fresh folder and stopped when
// it goes out of scope: pyftpdlib for FTP and FTPS, sshd for SFTP.

#include "platform/CurlFtpClient.h"
#include "platform/FtpAddress.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class TestServer {
public:
    virtual ~TestServer();
    // False (with the reason in error) when the server did not come up.
    bool started() const { return port_ > 0; }
    QString error() const { return error_; }
    QString root() const { return root_.path(); }
    ServerAddress address() const { return {protocol_, QStringLiteral("127.0.0.1"), port_}; }
    QString user() const { return user_; }
    QString password() const { return password_; }
    // Options a client needs to trust this server and nothing else.
    virtual CurlFtpOptions clientOptions() const;
    // SIGKILL: the server is gone at once, mid-transfer or not.
    void kill();
    // SIGSTOP: the server keeps its connections but answers nothing.
    void freeze();

protected:
    TestServer(UploadProtocol protocol, QString user, QString password);
    QTemporaryDir root_;
    QTemporaryDir work_;
    QProcess process_;
    UploadProtocol protocol_;
    QString user_;
    QString password_;
    int port_ = 0;
    QString error_;
};

struct FtpServerOptions {
    bool tls = false;
    int throttleBytesPerSecond = 0;
    bool answersSize = true; // some servers do not know the SIZE command
};

class FtpTestServer : public TestServer {
public:
    explicit FtpTestServer(FtpServerOptions options = {});
    CurlFtpOptions clientOptions() const override;

private:
    QString certificate_;
};

class SftpTestServer : public TestServer {
public:
    SftpTestServer();
    CurlFtpOptions clientOptions() const override;
};

// Options with short time limits, so that failure tests end quickly.
FtpTimeouts quickTimeouts();
