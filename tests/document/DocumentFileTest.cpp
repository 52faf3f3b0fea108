#include "document/DocumentEditor.h"
#include "document/DocumentFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray bytesOf(const char* data, size_t size)
{
    return QByteArray(data, qsizetype(size));
}
// Literals may hold NUL bytes: keep their whole length.
#define BYTES(literal) bytesOf(literal, sizeof(literal) - 1)

std::string printable(const QByteArray& bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && u != '\\') {
            out += c;
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
            out += buffer;
        }
    }
    return out;
}

class FileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "<unreadable>";
        return file.readAll();
    }

    QStringList entries() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

    QTemporaryDir dir;
};

// Permission bits do not bind root; scripts/unprivileged.sh runs the tests without that power
// where the system allows it.
#define SKIP_WHEN_ROOT()                                                                            \
    if (geteuid() == 0)                                                                             \
    GTEST_SKIP() << "running as root, which file permissions do not restrict; run the tests through " \
                    "scripts/unprivileged.sh to check this case"

} // namespace

// --- line breaks and encoding detection ------------------------------------------------------

struct LineBreakCase {
    const char* name;
    QByteArray bytes;
    QByteArray expected;
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const LineBreakCase& c, std::ostream* os) { *os << c.name; }

class FirstLineBreak : public ::testing::TestWithParam<LineBreakCase> {};

TEST_P(FirstLineBreak, findsTheFirstEnding)
{
    EXPECT_EQ(printable(firstLineBreak(GetParam().bytes)), printable(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstLineBreak,
    ::testing::Values(LineBreakCase{"empty", "", ""}, LineBreakCase{"none", "<P>text</P>", ""},
                      LineBreakCase{"lf", "a\nb\r\n", "\n"}, LineBreakCase{"crlf", "a\r\nb\n", "\r\n"},
                      LineBreakCase{"cr", "a\rb\n", "\r"}, LineBreakCase{"crAtEnd", "abc\r", "\r"},
                      LineBreakCase{"lfAtStart", "\n\r\n", "\n"}, LineBreakCase{"lfThenCr", "a\n\rb", "\n"},
                      LineBreakCase{"crThenCrlf", "a\r\r\n", "\r"},
                      LineBreakCase{"afterNul", BYTES("\0\0\r\n"), "\r\n"},
                      LineBreakCase{"afterLatin1", "caf\xe9\r\n", "\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Utf8Case {
    const char* name;
    QByteArray bytes;
    bool valid;
};

void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }

class IsValidUtf8 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(IsValidUtf8, judgesTheBytes)
{
    EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().valid) << printable(GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsValidUtf8,
    ::testing::Values(
        Utf8Case{"empty", "", true}, Utf8Case{"ascii", "<P>plain</P>\r\n", true},
        Utf8Case{"nul", BYTES("a\0b"), true}, Utf8Case{"twoBytes", "caf\xc3\xa9", true},
        Utf8Case{"smallestTwoBytes", "\xc2\x80", true}, Utf8Case{"threeBytes", "\xe2\x82\xac", true},
        Utf8Case{"smallestThreeBytes", "\xe0\xa0\x80", true}, Utf8Case{"fourBytes", "\xf0\x9f\x98\x80", true},
        Utf8Case{"smallestFourBytes", "\xf0\x90\x80\x80", true}, Utf8Case{"largestCodePoint", "\xf4\x8f\xbf\xbf", true},
        Utf8Case{"beforeSurrogates", "\xed\x9f\xbf", true}, Utf8Case{"afterSurrogates", "\xee\x80\x80", true},
        Utf8Case{"bom", "\xef\xbb\xbfx", true},
        // Overlong forms.
        Utf8Case{"overlongNul", "\xc0\x80", false}, Utf8Case{"overlongC1", "\xc1\xbf", false},
        Utf8Case{"overlongThreeBytes", "\xe0\x9f\xbf", false}, Utf8Case{"overlongThreeBytesSlash", "\xe0\x80\xaf", false},
        Utf8Case{"overlongFourBytes", "\xf0\x8f\xbf\xbf", false},
        // Surrogates encoded directly.
        Utf8Case{"highSurrogate", "\xed\xa0\x80", false}, Utf8Case{"lowSurrogate", "\xed\xbf\xbf", false},
        Utf8Case{"surrogatePair", "\xed\xa0\xbd\xed\xb8\x80", false},
        // Beyond U+10FFFF and invalid lead bytes.
        Utf8Case{"aboveLargest", "\xf4\x90\x80\x80", false}, Utf8Case{"leadF5", "\xf5\x80\x80\x80", false},
        Utf8Case{"fiveBytes", "\xf8\x88\x80\x80\x80", false}, Utf8Case{"leadFE", "\xfe", false},
        Utf8Case{"leadFF", "\xff", false},
        // Continuation bytes out of place, sequences cut short.
        Utf8Case{"loneContinuation", "a\x80", false}, Utf8Case{"truncatedTwoAtEnd", "ab\xc3", false},
        Utf8Case{"truncatedThreeAtEnd", "\xe2\x82", false}, Utf8Case{"truncatedFourAtEnd", "\xf0\x9f\x98", false},
        Utf8Case{"truncatedBeforeAscii", "\xe2\x82" "A", false},
        Utf8Case{"truncatedBeforeNul", BYTES("\xc3\0"), false},
        Utf8Case{"latin1Word", "caf\xe9 na\xefve", false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- round trips -------------------------------------------------------------------------------

struct RoundTripCase {
    const char* name;
    QByteArray file;
    TextEncoding encoding;
    QByteArray lineBreak;
    QByteArray editorText; // UTF-8 the editor receives
    QByteArray saved;      // what the first save writes
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RoundTrip : public FileTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTrip, readEditSaveKeepsEveryByte)
{
    const RoundTripCase& c = GetParam();
    const QString file = write(QStringLiteral("doc.html"), c.file);

    const ReadResult loaded = readDocumentFile(file);
    ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
    EXPECT_EQ(loaded.content.encoding, c.encoding);
    EXPECT_EQ(printable(loaded.content.lineBreak), printable(c.lineBreak));
    EXPECT_EQ(loaded.content.hasNul, c.file.contains('\0'));
    EXPECT_EQ(printable(loaded.content.utf8), printable(c.editorText));

    // Through the editor and back, NUL bytes included.
    DocumentEditor editor;
    editor.setTextBytes(loaded.content.utf8);
    EXPECT_EQ(printable(editor.textBytes()), printable(c.editorText));

    // Read in pieces straight into an editor, as Open does: the same text.
    DocumentEditor streamed;
    streamed.beginLoad(c.file.size());
    ASSERT_EQ(readDocumentPieces(file, kMaxDocumentSize,
                                 [&](const char* piece, qsizetype size) { streamed.appendLoaded(piece, size); }),
              QString());
    streamed.endLoad();
    EXPECT_EQ(printable(documentContent(streamed.textBytes()).utf8), printable(c.editorText));

    TextEncoding written = c.encoding == TextEncoding::Utf8 ? TextEncoding::Latin1 : TextEncoding::Utf8;
    const QByteArray bytes = bytesForSave(editor.textBytes(), loaded.content.encoding, loaded.content.lineBreak, &written);
    EXPECT_EQ(written, c.encoding);
    ASSERT_EQ(writeFileSafely(file, bytes), QString());
    EXPECT_EQ(printable(read(file)), printable(c.saved));

    // A second open and save changes nothing more.
    const ReadResult again = readDocumentFile(file);
    ASSERT_TRUE(again.ok) << again.error.toStdString();
    EXPECT_EQ(again.content.encoding, c.encoding);
    editor.setTextBytes(again.content.utf8);
    ASSERT_EQ(writeFileSafely(file, bytesForSave(editor.textBytes(), again.content.encoding, again.content.lineBreak)),
              QString());
    EXPECT_EQ(printable(read(file)), printable(c.saved));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("doc.html")}) << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundTrip,
    ::testing::Values(
        RoundTripCase{"utf8", "<P>caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80</P>\n<BR>\n", TextEncoding::Utf8, "\n",
                      "<P>caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80</P>\n<BR>\n",
                      "<P>caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80</P>\n<BR>\n"},
        // Invalid UTF-8 is Latin-1: the editor shows the letters and Save writes the bytes back.
        RoundTripCase{"latin1", "<P>caf\xe9 na\xefve \xff\x80\xa0</P>\r\n", TextEncoding::Latin1, "\r\n",
                      "<P>caf\xc3\xa9 na\xc3\xafve \xc3\xbf\xc2\x80\xc2\xa0</P>\r\n",
                      "<P>caf\xe9 na\xefve \xff\x80\xa0</P>\r\n"},
        RoundTripCase{"latin1LooksLikeUtf8ThenNot", "\xc3\xa9\xe9\n", TextEncoding::Latin1, "\n",
                      "\xc3\x83\xc2\xa9\xc3\xa9\n", "\xc3\xa9\xe9\n"},
        RoundTripCase{"lf", "a\nb\n", TextEncoding::Utf8, "\n", "a\nb\n", "a\nb\n"},
        RoundTripCase{"crlf", "a\r\nb\r\n", TextEncoding::Utf8, "\r\n", "a\r\nb\r\n", "a\r\nb\r\n"},
        RoundTripCase{"cr", "a\rb\r", TextEncoding::Utf8, "\r", "a\rb\r", "a\rb\r"},
        RoundTripCase{"mixedStartingCrlf", "a\r\nb\nc\rd\r\n\n\r", TextEncoding::Utf8, "\r\n",
                      "a\r\nb\nc\rd\r\n\n\r", "a\r\nb\nc\rd\r\n\n\r"},
        RoundTripCase{"mixedStartingCr", "a\rb\r\nc\n", TextEncoding::Utf8, "\r", "a\rb\r\nc\n", "a\rb\r\nc\n"},
        RoundTripCase{"nulUtf8", BYTES("a\0b\r\n\0\r\n"), TextEncoding::Utf8, "\r\n", BYTES("a\0b\r\n\0\r\n"),
                      BYTES("a\0b\r\n\0\r\n")},
        RoundTripCase{"nulLatin1", BYTES("\0\xe9\0\n"), TextEncoding::Latin1, "\n", BYTES("\0\xc3\xa9\0\n"),
                      BYTES("\0\xe9\0\n")},
        RoundTripCase{"onlyNul", BYTES("\0"), TextEncoding::Utf8, "\n", BYTES("\0"), BYTES("\0\n")},
        RoundTripCase{"empty", "", TextEncoding::Utf8, "\n", "", ""},
        RoundTripCase{"onlyLineBreak", "\r\n", TextEncoding::Utf8, "\r\n", "\r\n", "\r\n"},
        // No final line break: the first save appends the document's own, once.
        RoundTripCase{"noBreakAtAll", "<HTML>", TextEncoding::Utf8, "\n", "<HTML>", "<HTML>\n"},
        RoundTripCase{"noFinalLf", "a\nb", TextEncoding::Utf8, "\n", "a\nb", "a\nb\n"},
        RoundTripCase{"noFinalCrlf", "a\r\nb", TextEncoding::Utf8, "\r\n", "a\r\nb", "a\r\nb\r\n"},
        RoundTripCase{"noFinalCr", "a\rb", TextEncoding::Utf8, "\r", "a\rb", "a\rb\r"},
        RoundTripCase{"noFinalMixed", "a\r\nb\nc", TextEncoding::Utf8, "\r\n", "a\r\nb\nc", "a\r\nb\nc\r\n"},
        RoundTripCase{"noFinalLatin1", "caf\xe9\r\nd\xe9j\xe0", TextEncoding::Latin1, "\r\n",
                      "caf\xc3\xa9\r\nd\xc3\xa9j\xc3\xa0", "caf\xe9\r\nd\xe9j\xe0\r\n"},
        RoundTripCase{"noFinalAfterNul", BYTES("a\r\n\0"), TextEncoding::Utf8, "\r\n", BYTES("a\r\n\0"),
                      BYTES("a\r\n\0\r\n")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BytesForSave, latin1DocumentGivenOtherCharactersIsWrittenAsUtf8)
{
    TextEncoding written = TextEncoding::Latin1;
    EXPECT_EQ(printable(bytesForSave("caf\xc3\xa9 \xe2\x82\xac\n", TextEncoding::Latin1, "\n", &written)),
              printable("caf\xc3\xa9 \xe2\x82\xac\n"));
    EXPECT_EQ(written, TextEncoding::Utf8);

    EXPECT_EQ(printable(bytesForSave("\xc3\xbf\xc2\x80", TextEncoding::Latin1, "\r", &written)),
              printable("\xff\x80\r"));
    EXPECT_EQ(written, TextEncoding::Latin1);

    // An astral character cannot be Latin-1 either.
    EXPECT_EQ(printable(bytesForSave("\xf0\x9f\x98\x80", TextEncoding::Latin1, "\n", &written)),
              printable("\xf0\x9f\x98\x80\n"));
    EXPECT_EQ(written, TextEncoding::Utf8);

    // Nor a leading U+FEFF, which is a character of the text, not a byte order mark to drop.
    EXPECT_EQ(printable(bytesForSave("\xef\xbb\xbf" "caf\xc3\xa9", TextEncoding::Latin1, "\n", &written)),
              printable("\xef\xbb\xbf" "caf\xc3\xa9\n"));
    EXPECT_EQ(written, TextEncoding::Utf8);
}

// --- bad input ---------------------------------------------------------------------------------

TEST_F(FileTest, refusesWhatIsNotAReadableFileOfSensibleSize)
{
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const QString folder = path(QStringLiteral("folder"));
    const QString missing = path(QStringLiteral("missing.html"));

    QFile big(write(QStringLiteral("big.html"), {}));
    ASSERT_TRUE(big.resize(4097)); // sparse
    QFile exact(write(QStringLiteral("exact.html"), QByteArray(4096, 'x')));
    const QString fifo = path(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);

    struct Bad {
        QString path;
        qint64 maxSize;
        const char* reason;
    };
    const Bad cases[] = {
        {folder, kMaxDocumentSize, "folder"},
        {missing, kMaxDocumentSize, "does not exist"},
        {big.fileName(), 4096, "too large"},
        // Opening a pipe with no writer would hang the program.
        {fifo, kMaxDocumentSize, "not a regular file"},
        {QStringLiteral("/dev/zero"), 4096, "not a regular file"},
        // Reports a size of 0 but holds more than the limit.
        {QStringLiteral("/proc/self/maps"), 16, "too large"},
    };
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.path.toStdString());
        const ReadResult result = readDocumentFile(bad.path, bad.maxSize);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(bad.path)) << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(QLatin1String(bad.reason))) << result.error.toStdString();
        EXPECT_TRUE(result.content.utf8.isEmpty());
    }

    const ReadResult atLimit = readDocumentFile(exact.fileName(), 4096);
    EXPECT_TRUE(atLimit.ok) << atLimit.error.toStdString();
    EXPECT_EQ(atLimit.content.utf8.size(), 4096);
}

// Pieces split characters and line breaks anywhere: joined, they are the file.
TEST_F(FileTest, aFileLargerThanOnePieceArrivesWhole)
{
    QByteArray text = QByteArray("caf\xc3\xa9\r\n").repeated(1024 * 1024);
    const QString file = write(QStringLiteral("big.html"), text);
    QByteArray joined;
    int pieces = 0;
    ASSERT_EQ(readDocumentPieces(file, kMaxDocumentSize, [&](const char* piece, qsizetype size) {
        joined.append(piece, size);
        ++pieces;
    }), QString());
    EXPECT_GT(pieces, 1);
    EXPECT_TRUE(joined == text);
}

TEST_F(FileTest, refusesAFileOverTheDefaultLimit)
{
    QFile huge(write(QStringLiteral("huge.html"), {}));
    ASSERT_TRUE(huge.resize(kMaxDocumentSize + 1)); // sparse: takes no room on disk
    const ReadResult result = readDocumentFile(huge.fileName());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("too large"))) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("512 MB"))) << result.error.toStdString();
}

TEST_F(FileTest, writingToAFullDeviceReportsTheReason)
{
    const QString reason = writeFileSafely(QStringLiteral("/dev/full"), "<HTML>\n");
    EXPECT_TRUE(reason.contains(QStringLiteral("No space left on device"), Qt::CaseInsensitive))
        << reason.toStdString();
    // Renaming a temporary file over it would have replaced the device with a regular file.
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

TEST_F(FileTest, writingWhereNoFileCanBeIsRefused)
{
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    EXPECT_FALSE(writeFileSafely(path(QStringLiteral("folder")), "x\n").isEmpty());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder"))).isDir());

    const QString inMissingFolder = path(QStringLiteral("nowhere/doc.html"));
    EXPECT_FALSE(writeFileSafely(inMissingFolder, "x\n").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(inMissingFolder));

    // Opening a pipe that nothing reads from would hang the program.
    const QString fifo = path(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_TRUE(writeFileSafely(fifo, "x\n").contains(QStringLiteral("pipe")));
}


TEST_F(FileTest, aFailedWriteLeavesTheOldFileWholeOrNoNewOne)
{
    // Large writes fail as they go; small ones only when the buffer is flushed at the end.
    const struct {
        bool exists;
        rlim_t limit;
        qsizetype size;
    } cases[] = {{true, 4096, 64 * 1024}, {true, 10, 100}, {false, 4096, 64 * 1024}, {false, 10, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.exists ? "existing file, " : "new file, ") << c.size << " bytes");
        const QByteArray old = "<P>the old text</P>\n";
        const QString file = path(QStringLiteral("doc.html"));
        if (c.exists)
            write(QStringLiteral("doc.html"), old);
        QString reason;
        {
            FileSizeLimit limit(c.limit);
            ASSERT_TRUE(limit.ok());
            reason = writeFileSafely(file, QByteArray(c.size, 'n'));
        }
        EXPECT_EQ(reason, qt_error_string(EFBIG)) << "the system's reason, not Qt's unknown one";
        if (c.exists) {
            EXPECT_EQ(read(file), old);
        }
        EXPECT_EQ(entries(), c.exists ? QStringList{QStringLiteral("doc.html")} : QStringList{})
            << "the partial copy is removed";
        QFile::remove(file);
    }
}

TEST_F(FileTest, savingKeepsTheFilesPermissions)
{
    for (const auto permissions : {QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup,
                                   QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                       QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther}) {
        const QString file = write(QStringLiteral("doc.html"), "old\n");
        ASSERT_TRUE(QFile::setPermissions(file, permissions));
        ASSERT_EQ(writeFileSafely(file, "new\n"), QString());
        EXPECT_EQ(read(file), "new\n");
        EXPECT_EQ(QFile::permissions(file) & 0x7077, permissions & 0x7077) << std::hex << int(permissions);
    }
    // The set-id bits too, whichever way the file is written.
    const QByteArray name = QFile::encodeName(path(QStringLiteral("doc.html")));
    for (const WriteSync sync : {WriteSync::Durable, WriteSync::Deferred}) {
        ASSERT_EQ(::chmod(name.constData(), 06750), 0);
        struct stat before {};
        ASSERT_EQ(::stat(name.constData(), &before), 0);
        ASSERT_EQ(writeFileSafely(path(QStringLiteral("doc.html")), "newer\n", sync), QString());
        struct stat after {};
        ASSERT_EQ(::stat(name.constData(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777) << std::oct << (before.st_mode & 07777);
        EXPECT_EQ(after.st_gid, before.st_gid);
    }
}

TEST_F(FileTest, savingThroughASymlinkWritesTheTargetAndKeepsTheLink)
{
    QDir(dir.path()).mkdir(QStringLiteral("real"));
    const QString target = write(QStringLiteral("real/page.html"), "old\n");
    const QString link = path(QStringLiteral("link.html"));
    ASSERT_TRUE(QFile::link(target, link));

    ASSERT_EQ(writeFileSafely(link, "new\n"), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    EXPECT_EQ(read(target), "new\n");
    EXPECT_EQ(QDir(path(QStringLiteral("real"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("page.html")});
}

// --- permissions -------------------------------------------------------------------------------

TEST_F(FileTest, anUnreadableFileIsRefusedWithTheReason)
{
    SKIP_WHEN_ROOT();
    const QString file = write(QStringLiteral("secret.html"), "<P>x</P>\n");
    ASSERT_TRUE(QFile::setPermissions(file, QFile::WriteOwner));
    const ReadResult result = readDocumentFile(file);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(file)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("Permission denied"))) << result.error.toStdString();
}

TEST_F(FileTest, aReadOnlyFileIsNotOverwritten)
{
    SKIP_WHEN_ROOT();
    const QString file = write(QStringLiteral("locked.html"), "old\n");
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
    const QString reason = writeFileSafely(file, "new\n");
    EXPECT_TRUE(reason.contains(QStringLiteral("Permission denied"))) << reason.toStdString();
    EXPECT_EQ(read(file), "old\n");
}

TEST_F(FileTest, aReadOnlyFolderGetsNoNewFile)
{
    SKIP_WHEN_ROOT();
    QDir(dir.path()).mkdir(QStringLiteral("locked"));
    const QString folder = path(QStringLiteral("locked"));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const QString file = folder + QStringLiteral("/new.html");
    const QString reason = writeFileSafely(file, "new\n");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}
