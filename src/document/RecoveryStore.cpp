#include "document/RecoveryStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>

namespace {

const QByteArray kMagic = "SCRIVANT RECOVERY 1";
const QString kSuffix = QStringLiteral(".recovery");

QByteArray lineBreakName(const QByteArray& lineBreak)
{
    return lineBreak == "\r\n" ? "CRLF" : lineBreak == "\r" ? "CR" : "LF";
}

QByteArray lineBreakFromName(const QByteArray& name)
{
    return name == "CRLF" ? "\r\n" : name == "CR" ? "\r" : "\n";
}

} // namespace

QByteArray encodeRecovery(const RecoveryRecord& r)
{
    const DiskStamp& s = r.stamp;
    QByteArray header = kMagic + '\n';
    // A file name may hold any byte but NUL, line breaks included.
    header += "path " + r.path.toUtf8().toPercentEncoding() + '\n';
    header += "encoding " + QByteArray(r.content.encoding == TextEncoding::Latin1 ? "latin1" : "utf8") + '\n';
    header += "linebreak " + lineBreakName(r.content.lineBreak) + '\n';
    header += "stamp " + QByteArray::number(int(s.known)) + ' ' + QByteArray::number(int(s.exists)) + ' '
              + QByteArray::number(s.size) + ' ' + QByteArray::number(s.mtimeNs) + ' ' + QByteArray::number(s.inode)
              + "\n\n";
    QByteArray bytes;
    bytes.reserve(header.size() + r.content.utf8.size());
    bytes += header;
    bytes += r.content.utf8;
    return bytes;
}

std::optional<RecoveryRecord> decodeRecovery(const QByteArray& bytes)
{
    if (!bytes.startsWith(kMagic + '\n'))
        return std::nullopt;
    const qsizetype end = bytes.indexOf("\n\n");
    if (end < 0)
        return std::nullopt;
    RecoveryRecord r;
    const QList<QByteArray> lines = bytes.left(end).split('\n');
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype space = line.indexOf(' ');
        const QByteArray key = line.left(space);
        const QByteArray value = space < 0 ? QByteArray() : line.mid(space + 1);
        if (key == "path") {
            r.path = QString::fromUtf8(QByteArray::fromPercentEncoding(value));
        } else if (key == "encoding") {
            r.content.encoding = value == "latin1" ? TextEncoding::Latin1 : TextEncoding::Utf8;
        } else if (key == "linebreak") {
            r.content.lineBreak = lineBreakFromName(value);
        } else if (key == "stamp") {
            const QList<QByteArray> f = value.split(' ');
            if (f.size() != 5)
                return std::nullopt;
            r.stamp = {f[0] == "1", f[1] == "1", f[2].toLongLong(), f[3].toLongLong(), f[4].toULongLong()};
        }
    }
    r.content.utf8 = bytes.mid(end + 2);
    r.content.hasNul = r.content.utf8.contains('\0');
    return r;
}

namespace {

// The folder holds the user's unsaved text: it is theirs alone.
void makePrivateFolder(const QString& folder)
{
    if (!QDir(folder).exists() && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

QString RecoveryStore::defaultFolder()
{
    const QByteArray config = qgetenv("SCRIVANT_CONFIG_DIR");
    if (!config.isEmpty())
        return QString::fromLocal8Bit(config) + QStringLiteral("/recovery");
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    // Only an absolute path counts; a relative one is ignored, as the desktop's rules say.
    const QString base = state.startsWith('/') ? QString::fromLocal8Bit(state)
                                               : QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/scrivant/recovery");
}

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder)), thread_([this] { run(); }) {}

RecoveryStore::~RecoveryStore()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

QString RecoveryStore::newName()
{
    if (!inUse_) {
        // The process, and a random part for stores of one process (and reused process ids).
        token_ = QStringLiteral("%1.%2").arg(QCoreApplication::applicationPid()).arg(QRandomGenerator::global()->generate(), 0, 36);
        makePrivateFolder(folder_);
        inUse_ = std::make_unique<QLockFile>(inUseLockFor(token_));
        (void)inUse_->tryLock(0);
    }
    return QStringLiteral("%1-%2-%3%4")
        .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmsszzz")), token_)
        .arg(++counter_, 4, 10, QLatin1Char('0'))
        .arg(kSuffix);
}

QString RecoveryStore::inUseLockFor(const QString& token) const
{
    return folder_ + QStringLiteral("/in-use-") + token + QStringLiteral(".lock");
}

void RecoveryStore::save(const QString& name, RecoveryRecord record)
{
    enqueue({name, std::move(record)});
}

void RecoveryStore::remove(const QString& name)
{
    enqueue({name, std::nullopt});
}

void RecoveryStore::enqueue(Job job)
{
    {
        std::lock_guard lock(mutex_);
        // Each request settles the whole file, so one still waiting for it is moot.
        std::erase_if(jobs_, [&](const Job& j) { return j.name == job.name; });
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void RecoveryStore::finish()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !working_; });
}

void RecoveryStore::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) // and stopping: everything asked is done
            return;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        working_ = true;
        lock.unlock();
        perform(job);
        lock.lock();
        working_ = false;
        if (jobs_.empty())
            idle_.notify_all();
    }
}

bool RecoveryStore::claimLeftovers()
{
    if (owner_)
        return true;
    makePrivateFolder(folder_);
    // A lock whose program is gone (crashed or killed) counts as free.
    auto lock = std::make_unique<QLockFile>(folder_ + QStringLiteral("/owner.lock"));
    if (!lock->tryLock(0))
        return false;
    owner_ = std::move(lock);
    return true;
}

void RecoveryStore::perform(const Job& job)
{
    const QString path = folder_ + QLatin1Char('/') + job.name;
    if (!job.record) {
        QFile::remove(path);
        return;
    }
    makePrivateFolder(folder_);
    // A failure leaves the previous copy, which is the best there is; the next pause tries again.
    (void)writeFileSafely(path, encodeRecovery(*job.record));
}

std::vector<RecoveryStore::Entry> RecoveryStore::leftovers() const
{
    std::vector<Entry> entries = stored();
    std::erase_if(entries, [this](const Entry& e) {
        const QString token = e.name.section(QLatin1Char('-'), 1, 1);
        if (token == token_)
            return true;
        // Held by a running copy: its files are not left over. A lock whose program is gone
        // counts as free, and goes.
        QLockFile probe(inUseLockFor(token));
        if (!probe.tryLock(0))
            return true;
        probe.unlock();
        return false;
    });
    return entries;
}

std::vector<RecoveryStore::Entry> RecoveryStore::stored() const
{
    std::vector<Entry> entries;
    const QStringList names = QDir(folder_).entryList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(folder_ + QLatin1Char('/') + name);
        // Only the header may add to the largest document: anything larger is not ours.
        if (file.size() > kMaxDocumentSize + 64 * 1024 || !file.open(QIODevice::ReadOnly))
            continue;
        if (std::optional<RecoveryRecord> record = decodeRecovery(file.readAll()))
            entries.push_back({name, std::move(*record)});
    }
    return entries;
}
