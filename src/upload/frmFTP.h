#pragma once
// The upload window: the server, folder and user-name histories, the password, the files to
// send and the server's replies, newest first. Modeless; the histories are written when it
// closes. Sending runs on the event loop, so the window stays usable meanwhile.

#include "dialogs/ElementDialog.h"

#include <QStringList>
#include <memory>

class FtpClient;
class PasswordStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QTimer;
class SettingsStore;
class UploadSession;

class frmFTP : public ElementDialog {
    Q_OBJECT
public:
    frmFTP(DialogHost& host, SettingsStore& settings, PasswordStore& passwords, std::unique_ptr<FtpClient> client);
    ~frmFTP() override;

    QComboBox* txtServer;
    QComboBox* txtDir;
    QComboBox* txtUserName;
    QLineEdit* txtPassword;
    QCheckBox* chkPass;
    QListWidget* lstFiles;
    QPlainTextEdit* Text1;
    QPushButton* cmdMoreFiles;
    QPushButton* cmdSend;
    QPushButton* cmdCancel;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;

    // The paths in lstFiles, in order.
    QStringList listedFiles() const;
    bool isSending() const;

    // Done and the close box both end here: the settings are written once.
    void done(int result) override;

    static const QString kSendError; // "An error occured while trying to send the file"
    static const QString kInitialLog;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadSettings();
    void saveSettings();
    void addFiles();
    void send();
    void showReplies();
    void sendFailed(const QString& reason);

    SettingsStore& settings_;
    PasswordStore& passwords_;
    std::unique_ptr<FtpClient> client_;
    UploadSession* session_;
    QStringList pendingReplies_;
    bool saved_ = false;
};
