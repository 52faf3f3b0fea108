// Reload through the chosen browser, Select Web Browser and the rules of the Reload button.

#include "PreviewTestSupport.h"

#include "app/Preferences.h"
#include "platform/Prompter.h"

#include <QFileSystemModel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>

namespace {
const QString kFailure = QStringLiteral("An error occurred.  Please check your settings and try again.");
}

TEST_F(PreviewAppTest, ReloadSavesTheDocumentAndStartsTheBrowserOnItsAddress)
{
    start();
    trigger(QStringLiteral("mnuLocalPreview")); // off: the browser shows the page
    const QString record = chooseStandInBrowser();
    const QString path = openSaved(QString::fromUtf8("my site #1/p\xc3\xa1gina \"x\".html"), "old");
    // Percent-encoded, so that neither the space, the "#", the quotes nor the accent are lost.
    const QString address = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    EXPECT_TRUE(address.endsWith(QStringLiteral("/my%20site%20%231/p%C3%A1gina%20%22x%22.html"))) << address.toStdString();

    for (const bool byButton : {false, true}) {
        SCOPED_TRACE(byButton ? "button" : "menu item");
        const QByteArray text = byButton ? "by button" : "by menu";
        editor()->setWholeText(QString::fromUtf8(text));
        if (byButton)
            window->cmdReload->click();
        else
            trigger(QStringLiteral("mnuReload"));
        EXPECT_EQ(readFile(path), text + "\n");
        EXPECT_FALSE(window->activeDocument()->isModified());
        EXPECT_EQ(browserArguments(record), QStringList{address});
    }
    EXPECT_TRUE(prompter.requests.size() == 1) << "only the open dialog was asked for";
}

// Each case ends with the failure message or quietly, and never starts anything.
TEST_F(PreviewAppTest, ReloadThatCannotShowThePageSaysSoOrEndsQuietly)
{
    const struct {
        const char* name;
        const char* browser; // "stand-in", or a path
        bool document;
        bool saved;       // the document has a file
        bool failureShown;
    } cases[] = {
        {"no document", "stand-in", false, false, true},
        {"no browser chosen", "", true, true, true},
        {"a browser that is not there", "/nonexistent/browser", true, true, true},
        {"a browser that is not a program", "document", true, true, true},
        {"Save As cancelled", "stand-in", true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start();
        if (action(QStringLiteral("mnuLocalPreview"))->isChecked()) // as the last run left it
            trigger(QStringLiteral("mnuLocalPreview"));
        chooseStandInBrowser();
        QString path;
        if (c.document && c.saved)
            path = openSaved(QStringLiteral("page.html"), "x");
        else if (c.document)
            trigger(QStringLiteral("mnuNew"));
        const QString browser = QString::fromUtf8(c.browser);
        if (browser == QLatin1String("document"))
            window->preferences().browser = path;
        else if (browser != QLatin1String("stand-in"))
            window->preferences().browser = browser;
        if (c.document && !c.saved)
            prompter.answerSave(std::nullopt);
        if (c.failureShown)
            prompter.answerMessage(PromptAnswer::Ok);
        const size_t before = prompter.requests.size();
        trigger(QStringLiteral("mnuReload"));
        ASSERT_EQ(prompter.pending(), 0u);
        if (c.failureShown)
            expectMessage(prompter.last(), kProgramTitle, kFailure, PromptIcon::Exclamation);
        else
            EXPECT_EQ(prompter.requests.size(), before + 1) << "the Save As dialog, then nothing";
        stop();
    }
    QTest::qWait(300); // a browser started by mistake would have written by now
    EXPECT_FALSE(QFile::exists(files.filePath(QStringLiteral("browser-record"))));
}

TEST_F(PreviewAppTest, SelectWebBrowserAsksForAProgramAndMakesReloadAvailable)
{
    start();
    trigger(QStringLiteral("mnuLocalPreview")); // off, no browser: Reload unavailable
    openSaved(QStringLiteral("page.html"), "x");
    EXPECT_FALSE(window->cmdReload->isEnabled());

    for (const std::optional<QString>& chosen : {std::optional<QString>(), std::optional<QString>(QStringLiteral("/usr/bin/b"))}) {
        prompter.answerMessage(PromptAnswer::Ok);
        prompter.answerOpen(chosen);
        trigger(QStringLiteral("mnuWebBrowser"));
        const PromptRecord& message = prompter.requests.at(prompter.requests.size() - 2);
        expectMessage(message, QStringLiteral("Find Web Browser"), QStringLiteral("Find Netscape (or other browser)."),
                      PromptIcon::None);
        EXPECT_EQ(prompter.last().kind, QStringLiteral("open"));
        EXPECT_EQ(prompter.last().filter, QStringLiteral("All files (*.*)|*.*|Executables|<executable>|"));
        EXPECT_EQ(prompter.last().initialFilter, 1);
        EXPECT_EQ(window->preferences().browser, chosen.value_or(QString()));
        EXPECT_EQ(window->cmdReload->isEnabled(), chosen.has_value());
        EXPECT_EQ(window->preferences().reloadFlag, chosen.has_value());
    }
    stop();
    EXPECT_EQ(store->read(settings::kApp, settings::kBrowserOptions, QStringLiteral("Web")), QStringLiteral("/usr/bin/b"));
    EXPECT_EQ(store->read(settings::kApp, settings::kWindowOptions, QStringLiteral("ReloadFlag")), QStringLiteral("True"));
}

// The button's state after each step of a run, from a fresh start with Local Preview on.
TEST_F(PreviewAppTest, ReloadButtonFollowsDocumentsLocalPreviewAndTheBrowser)
{
    const struct {
        const char* step;
        bool enabled;
    } steps[] = {
        {"start", false},          {"new", true},          {"close all", false},
        {"local preview", false},  {"local preview", false}, // on, but no document
        {"local preview", false},  {"new", false},         {"local preview", true},   // on
        {"local preview", false},  {"choose browser", false}, // an unsaved document has no caption
        {"close all", false},      {"open saved", true},   {"local preview", true},   // on
        {"local preview", true},   // off, but a browser is chosen
        {"close all", false},      {"new", true},
    };
    start();
    for (const auto& s : steps) {
        const QString step = QString::fromUtf8(s.step);
        SCOPED_TRACE(s.step);
        if (step == QLatin1String("new")) {
            trigger(QStringLiteral("mnuNew"));
        } else if (step == QLatin1String("close all")) {
            closeDocuments();
        } else if (step == QLatin1String("local preview")) {
            trigger(QStringLiteral("mnuLocalPreview"));
        } else if (step == QLatin1String("open saved")) {
            openSaved(QStringLiteral("page.html"), "x");
        } else if (step == QLatin1String("choose browser")) {
            prompter.answerMessage(PromptAnswer::Ok);
            prompter.answerOpen(QStringLiteral("/usr/bin/b"));
            trigger(QStringLiteral("mnuWebBrowser"));
        }
        EXPECT_EQ(window->cmdReload->isEnabled(), s.enabled);
    }
}

TEST_F(PreviewAppTest, ReloadButtonShowsItsHelpWhileHeld)
{
    start();
    trigger(QStringLiteral("mnuNew"));
    QTest::mousePress(window->cmdReload, Qt::LeftButton);
    EXPECT_EQ(window->StatusBar->currentMessage(),
              QStringLiteral("Saves document and reloads Web browser with saved file.  Launches Web browser if necessary."));
    // Released off the button: the help goes, and nothing runs.
    QTest::mouseRelease(window->cmdReload, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(window->StatusBar->currentMessage(), QString());
}

// The Executables entry of the browser dialog lists the files that can be run, and folders.
TEST(ExecutableFilesProxyTest, HidesFilesThatCannotRunWhileOn)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    for (const char* name : {"program", "page.html"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(dir.filePath(QStringLiteral("program")), QFile::ReadOwner | QFile::ExeOwner);
    QFileSystemModel model;
    QSignalSpy loaded(&model, &QFileSystemModel::directoryLoaded);
    const QModelIndex root = model.setRootPath(dir.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.rowCount(root) == 3; }, 5000));
    ExecutableFilesProxy proxy;
    proxy.setSourceModel(&model);
    const auto listed = [&] {
        QStringList names;
        const QModelIndex parent = proxy.mapFromSource(root);
        for (int i = 0; i < proxy.rowCount(parent); ++i)
            names << proxy.index(i, 0, parent).data().toString();
        names.sort();
        return names;
    };
    EXPECT_EQ(listed(), (QStringList{"folder", "page.html", "program"}));
    proxy.setOn(true);
    EXPECT_EQ(listed(), (QStringList{"folder", "program"}));
}
