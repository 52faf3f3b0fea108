#include "document/DiskStamp.h"
#include "document/RecoveryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utime.h>

namespace {

TEST(DiskStamp, ComparisonTellsChangedDeletedAndUnchanged)
{
    const DiskStamp file{true, true, 10, 5000, 7};
    DiskStamp longer = file, touched = file, replaced = file;
    longer.size = 11;
    touched.mtimeNs = 5001;
    replaced.inode = 8;
    const DiskStamp missing{true, false};
    const struct {
        DiskStamp known, now;
        DiskChange expected;
    } cases[] = {
        {file, file, DiskChange::None},         {file, longer, DiskChange::Changed},
        {file, touched, DiskChange::Changed},   {file, replaced, DiskChange::Changed},
        {file, missing, DiskChange::Deleted},   {missing, missing, DiskChange::None},
        {missing, file, DiskChange::Changed},   {DiskStamp{}, file, DiskChange::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(diskChange(c.known, c.now), c.expected) << c.known.size << "/" << c.now.size;
}

TEST(DiskStamp, FollowsTheFileOnDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.html"));
    EXPECT_FALSE(diskStampOf(path).exists);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("abc");
    f.close();
    const DiskStamp first = diskStampOf(path);
    EXPECT_TRUE(first.exists);
    EXPECT_EQ(first.size, 3);
    EXPECT_EQ(diskStampOf(path), first);
    // Same size, other time: a rewrite of equal length is still a change.
    utimbuf times{1000, 1000};
    ASSERT_EQ(utime(QFile::encodeName(path).constData(), &times), 0);
    EXPECT_EQ(diskChange(first, diskStampOf(path)), DiskChange::Changed);
}

TEST(RecoveryFormat, RoundTripsEveryFieldAndByte)
{
    RecoveryRecord latin;
    latin.path = QStringLiteral("/tmp/odd name\nwith break/été%.html");
    latin.content = {QByteArray("caf\xc3\xa9\r\n<b>\0x</b>\r\n\n\n", 22), TextEncoding::Latin1, "\r\n", true};
    latin.stamp = {true, true, 123456789012LL, 1733740000123456789LL, 42};
    RecoveryRecord untitled;
    untitled.content = {QByteArray(), TextEncoding::Utf8, "\r", false};
    for (const RecoveryRecord& r : {latin, untitled}) {
        const std::optional<RecoveryRecord> back = decodeRecovery(encodeRecovery(r));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->path, r.path);
        EXPECT_EQ(back->content.utf8, r.content.utf8);
        EXPECT_EQ(back->content.encoding, r.content.encoding);
        EXPECT_EQ(back->content.lineBreak, r.content.lineBreak);
        EXPECT_EQ(back->content.hasNul, r.content.hasNul);
        EXPECT_EQ(back->stamp, r.stamp);
    }
    EXPECT_FALSE(decodeRecovery("<html>\n\nnot ours"));
    EXPECT_FALSE(decodeRecovery("SCRIVANT RECOVERY 1\npath x")); // cut before the text
}

TEST(RecoveryStore, LaterRequestsWinAndFilesAreTheUsersAlone)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("state/recovery"));
    RecoveryStore store(folder);
    const QString a = store.newName(), b = store.newName();
    EXPECT_NE(a, b);
    EXPECT_LT(a, b); // names sort in the order documents were made
    RecoveryRecord r;
    for (const char* text : {"one", "two", "three"}) {
        r.content.utf8 = text;
        store.save(a, r);
        store.save(b, r);
    }
    store.remove(b);
    store.finish();
    const std::vector<RecoveryStore::Entry> stored = store.stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].name, a);
    EXPECT_EQ(stored[0].record.content.utf8, "three");
    EXPECT_EQ(QFile::permissions(folder) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
    // A foreign file in the folder is neither offered nor removed.
    QFile foreign(folder + QStringLiteral("/x.recovery"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("hello");
    foreign.close();
    EXPECT_EQ(store.stored().size(), 1u);
    store.remove(a);
    store.finish();
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.recovery")}, QDir::Files), QStringList{QStringLiteral("x.recovery")});
}

TEST(RecoveryStore, OneRunningCopyAtATimeTakesTheLeftovers)
{
    QTemporaryDir dir;
    auto first = std::make_unique<RecoveryStore>(dir.path());
    RecoveryStore second(dir.path());
    EXPECT_TRUE(first->claimLeftovers());
    EXPECT_FALSE(second.claimLeftovers());
    first.reset();
    EXPECT_TRUE(second.claimLeftovers());
}

// Two copies of the program on one folder: what the running one keeps is not left over, even
// for a copy that holds the folder's leftovers.
TEST(RecoveryStore, TheFilesOfARunningCopyAreNotLeftovers)
{
    QTemporaryDir dir;
    auto running = std::make_unique<RecoveryStore>(dir.path());
    running->save(running->newName(), RecoveryRecord{});
    running->finish();
    RecoveryStore later(dir.path());
    ASSERT_TRUE(later.claimLeftovers());
    EXPECT_EQ(later.stored().size(), 1u);
    EXPECT_TRUE(later.leftovers().empty());
    running.reset(); // ended without removing its file, as a crash would
    EXPECT_EQ(later.leftovers().size(), 1u);
}

TEST(RecoveryStore, FolderFollowsTheSettingsFolderOrTheStateFolder)
{
    const QByteArray savedConfig = qgetenv("SCRIVANT_CONFIG_DIR"), savedState = qgetenv("XDG_STATE_HOME");
    qputenv("SCRIVANT_CONFIG_DIR", "/tmp/cfg");
    EXPECT_EQ(RecoveryStore::defaultFolder(), QStringLiteral("/tmp/cfg/recovery"));
    qunsetenv("SCRIVANT_CONFIG_DIR");
    qputenv("XDG_STATE_HOME", "/tmp/state");
    EXPECT_EQ(RecoveryStore::defaultFolder(), QStringLiteral("/tmp/state/scrivant/recovery"));
    qputenv("XDG_STATE_HOME", "relative");
    EXPECT_EQ(RecoveryStore::defaultFolder(), QDir::homePath() + QStringLiteral("/.local/state/scrivant/recovery"));
    qputenv("SCRIVANT_CONFIG_DIR", savedConfig);
    qputenv("XDG_STATE_HOME", savedState);
    if (savedConfig.isEmpty())
        qunsetenv("SCRIVANT_CONFIG_DIR");
    if (savedState.isEmpty())
        qunsetenv("XDG_STATE_HOME");
}

} // namespace
