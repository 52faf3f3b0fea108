#include "TestServers.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString kServers = QStringLiteral(UPLOAD_SERVERS_DIR);

QString currentUser()
{
    const passwd* entry = getpwuid(getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

// A port nobody listens on now.
int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool run(const QString& program, const QStringList& arguments, QString* error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        *error = program + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    return true;
}

} // namespace

FtpTimeouts quickTimeouts()
{
    return {2, 2, 2};
}

TestServer::TestServer(UploadProtocol protocol, QString user, QString password)
    : protocol_(protocol), user_(std::move(user)), password_(std::move(password))
{
    process_.setProcessChannelMode(QProcess::SeparateChannels);
}

TestServer::~TestServer()
{
    if (process_.state() != QProcess::NotRunning) {
        ::kill(pid_t(process_.processId()), SIGCONT);
        process_.kill();
        process_.waitForFinished(5000);
    }
}

CurlFtpOptions TestServer::clientOptions() const
{
    CurlFtpOptions options;
    options.timeouts = quickTimeouts();
    return options;
}

void TestServer::kill()
{
    process_.kill();
    process_.waitForFinished(5000);
}

void TestServer::freeze()
{
    ::kill(pid_t(process_.processId()), SIGSTOP);
}

FtpTestServer::FtpTestServer(FtpServerOptions options)
    : TestServer(options.tls ? UploadProtocol::Ftps : UploadProtocol::Ftp, QStringLiteral("tester"),
                 QStringLiteral("s3cret pass"))
{
    QStringList arguments{kServers + QStringLiteral("/ftp_server.py"), root(), QStringLiteral("--user"), user_};
    if (options.tls) {
        certificate_ = work_.filePath(QStringLiteral("cert.pem"));
        if (!run(QStringLiteral("openssl"),
                 {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1",
                  "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", certificate_, "-out", certificate_},
                 &error_))
            return;
        arguments << QStringLiteral("--tls-cert") << certificate_;
    }
    if (options.throttleBytesPerSecond)
        arguments << QStringLiteral("--throttle") << QString::number(options.throttleBytesPerSecond);
    if (!options.answersSize)
        arguments << QStringLiteral("--no-size");
    // The password reaches the server through its environment, not its command line.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TEST_FTP_PASSWORD"), password_);
    process_.setProcessEnvironment(environment);
    // Debian's Python, which has pyftpdlib, whatever python3 comes first on the path.
    process_.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!process_.waitForReadyRead(20000)) {
        error_ = QStringLiteral("FTP server did not start: ") + QString::fromLocal8Bit(process_.readAllStandardError());
        return;
    }
    port_ = process_.readLine().trimmed().toInt();
}

CurlFtpOptions FtpTestServer::clientOptions() const
{
    CurlFtpOptions options = TestServer::clientOptions();
    options.caFile = certificate_;
    return options;
}

SftpTestServer::SftpTestServer() : TestServer(UploadProtocol::Sftp, currentUser(), QStringLiteral("unused"))
{
    const QString work = work_.path();
    for (const char* key : {"host_key", "client_key"})
        if (!run(QStringLiteral("ssh-keygen"), {"-q", "-t", "ed25519", "-N", "", "-f", work + QLatin1Char('/') + QLatin1String(key)},
                 &error_))
            return;
    QFile::copy(work + QStringLiteral("/client_key.pub"), work + QStringLiteral("/authorized_keys"));
    const int port = freePort();
    QFile config(work + QStringLiteral("/sshd_config"));
    config.open(QIODevice::WriteOnly);
    // Keys only, and only the SFTP subsystem, starting in the served folder.
    config.write(QStringLiteral("Port %1\nListenAddress 127.0.0.1\nHostKey %2/host_key\nPidFile none\n"
                                "AuthorizedKeysFile %2/authorized_keys\nAuthenticationMethods publickey\n"
                                "PasswordAuthentication no\nKbdInteractiveAuthentication no\nUsePAM no\n"
                                "StrictModes no\nPermitRootLogin prohibit-password\nAllowUsers %3\n"
                                "Subsystem sftp internal-sftp\nForceCommand internal-sftp -d %4\n")
                     .arg(port)
                     .arg(work, user_, root())
                     .toUtf8());
    config.close();
    // Privilege separation wants its empty folder when sshd runs as root.
    if (getuid() == 0)
        QDir().mkpath(QStringLiteral("/run/sshd"));
    process_.start(QStringLiteral("/usr/sbin/sshd"), {"-D", "-e", "-f", config.fileName()});
    // Up once it accepts connections.
    for (QDeadlineTimer deadline(20000); !deadline.hasExpired(); QThread::msleep(20)) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (probe.waitForConnected(200)) {
            port_ = port;
            return;
        }
        if (process_.state() == QProcess::NotRunning)
            break;
    }
    error_ = QStringLiteral("sshd did not start: ") + QString::fromLocal8Bit(process_.readAllStandardError());
}

CurlFtpOptions SftpTestServer::clientOptions() const
{
    CurlFtpOptions options = TestServer::clientOptions();
    const QString work = work_.path();
    options.ssh = {work + QStringLiteral("/client_key"), work + QStringLiteral("/client_key.pub"),
                   work + QStringLiteral("/known_hosts")};
    return options;
}
