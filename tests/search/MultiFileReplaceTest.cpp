// Multi-file replace: the replacement on one file's bytes in either encoding, the run over a
// folder of files that can and cannot be read or written (every byte, mode and time stamp
// checked afterwards), and the window driven by its controls.

#include "support/ScriptedPrompter.h"

#include "dialogs/FolderBrowser.h"
#include "search/MultiFileReplace.h"
#include "search/frmGlobal.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

#define BYTES(literal) QByteArray(literal, sizeof(literal) - 1)

// Bytes as C escapes, so that a failure shows which byte differs.
std::string printable(const QByteArray& bytes)
{
    std::string out;
    for (const char c : bytes) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", unsigned(uchar(c)));
            out += hex;
        }
    }
    return out;
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

unsigned modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0u;
}

// ---- one file's bytes -----------------------------------------------------------------------

struct BytesCase {
    const char* what;
    QByteArray before;
    TextEncoding encoding;
    const char* find; // UTF-8
    const char* replacement;
    qsizetype count;
    QByteArray after; // when count > 0
};

const BytesCase kBytesCases[] = {
    {"each occurrence", "a cat, a cat\n", TextEncoding::Utf8, "cat", "dog", 2, "a dog, a dog\n"},
    {"case counts", "Cat cat CAT", TextEncoding::Utf8, "cat", "x", 1, "Cat x CAT"},
    {"replacement holds the find text", "cat cat", TextEncoding::Utf8, "cat", "concat", 2, "concat concat"},
    {"adjacent matches", "aaaa", TextEncoding::Utf8, "aa", "b", 2, "bb"},
    {"overlapping matches count once", "aaa", TextEncoding::Utf8, "aa", "b", 1, "ba"},
    {"removed", "x<B>y<B>", TextEncoding::Utf8, "<B>", "", 2, "xy"},
    {"whole file removed", "abc", TextEncoding::Utf8, "abc", "", 1, ""},
    {"no final line break is added", "one\r\ntwo", TextEncoding::Utf8, "two", "2", 1, "one\r\n2"},
    {"own line breaks kept", "a\rb\r\n\nb\r", TextEncoding::Utf8, "b", "B", 2, "a\rB\r\n\nB\r"},
    {"line breaks in the texts", "a\r\nb\r\n", TextEncoding::Utf8, "\r\nb", "\nc", 1, "a\nc\r\n"},
    {"NUL kept", BYTES("a\0b\0a"), TextEncoding::Utf8, "a", "c", 2, BYTES("c\0b\0c")},
    {"absent", "nothing here", TextEncoding::Utf8, "cat", "dog", 0, {}},
    {"UTF-8 characters", "caf\xc3\xa9 \xc3\xa9t\xc3\xa9", TextEncoding::Utf8, "\xc3\xa9", "\xe2\x82\xac", 3,
     "caf\xe2\x82\xac \xe2\x82\xact\xe2\x82\xac"},
    {"Latin-1 stays Latin-1", "caf\xe9 caf\xe9\r\n", TextEncoding::Latin1, "\xc3\xa9", "\xc3\xa8", 2,
     "caf\xe8 caf\xe8\r\n"},
    {"Latin-1 ASCII replace", "caf\xe9 old\xff", TextEncoding::Latin1, "old", "new", 1, "caf\xe9 new\xff"},
    {"Latin-1 gaining a euro becomes UTF-8", "caf\xe9 \xa4", TextEncoding::Latin1, "\xc2\xa4", "\xe2\x82\xac", 1,
     "caf\xc3\xa9 \xe2\x82\xac"},
    {"a euro is in no Latin-1 file", "caf\xe9 \x80", TextEncoding::Latin1, "\xe2\x82\xac", "E", 0, {}},
    // Cutting X out would leave C3 A9, which reads back as one letter: write UTF-8 instead.
    {"Latin-1 result that would read as UTF-8", "\xc3X\xa9", TextEncoding::Latin1, "X", "", 1, "\xc3\x83\xc2\xa9"},
};

TEST(MultiFileReplaceBytes, ReplacesInTheFilesEncoding)
{
    for (const BytesCase& c : kBytesCases) {
        SCOPED_TRACE(c.what);
        const FileBytesResult result = replaceInFileBytes(c.before, c.encoding, QString::fromUtf8(c.find),
                                                          QString::fromUtf8(c.replacement));
        EXPECT_EQ(result.replacements, c.count);
        if (c.count > 0) {
            EXPECT_EQ(printable(result.bytes), printable(c.after));
        }
    }
    // A lone surrogate has no UTF-8 form: it must not match the replacement character.
    EXPECT_EQ(replaceInFileBytes("a\xef\xbf\xbd?", TextEncoding::Utf8, QString(QChar(0xd800)), "x").replacements, 0);
    EXPECT_EQ(replaceInFileBytes("abc", TextEncoding::Utf8, QString(), "x").replacements, 0);
}

TEST(MultiFileReplaceBytes, ReportsWhereTheNextOccurrenceLies)
{
    // "ab ab ab": after the first replacement the text is "xyz ab ab" (9) with the next at 5.
    std::vector<double> seen;
    replaceInFileBytes("ab ab ab", TextEncoding::Utf8, "ab", "xyz", [&](double f) { seen.push_back(f); });
    EXPECT_EQ(seen, (std::vector<double>{5.0 / 9.0, 9.0 / 10.0, 0.0}));
}

// ---- a run over files on disk ---------------------------------------------------------------

class MultiFileReplaceDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = QDir(dir.path()).canonicalPath();
    }
    void TearDown() override
    {
        // Let the temporary folder remove what the test locked.
        for (const QString& name : QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            ::chmod(QFile::encodeName(root + QLatin1Char('/') + name).constData(), 0700);
    }
    QString make(const QString& name, const QByteArray& bytes, unsigned mode = 0644)
    {
        const QString path = root + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
        f.write(bytes);
        f.flush();
        // Far in the past, so that any rewrite shows in the time stamp.
        f.setFileTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), QFileDevice::FileModificationTime);
        f.close();
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        return path;
    }

    QTemporaryDir dir;
    QString root;
};

TEST_F(MultiFileReplaceDisk, RewritesChangedFilesOnlyAndReportsTheOthers)
{
    // Where permissions do not bind (root with no user namespace) locked files are written.
    const bool bind = geteuid() != 0;
    struct File {
        const char* name;
        QByteArray before;
        unsigned mode;
        QByteArray after;
    };
    const File files[] = {
        {"page.htm", "<P>old</P>\r\n<B>old</B>", 0640, "<P>[old]</P>\r\n<B>[old]</B>"},
        {"twice.html", "old\n", 0644, "[[old]]\n"}, // listed twice, so worked on twice
        {"same.htm", "nothing to change\n", 0644, "nothing to change\n"},
        {"latin1.txt", "caf\xe9 old\n", 0604, "caf\xe9 [old]\n"},
        {"script.cgi", "#!/bin/sh\necho old\n", 0751, "#!/bin/sh\necho [old]\n"},
        {"locked.htm", "old\n", 0444, bind ? "old\n" : "[old]\n"},
        {"secret.htm", "old\n", 0200, bind ? "old\n" : "[old]\n"},
        {"real/target.htm", "old", 0644, "[old]"},
        {"shut/inner.htm", "old", 0666, bind ? "old" : "[old]"}, // no new file can be made beside it
    };
    for (const File& f : files)
        make(QString::fromUtf8(f.name), f.before, f.mode);
    ASSERT_TRUE(QFile::setPermissions(root + QStringLiteral("/shut"), QFile::ReadOwner | QFile::ExeOwner));
    const QString link = root + QStringLiteral("/link.htm");
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/real/target.htm"), link));
    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("folder.htm")));
    const auto at = [&](const char* name) { return root + QLatin1Char('/') + QLatin1String(name); };

    const QStringList paths{at("page.htm"),   at("twice.html"), at("missing.htm"), at("same.htm"),
                            at("locked.htm"), at("latin1.txt"), at("secret.htm"),  at("twice.html"),
                            at("folder.htm"), at("script.cgi"), link,              at("shut/inner.htm")};
    std::vector<qsizetype> started;
    const MultiFileReplaceReport report = replaceInFiles(paths, "old", "[old]", [&](qsizetype file, double fraction) {
        if (started.empty() || started.back() != file) {
            started.push_back(file);
            EXPECT_EQ(fraction, 0.0) << "a file starts at 0";
        }
    });

    EXPECT_FALSE(report.refused);
    EXPECT_EQ(started.size(), size_t(paths.size()));
    EXPECT_EQ(report.filesChanged, bind ? 6 : 9);
    EXPECT_EQ(report.replacements, bind ? 7 : 10);
    QStringList failed;
    for (const FileFailure& f : report.failures) {
        failed << QFileInfo(f.path).fileName();
        EXPECT_TRUE(f.message.contains(f.path)) << f.message.toStdString();
    }
    if (bind)
        EXPECT_EQ(failed, (QStringList{"missing.htm", "locked.htm", "secret.htm", "folder.htm", "inner.htm"}));
    else
        EXPECT_EQ(failed, (QStringList{"missing.htm", "folder.htm"}));
    for (const FileFailure& f : report.failures) {
        const char* reason = f.path.endsWith(QLatin1String("missing.htm")) ? "it does not exist"
            : f.path.endsWith(QLatin1String("folder.htm"))                 ? "it is a folder"
                                                                           : "Permission denied";
        EXPECT_TRUE(f.message.contains(QLatin1String(reason))) << f.message.toStdString();
    }

    for (const File& f : files) {
        SCOPED_TRACE(f.name);
        const QString path = at(f.name);
        EXPECT_EQ(modeOf(path), f.mode) << std::oct << modeOf(path);
        const bool untouched = f.before == f.after;
        EXPECT_EQ(QFileInfo(path).lastModified() == QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), untouched);
        ::chmod(QFile::encodeName(path).constData(), 0644);
        EXPECT_EQ(printable(readBytes(path)), printable(f.after));
    }
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(at("folder.htm")).isDir());
    EXPECT_FALSE(QFileInfo::exists(at("missing.htm")));
    // No temporary copy is left behind.
    EXPECT_EQ(QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name).size(), 11);
    for (const char* folder : {"real", "shut"})
        EXPECT_EQ(QDir(at(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
}

TEST_F(MultiFileReplaceDisk, AnEmptyFindTextTouchesNothing)
{
    const QString page = make(QStringLiteral("page.htm"), "old\n");
    int calls = 0;
    const QStringList paths{page, root + QStringLiteral("/missing.htm")};
    const MultiFileReplaceReport report = replaceInFiles(paths, QString(), "x", [&](qsizetype, double) { ++calls; });
    EXPECT_TRUE(report.refused);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(report.failures.isEmpty()) << "nothing was even read";
    EXPECT_EQ(readBytes(page), "old\n");
    EXPECT_EQ(QFileInfo(page).lastModified(), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
}

// ---- the window -----------------------------------------------------------------------------

class MultiFileReplaceDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = QDir(dir.path()).canonicalPath();
        site = root + QStringLiteral("/site");
        for (const char* name : {"index.htm", "b.html", "c.txt", "UPPER.HTM", "pic.gif", "notes.md"})
            write(QLatin1String(name), "<P>old</P>\n");
        QDir(site).mkdir(QStringLiteral("inner"));
    }
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    QString write(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(site);
        QFile f(site + QLatin1Char('/') + name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QString path(const char* name) const { return site + QLatin1Char('/') + QLatin1String(name); }
    static void doubleClick(QListWidget* list, const QString& text)
    {
        QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << text.toStdString();
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    // Clicks Replace Text with each message answered; returns the messages asked.
    std::vector<PromptRecord> replace(frmGlobal& dialog, int messages)
    {
        for (int i = 0; i < messages; ++i)
            prompter.answerMessage(PromptAnswer::Ok);
        const size_t before = prompter.requests.size();
        dialog.cmdReplace->click();
        return {prompter.requests.begin() + qsizetype(before), prompter.requests.end()};
    }

    QTemporaryDir dir;
    QString root;
    QString site;
    ScriptedPrompter prompter;
};

TEST_F(MultiFileReplaceDialog, OpensWithItsControlsAndBlinks)
{
    frmGlobal dialog(prompter);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmGlobal"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Global Find and Replace"));
    const struct {
        const char* name;
        const char* text;
    } captions[] = {
        {"lblFind", "Find:"},
        {"lblReplace", "Replace With:"},
        {"lblItems", "Selected Files:"},
        {"lblCaseSensitive", "Replacements are case sensitive!"},
        {"Command1", "&Add Selected Files"},
        {"cmdReplace", "&Replace Text"},
        {"cmdCancel", "&Done"},
    };
    for (const auto& c : captions) {
        SCOPED_TRACE(c.name);
        QWidget* w = dialog.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->property("text").toString(), QLatin1String(c.text));
    }
    for (const char* name : {"txtFind", "txtReplace", "Drive1", "Dir1", "File1", "List1", "ProgressBar1"})
        EXPECT_NE(dialog.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(dialog.browser().patterns(),
              QStringLiteral("*.htm;*.html;*.shtml;*.ht3;*.ht2;*.txt;*.doc;*.rtf;*.wri;*.cgi;*.class;*.pl;*.qlt"));
    ASSERT_TRUE(dialog.browser().setFolderPath(site));
    EXPECT_EQ(dialog.browser().listedFiles(), (QStringList{"b.html", "c.txt", "index.htm", "UPPER.HTM"}));

    QTimer* timer = dialog.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_EQ(timer, dialog.Timer1);
    EXPECT_EQ(timer->interval(), 1000);
    dialog.show();
    EXPECT_TRUE(timer->isActive());
    for (const bool hidden : {true, false, true}) {
        QMetaObject::invokeMethod(timer, "timeout");
        EXPECT_EQ(dialog.lblCaseSensitive->isHidden(), hidden);
    }
    dialog.cmdCancel->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(MultiFileReplaceDialog, CollectsAndRemovesPaths)
{
    frmGlobal dialog(prompter);
    dialog.show();
    ASSERT_TRUE(dialog.browser().setFolderPath(site));
    doubleClick(dialog.File1, QStringLiteral("index.htm"));
    EXPECT_EQ(dialog.listedPaths(), QStringList{path("index.htm")});

    // Selected in another order than the list's: added in the list's.
    dialog.File1->clearSelection();
    for (const char* name : {"UPPER.HTM", "b.html"})
        dialog.File1->findItems(QLatin1String(name), Qt::MatchExactly).value(0)->setSelected(true);
    dialog.Command1->click();
    dialog.Command1->click();
    const QStringList added{path("index.htm"), path("b.html"), path("UPPER.HTM"), path("b.html"), path("UPPER.HTM")};
    EXPECT_EQ(dialog.listedPaths(), added);

    // A double click removes that one entry.
    dialog.List1->scrollToItem(dialog.List1->item(3));
    const QPoint at = dialog.List1->visualItemRect(dialog.List1->item(3)).center();
    QTest::mouseClick(dialog.List1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(dialog.List1->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dialog.listedPaths(),
              (QStringList{path("index.htm"), path("b.html"), path("UPPER.HTM"), path("UPPER.HTM")}));

    // In the root folder the path still has one separator.
    ASSERT_TRUE(dialog.browser().setFolderPath(QStringLiteral("/")));
    EXPECT_EQ(dialog.browser().filePath(QStringLiteral("x.htm")), QStringLiteral("/x.htm"));
}

TEST_F(MultiFileReplaceDialog, ReplaceTextRewritesTheListedFiles)
{
    frmGlobal dialog(prompter);
    dialog.show();
    dialog.txtFind->setText(QStringLiteral("old"));
    dialog.txtReplace->setText(QStringLiteral("new"));
    dialog.List1->addItems({path("index.htm"), path("b.html"), path("gone.htm"), path("index.htm")});
    const std::vector<PromptRecord> asked = replace(dialog, 2);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].title, QStringLiteral("quillet"));
    EXPECT_EQ(asked[0].icon, PromptIcon::Exclamation);
    EXPECT_TRUE(asked[0].text.contains(path("gone.htm"))) << asked[0].text.toStdString();
    EXPECT_TRUE(asked[0].text.contains(QStringLiteral("it does not exist"))) << asked[0].text.toStdString();
    EXPECT_FALSE(asked[0].text.contains(path("index.htm")));
    EXPECT_EQ(asked[1].title, QStringLiteral("quillet"));
    EXPECT_EQ(asked[1].text, QStringLiteral("Finished!"));
    EXPECT_EQ(asked[1].icon, PromptIcon::Information);

    EXPECT_EQ(readBytes(path("index.htm")), "<P>new</P>\n");
    EXPECT_EQ(readBytes(path("b.html")), "<P>new</P>\n");
    EXPECT_EQ(readBytes(path("c.txt")), "<P>old</P>\n") << "only listed files change";
    EXPECT_EQ(dialog.List1->count(), 4) << "the list is kept";
    EXPECT_EQ(dialog.ProgressBar1->value(), 0);
    EXPECT_TRUE(dialog.cmdReplace->isEnabled());
    EXPECT_TRUE(dialog.isVisible());

    // Case counts: "NEW" is not "new". With nothing failing, only Finished!.
    dialog.txtFind->setText(QStringLiteral("NEW"));
    dialog.List1->takeItem(2);
    const std::vector<PromptRecord> again = replace(dialog, 1);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].text, QStringLiteral("Finished!"));
    EXPECT_EQ(readBytes(path("index.htm")), "<P>new</P>\n");
}

TEST_F(MultiFileReplaceDialog, AnEmptyFindTextIsRefused)
{
    frmGlobal dialog(prompter);
    dialog.List1->addItem(path("index.htm"));
    dialog.txtReplace->setText(QStringLiteral("x"));
    const std::vector<PromptRecord> asked = replace(dialog, 1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, QStringLiteral("quillet"));
    EXPECT_EQ(asked[0].text, QStringLiteral("Type the text to find first."));
    EXPECT_EQ(asked[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(readBytes(path("index.htm")), "<P>old</P>\n");
}

TEST_F(MultiFileReplaceDialog, APlaceThatCannotBeListedIsRefused)
{
    // A home folder that vanished after the places were listed.
    const QByteArray oldHome = qgetenv("HOME");
    const QString home = root + QStringLiteral("/home");
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    frmGlobal dialog(prompter);
    qputenv("HOME", oldHome);
    ASSERT_EQ(dialog.Drive1->itemData(1).toString(), home);
    ASSERT_TRUE(dialog.browser().setFolderPath(site));
    const int shown = dialog.Drive1->currentIndex();
    ASSERT_NE(shown, 1);
    ASSERT_TRUE(QDir(home).removeRecursively());

    prompter.answerMessage(PromptAnswer::Ok);
    dialog.Drive1->setCurrentIndex(1);
    emit dialog.Drive1->activated(1);
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().title, QStringLiteral("quillet"));
    EXPECT_EQ(prompter.last().text, QStringLiteral("Drive not available"));
    EXPECT_EQ(prompter.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(dialog.Drive1->currentIndex(), shown);
    EXPECT_EQ(dialog.browser().folderPath(), site);
    EXPECT_EQ(dialog.browser().listedFiles(), (QStringList{"b.html", "c.txt", "index.htm", "UPPER.HTM"}));
}

TEST_F(MultiFileReplaceDialog, ShownModallyThroughThePrompter)
{
    prompter.answerModal([&](QDialog& d) {
        auto& dialog = dynamic_cast<frmGlobal&>(d);
        dialog.cmdCancel->click();
        return dialog.result();
    });
    showMultiFileReplace(prompter, nullptr);
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().kind, QStringLiteral("modal"));
    EXPECT_EQ(prompter.last().dialogName, QStringLiteral("frmGlobal"));
}

} // namespace
