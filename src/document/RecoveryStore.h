#pragma once
// Recovery files: the unsaved text of each modified document, kept in a private folder so
// that a crash or a kill loses at most the last few seconds of typing. Files are written and
// removed on a thread of their own, in the order asked, so that typing never waits for the disk.

#include "document/DiskStamp.h"
#include "document/DocumentFile.h"

#include <QLockFile>
#include <QString>
#include <condition_variable>
#include <memory>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

struct RecoveryRecord {
    QString path; // the document's file; empty for a document never saved
    DocumentContent content;
    DiskStamp stamp; // the file as it was when the document was loaded or saved
};

// A header of "key value" lines up to an empty line, then the text byte for byte.
QByteArray encodeRecovery(const RecoveryRecord& record);
// Null when the bytes are not a recovery file.
std::optional<RecoveryRecord> decodeRecovery(const QByteArray& bytes);

class RecoveryStore {
public:
    // $SCRIVANT_CONFIG_DIR/recovery when that is set, as the settings are; else the folder
    // under the per-user state folder ($XDG_STATE_HOME, ~/.local/state by default).
    static QString defaultFolder();

    explicit RecoveryStore(QString folder);
    // Finishes what was asked first: a removal must not be lost at exit.
    ~RecoveryStore();

    QString folder() const { return folder_; }
    // Takes charge of the files earlier runs left, for as long as this store lives. False
    // while another running copy of the program has them: its files are not ours to offer.
    bool claimLeftovers();
    // A file name no other document of this or an earlier run has; names sort by creation.
    // The first one marks the files of this store as in use for as long as it lives.
    QString newName();

    // In the background; a later request for the same name supersedes one still waiting.
    void save(const QString& name, RecoveryRecord record);
    void remove(const QString& name);
    // Waits until every request so far has reached the disk.
    void finish();

    struct Entry {
        QString name;
        RecoveryRecord record;
    };
    // The recovery files in the folder, oldest first; files that are not recovery files are
    // left alone.
    std::vector<Entry> stored() const;
    // Those of them that no running copy of the program still keeps up to date.
    std::vector<Entry> leftovers() const;

private:
    struct Job {
        QString name;
        std::optional<RecoveryRecord> record; // none: remove the file
    };
    void enqueue(Job job);
    void run();
    void perform(const Job& job);

    QString inUseLockFor(const QString& token) const;

    QString folder_;
    std::unique_ptr<QLockFile> owner_;
    // Names carry a token of their store; its lock says the store still lives.
    QString token_;
    std::unique_ptr<QLockFile> inUse_;
    int counter_ = 0;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool working_ = false;
    bool stopping_ = false;
    std::thread thread_;
};
