#include "platform/CurlFtpClient.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QHash>
#include <QSocketNotifier>
#include <QTimer>
#include <QThread>

#include <atomic>

#include <sys/select.h>

#include <curl/curl.h>

namespace {

void initialiseCurl()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

// An SFTP quote command's path: in double quotes, so that spaces survive. The server resolves
// a relative path from the log-in folder, which "/~/" stands for in an address.
QString quotedPath(QString path)
{
    if (path.startsWith(QLatin1String("/~/")))
        path.remove(0, 3);
    path.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    path.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + path + QLatin1Char('"');
}

std::shared_ptr<curl_slist> makeSlist(const QStringList& lines)
{
    curl_slist* list = nullptr;
    for (const QString& line : lines)
        list = curl_slist_append(list, line.toUtf8().constData());
    return std::shared_ptr<curl_slist>(list, curl_slist_free_all);
}

// curl's socket callbacks are not used: version 7.88 leaves out the sockets of a reused
// connection. The sockets are asked for after each step instead, and looked at this often at
// least.
constexpr long kLongestWaitMs = 50;

} // namespace

SshFiles SshFiles::fromHome()
{
    SshFiles files;
    const QString folder = QDir::homePath() + QStringLiteral("/.ssh/");
    for (const char* name : {"id_ed25519", "id_ecdsa", "id_rsa"}) {
        const QString key = folder + QLatin1String(name);
        if (QFileInfo::exists(key)) {
            files.privateKey = key;
            files.publicKey = key + QStringLiteral(".pub");
            break;
        }
    }
    files.knownHosts = folder + QStringLiteral("known_hosts");
    return files;
}

// The curl side of the client, on a thread of its own: libcurl waits for some FTP replies
// without returning (the one that ends a transfer among them), which must never hold up the
// window. It reports to the client only by posting to it.
class CurlEngine : public QObject {
public:
    CurlEngine(CurlFtpClient& client, CurlFtpOptions options) : client_(client), options_(std::move(options))
    {
        timer_ = new QTimer(this);
        timer_->setSingleShot(true);
        connect(timer_, &QTimer::timeout, this, &CurlEngine::drive);
    }
    ~CurlEngine() override { quit(); }

    // Each request carries its number, which its end is reported with.
    void open(quint64 request, const ServerAddress& server, const QString& user, const QString& password);
    void changeDirectory(quint64 request, const QString& folder);
    void sendFile(quint64 request, const QString& localPath, const QString& remoteName);
    void quit();

    // Set from the window's thread: the transfer under way ends at curl's next progress call.
    std::atomic<bool> abandon{false};

    struct Step {
        std::function<void(CURL*)> setup;
        std::function<QString(CURL*)> check;
    };
    void run(QList<Step> steps);
    void startStep();
    void transferDone(int code);
    void finish(bool ok, const QString& error);
    void report(const QString& line);
    void setState(FtpClient::Connection connection, FtpClient::Protocol protocol);
    QList<Step> sendSteps(const QString& localPath, const QString& remoteName);
    void drive();
    void readMessages();

    CurlFtpClient& client_;
    CurlFtpOptions options_;
    CURLM* multi_ = nullptr;
    CURL* easy_ = nullptr;
    QTimer* timer_;
    QHash<int, std::pair<QSocketNotifier*, QSocketNotifier*>> notifiers_;
    quint64 request_ = 0;
    ServerAddress server_;
    QString user_;
    QString password_;
    QString folder_;
    QList<Step> steps_;
    bool transferring_ = false;
    curl_off_t lastProgress_ = -1;
    QElapsedTimer progressClock_;
    QFile file_;
    QString readError_;
    QString hostKeyError_;
    std::shared_ptr<curl_slist> quote_;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
    QByteArray partialLine_;
    FtpClient::Connection connection_ = FtpClient::Connection::Closed;
    FtpClient::Protocol protocol_ = FtpClient::Protocol::None;
};

// The plain-function hooks curl calls, each handing over to the client it was given.
struct CurlCallbacks {
    static size_t read(char* buffer, size_t size, size_t count, void* data)
    {
        auto* self = static_cast<CurlEngine*>(data);
        const qint64 got = self->file_.read(buffer, qint64(size * count));
        if (got < 0) {
            self->readError_ = QStringLiteral("Cannot read %1: %2").arg(self->file_.fileName(), self->file_.errorString());
            return CURL_READFUNC_ABORT;
        }
        return size_t(got);
    }

    static int progress(void* data, curl_off_t, curl_off_t, curl_off_t uploadTotal, curl_off_t uploaded)
    {
        auto* self = static_cast<CurlEngine*>(data);
        if (self->abandon)
            return 1;
        // curl calls this far more often than a bar can show: a post every few milliseconds
        // at most, and the last one always.
        if (!self->transferring_ || uploadTotal <= 0 || uploaded == self->lastProgress_
            || (uploaded < uploadTotal && self->progressClock_.isValid() && self->progressClock_.elapsed() < 20))
            return 0;
        self->lastProgress_ = uploaded;
        self->progressClock_.start();
        QMetaObject::invokeMethod(&self->client_, [client = &self->client_, uploaded, uploadTotal] {
                emit client->progress(uploaded, uploadTotal);
            }, Qt::QueuedConnection);
        return 0;
    }

    static int debug(CURL*, curl_infotype type, char* text, size_t size, void* data)
    {
        auto* self = static_cast<CurlEngine*>(data);
        if (type == CURLINFO_TEXT && QByteArray::fromRawData(text, qsizetype(size)).startsWith("Connected to"))
            self->setState(FtpClient::Connection::Connected, self->protocol_);
        // Only what the server says: the commands sent would show the password.
        if (type != CURLINFO_HEADER_IN)
            return 0;
        self->partialLine_.append(text, qsizetype(size));
        qsizetype end;
        while ((end = self->partialLine_.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(self->partialLine_.left(end)).trimmed();
            self->partialLine_.remove(0, end + 1);
            if (line.startsWith(QLatin1String("220")) && self->protocol_ == FtpClient::Protocol::None)
                self->setState(FtpClient::Connection::Connected, FtpClient::Protocol::AwaitingLogin);
            else if (line.startsWith(QLatin1String("230")))
                self->setState(FtpClient::Connection::Connected, FtpClient::Protocol::LoggedIn);
            if (!line.isEmpty())
                self->report(line);
        }
        return 0;
    }

    static size_t discard(char*, size_t size, size_t count, void*) { return size * count; }

    static int hostKey(CURL*, const curl_khkey*, const curl_khkey*, curl_khmatch match, void* data)
    {
        auto* self = static_cast<CurlEngine*>(data);
        switch (match) {
        case CURLKHMATCH_OK:
            return CURLKHSTAT_FINE;
        case CURLKHMATCH_MISSING:
            // First contact, as ssh's accept-new: remembered, and checked from now on.
            self->report(QStringLiteral("New host key of %1 remembered in %2")
                             .arg(self->server_.host, self->options_.ssh.knownHosts));
            return CURLKHSTAT_FINE_ADD_TO_FILE;
        default:
            self->hostKeyError_ = QStringLiteral("The host key of %1 is not the one remembered in %2: the server "
                                                 "may not be the one it claims to be")
                                      .arg(self->server_.host, self->options_.ssh.knownHosts);
            return CURLKHSTAT_REJECT;
        }
    }
};

void CurlEngine::report(const QString& text)
{
    QString line = text;
    if (!password_.isEmpty())
        line.replace(password_, QStringLiteral("********"));
    QMetaObject::invokeMethod(&client_, [client = &client_, line] {
        client->latestReply_ = line;
        emit client->replyReceived(line);
    }, Qt::QueuedConnection);
}

void CurlEngine::setState(FtpClient::Connection connection, FtpClient::Protocol protocol)
{
    connection_ = connection;
    protocol_ = protocol;
    QMetaObject::invokeMethod(&client_, [client = &client_, connection, protocol] {
        client->connection_ = connection;
        client->protocol_ = protocol;
    }, Qt::QueuedConnection);
}

void CurlEngine::open(quint64 request, const ServerAddress& server, const QString& user, const QString& password)
{
    quit();
    request_ = request;
    server_ = server;
    user_ = user;
    password_ = password;
    folder_.clear();
    setState(FtpClient::Connection::Connecting, FtpClient::Protocol::None);
    multi_ = curl_multi_init();
    easy_ = curl_easy_init();
    const QString url = remoteUrl(server_, QString(), QString());
    run({{[url](CURL* easy) {
              curl_easy_setopt(easy, CURLOPT_URL, url.toUtf8().constData());
              curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
          },
          [this](CURL*) {
              setState(FtpClient::Connection::Connected, FtpClient::Protocol::LoggedIn);
              report(QStringLiteral("Logged in to %1 as %2").arg(server_.host, user_));
              return QString();
          }}});
}

void CurlEngine::changeDirectory(quint64 request, const QString& folder)
{
    request_ = request;
    const bool sftp = server_.protocol == UploadProtocol::Sftp;
    const QString url = remoteUrl(server_, folder, QString());
    run({{[url, sftp](CURL* easy) {
              curl_easy_setopt(easy, CURLOPT_URL, url.toUtf8().constData());
              if (sftp) {
                  // An SFTP server has no current folder: listing it shows that it is there.
                  curl_easy_setopt(easy, CURLOPT_DIRLISTONLY, 1L);
              } else {
                  curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
              }
          },
          [this, folder](CURL*) {
              folder_ = folder;
              report(QStringLiteral("Remote folder is %1").arg(folder));
              return QString();
          }}});
}

void CurlEngine::sendFile(quint64 request, const QString& localPath, const QString& remoteName)
{
    request_ = request;
    file_.close();
    file_.setFileName(localPath);
    if (!file_.open(QIODevice::ReadOnly) || QFileInfo(localPath).isDir()) {
        const QString error = QStringLiteral("Cannot read %1: %2")
                                  .arg(localPath, QFileInfo(localPath).isDir() ? QStringLiteral("it is a folder")
                                                                                : file_.errorString());
        file_.close();
        report(error);
        finish(false, error);
        return;
    }
    run(sendSteps(localPath, remoteName));
}

QList<CurlEngine::Step> CurlEngine::sendSteps(const QString& localPath, const QString& remoteName)
{
    const qint64 size = file_.size();
    const QString temporary = temporaryRemoteName(remoteName);
    const QString temporaryUrl = remoteUrl(server_, folder_, temporary);
    QList<Step> steps;
    steps.append({[this, temporaryUrl, size](CURL* easy) {
                      curl_easy_setopt(easy, CURLOPT_URL, temporaryUrl.toUtf8().constData());
                      curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
                      curl_easy_setopt(easy, CURLOPT_READFUNCTION, &CurlCallbacks::read);
                      curl_easy_setopt(easy, CURLOPT_READDATA, this);
                      curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
                      transferring_ = true;
                      lastProgress_ = -1;
                      progressClock_.invalidate();
                  },
                  [this](CURL*) {
                      transferring_ = false;
                      file_.close();
                      return QString();
                  }});
    if (server_.protocol == UploadProtocol::Sftp) {
        // SFTP acknowledges every write, so a finished transfer is the whole file. Its rename
        // does not replace a file, so the old one goes first.
        const QString target = remotePath(server_.protocol, folder_, remoteName);
        const QString source = remotePath(server_.protocol, folder_, temporary);
        const QString folderUrl = remoteUrl(server_, folder_, QString());
        steps.append({[this, folderUrl, source, target](CURL* easy) {
                          quote_ = makeSlist({QStringLiteral("*rm ") + quotedPath(target),
                                              QStringLiteral("rename ") + quotedPath(source) + QLatin1Char(' ')
                                                  + quotedPath(target)});
                          curl_easy_setopt(easy, CURLOPT_URL, folderUrl.toUtf8().constData());
                          curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
                          curl_easy_setopt(easy, CURLOPT_QUOTE, quote_.get());
                      },
                      {}});
    } else {
        // An FTP data connection ends the file wherever it breaks off, and a server may still
        // call that complete: the size it kept must be the file's.
        steps.append({[temporaryUrl](CURL* easy) {
                          curl_easy_setopt(easy, CURLOPT_URL, temporaryUrl.toUtf8().constData());
                          curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
                      },
                      [size](CURL* easy) {
                          curl_off_t kept = -1;
                          curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &kept);
                          // A server without SIZE tells nothing: the transfer's own end, every
                          // byte sent and the server's reply to it, has to do.
                          if (kept != -1 && kept != size)
                              return QStringLiteral("The server kept %1 of the file's %2 bytes").arg(kept).arg(size);
                          return QString();
                      }});
        steps.append({[this, temporaryUrl, temporary, remoteName](CURL* easy) {
                          quote_ = makeSlist({QStringLiteral("RNFR ") + temporary, QStringLiteral("RNTO ") + remoteName});
                          curl_easy_setopt(easy, CURLOPT_URL, temporaryUrl.toUtf8().constData());
                          curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
                          curl_easy_setopt(easy, CURLOPT_POSTQUOTE, quote_.get());
                      },
                      {}});
    }
    steps.last().check = [this, localPath, remoteName, size](CURL*) {
        report(QStringLiteral("Sent %1 as %2 (%3 bytes)").arg(localPath, remoteName).arg(size));
        return QString();
    };
    return steps;
}

void CurlEngine::quit()
{
    steps_.clear();
    transferring_ = false;
    file_.close();
    timer_->stop();
    if (multi_) {
        if (easy_)
            curl_multi_remove_handle(multi_, easy_);
        // Closing the connections sends an FTP server its QUIT.
        curl_multi_cleanup(multi_);
        multi_ = nullptr;
    }
    if (easy_) {
        curl_easy_cleanup(easy_);
        easy_ = nullptr;
    }
    quote_.reset();
    for (auto [read, write] : std::as_const(notifiers_)) {
        delete read;
        delete write;
    }
    notifiers_.clear();
    if (connection_ != FtpClient::Connection::Closed)
        setState(FtpClient::Connection::Closed, FtpClient::Protocol::None);
    abandon = false;
}

void CurlEngine::run(QList<Step> steps)
{
    if (!multi_ || !easy_) {
        finish(false, QStringLiteral("Not connected"));
        return;
    }
    steps_ = std::move(steps);
    startStep();
}

void CurlEngine::startStep()
{
    // A fresh handle for each transfer, so that nothing of the last one's settings carries
    // over; the connection itself stays in the multi handle's cache and is used again.
    curl_easy_cleanup(easy_);
    easy_ = curl_easy_init();
    readError_.clear();
    hostKeyError_.clear();
    errorBuffer_[0] = 0;
    partialLine_.clear();
    CURL* easy = easy_;
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp,sftp");
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer_);
    curl_easy_setopt(easy, CURLOPT_USERNAME, user_.toUtf8().constData());
    curl_easy_setopt(easy, CURLOPT_PASSWORD, password_.toUtf8().constData());
    curl_easy_setopt(easy, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, &CurlCallbacks::debug);
    curl_easy_setopt(easy, CURLOPT_DEBUGDATA, this);
    // Nothing is downloaded but folder listings and header lines, which are not wanted.
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CurlCallbacks::discard);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CurlCallbacks::discard);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &CurlCallbacks::progress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, long(options_.timeouts.connectSeconds));
    curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(options_.timeouts.replySeconds));
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, long(options_.timeouts.stallSeconds));
    switch (server_.protocol) {
    case UploadProtocol::Ftp:
        break;
    case UploadProtocol::Ftps:
        // Explicit TLS, required: a server that does not offer it is not sent the password.
        curl_easy_setopt(easy, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        if (!options_.caFile.isEmpty())
            curl_easy_setopt(easy, CURLOPT_CAINFO, options_.caFile.toUtf8().constData());
        break;
    case UploadProtocol::Sftp: {
        const SshFiles& ssh = options_.ssh;
        long methods = CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
        if (!ssh.privateKey.isEmpty() && QFileInfo::exists(ssh.privateKey)) {
            methods |= CURLSSH_AUTH_PUBLICKEY;
            curl_easy_setopt(easy, CURLOPT_SSH_PRIVATE_KEYFILE, ssh.privateKey.toUtf8().constData());
            if (QFileInfo::exists(ssh.publicKey))
                curl_easy_setopt(easy, CURLOPT_SSH_PUBLIC_KEYFILE, ssh.publicKey.toUtf8().constData());
            // A key's passphrase is what the user typed as the password.
            curl_easy_setopt(easy, CURLOPT_KEYPASSWD, password_.toUtf8().constData());
        }
        curl_easy_setopt(easy, CURLOPT_SSH_AUTH_TYPES, methods);
        const QString knownFolder = QFileInfo(ssh.knownHosts).path();
        if (!QFileInfo::exists(knownFolder) && QDir().mkpath(knownFolder))
            QFile::setPermissions(knownFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        curl_easy_setopt(easy, CURLOPT_SSH_KNOWNHOSTS, ssh.knownHosts.toUtf8().constData());
        curl_easy_setopt(easy, CURLOPT_SSH_KEYFUNCTION, &CurlCallbacks::hostKey);
        curl_easy_setopt(easy, CURLOPT_SSH_KEYDATA, this);
        break;
    }
    }
    steps_.first().setup(easy);
    curl_multi_add_handle(multi_, easy);
    timer_->start(0);
}

void CurlEngine::transferDone(int code)
{
    curl_multi_remove_handle(multi_, easy_);
    const Step step = steps_.takeFirst();
    QString error;
    if (code != CURLE_OK) {
        error = !readError_.isEmpty()    ? readError_
                : !hostKeyError_.isEmpty() ? hostKeyError_
                : errorBuffer_[0]          ? QString::fromUtf8(errorBuffer_)
                                           : QString::fromUtf8(curl_easy_strerror(CURLcode(code)));
    } else if (step.check) {
        error = step.check(easy_);
    }
    quote_.reset();
    if (!error.isEmpty()) {
        transferring_ = false;
        file_.close();
        steps_.clear();
        if (connection_ == FtpClient::Connection::Connecting)
            setState(FtpClient::Connection::Closed, FtpClient::Protocol::None);
        report(error);
        finish(false, error);
    } else if (steps_.isEmpty()) {
        finish(true, QString());
    } else {
        startStep();
    }
}

void CurlEngine::finish(bool ok, const QString& error)
{
    QMetaObject::invokeMethod(&client_, [client = &client_, request = request_, ok, error] {
        client->requestFinished(request, ok, error);
    }, Qt::QueuedConnection);
}

void CurlEngine::drive()
{
    if (!multi_)
        return;
    int running = 0;
    curl_multi_perform(multi_, &running);
    readMessages();
    for (auto it = notifiers_.begin(); it != notifiers_.end(); ++it) {
        it->first->setEnabled(false);
        it->second->setEnabled(false);
    }
    if (!multi_ || steps_.isEmpty()) {
        timer_->stop();
        return;
    }
    // Watch the sockets curl waits on now, as a select() loop would.
    fd_set read, write, error;
    FD_ZERO(&read);
    FD_ZERO(&write);
    FD_ZERO(&error);
    int last = -1;
    curl_multi_fdset(multi_, &read, &write, &error, &last);
    for (int fd = 0; fd <= last && fd < FD_SETSIZE; ++fd) {
        const bool reading = FD_ISSET(fd, &read), writing = FD_ISSET(fd, &write);
        if (!reading && !writing)
            continue;
        auto found = notifiers_.find(fd);
        if (found == notifiers_.end()) {
            auto* r = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            auto* w = new QSocketNotifier(fd, QSocketNotifier::Write, this);
            r->setEnabled(false);
            w->setEnabled(false);
            // Queued: a notifier must not be changed while it is being handled.
            connect(r, &QSocketNotifier::activated, this, &CurlEngine::drive, Qt::QueuedConnection);
            connect(w, &QSocketNotifier::activated, this, &CurlEngine::drive, Qt::QueuedConnection);
            found = notifiers_.insert(fd, {r, w});
        }
        found->first->setEnabled(reading);
        found->second->setEnabled(writing);
    }
    // curl's own deadlines, and a look now and then in case it waits on nothing it reports.
    long wait = -1;
    curl_multi_timeout(multi_, &wait);
    timer_->start(int(wait < 0 || wait > kLongestWaitMs ? kLongestWaitMs : wait));
}

void CurlEngine::readMessages()
{
    QList<int> results;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left))
        if (message->msg == CURLMSG_DONE)
            results << int(message->data.result);
    // One handle, one transfer at a time: at most one result.
    for (int code : results)
        if (!steps_.isEmpty())
            transferDone(code);
}

CurlFtpClient::CurlFtpClient(CurlFtpOptions options, QObject* parent)
    : FtpClient(parent), engine_(std::make_unique<CurlEngine>(*this, std::move(options)))
{
    initialiseCurl();
    thread_.setObjectName(QStringLiteral("ftp"));
    engine_->moveToThread(&thread_);
    thread_.start();
}

CurlFtpClient::~CurlFtpClient()
{
    engine_->abandon = true;
    QMetaObject::invokeMethod(engine_.get(), [engine = engine_.get()] { engine->quit(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

quint64 CurlFtpClient::startRequest()
{
    busy_ = true;
    return ++request_;
}

void CurlFtpClient::open(const ServerAddress& server, const QString& user, const QString& password)
{
    const quint64 request = startRequest();
    connection_ = Connection::Connecting;
    protocol_ = Protocol::None;
    QMetaObject::invokeMethod(engine_.get(), [engine = engine_.get(), request, server, user, password] {
        engine->open(request, server, user, password);
    }, Qt::QueuedConnection);
}

void CurlFtpClient::changeDirectory(const QString& folder)
{
    const quint64 request = startRequest();
    QMetaObject::invokeMethod(engine_.get(), [engine = engine_.get(), request, folder] {
        engine->changeDirectory(request, folder);
    }, Qt::QueuedConnection);
}

void CurlFtpClient::sendFile(const QString& localPath, const QString& remoteName)
{
    const quint64 request = startRequest();
    QMetaObject::invokeMethod(engine_.get(), [engine = engine_.get(), request, localPath, remoteName] {
        engine->sendFile(request, localPath, remoteName);
    }, Qt::QueuedConnection);
}

void CurlFtpClient::quit()
{
    // Whatever was under way is forgotten: its end, when it comes, is not reported.
    ++request_;
    busy_ = false;
    if (connection_ != Connection::Closed)
        engine_->abandon = true;
    connection_ = Connection::Closed;
    protocol_ = Protocol::None;
    QMetaObject::invokeMethod(engine_.get(), [engine = engine_.get()] { engine->quit(); }, Qt::QueuedConnection);
}

void CurlFtpClient::requestFinished(quint64 request, bool ok, const QString& error)
{
    if (request != request_ || !busy_)
        return;
    busy_ = false;
    emit finished(ok, error);
}
