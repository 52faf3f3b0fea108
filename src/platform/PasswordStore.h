#pragma once
// Where Save Password keeps the FTP password: the desktop's keyring, and only where no keyring
// answers, the settings file, which is then readable by the user alone. A password an earlier
// version left in the settings file is still found.

#include <QString>
#include <functional>

class QObject;
class SettingsStore;

// The desktop's secret store, asked asynchronously.
class Keyring {
public:
    enum class Result { Ok, NotFound, Unavailable };
    virtual ~Keyring() = default;
    virtual void read(const QString& key, std::function<void(Result, const QString&)> done) = 0;
    virtual void write(const QString& key, const QString& secret, std::function<void(Result)> done) = 0;
};

// The Secret Service (or KWallet) through QtKeychain, under the program's name.
class QtKeychainKeyring : public Keyring {
public:
    void read(const QString& key, std::function<void(Result, const QString&)> done) override;
    void write(const QString& key, const QString& secret, std::function<void(Result)> done) override;
};

class PasswordStore {
public:
    static constexpr int kKeyringWaitMs = 5000;

    PasswordStore(Keyring& keyring, SettingsStore& settings, int keyringWaitMs = kKeyringWaitMs)
        : keyring_(keyring), settings_(settings), keyringWaitMs_(keyringWaitMs)
    {
    }

    // Calls done with the stored password ("" when there is none) once it is known, unless
    // context is gone by then.
    void load(QObject* context, std::function<void(const QString&)> done);
    // Stores password, waiting a few seconds at most for the keyring to answer, so that it is
    // kept even when the program ends right after.
    void save(const QString& password);

private:
    Keyring& keyring_;
    SettingsStore& settings_;
    int keyringWaitMs_;
};
