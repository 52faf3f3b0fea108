// Uploads against real servers on 127.0.0.1: what arrives, what the log shows, and how each
// kind of failure ends.

#include "TestServers.h"

#include "platform/CurlFtpClient.h"
#include "upload/UploadSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    bool ok = false;
    QString error;
    QStringList replies;
    qint64 milliseconds = 0;
};

// Runs one upload to its end; during stage, if given, is called once a transfer is under way.
Outcome upload(const TestServer& server, UploadRequest request, const std::function<void()>& during = {},
               CurlFtpOptions options = {}, bool useServerOptions = true)
{
    CurlFtpClient client(useServerOptions ? server.clientOptions() : options);
    UploadSession session(client);
    Outcome outcome;
    QEventLoop loop;
    QObject::connect(&client, &FtpClient::replyReceived, [&](const QString& line) { outcome.replies << line; });
    bool called = false;
    QObject::connect(&client, &FtpClient::progress, [&](qint64 sent, qint64) {
        if (during && !called && sent > 0) {
            called = true;
            during();
        }
    });
    QObject::connect(&session, &UploadSession::succeeded, [&] { outcome.ok = true; loop.quit(); });
    QObject::connect(&session, &UploadSession::failed, [&](const QString& error) { outcome.error = error; loop.quit(); });
    QTimer::singleShot(60000, &loop, [&] { ADD_FAILURE() << "upload did not end"; loop.quit(); });
    QElapsedTimer clock;
    clock.start();
    if (request.server.host.isEmpty())
        request.server = server.address();
    if (request.user.isEmpty())
        request.user = server.user();
    session.start(request);
    loop.exec();
    outcome.milliseconds = clock.elapsed();
    EXPECT_FALSE(session.isRunning());
    EXPECT_EQ(client.connectionState(), FtpClient::Connection::Closed);
    return outcome;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray bigFile(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((unsigned(i) * 7919u) >> 3);
    return bytes;
}

class UploadTo : public ::testing::TestWithParam<UploadProtocol> {
protected:
    void SetUp() override
    {
        if (GetParam() == UploadProtocol::Sftp)
            server = std::make_unique<SftpTestServer>();
        else
            server = std::make_unique<FtpTestServer>(FtpServerOptions{GetParam() == UploadProtocol::Ftps});
        ASSERT_TRUE(server->started()) << server->error().toStdString();
    }
    std::unique_ptr<TestServer> server;
    QTemporaryDir local;
};

TEST_P(UploadTo, SendsEveryFileByteExactReplacingTheOldOneAndLeavesNothingElse)
{
    const QMap<QString, QByteArray> files{
        {QStringLiteral("index.html"), QByteArray("<HTML>\r\n\0bin\r", 14)},
        {QStringLiteral("my page.htm"), QByteArray("new text")},
        {QStringLiteral("big.gif"), bigFile(700000)},
    };
    UploadRequest request;
    request.password = server->password();
    request.folder = QStringLiteral("site/sub");
    for (auto it = files.begin(); it != files.end(); ++it) {
        writeAll(local.filePath(it.key()), it.value());
        request.files << local.filePath(it.key());
    }
    writeAll(server->root() + QStringLiteral("/site/sub/my page.htm"), "old text, longer than the new");

    const Outcome sent = upload(*server, request);
    ASSERT_TRUE(sent.ok) << sent.error.toStdString() << "\n" << sent.replies.join('\n').toStdString();
    QDir remote(server->root() + QStringLiteral("/site/sub"));
    EXPECT_EQ(remote.entryList(QDir::Files | QDir::Hidden), QStringList(files.keys()));
    for (auto it = files.begin(); it != files.end(); ++it)
        EXPECT_EQ(readAll(remote.filePath(it.key())), it.value()) << it.key().toStdString();
    EXPECT_TRUE(sent.replies.filter(QStringLiteral("Sent ")).size() == 3) << sent.replies.join('\n').toStdString();
    EXPECT_TRUE(sent.replies.filter(server->password()).isEmpty());

    // No folder: the files go where the log-in starts.
    request.folder.clear();
    request.files = QStringList{local.filePath(QStringLiteral("index.html"))};
    const Outcome again = upload(*server, request);
    ASSERT_TRUE(again.ok) << again.error.toStdString() << "\n" << again.replies.join('\n').toStdString();
    EXPECT_EQ(readAll(server->root() + QStringLiteral("/index.html")), files.value(QStringLiteral("index.html")));
}

INSTANTIATE_TEST_SUITE_P(Protocols, UploadTo,
                         ::testing::Values(UploadProtocol::Ftp, UploadProtocol::Ftps, UploadProtocol::Sftp),
                         [](const auto& info) {
                             return std::string(info.param == UploadProtocol::Ftp    ? "Ftp"
                                                : info.param == UploadProtocol::Ftps ? "Ftps"
                                                                                      : "Sftp");
                         });

// Without SIZE, what the server kept cannot be asked; the transfer's own end must do.
TEST(UploadToAServerWithoutSize, SendsTheFileAndReportsItSent)
{
    FtpTestServer server{FtpServerOptions{false, 0, false}};
    ASSERT_TRUE(server.started()) << server.error().toStdString();
    QTemporaryDir local;
    writeAll(local.filePath(QStringLiteral("page.htm")), "<P>page</P>");
    UploadRequest request;
    request.password = server.password();
    request.files = QStringList{local.filePath(QStringLiteral("page.htm"))};
    const Outcome sent = upload(server, request);
    ASSERT_TRUE(sent.ok) << sent.error.toStdString() << "\n" << sent.replies.join('\n').toStdString();
    EXPECT_EQ(QDir(server.root()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("page.htm")});
    EXPECT_EQ(readAll(server.root() + QStringLiteral("/page.htm")), QByteArray("<P>page</P>"));
}

class UploadFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.started()) << server.error().toStdString();
        writeAll(local.filePath(QStringLiteral("a.htm")), "A");
        writeAll(local.filePath(QStringLiteral("c.htm")), "C");
        request.password = server.password();
        request.files = QStringList{local.filePath(QStringLiteral("a.htm")), local.filePath(QStringLiteral("b.htm")),
                                    local.filePath(QStringLiteral("c.htm"))};
    }
    QStringList remoteFiles() const { return QDir(server.root()).entryList(QDir::Files | QDir::Hidden); }

    FtpTestServer server{FtpServerOptions{false, 200000}};
    QTemporaryDir local;
    UploadRequest request;
};

TEST_F(UploadFailure, MissingLocalFileStopsTheUploadAfterTheFilesBeforeIt)
{
    const Outcome result = upload(server, request);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("b.htm"))) << result.error.toStdString();
    EXPECT_EQ(remoteFiles(), QStringList{"a.htm"});
}

TEST_F(UploadFailure, WrongPasswordMissingFolderAndLineBreaksSendNothing)
{
    struct Case {
        const char* what;
        QString password;
        QString folder;
        QString expectedReply;
    };
    const Case cases[] = {
        {"wrong password", QStringLiteral("wrong"), QString(), QStringLiteral("530")},
        {"missing folder", server.password(), QStringLiteral("no/such"), QStringLiteral("550")},
        {"line break in folder", server.password(), QStringLiteral("x\r\nDELE a.htm"), QString()},
    };
    for (const Case& c : cases) {
        UploadRequest r = request;
        r.password = c.password;
        r.folder = c.folder;
        const Outcome result = upload(server, r);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_FALSE(result.error.isEmpty()) << c.what;
        if (!c.expectedReply.isEmpty()) {
            EXPECT_FALSE(result.replies.filter(c.expectedReply).isEmpty()) << c.what << result.replies.join('\n').toStdString();
        }
        EXPECT_TRUE(result.replies.filter(QStringLiteral("wrong")).isEmpty()) << c.what;
        EXPECT_TRUE(remoteFiles().isEmpty()) << c.what;
    }
    UploadRequest r = request;
    r.files = QStringList{local.filePath(QStringLiteral("evil\nDELE x.htm"))};
    EXPECT_TRUE(upload(server, r).error.contains(QStringLiteral("line break")));
}

TEST_F(UploadFailure, FtpsWithoutTlsAndAChangedSshHostKeySendNoCredentials)
{
    // This server speaks no TLS: asked for ftps://, the client must not go on in plain text.
    UploadRequest r = request;
    r.server = server.address();
    r.server.protocol = UploadProtocol::Ftps;
    const Outcome plain = upload(server, r);
    EXPECT_FALSE(plain.ok);
    EXPECT_TRUE(plain.replies.filter(QStringLiteral("331")).isEmpty()) << plain.replies.join('\n').toStdString();

    SftpTestServer sftp;
    ASSERT_TRUE(sftp.started()) << sftp.error().toStdString();
    CurlFtpOptions options = sftp.clientOptions();
    QFile known(options.ssh.knownHosts);
    ASSERT_TRUE(known.open(QIODevice::WriteOnly));
    // Another key than the server's, remembered for its address.
    known.write(QStringLiteral("[127.0.0.1]:%1 ").arg(sftp.address().port).toUtf8() + readAll(options.ssh.publicKey));
    known.close();
    r.server = {};
    r.user.clear();
    const Outcome changed = upload(sftp, r, {}, options, false);
    EXPECT_FALSE(changed.ok);
    EXPECT_TRUE(changed.error.contains(QStringLiteral("host key"))) << changed.error.toStdString();
    EXPECT_TRUE(QDir(sftp.root()).isEmpty());
}

TEST_F(UploadFailure, RefusedConnectionFailsAtOnce)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    request.server = {UploadProtocol::Ftp, QStringLiteral("127.0.0.1"), probe.serverPort()};
    probe.close();
    const Outcome result = upload(server, request);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_LT(result.milliseconds, 2000);
}

TEST_F(UploadFailure, ServerThatStopsOrDiesMidTransferLeavesTheOldFileWhole)
{
    writeAll(local.filePath(QStringLiteral("a.htm")), bigFile(2000000));
    for (bool kill : {true, false}) {
        FtpTestServer slow{FtpServerOptions{false, 100000}};
        ASSERT_TRUE(slow.started());
        writeAll(slow.root() + QStringLiteral("/a.htm"), "old page");
        UploadRequest r = request;
        r.server = slow.address();
        r.user = slow.user();
        r.password = slow.password();
        const Outcome result = upload(slow, r, [&] {
            if (kill)
                slow.kill();
            else
                slow.freeze();
        });
        EXPECT_FALSE(result.ok) << kill;
        EXPECT_FALSE(result.error.isEmpty()) << kill;
        // The stall limit of the test client is 2 s; the real one's is 15 s.
        EXPECT_LT(result.milliseconds, 10000) << kill;
        EXPECT_EQ(readAll(slow.root() + QStringLiteral("/a.htm")), "old page") << kill;
        EXPECT_FALSE(QFileInfo::exists(slow.root() + QStringLiteral("/c.htm"))) << kill;
    }
}

} // namespace
