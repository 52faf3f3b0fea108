#include "platform/PasswordStore.h"

#include "platform/SettingsStore.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <memory>

#include <qt6keychain/keychain.h>

namespace {

const QString kApp = QStringLiteral("The Corvane Scrivant");
const QString kSection = QStringLiteral("FTP");
const QString kKey = QStringLiteral("Password");
const QString kKeyringKey = QStringLiteral("FTP Password");

Keyring::Result resultOf(const QKeychain::Job& job)
{
    switch (job.error()) {
    case QKeychain::NoError: return Keyring::Result::Ok;
    case QKeychain::EntryNotFound: return Keyring::Result::NotFound;
    default: return Keyring::Result::Unavailable;
    }
}

} // namespace

void QtKeychainKeyring::read(const QString& key, std::function<void(Result, const QString&)> done)
{
    auto* job = new QKeychain::ReadPasswordJob(kApp);
    job->setKey(key);
    // Never QtKeychain's own plain-text file: the fallback is ours, and private.
    job->setInsecureFallback(false);
    QObject::connect(job, &QKeychain::Job::finished, job,
                     [job, done](QKeychain::Job*) { done(resultOf(*job), job->textData()); });
    job->start();
}

void QtKeychainKeyring::write(const QString& key, const QString& secret, std::function<void(Result)> done)
{
    auto* job = new QKeychain::WritePasswordJob(kApp);
    job->setKey(key);
    job->setInsecureFallback(false);
    job->setTextData(secret);
    QObject::connect(job, &QKeychain::Job::finished, job, [job, done](QKeychain::Job*) { done(resultOf(*job)); });
    job->start();
}

void PasswordStore::load(QObject* context, std::function<void(const QString&)> done)
{
    QPointer<QObject> alive(context);
    keyring_.read(kKeyringKey, [this, alive, done](Keyring::Result result, const QString& secret) {
        if (!alive)
            return;
        // A copy in the file is the newest: a save the keyring took empties it, so one there
        // was written while the keyring did not answer, over an older entry the keyring kept.
        const QString kept = settings_.read(kApp, kSection, kKey);
        done(!kept.isEmpty() || result != Keyring::Result::Ok ? kept : secret);
    });
}

void PasswordStore::save(const QString& password)
{
    // The keyring may answer after the wait is over (a locked keyring asking to be unlocked):
    // the answer then finds the loop gone, and the state it writes outlives this call.
    struct Answer {
        bool given = false;
        Keyring::Result result = Keyring::Result::Unavailable;
        QPointer<QEventLoop> loop;
    };
    const auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    answer->loop = &loop;
    keyring_.write(kKeyringKey, password, [answer](Keyring::Result r) {
        answer->given = true;
        answer->result = r;
        if (answer->loop)
            answer->loop->quit();
    });
    if (!answer->given) {
        QTimer::singleShot(keyringWaitMs_, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (answer->given && answer->result == Keyring::Result::Ok) {
        // The keyring holds it now: a plain copy from before must not stay behind.
        if (!settings_.read(kApp, kSection, kKey).isEmpty())
            settings_.write(kApp, kSection, kKey, QString());
    } else {
        settings_.restrictToOwner(kApp);
        settings_.write(kApp, kSection, kKey, password);
    }
    settings_.flush();
}
