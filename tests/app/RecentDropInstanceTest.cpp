// The recent-file list, files dropped on the main window, and the hand-over of a second
// start to the running instance.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"
#include "platform/SingleInstance.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLocalServer>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QUuid>
#include <chrono>
#include <future>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kApp = QStringLiteral("The Corvane Scrivant");
const QString kMenuArray = QStringLiteral("Menu Array Values");

class RecentFilesTest : public AppTest {
protected:
    // Opens a file through File > Open, as the user would.
    void openThroughDialog(const QString& file)
    {
        prompter.answerOpen(file);
        trigger(QStringLiteral("mnuOpen"));
    }

    QAction* entry(int i) { return action(QStringLiteral("mnuFileArray_%1").arg(i)); }

    // The paths the list holds, newest first; free entries are left out.
    QStringList listed()
    {
        QStringList out;
        for (int i = 0; i < 8; ++i)
            if (entry(i)->isVisible())
                out << entry(i)->data().toString();
        return out;
    }

    QStringList captions()
    {
        QStringList out;
        for (frmTemplate* d : window->documents())
            out << d->caption();
        return out;
    }
};

} // namespace

TEST_F(RecentFilesTest, firstFileShowsTheSeparatorAndOneEntry)
{
    start();
    const QString file = writeFile(QStringLiteral("first.htm"), "<P>");
    openThroughDialog(file);
    EXPECT_TRUE(action(QStringLiteral("mnuSep10"))->isVisible());
    EXPECT_TRUE(entry(0)->isVisible());
    EXPECT_EQ(entry(0)->text(), file);
    for (int i = 1; i < 8; ++i)
        EXPECT_FALSE(entry(i)->isVisible()) << i;
}

TEST_F(RecentFilesTest, atStartTheSeparatorFollowsTheFirstStoredEntryOnly)
{
    const QString file = writeFile(QStringLiteral("second.htm"), "<P>");
    for (const bool first : {false, true}) {
        store->write(kApp, kMenuArray, QStringLiteral("MenuArray(0)"), first ? file : QString());
        store->write(kApp, kMenuArray, QStringLiteral("MenuArray(1)"), file);
        start();
        EXPECT_EQ(action(QStringLiteral("mnuSep10"))->isVisible(), first);
        EXPECT_TRUE(entry(1)->isVisible());
        stop();
    }
}

TEST_F(RecentFilesTest, nineFilesLeaveTheEightNewestFirst)
{
    start();
    QStringList files;
    for (int i = 1; i <= 9; ++i) {
        files << writeFile(QStringLiteral("file%1.htm").arg(i), QByteArray::number(i));
        openThroughDialog(files.back());
    }
    QStringList newestFirst;
    for (int i = 8; i >= 1; --i)
        newestFirst << files[i];
    EXPECT_EQ(listed(), newestFirst);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(entry(i)->text(), newestFirst[i]);

    discardChanges();
    stop();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(store->read(kApp, kMenuArray, QStringLiteral("MenuArray(%1)").arg(i)), newestFirst[i]);
}

TEST_F(RecentFilesTest, onlyOpenSaveAsAndDropsAddToTheList)
{
    start();
    const QString a = writeFile(QStringLiteral("a.htm"), "a");
    const QString b = writeFile(QStringLiteral("b.htm"), "b");
    const QString c = writeFile(QStringLiteral("c.htm"), "c");
    openThroughDialog(a);
    openThroughDialog(b);
    openThroughDialog(c);
    ASSERT_EQ(listed(), (QStringList{c, b, a}));

    // Opening a listed file again keeps the order.
    openThroughDialog(a);
    EXPECT_EQ(listed(), (QStringList{c, b, a}));

    // Choosing an entry opens that file and leaves the order alone.
    entry(2)->trigger();
    EXPECT_EQ(window->activeDocument()->caption(), a);
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("a"));
    EXPECT_FALSE(window->activeDocument()->isModified());
    EXPECT_EQ(listed(), (QStringList{c, b, a}));

    // Save does not add; Save As does.
    editor()->replaceSelection(QStringLiteral("x"));
    trigger(QStringLiteral("mnuSave"));
    EXPECT_EQ(listed(), (QStringList{c, b, a}));
    const QString d = path(QStringLiteral("d.htm"));
    prompter.answerSave(d);
    trigger(QStringLiteral("mnuSaveAs"));
    EXPECT_EQ(listed(), (QStringList{d, c, b, a}));
}

class RecentNotFoundTest : public RecentFilesTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RecentNotFoundTest, showsTheNotFoundMessageAndOpensNothing)
{
    const QString kind = QLatin1String(GetParam());
    const QString listedPath = kind == QLatin1String("empty") ? writeFile(QStringLiteral("empty.htm"), QByteArray())
                                                               : path(QStringLiteral("gone.htm"));
    store->write(kApp, kMenuArray, QStringLiteral("MenuArray(0)"), listedPath);
    start();
    ASSERT_TRUE(entry(0)->isVisible());

    prompter.answerMessage(PromptAnswer::Ok);
    entry(0)->trigger();
    ASSERT_EQ(prompter.requests.size(), 1u);
    const PromptRecord& r = prompter.last();
    EXPECT_EQ(r.title, QStringLiteral("The Corvane Scrivant"));
    EXPECT_EQ(r.text, QStringLiteral("The file you selected was not found.\r"
                                     "Please check to see if it was deleted or moved."));
    EXPECT_EQ(r.icon, PromptIcon::Exclamation);
    EXPECT_TRUE(window->documents().isEmpty());
    // The entry stays, in case the file comes back.
    EXPECT_EQ(listed(), QStringList{listedPath});
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecentNotFoundTest, ::testing::Values("deleted", "empty"));

TEST_F(RecentFilesTest, comparisonIsExactSoLetterCaseCounts)
{
    start();
    const QString upper = writeFile(QStringLiteral("Page.htm"), "1");
    const QString lower = writeFile(QStringLiteral("page.htm"), "2");
    openThroughDialog(upper);
    openThroughDialog(lower);
    EXPECT_EQ(listed(), (QStringList{lower, upper}));
}

TEST_F(RecentFilesTest, aPathWithAnAmpersandIsKeptExactly)
{
    start();
    const QString odd = writeFile(QStringLiteral("Tom & Jerry &&.htm"), "<P>cat</P>");
    openThroughDialog(odd);
    // Shown as it is: the menu must not turn "&" into an access key.
    EXPECT_EQ(entry(0)->text(), QString(odd).replace(QLatin1Char('&'), QStringLiteral("&&")));
    openThroughDialog(odd);
    EXPECT_EQ(listed(), QStringList{odd});

    discardChanges();
    stop();
    EXPECT_EQ(store->read(kApp, kMenuArray, QStringLiteral("MenuArray(0)")), odd);

    start();
    entry(0)->trigger();
    ASSERT_TRUE(window->activeDocument());
    EXPECT_EQ(window->activeDocument()->caption(), odd);
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("<P>cat</P>"));
}

// --- dropped files ---------------------------------------------------------------------------

namespace {

class DropTest : public RecentFilesTest {
protected:
    void drop(const QList<QUrl>& urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        EXPECT_TRUE(enter.isAccepted()) << "the main window takes files";
        QDropEvent event(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
        EXPECT_TRUE(event.isAccepted());
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(DropTest, threeFilesOpenInTheOrderDropped)
{
    start();
    const QString b = writeFile(QStringLiteral("b.htm"), "<B>");
    const QString a = writeFile(QStringLiteral("a.htm"), "<A>");
    const QString c = writeFile(QStringLiteral("c d.htm"), "<C D>");
    drop({QUrl::fromLocalFile(b), QUrl::fromLocalFile(a), QUrl::fromLocalFile(c)});
    EXPECT_EQ(captions(), (QStringList{b, a, c}));
    EXPECT_EQ(window->activeDocument()->caption(), c);
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("<C D>"));
    for (frmTemplate* d : window->documents())
        EXPECT_FALSE(d->isModified()) << d->caption().toStdString();
    EXPECT_EQ(listed(), (QStringList{c, a, b}));
}

TEST_F(DropTest, aFileThatCannotBeOpenedIsReportedAndTheOthersStillOpen)
{
    start();
    const QString a = writeFile(QStringLiteral("a.htm"), "<A>");
    const QString missing = path(QStringLiteral("missing.htm"));
    const QString c = writeFile(QStringLiteral("c.htm"), "<C>");
    prompter.answerMessage(PromptAnswer::Ok);
    drop({QUrl::fromLocalFile(a), QUrl::fromLocalFile(missing), QUrl(QStringLiteral("https://example.org/x.htm")),
          QUrl::fromLocalFile(c)});
    EXPECT_EQ(captions(), (QStringList{a, c}));
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().title, QStringLiteral("The Corvane Scrivant"));
    EXPECT_EQ(prompter.last().icon, PromptIcon::Exclamation);
    EXPECT_TRUE(prompter.last().text.contains(missing)) << prompter.last().text.toStdString();
    EXPECT_EQ(listed(), (QStringList{c, a}));
}

// --- second start ---------------------------------------------------------------------------

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    // Each test has its own key, so that no other editor or test answers.
    const QString key = QDir::tempPath() + QStringLiteral("/scrivant-test-") + QUuid::createUuid().toString();

    // Runs the second start's hand-over on its own thread, as another process would, while
    // this thread's event loop serves the first instance.
    bool handOverFromSecondStart(const QStringList& files, QStringList* received, int* count,
                                 SingleInstance& first)
    {
        QObject::connect(&first, &SingleInstance::filesReceived, &first, [=](const QStringList& f) {
            *received = f;
            ++*count;
        });
        auto result = std::async(std::launch::async, [this, files] {
            SingleInstance second(key);
            return second.handOver(files, 5000);
        });
        const bool done = QTest::qWaitFor(
            [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready && *count > 0; },
            10000);
        EXPECT_TRUE(done) << "no answer from the first instance";
        return result.get();
    }
};

} // namespace

TEST_F(SingleInstanceTest, withNoRunningInstanceTheHandOverFails)
{
    SingleInstance second(key);
    EXPECT_FALSE(second.handOver({QStringLiteral("/tmp/a.htm")}, 1000));
}

TEST_F(SingleInstanceTest, theRunningInstanceReceivesTheFileNamesInOrder)
{
    SingleInstance first(key);
    ASSERT_EQ(first.listen(), SingleInstance::Listen::Listening);
    const QStringList files = {QStringLiteral("/tmp/b.htm"), QStringLiteral("/tmp/with blank/a.htm"),
                               QStringLiteral("/tmp/zoë/日本.html"), QStringLiteral("/tmp/line\nbreak.htm"),
                               QStringLiteral("/tmp/tab\tand\\back.htm")};
    QStringList received;
    int count = 0;
    EXPECT_TRUE(handOverFromSecondStart(files, &received, &count, first));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(received, files);
}

TEST_F(SingleInstanceTest, aStartWithoutFilesStillEndsAndReachesTheFirst)
{
    SingleInstance first(key);
    ASSERT_EQ(first.listen(), SingleInstance::Listen::Listening);
    QStringList received = {QStringLiteral("sentinel")};
    int count = 0;
    EXPECT_TRUE(handOverFromSecondStart({}, &received, &count, first));
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(received.isEmpty());
}

TEST_F(SingleInstanceTest, aSocketLeftByACrashedInstanceIsTakenOver)
{
    // What a crashed instance leaves: the socket's name is taken, nobody answers on it.
    const QString name = SingleInstance::serverNameFor(key);
    QFile leftover(QDir::tempPath() + QLatin1Char('/') + name);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    SingleInstance second(key);
    EXPECT_FALSE(second.handOver({}, 1000));
    SingleInstance first(key);
    EXPECT_EQ(first.listen(), SingleInstance::Listen::Listening);
    QStringList received;
    int count = 0;
    EXPECT_TRUE(handOverFromSecondStart({QStringLiteral("/tmp/x.htm")}, &received, &count, first));
    EXPECT_EQ(received, QStringList{QStringLiteral("/tmp/x.htm")});
}

TEST_F(SingleInstanceTest, differentKeysDoNotMeet)
{
    EXPECT_NE(SingleInstance::serverNameFor(key), SingleInstance::serverNameFor(key + QLatin1Char('2')));
    SingleInstance first(key);
    ASSERT_EQ(first.listen(), SingleInstance::Listen::Listening);
    SingleInstance other(key + QLatin1Char('2'));
    EXPECT_FALSE(other.handOver({QStringLiteral("/tmp/a.htm")}, 1000));
}

TEST_F(SingleInstanceTest, aSecondListenerDoesNotTakeTheSocketOfALiveInstance)
{
    // A first instance too busy to answer in time is still alive.
    SingleInstance first(key);
    ASSERT_EQ(first.listen(), SingleInstance::Listen::Listening);
    SingleInstance second(key);
    EXPECT_EQ(second.listen(), SingleInstance::Listen::Taken);
    QStringList received;
    int count = 0;
    EXPECT_TRUE(handOverFromSecondStart({QStringLiteral("/tmp/y.htm")}, &received, &count, first));
    EXPECT_EQ(received, QStringList{QStringLiteral("/tmp/y.htm")});
}
