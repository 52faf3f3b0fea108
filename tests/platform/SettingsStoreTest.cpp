#include "platform/SettingsStore.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kApp = QStringLiteral("The Corvane Scrivant");
const QString kTimer = QStringLiteral("Web Timer");
const QString kWindow = QStringLiteral("Window Options");

class SettingsStoreTest : public ::testing::Test {
protected:
    // A store on the same folder, as the next run of the program would open it.
    std::unique_ptr<IniSettingsStore> reopen() { return std::make_unique<IniSettingsStore>(folder.path()); }

    void writeRaw(const QString& app, const QByteArray& bytes)
    {
        QFile f(IniSettingsStore(folder.path()).fileFor(app));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir folder;
};

struct RoundTrip {
    const char* label;
    QString section;
    QString key;
    QString value;
};

QString longValue()
{
    QString s;
    for (int i = 0; i < 20000; ++i)
        s += QStringLiteral("line %1 <P>&amp;\r\n").arg(i);
    return s;
}

std::vector<RoundTrip> roundTrips()
{
    return {
        {"plain", kWindow, QStringLiteral("TheFontName"), QStringLiteral("Arial")},
        {"empty", kWindow, QStringLiteral("TextColor"), QString()},
        {"crlf", kWindow, QStringLiteral("UserTemplate"), QStringLiteral("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n")},
        {"lone cr and lf", kWindow, QStringLiteral("UserTemplate"), QStringLiteral("a\rb\nc\r\r\n\n")},
        {"equals", kWindow, QStringLiteral("TheOpenFile"), QStringLiteral("a=b==c=")},
        {"brackets", kWindow, QStringLiteral("TheOpenFile"), QStringLiteral("[Window Options]")},
        {"value looking like a line", kWindow, QStringLiteral("TheOpenFile"), QStringLiteral("x\n[FTP]\nPassword=1")},
        {"backslashes", kWindow, QStringLiteral("TheOpenFile"), QStringLiteral("C:\\HTML\\n\\x41\\\\end\\")},
        {"escape look-alikes", kWindow, QStringLiteral("TheOpenFile"), QStringLiteral("\\r\\n\\t\\x0")},
        {"control characters", kWindow, QStringLiteral("TheOpenFile"), QString::fromUtf16(u"\t\x01\x1f\x7f end")},
        {"nul", kWindow, QStringLiteral("TheOpenFile"), QString(QStringLiteral("a%1b")).arg(QChar(0))},
        {"leading and trailing blanks", kWindow, QStringLiteral("TheFontName"), QStringLiteral("  Courier New  ")},
        {"comment marks", kWindow, QStringLiteral("TheFontName"), QStringLiteral(";#not a comment")},
        {"non-ascii", kWindow, QStringLiteral("TheOpenFile"), QStringLiteral("/home/zoë/Bilder/日本語/😀.gif")},
        {"very long", kWindow, QStringLiteral("UserTemplate"), longValue()},
        {"indexed key", QStringLiteral("Menu Array Values"), QStringLiteral("MenuArray(3)"), QStringLiteral("/tmp/a&b.htm")},
        {"key with a blank", QStringLiteral("Dates"), QStringLiteral("Date List"), QStringLiteral("12/9/2026 10:30\r\n")},
    };
}

} // namespace

TEST_F(SettingsStoreTest, everyValueComesBackExactlyAfterAFlush)
{
    for (const RoundTrip& c : roundTrips()) {
        SCOPED_TRACE(c.label);
        {
            IniSettingsStore store(folder.path());
            store.write(kApp, c.section, c.key, c.value);
            // Seen at once by the same store, before anything is written to disk.
            EXPECT_EQ(store.read(kApp, c.section, c.key, QStringLiteral("default")), c.value);
            store.flush();
        }
        EXPECT_EQ(reopen()->read(kApp, c.section, c.key, QStringLiteral("default")), c.value);
    }
}

TEST_F(SettingsStoreTest, allValuesOfOneFileSurviveTogether)
{
    // Values written side by side must not run into one another in the file.
    const std::vector<RoundTrip> cases = roundTrips();
    {
        IniSettingsStore store(folder.path());
        for (size_t i = 0; i < cases.size(); ++i)
            store.write(kApp, cases[i].section, cases[i].key + QString::number(i), cases[i].value);
    } // the destructor flushes
    auto store = reopen();
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(store->read(kApp, cases[i].section, cases[i].key + QString::number(i)), cases[i].value)
            << cases[i].label;
}

TEST_F(SettingsStoreTest, absentKeyGivesTheDefaultButAStoredEmptyTextDoesNot)
{
    IniSettingsStore store(folder.path());
    EXPECT_EQ(store.read(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("10")), QStringLiteral("10"));
    EXPECT_EQ(store.read(kApp, QStringLiteral("No Such Section"), QStringLiteral("x")), QString());
    store.write(kApp, kWindow, QStringLiteral("TextColor"), QString());
    store.flush();
    auto again = reopen();
    EXPECT_EQ(again->read(kApp, kWindow, QStringLiteral("TextColor"), QStringLiteral("255")), QString());
    // Same key in another section is another value.
    EXPECT_EQ(again->read(kApp, QStringLiteral("FTP"), QStringLiteral("TextColor"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST_F(SettingsStoreTest, laterWriteReplacesEarlierAndOtherKeysStay)
{
    {
        IniSettingsStore store(folder.path());
        store.write(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("10"));
        store.write(kApp, kWindow, QStringLiteral("TheFontName"), QStringLiteral("Arial"));
    }
    {
        // A second run that rewrites one key keeps what the first run stored under the others.
        auto store = reopen();
        store->write(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("14"));
    }
    auto store = reopen();
    EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("TheFontSize")), QStringLiteral("14"));
    EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("TheFontName")), QStringLiteral("Arial"));
}

TEST_F(SettingsStoreTest, theTwoApplicationNamesUseSeparateFiles)
{
    {
        IniSettingsStore store(folder.path());
        store.write(kApp, QStringLiteral("Dates"), QStringLiteral("Date List"), QStringLiteral("editor"));
        store.write(kTimer, QStringLiteral("Dates"), QStringLiteral("Date List"), QStringLiteral("timer"));
        EXPECT_NE(store.fileFor(kApp), store.fileFor(kTimer));
    }
    auto store = reopen();
    EXPECT_EQ(store->read(kApp, QStringLiteral("Dates"), QStringLiteral("Date List")), QStringLiteral("editor"));
    EXPECT_EQ(store->read(kTimer, QStringLiteral("Dates"), QStringLiteral("Date List")), QStringLiteral("timer"));
    EXPECT_TRUE(QFile::exists(store->fileFor(kApp)));
    EXPECT_TRUE(QFile::exists(store->fileFor(kTimer)));

    // Losing one file loses only that application's values.
    ASSERT_TRUE(QFile::remove(store->fileFor(kTimer)));
    auto fresh = reopen();
    EXPECT_EQ(fresh->read(kTimer, QStringLiteral("Dates"), QStringLiteral("Date List"), QStringLiteral("-")),
              QStringLiteral("-"));
    EXPECT_EQ(fresh->read(kApp, QStringLiteral("Dates"), QStringLiteral("Date List")), QStringLiteral("editor"));
}

TEST_F(SettingsStoreTest, aHandWrittenFileWithCrLfLinesIsRead)
{
    writeRaw(kApp, "\xEF\xBB\xBF[Window Options]\r\nTheFontSize=12\r\nTheFontName=Times New Roman\r\n\r\n"
                   "[Menu Array Values]\r\nMenuArray(0)=/tmp/x.htm\r\n");
    auto store = reopen();
    EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("TheFontSize")), QStringLiteral("12"));
    EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("TheFontName")), QStringLiteral("Times New Roman"));
    EXPECT_EQ(store->read(kApp, QStringLiteral("Menu Array Values"), QStringLiteral("MenuArray(0)")),
              QStringLiteral("/tmp/x.htm"));
}

struct Hostile {
    const char* label;
    QByteArray bytes;
};

TEST_F(SettingsStoreTest, aCorruptFileGivesDefaultsAndIsReplacedOnTheNextWrite)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 131 + 7) & 0xff);
    const std::vector<Hostile> cases = {
        {"binary junk", binary},
        {"nul bytes", QByteArray("[Window Options]\nTheFontSize=") + QByteArray(3, '\0') + "12\n"},
        {"invalid utf-8", "[Window Options]\nTheFontSize=\xC3\x28\xFF\xFE\n"},
        {"truncated utf-8", "[Window Options]\nTheFontName=Ari\xE2\x82"},
        {"no sections, no equals", "TheFontSize\n[[[\n]]]\n=\n==\n[\n"},
    };
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.label);
        writeRaw(kApp, c.bytes);
        {
            auto store = reopen();
            EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("10")),
                      QStringLiteral("10"));
            EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("TheFontName"), QStringLiteral("Arial")),
                      QStringLiteral("Arial"));
            store->write(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("11"));
        }
        EXPECT_EQ(reopen()->read(kApp, kWindow, QStringLiteral("TheFontSize")), QStringLiteral("11"));
        // What could not be read is kept beside, whole; a file read as text but holding no
        // settings is simply replaced.
        QFile aside(IniSettingsStore(folder.path()).fileFor(kApp) + QLatin1String(IniSettingsStore::kUnreadSuffix));
        const bool read = QByteArrayView(c.label) == "no sections, no equals";
        EXPECT_EQ(aside.exists(), !read);
        if (aside.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(aside.readAll(), c.bytes);
        }
        aside.remove();
    }
}

TEST_F(SettingsStoreTest, hostileValuesAreReturnedAsText)
{
    // Converting is the reader's business; the store only hands back what the file says.
    writeRaw(kApp, "[Window Options]\nMainFormWidth=99999999999999999999999\nTheFontBold=maybe\n"
                   "Escapes=\\x\\xZZ\\x4\\\n");
    auto store = reopen();
    EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("MainFormWidth")), QStringLiteral("99999999999999999999999"));
    EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("TheFontBold")), QStringLiteral("maybe"));
    // Broken escapes are kept as letters rather than lost or misread.
    EXPECT_EQ(store->read(kApp, kWindow, QStringLiteral("Escapes")), QStringLiteral("xxZZx4\\"));
}

TEST_F(SettingsStoreTest, aFolderThatCannotBeWrittenLosesTheValuesQuietly)
{
    // A plain file where the folder should be: nothing can be created below it.
    const QString blocked = folder.filePath(QStringLiteral("blocked"));
    {
        QFile f(blocked);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    {
        IniSettingsStore store(blocked + QStringLiteral("/settings"));
        store.write(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("12"));
        store.flush();
        // The value is still there for the rest of the run.
        EXPECT_EQ(store.read(kApp, kWindow, QStringLiteral("TheFontSize")), QStringLiteral("12"));
    }
    IniSettingsStore next(blocked + QStringLiteral("/settings"));
    EXPECT_EQ(next.read(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("10")), QStringLiteral("10"));
}

TEST_F(SettingsStoreTest, aWriteThatFailsKeepsTheOldFileAndTriesAgainAtTheNextFlush)
{
    IniSettingsStore store(folder.path());
    store.write(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("12"));
    store.flush();
    store.write(kApp, kWindow, QStringLiteral("TheFontSize"), QStringLiteral("14"));
    {
        FileSizeLimit limit(10); // the disk full before the file is complete
        ASSERT_TRUE(limit.ok());
        store.flush();
    }
    EXPECT_EQ(reopen()->read(kApp, kWindow, QStringLiteral("TheFontSize")), QStringLiteral("12"));
    store.flush();
    EXPECT_EQ(reopen()->read(kApp, kWindow, QStringLiteral("TheFontSize")), QStringLiteral("14"));
}

TEST_F(SettingsStoreTest, theEnvironmentVariableChoosesTheFolder)
{
    const QByteArray saved = qgetenv("SCRIVANT_CONFIG_DIR");
    qputenv("SCRIVANT_CONFIG_DIR", folder.path().toUtf8());
    EXPECT_EQ(IniSettingsStore::defaultFolder(), folder.path());
    qunsetenv("SCRIVANT_CONFIG_DIR");
    EXPECT_NE(IniSettingsStore::defaultFolder(), folder.path());
    EXPECT_FALSE(IniSettingsStore::defaultFolder().isEmpty());
    if (!saved.isEmpty())
        qputenv("SCRIVANT_CONFIG_DIR", saved);
}
