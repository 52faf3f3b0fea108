// The image chooser: which files its patterns list, how it joins paths, the preview page it
// writes and shows, the folder it remembers, and where it opens when that folder is gone.

#include "DialogTestSupport.h"
#include "support/FakeDialogHost.h"
#include "support/ScriptedPrompter.h"
#include "support/TestApp.h"

#include "app/Preferences.h"
#include "dialogs/DialogHost.h"
#include "dialogs/frmGraphicLink.h"
#include "dialogs/frmImage.h"
#include "platform/HtmlView.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

// A 1 x 1 GIF, so that a preview can be seen to show a real picture.
const QByteArray kGif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");

// The chooser needs only a prompter and the remembered folder from its host.
using FakeHost = FakeDialogHost;

QString makeFile(const QString& path, const QByteArray& bytes = "x")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
    return path;
}

void selectFile(frmImage& chooser, const QString& name)
{
    const QList<QListWidgetItem*> found = chooser.File1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    chooser.File1->setCurrentItem(found.first());
}

QStringList folderNames(const frmImage& chooser)
{
    QStringList names;
    for (int i = 0; i < chooser.Dir1->count(); ++i)
        names << chooser.Dir1->item(i)->text().trimmed();
    return names;
}

QPushButton* button(QWidget& w, const char* name)
{
    auto* b = w.findChild<QPushButton*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

// ---- patterns and paths ---------------------------------------------------------------------

struct PatternCase {
    const char* name;
    const char* patterns;
    bool matches;
};

const PatternCase kPatternCases[] = {
    {"logo.gif", "*.gif;*.jpg", true},
    {"photo.jpg", "*.gif;*.jpg", true},
    // Upper-case extensions are listed: on Linux the names differ only in case from what the
    // pattern says, and hiding them would look like missing pictures.
    {"LOGO.GIF", "*.gif;*.jpg", true},
    {"Photo.JpG", "*.gif;*.jpg", true},
    {"logo.png", "*.gif;*.jpg", false},
    {"logo.gif.txt", "*.gif;*.jpg", false},
    {"gif", "*.gif;*.jpg", false},
    {"movie.dcr", "*.dcr;*.dir", true},
    {"MOVIE.DIR", "*.dcr;*.dir", true},
    {"logo.gif", "*.dcr;*.dir", false},
    {"README", "*.*", true},
    {"README", "", true},
    {"logo.gif", ";;*.gif;", true},
    {"a.jpg", "*.gif; *.jpg", true},
    {"abc.gif", "a?c.gif", true},
    {"abbc.gif", "a?c.gif", false},
    {"my \"pic\" #1 & \xc3\xa9.gif", "*.gif", true},
    {"x.png", "x.png", true},
    {"xx.png", "x.png", false},
};

TEST(ImagePattern, MatchesEachCase)
{
    for (const PatternCase& c : kPatternCases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.patterns);
        EXPECT_EQ(matchesFilePattern(QString::fromUtf8(c.name), QString::fromUtf8(c.patterns)), c.matches);
    }
}

TEST(ImagePath, JoinsWithOneSeparator)
{
    const struct {
        const char* folder;
        const char* file;
        const char* path;
    } cases[] = {
        {"/", "name.gif", "/name.gif"},
        {"/home/ann", "name.gif", "/home/ann/name.gif"},
        {"/home/ann", "", "/home/ann/"},
        {"/", "", "/"},
        {"/media/usb", "a b.gif", "/media/usb/a b.gif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.folder) + " + " + c.file);
        EXPECT_EQ(joinFolderPath(QString::fromUtf8(c.folder), QString::fromUtf8(c.file)), QString::fromUtf8(c.path));
    }
}

TEST(ImagePreviewPage, PointsAtTheFileByItsAddress)
{
    const struct {
        const char* path;
        const char* page;
    } cases[] = {
        {"/tmp/pics/logo.gif",
         "<html><body><title>Image Preview</title></body><img width=100 height=100  "
         "src=\"file:///tmp/pics/logo.gif\"></html>"},
        // Spaces, quotes, "#", "&" and non-ASCII letters would each break a bare path.
        {"/tmp/a b#&\xc3\xa9/my \"pic\" #1.gif",
         "<html><body><title>Image Preview</title></body><img width=100 height=100  "
         "src=\"file:///tmp/a%20b%23&amp;%C3%A9/my%20%22pic%22%20%231.gif\"></html>"},
        // A folder path with no file still gives an address.
        {"/tmp/pics/",
         "<html><body><title>Image Preview</title></body><img width=100 height=100  "
         "src=\"file:///tmp/pics/\"></html>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(imagePreviewPage(QString::fromUtf8(c.path)), QString::fromUtf8(c.page));
    }
}

TEST(ImagePlaces, KeepsVolumesThatHoldUserFiles)
{
    const struct {
        const char* root;
        const char* type;
        bool listed;
    } cases[] = {
        {"/media/ann/STICK", "vfat", true},
        {"/run/media/ann/DISK", "exfat", true},
        {"/mnt/data", "ext4", true},
        {"/", "ext4", false}, // listed once, as the root
        {"/proc", "proc", false},
        {"/sys/fs/cgroup", "cgroup2", false},
        {"/dev/shm", "tmpfs", false},
        {"/run/user/1000", "tmpfs", false},
        {"/run/lock", "ext4", false},
        {"/boot/efi", "vfat", false},
        {"/etc/hosts", "ext4", false},
        {"/snap/core/1", "squashfs", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.root);
        EXPECT_EQ(isUserVolume(QString::fromUtf8(c.root), QByteArray(c.type)), c.listed);
    }
}

// ---- the chooser window ---------------------------------------------------------------------

class ImageChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(cache.isValid());
        // The preview page goes to the user's cache folder: keep it in this test's own.
        oldCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        root = QDir(dir.path()).canonicalPath();
        for (const char* name : {"a.gif", "B.GIF", "c.jpg", "d.JPG", "e.png", "f.dcr", "g.DIR", "h.txt", ".hidden.gif",
                                 "pics/inner.gif", "folder.gif/inside.gif", "Zeta/z.jpg"})
            makeFile(root + QLatin1Char('/') + QLatin1String(name));
    }
    void TearDown() override
    {
        if (oldCache.isNull())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", oldCache);
        prompter.clearAnswers();
    }

    QTemporaryDir dir;
    QTemporaryDir cache;
    QByteArray oldCache;
    QString root;
    ScriptedPrompter prompter;
    FakeHost host{prompter};
};

TEST_F(ImageChooserTest, OpensWithItsCaptionControlsAndPictures)
{
    host.folder = root;
    frmImage chooser(host);
    EXPECT_EQ(chooser.objectName(), QStringLiteral("frmImage"));
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Select Image"));
    for (const char* name : {"Drive1", "Dir1", "File1", "cboFiles", "HTML1"}) {
        QWidget* w = chooser.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(w, nullptr) << name;
    }
    EXPECT_EQ(button(chooser, "cmdOK")->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(button(chooser, "cmdOK")->isDefault());
    EXPECT_EQ(button(chooser, "cmdCancel")->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(chooser.cboFiles->currentText(), QStringLiteral("*.gif;*.jpg"));
    ASSERT_EQ(chooser.cboFiles->count(), 2);
    EXPECT_EQ(chooser.cboFiles->itemText(0), QStringLiteral("*.gif;*.jpg"));
    EXPECT_EQ(chooser.cboFiles->itemText(1), QStringLiteral("*.dcr;*.dir"));
    EXPECT_EQ(chooser.SelectedImage, QString());
    EXPECT_EQ(chooser.folderPath(), root);
    // Folders (even one named like a picture) and hidden files stay out of the file list;
    // upper-case extensions are in.
    EXPECT_EQ(chooser.listedFiles(), (QStringList{"a.gif", "B.GIF", "c.jpg", "d.JPG"}));
}

TEST_F(ImageChooserTest, ListsWhatEachPatternMatches)
{
    host.folder = root;
    frmImage chooser(host);
    const struct {
        const char* typed;
        QStringList files;
    } cases[] = {
        {"*.dcr;*.dir", {"f.dcr", "g.DIR"}},
        {"*.png", {"e.png"}},
        {"*.txt;*.png", {"e.png", "h.txt"}},
        {"*.*", {"a.gif", "B.GIF", "c.jpg", "d.JPG", "e.png", "f.dcr", "g.DIR", "h.txt"}},
        {"nothing.here", {}},
        {"*.gif;*.jpg", {"a.gif", "B.GIF", "c.jpg", "d.JPG"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        chooser.cboFiles->setEditText(QString::fromUtf8(c.typed));
        EXPECT_EQ(chooser.listedFiles(), c.files);
    }
    // Choosing from the list works as typing does.
    chooser.cboFiles->setCurrentIndex(1);
    EXPECT_EQ(chooser.listedFiles(), (QStringList{"f.dcr", "g.DIR"}));
}

TEST_F(ImageChooserTest, FolderListClimbsAndEnters)
{
    host.folder = root + QStringLiteral("/pics");
    frmImage chooser(host);
    chooser.show();
    // The folders from the root down to the current one, then the ones inside it (none here).
    QStringList expected{QStringLiteral("/")};
    expected << root.split(QLatin1Char('/'), Qt::SkipEmptyParts) << QStringLiteral("pics");
    EXPECT_EQ(folderNames(chooser), expected);
    EXPECT_EQ(chooser.listedFiles(), QStringList{"inner.gif"});

    // Up one level: a double click on the parent folder.
    QListWidgetItem* parent = chooser.Dir1->item(chooser.Dir1->count() - 2);
    const QPoint at = chooser.Dir1->visualItemRect(parent).center();
    QTest::mouseClick(chooser.Dir1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(chooser.Dir1->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(chooser.folderPath(), root);
    EXPECT_EQ(folderNames(chooser).mid(expected.size() - 2),
              (QStringList{QFileInfo(root).fileName(), "folder.gif", "pics", "Zeta"}));
    EXPECT_EQ(chooser.listedFiles(), (QStringList{"a.gif", "B.GIF", "c.jpg", "d.JPG"}));

    // Enter on a folder opens it and does not confirm the chooser.
    chooser.Dir1->setCurrentItem(chooser.Dir1->findItems(QStringLiteral("Zeta"), Qt::MatchEndsWith).value(0));
    QTest::keyClick(chooser.Dir1, Qt::Key_Return);
    EXPECT_EQ(chooser.folderPath(), root + QStringLiteral("/Zeta"));
    EXPECT_EQ(chooser.listedFiles(), QStringList{"z.jpg"});
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(chooser.SelectedImage, QString());
}

TEST_F(ImageChooserTest, PlacesHoldRootAndHome)
{
    host.folder = root;
    frmImage chooser(host);
    QStringList places;
    for (int i = 0; i < chooser.Drive1->count(); ++i)
        places << chooser.Drive1->itemData(i).toString();
    ASSERT_GE(places.size(), 2);
    EXPECT_EQ(places[0], QStringLiteral("/"));
    EXPECT_EQ(places[1], QDir::homePath());
    EXPECT_EQ(places.count(QStringLiteral("/")), 1);

    // Choosing the root place shows the root folder.
    chooser.Drive1->setCurrentIndex(0);
    emit chooser.Drive1->activated(0);
    EXPECT_EQ(chooser.folderPath(), QStringLiteral("/"));
    EXPECT_EQ(folderNames(chooser).value(0), QStringLiteral("/"));
    EXPECT_EQ(chooser.chosenPath(), QStringLiteral("/"));
}

TEST_F(ImageChooserTest, OkGivesThePathAndRemembersTheFolder)
{
    host.folder = root;
    frmImage chooser(host);
    chooser.show();
    // The file list takes the focus, which makes its first file current but chooses nothing.
    QApplication::setActiveWindow(&chooser);
    ASSERT_TRUE(chooser.File1->currentItem());
    // Nothing selected: the folder with a trailing separator, which the caller makes a folder
    // reference of.
    EXPECT_EQ(chooser.chosenPath(), root + QLatin1Char('/'));
    selectFile(chooser, QStringLiteral("B.GIF"));
    ASSERT_TRUE(chooser.setFolderPath(root + QStringLiteral("/pics")));
    EXPECT_EQ(chooser.chosenPath(), root + QStringLiteral("/pics/")) << "a new folder forgets the old selection";
    selectFile(chooser, QStringLiteral("inner.gif"));
    button(chooser, "cmdOK")->click();
    EXPECT_EQ(chooser.SelectedImage, root + QStringLiteral("/pics/inner.gif"));
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(host.folder, root + QStringLiteral("/pics"));
}

TEST_F(ImageChooserTest, CancelGivesNothingAndKeepsTheFolder)
{
    host.folder = root;
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Esc" : "Cancel");
        frmImage chooser(host);
        chooser.show();
        selectFile(chooser, QStringLiteral("a.gif"));
        ASSERT_TRUE(chooser.setFolderPath(root + QStringLiteral("/pics")));
        if (byKey)
            QTest::keyClick(chooser.File1, Qt::Key_Escape);
        else
            button(chooser, "cmdCancel")->click();
        EXPECT_EQ(chooser.result(), QDialog::Rejected);
        EXPECT_EQ(chooser.SelectedImage, QString());
        EXPECT_EQ(host.folder, root);
    }
}

TEST_F(ImageChooserTest, EnterOnAFileConfirmsIt)
{
    host.folder = root;
    frmImage chooser(host);
    chooser.show();
    selectFile(chooser, QStringLiteral("c.jpg"));
    QTest::keyClick(chooser.File1, Qt::Key_Return);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.SelectedImage, root + QStringLiteral("/c.jpg"));
}

TEST_F(ImageChooserTest, OpensAtHomeWhenTheRememberedFolderIsUnusable)
{
    const QString gone = root + QStringLiteral("/gone");
    ASSERT_TRUE(QDir().mkpath(gone));
    ASSERT_TRUE(QDir(gone).removeRecursively());
    const QString locked = root + QStringLiteral("/locked");
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    const bool lockBinds = !QFileInfo(locked).isReadable();

    const struct {
        const char* what;
        QString folder;
    } cases[] = {
        {"empty", QString()},
        {"deleted", gone},
        {"a file", root + QStringLiteral("/a.gif")},
        {"unreadable", locked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.folder == locked && !lockBinds)
            continue; // root without a user namespace reads everything
        host.folder = c.folder;
        frmImage chooser(host);
        EXPECT_EQ(chooser.folderPath(), QDir::cleanPath(QDir::homePath()));
        EXPECT_EQ(chooser.cboFiles->currentText(), QStringLiteral("*.gif;*.jpg"));
        // Nothing is remembered until OK.
        EXPECT_EQ(host.folder, c.folder);
    }
    // Nor can the user go into such a folder: the chooser stays where it is.
    host.folder = root;
    frmImage chooser(host);
    EXPECT_FALSE(chooser.setFolderPath(gone));
    if (lockBinds) {
        EXPECT_FALSE(chooser.setFolderPath(locked));
    }
    EXPECT_EQ(chooser.folderPath(), root);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ImageChooserTest, NamesWithAwkwardCharactersComeBackExactly)
{
    const QString folder = root + QString::fromUtf8("/a b#&\xc3\xa9");
    const QString name = QString::fromUtf8("my \"pic\" #1 & \xc3\xa9.GIF");
    makeFile(folder + QLatin1Char('/') + name, kGif);
    host.folder = folder;
    frmImage chooser(host);
    chooser.show();
    EXPECT_EQ(chooser.folderPath(), folder);
    EXPECT_EQ(chooser.listedFiles(), QStringList{name});
    selectFile(chooser, name);
    button(chooser, "cmdOK")->click();
    EXPECT_EQ(chooser.SelectedImage, folder + QLatin1Char('/') + name);
    EXPECT_EQ(host.folder, folder);
}

TEST_F(ImageChooserTest, ClickingAFileWritesAndShowsThePreviewPage)
{
    const QString folder = root + QString::fromUtf8("/my pics \xc3\xa9");
    makeFile(folder + QStringLiteral("/one.gif"), kGif);
    makeFile(folder + QStringLiteral("/two #2.gif"), kGif);
    host.folder = folder;
    frmImage chooser(host);
    chooser.show();
    HtmlView* view = chooser.HTML1;
    // Where the engine can run here, it is the one that shows the page.
    EXPECT_EQ(view->usesBrowserEngine(), HtmlView::browserEngineAvailable());
    QSignalSpy loaded(view, &HtmlView::loadFinished);

    const QString page = cache.path() + QStringLiteral("/scrivant/img.htm");
    EXPECT_EQ(imagePreviewPagePath(), page);
    EXPECT_FALSE(QFile::exists(page)) << "nothing is written before a file is clicked";

    const struct {
        const char* file;
        const char* source;
    } cases[] = {
        {"one.gif", "file://%1/my%20pics%20%C3%A9/one.gif"},
        {"two #2.gif", "file://%1/my%20pics%20%C3%A9/two%20%232.gif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString name = QString::fromUtf8(c.file);
        QListWidgetItem* item = chooser.File1->findItems(name, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(chooser.File1->viewport(), Qt::LeftButton, {}, chooser.File1->visualItemRect(item).center());
        ASSERT_EQ(chooser.File1->currentItem(), item);

        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(c.source).arg(QString::fromUtf8(QUrl::toPercentEncoding(root, "/")));
        EXPECT_EQ(QString::fromUtf8(f.readAll()),
                  QStringLiteral("<html><body><title>Image Preview</title></body><img width=100 height=100  src=\"")
                      + source + QStringLiteral("\"></html>\n"));
        EXPECT_EQ(view->url(), QUrl::fromLocalFile(page));

        // The page shows the picture itself, not a broken image.
        if (loaded.isEmpty()) {
            ASSERT_TRUE(loaded.wait(20000));
        }
        EXPECT_TRUE(loaded.takeFirst().value(0).toBool());
        loaded.clear();
        if (view->usesBrowserEngine()) {
            auto* web = view->findChild<QWebEngineView*>();
            ASSERT_NE(web, nullptr);
            QVariant width;
            web->page()->runJavaScript(QStringLiteral("document.images[0].naturalWidth + ' ' + document.images[0].src"),
                                       [&width](const QVariant& v) { width = v; });
            QTRY_VERIFY_WITH_TIMEOUT(width.isValid(), 20000);
            EXPECT_EQ(width.toString(), QStringLiteral("1 ") + source);
        }
    }
    EXPECT_EQ(chooser.SelectedImage, QString()) << "a preview chooses nothing";
}

// Where the browser engine cannot run, the simple view shows the preview page, and shows it
// anew each time the page is rewritten under the same name.
TEST_F(ImageChooserTest, TheSimpleViewShowsEachRewrittenPage)
{
    HtmlView view(nullptr, HtmlView::Engine::Simple);
    EXPECT_FALSE(view.usesBrowserEngine());
    auto* text = view.findChild<QTextBrowser*>();
    ASSERT_NE(text, nullptr);
    QSignalSpy loaded(&view, &HtmlView::loadFinished);
    const QString page = root + QStringLiteral("/img.htm");
    for (const char* picture : {"first.gif", "second.gif"}) {
        SCOPED_TRACE(picture);
        const QString path = makeFile(root + QLatin1Char('/') + QLatin1String(picture), kGif);
        makeFile(page, imagePreviewPage(path).toUtf8() + "\n");
        view.load(QUrl::fromLocalFile(page));
        EXPECT_EQ(view.url(), QUrl::fromLocalFile(page));
        ASSERT_TRUE(loaded.wait(5000));
        EXPECT_TRUE(loaded.takeFirst().value(0).toBool());
        EXPECT_TRUE(text->toHtml().contains(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)));
        EXPECT_FALSE(text->document()->resource(QTextDocument::ImageResource, QUrl::fromLocalFile(path)).isNull());
    }
    // A page that is not there is reported, and leaves the view empty.
    view.load(QUrl::fromLocalFile(root + QStringLiteral("/missing.htm")));
    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_FALSE(loaded.takeFirst().value(0).toBool());
    EXPECT_TRUE(text->toPlainText().isEmpty());
}

TEST_F(ImageChooserTest, ChooseImageShowsTheChooserThroughThePrompter)
{
    host.folder = root;
    prompter.answerModal([&](QDialog& d) {
        auto& chooser = dynamic_cast<frmImage&>(d);
        selectFile(chooser, QStringLiteral("d.JPG"));
        button(chooser, "cmdOK")->click();
        return chooser.result();
    });
    EXPECT_EQ(chooseImage(host, nullptr), std::optional<QString>(root + QStringLiteral("/d.JPG")));
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().kind, QStringLiteral("modal"));
    EXPECT_EQ(prompter.last().dialogName, QStringLiteral("frmImage"));

    // Cancelled, or closed without a choice: nothing.
    prompter.answerModal([&](QDialog& d) {
        auto& chooser = dynamic_cast<frmImage&>(d);
        selectFile(chooser, QStringLiteral("a.gif"));
        button(chooser, "cmdCancel")->click();
        return chooser.result();
    });
    EXPECT_EQ(chooseImage(host, nullptr), std::nullopt);
    prompter.answerModal([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_EQ(chooseImage(host, nullptr), std::nullopt);
}

// ---- the remembered folder across runs ------------------------------------------------------

class ImageChooserAppTest : public AppTest {};

TEST_F(ImageChooserAppTest, TheFolderIsKeptBetweenRuns)
{
    const QString pictures = QDir(files.path()).canonicalPath() + QStringLiteral("/site/pictures");
    makeFile(pictures + QStringLiteral("/logo.gif"), kGif);
    writeFile(QStringLiteral("site/index.htm"), "<html>\n");
    start();
    prompter.answerOpen(QDir(files.path()).canonicalPath() + QStringLiteral("/site/index.htm"));
    trigger(QStringLiteral("mnuOpen"));
    ASSERT_TRUE(editor());

    const auto pickLogo = [&](const QString& expectedStart) {
        trigger(QStringLiteral("mnuImage"));
        auto* dialog = window->findChild<frmGraphicLink*>(QStringLiteral("frmGraphicLink"));
        ASSERT_NE(dialog, nullptr);
        prompter.answerModal([&](QDialog& d) {
            auto& chooser = dynamic_cast<frmImage&>(d);
            EXPECT_EQ(chooser.folderPath(), expectedStart);
            EXPECT_TRUE(chooser.setFolderPath(pictures));
            selectFile(chooser, QStringLiteral("logo.gif"));
            button(chooser, "cmdOK")->click();
            return chooser.result();
        });
        dialog->picOpen->click();
        EXPECT_EQ(dialog->txtURL->text(), QStringLiteral("pictures/logo.gif"));
        dialog->reject();
        QApplication::processEvents();
    };
    pickLogo(QDir::cleanPath(QDir::homePath()));
    restart();
    EXPECT_EQ(store->read(settings::kApp, settings::kWindowOptions, QStringLiteral("TheOpenFile")),
              pictures);
    prompter.answerOpen(QDir(files.path()).canonicalPath() + QStringLiteral("/site/index.htm"));
    trigger(QStringLiteral("mnuOpen"));
    pickLogo(pictures);
}

} // namespace
