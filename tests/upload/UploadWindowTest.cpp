// The upload window and its file picker: what they show from the settings, what they keep,
// where the password goes, and a real upload that leaves the window usable while it runs.

#include "TestServers.h"
#include "support/FakeDialogHost.h"
#include "support/ScriptedPrompter.h"
#include "support/TestApp.h"

#include "dialogs/FolderBrowser.h"
#include "platform/CurlFtpClient.h"
#include "platform/PasswordStore.h"
#include "platform/SettingsStore.h"
#include "upload/frmFTP.h"
#include "upload/frmFTPfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kApp = QStringLiteral("The Corvane Scrivant");
const QString kFtp = QStringLiteral("FTP");

// A keyring that answers at once, or says there is none.
class MemoryKeyring : public Keyring {
public:
    void read(const QString& key, std::function<void(Result, const QString&)> done) override
    {
        if (!available)
            return done(Result::Unavailable, QString());
        done(secrets.contains(key) ? Result::Ok : Result::NotFound, secrets.value(key));
    }
    void write(const QString& key, const QString& secret, std::function<void(Result)> done) override
    {
        if (available)
            secrets[key] = secret;
        done(available ? Result::Ok : Result::Unavailable);
    }
    bool available = true;
    QMap<QString, QString> secrets;
};

// Readable and writable by its owner, and by no one else.
bool isPrivate(const QString& path)
{
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                            | QFileDevice::WriteOther;
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    return (permissions & QFileDevice::ReadOwner) && !(permissions & others);
}

QStringList items(const QComboBox* box)
{
    QStringList all;
    for (int i = 0; i < box->count(); ++i)
        all << box->itemText(i);
    return all;
}

// Typed into, then left for another field by the keyboard, with real focus changes.
void leave(QComboBox* box, const QString& text, QWidget* next)
{
    QApplication::setActiveWindow(box->window());
    box->setFocus(Qt::TabFocusReason);
    box->setEditText(text);
    next->setFocus(Qt::TabFocusReason);
}

class UploadWindow : public ::testing::Test {
protected:
    ~UploadWindow() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    std::unique_ptr<IniSettingsStore> store() { return std::make_unique<IniSettingsStore>(config.path()); }
    // A window on the settings folder, its client set up for server when one is given.
    frmFTP* open(SettingsStore& settings, const TestServer* server = nullptr, FtpTimeouts timeouts = quickTimeouts())
    {
        CurlFtpOptions options = server ? server->clientOptions() : CurlFtpOptions{};
        options.timeouts = timeouts;
        auto client = std::make_unique<CurlFtpClient>(options);
        passwords = std::make_unique<PasswordStore>(keyring, settings);
        auto* window = new frmFTP(host, settings, *passwords, std::move(client));
        window->show();
        return window;
    }
    QString settingsFile() const { return config.filePath(kApp + QStringLiteral(".ini")); }

    QTemporaryDir config;
    QTemporaryDir local;
    ScriptedPrompter prompter;
    FakeDialogHost host{prompter};
    MemoryKeyring keyring;
    std::unique_ptr<PasswordStore> passwords;
};

TEST_F(UploadWindow, OpensWithTheDocumentAndTheStoredHistoriesAndClosingKeepsTheFiveNewest)
{
    {
        auto settings = store();
        for (const auto& [key, value] : {std::pair{"Server(0)", "one.example"}, {"Server(2)", "three.example"},
                                         {"Dir(0)", "www"}, {"UserName(4)", "ann"}, {"Server(4)", "five.example"}})
            settings->write(kApp, kFtp, QLatin1String(key), QLatin1String(value));
    }
    host.documentPath = QStringLiteral("/home/ann/site/index.html");
    auto settings = store();
    frmFTP* window = open(*settings);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("FTP File Upload"));
    EXPECT_EQ(window->listedFiles(), QStringList{*host.documentPath});
    EXPECT_EQ(items(window->txtServer), (QStringList{"one.example", "three.example", "five.example"}));
    EXPECT_EQ(window->txtServer->currentText(), QStringLiteral("one.example"));
    EXPECT_EQ(window->txtDir->currentText(), QStringLiteral("www"));
    EXPECT_EQ(window->txtUserName->currentText(), QStringLiteral("ann"));
    EXPECT_EQ(window->Text1->toPlainText(), frmFTP::kInitialLog);

    // Leaving a box puts its text on top, twice if typed twice; an empty box adds nothing.
    leave(window->txtServer, QStringLiteral("new.example"), window->txtDir);
    leave(window->txtServer, QStringLiteral("new.example"), window->txtDir);
    leave(window->txtDir, QString(), window->txtUserName);
    window->lstFiles->itemDoubleClicked(window->lstFiles->item(0));
    EXPECT_TRUE(window->listedFiles().isEmpty());
    window->cmdCancel->click();

    const QString expected[][2] = {{"Server(0)", "new.example"}, {"Server(1)", "new.example"},
                                   {"Server(2)", "one.example"}, {"Server(3)", "three.example"},
                                   {"Server(4)", "five.example"}, {"Dir(0)", "www"}, {"chkPass", "0"}};
    auto reread = store();
    for (const auto& [key, value] : expected)
        EXPECT_EQ(reread->read(kApp, kFtp, key), value) << key.toStdString();
}

TEST_F(UploadWindow, SavedPasswordGoesToTheKeyringOrElseToAPrivateSettingsFile)
{
    for (bool keyringAnswers : {true, false}) {
        keyring.available = keyringAnswers;
        keyring.secrets.clear();
        QFile::remove(settingsFile());
        {
            // An earlier version kept it in plain text.
            auto settings = store();
            settings->write(kApp, kFtp, QStringLiteral("chkPass"), QStringLiteral("1"));
            settings->write(kApp, kFtp, QStringLiteral("Password"), QStringLiteral("old secret"));
        }
        auto settings = store();
        frmFTP* window = open(*settings);
        EXPECT_EQ(window->txtPassword->text(), QStringLiteral("old secret")) << keyringAnswers;
        window->txtPassword->setText(QStringLiteral("new secret"));
        window->close();
        auto reread = store();
        const QString plain = reread->read(kApp, kFtp, QStringLiteral("Password"));
        EXPECT_EQ(plain, keyringAnswers ? QString() : QStringLiteral("new secret")) << keyringAnswers;
        EXPECT_EQ(keyring.secrets.value(QStringLiteral("FTP Password")), keyringAnswers ? QStringLiteral("new secret") : QString());
        if (!keyringAnswers) {
            EXPECT_TRUE(isPrivate(settingsFile()));
            // Written again by a later run, it stays private.
            reread->write(kApp, kFtp, QStringLiteral("Dir(0)"), QStringLiteral("x"));
            reread->flush();
            EXPECT_TRUE(isPrivate(settingsFile()));
        }
        // Unchecked: the stored password stays, but the next opening does not show it.
        window = open(*reread);
        EXPECT_EQ(window->txtPassword->text(), QStringLiteral("new secret"));
        window->chkPass->setChecked(false);
        window->close();
        auto third = store();
        window = open(*third);
        EXPECT_TRUE(window->txtPassword->text().isEmpty());
        EXPECT_EQ(keyringAnswers ? keyring.secrets.value(QStringLiteral("FTP Password"))
                                 : third->read(kApp, kFtp, QStringLiteral("Password")),
                  QStringLiteral("new secret"));
        window->close();
    }
}

// A keyring that answers only when told, as a locked one does once the user unlocks it.
class LateKeyring : public Keyring {
public:
    void read(const QString&, std::function<void(Result, const QString&)> done) override { done(Result::NotFound, {}); }
    void write(const QString&, const QString&, std::function<void(Result)> done) override { pending = std::move(done); }
    std::function<void(Result)> pending;
};

TEST_F(UploadWindow, AKeyringThatAnswersAfterTheWaitFindsThePasswordKeptAndHarmsNothing)
{
    LateKeyring late;
    auto settings = store();
    {
        PasswordStore slow(late, *settings, 0);
        slow.save(QStringLiteral("late secret"));
    }
    EXPECT_EQ(store()->read(kApp, kFtp, QStringLiteral("Password")), QStringLiteral("late secret"));
    EXPECT_TRUE(isPrivate(settingsFile()));
    ASSERT_TRUE(late.pending);
    late.pending(Keyring::Result::Ok); // long after save() returned
    QCoreApplication::processEvents();
}

TEST_F(UploadWindow, APasswordKeptWhileTheKeyringWasAwayWinsOverItsOlderEntry)
{
    keyring.secrets[QStringLiteral("FTP Password")] = QStringLiteral("older");
    auto settings = store();
    PasswordStore passwords(keyring, *settings);
    keyring.available = false;
    passwords.save(QStringLiteral("newer"));
    keyring.available = true;
    QString loaded;
    QObject context;
    passwords.load(&context, [&](const QString& password) { loaded = password; });
    EXPECT_EQ(loaded, QStringLiteral("newer"));
}

TEST_F(UploadWindow, TheDesktopKeyringAnswersAndWhatItSaysIsWhereThePasswordIs)
{
    // Where no keyring runs (as in CI) it must say so rather than leave the window waiting;
    // where one runs, the password must come back from it.
    QtKeychainKeyring desktop;
    auto settings = store();
    PasswordStore store(desktop, *settings);
    QElapsedTimer clock;
    clock.start();
    store.save(QStringLiteral("desktop secret"));
    EXPECT_LT(clock.elapsed(), PasswordStore::kKeyringWaitMs + 1000);
    QString loaded = QStringLiteral("<none>");
    QObject context;
    store.load(&context, [&](const QString& password) { loaded = password; });
    QTRY_VERIFY_WITH_TIMEOUT(loaded != QStringLiteral("<none>"), PasswordStore::kKeyringWaitMs);
    EXPECT_EQ(loaded, QStringLiteral("desktop secret"));
    if (!settings->read(kApp, kFtp, QStringLiteral("Password")).isEmpty()) {
        EXPECT_TRUE(isPrivate(settingsFile()));
    }
}

TEST_F(UploadWindow, PickerAddsSelectedAndDoubleClickedFilesAndClickRemovesOne)
{
    for (const char* name : {"a.htm", "b.gif", "c.txt"}) {
        QFile f(local.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    auto settings = store();
    frmFTP* window = open(*settings);
    const QString folder = QDir(local.path()).canonicalPath();
    prompter.answerModal([&](QDialog& dialog) {
        auto& picker = dynamic_cast<frmFTPfiles&>(dialog);
        EXPECT_TRUE(picker.browser().setFolderPath(folder));
        EXPECT_EQ(picker.browser().listedFiles(), (QStringList{"a.htm", "b.gif", "c.txt"}));
        for (int i : {0, 2})
            picker.File1->item(i)->setSelected(true);
        picker.Command1->click();
        picker.File1->itemDoubleClicked(picker.File1->item(1));
        picker.List1->itemClicked(picker.List1->item(0));
        picker.cmdOK->click();
        return picker.result();
    });
    window->cmdMoreFiles->click();
    EXPECT_EQ(window->listedFiles(), (QStringList{folder + "/c.txt", folder + "/b.gif"}));
    EXPECT_EQ(prompter.last().dialogName, QStringLiteral("frmFTPfiles"));
    window->close();
}

TEST_F(UploadWindow, SendingKeepsTheWindowResponsiveRefusesASecondSendAndLogsNewestFirst)
{
    FtpTestServer server{FtpServerOptions{false, 150000}};
    ASSERT_TRUE(server.started()) << server.error().toStdString();
    QByteArray page(450000, 'p');
    QFile f(local.filePath(QStringLiteral("page.htm")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(page);
    f.close();
    auto settings = store();
    // The server's pace, not the client's limits, sets how long the last reply takes to come.
    frmFTP* window = open(*settings, &server, FtpTimeouts{5, 10, 5});
    window->txtServer->setEditText(QStringLiteral("127.0.0.1:%1").arg(server.address().port));
    window->txtUserName->setEditText(server.user());
    window->txtPassword->setText(server.password());
    window->lstFiles->addItem(f.fileName());

    window->cmdSend->click();
    ASSERT_TRUE(window->isSending());
    // The event loop keeps turning: a 10 ms timer is never held up for long, and the bar moves.
    QElapsedTimer clock, gap;
    clock.start();
    gap.start();
    qint64 longestGap = 0;
    int highest = 0;
    bool refusedOnce = false;
    QTimer tick;
    QEventLoop loop;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, gap.restart());
        highest = std::max(highest, window->ProgressBar1->value());
        if (!refusedOnce && highest > 0) {
            refusedOnce = true;
            prompter.answerMessage(PromptAnswer::Ok);
            window->cmdSend->click();
            // Done while sending asks; No keeps the window and the upload going.
            prompter.answerMessage(PromptAnswer::No);
            window->cmdCancel->click();
            EXPECT_TRUE(window->isVisible());
            EXPECT_TRUE(window->isSending());
        }
        if (!window->isSending() || clock.elapsed() > 30000)
            loop.quit();
    });
    tick.start(10);
    loop.exec();
    EXPECT_FALSE(window->isSending());
    EXPECT_LT(longestGap, 250);
    EXPECT_GT(highest, 0);
    EXPECT_GT(clock.elapsed(), 1000) << "the server was not slow enough to show anything";
    ASSERT_TRUE(refusedOnce);
    EXPECT_EQ(prompter.requests.front().text, QStringLiteral("The files are still being sent."));
    EXPECT_EQ(prompter.requests.at(1).text, QStringLiteral("The files are still being sent.\nStop sending them?"));
    QFile remote(server.root() + QStringLiteral("/page.htm"));
    ASSERT_TRUE(remote.open(QIODevice::ReadOnly));
    EXPECT_EQ(remote.readAll(), page);

    QTest::qWait(100); // Timer1 shows what came last
    const QString log = window->Text1->toPlainText();
    EXPECT_TRUE(log.endsWith(frmFTP::kInitialLog));
    EXPECT_LT(log.indexOf(QStringLiteral("Sent ")), log.indexOf(QStringLiteral("230 ")));
    EXPECT_FALSE(log.contains(server.password()));

    // A wrong password: the message, the server's reason in the log, and a usable window.
    window->txtPassword->setText(QStringLiteral("not it"));
    prompter.answerMessage(PromptAnswer::Ok);
    window->cmdSend->click();
    QTRY_VERIFY_WITH_TIMEOUT(!window->isSending(), 10000);
    EXPECT_EQ(prompter.last().title, QStringLiteral("The Corvane Scrivant"));
    EXPECT_EQ(prompter.last().text, frmFTP::kSendError);
    EXPECT_EQ(prompter.last().icon, PromptIcon::Exclamation);
    EXPECT_TRUE(window->Text1->toPlainText().startsWith(QStringLiteral("530"))
                || window->Text1->toPlainText().contains(QStringLiteral("\n530")));
    EXPECT_FALSE(window->Text1->toPlainText().contains(QStringLiteral("not it")));
    EXPECT_TRUE(window->cmdSend->isEnabled());

    // Done while sending, and Yes: the window goes and the upload with it.
    window->txtPassword->setText(server.password());
    window->cmdSend->click();
    ASSERT_TRUE(window->isSending());
    prompter.answerMessage(PromptAnswer::Yes);
    window->cmdCancel->click();
    EXPECT_FALSE(window->isVisible());
}

// The FTP command of the main window.
class UploadCommand : public AppTest {};

TEST_F(UploadCommand, AsksFirstWithoutADocumentAndOpensWithTheDocumentsFile)
{
    start();
    ASSERT_TRUE(action(QStringLiteral("mnuFTP"))->isEnabled());
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        prompter.answerMessage(answer);
        trigger(QStringLiteral("mnuFTP"));
        expectMessage(prompter.last(), QStringLiteral("The Corvane Scrivant"),
                      QStringLiteral("There is no file to upload, continue?"), PromptIcon::Exclamation,
                      PromptButtons::YesNo);
        frmFTP* shown = window->findChild<frmFTP*>();
        EXPECT_EQ(shown != nullptr && shown->isVisible(), answer == PromptAnswer::Yes);
        if (shown) {
            EXPECT_TRUE(shown->listedFiles().isEmpty());
            shown->close();
            QApplication::processEvents();
        }
    }
    prompter.answerOpen(writeFile(QStringLiteral("page.htm"), "x"));
    trigger(QStringLiteral("mnuOpen"));
    const size_t asked = prompter.requests.size();
    trigger(QStringLiteral("mnuFTP"));
    EXPECT_EQ(prompter.requests.size(), asked);
    frmFTP* shown = nullptr;
    for (frmFTP* w : window->findChildren<frmFTP*>())
        if (w->isVisible())
            shown = w;
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->listedFiles(), QStringList{path(QStringLiteral("page.htm"))});
    discardChanges();
    stop();
}

} // namespace
