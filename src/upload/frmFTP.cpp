#include "upload/frmFTP.h"

#include "dialogs/DialogHost.h"
#include "platform/FtpClient.h"
#include "platform/PasswordStore.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "upload/UploadRules.h"
#include "upload/UploadSession.h"
#include "upload/frmFTPfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

const QString frmFTP::kSendError = QStringLiteral("An error occured while trying to send the file");
const QString frmFTP::kInitialLog = QStringLiteral("The Corvane Scrivant FTP upload");

namespace {

const QString kApp = QStringLiteral("The Corvane Scrivant");
const QString kSection = QStringLiteral("FTP");

// The settings key prefix of each history box.
const char* historyPrefix(const QComboBox* box)
{
    const QString name = box->objectName();
    return name == QLatin1String("txtServer") ? "Server" : name == QLatin1String("txtDir") ? "Dir" : "UserName";
}

QString historyKey(const char* prefix, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(prefix)).arg(i);
}

QComboBox* historyBox(const char* name, QWidget* parent)
{
    // Entries are added when the box loses the focus, as the history rule says, not on Enter.
    QComboBox* box = typingBox(name, parent);
    box->setMinimumWidth(260);
    return box;
}

} // namespace

frmFTP::frmFTP(DialogHost& host, SettingsStore& settings, PasswordStore& passwords, std::unique_ptr<FtpClient> client)
    : ElementDialog(QStringLiteral("frmFTP"), QStringLiteral("FTP File Upload"), host),
      settings_(settings), passwords_(passwords), client_(std::move(client))
{
    txtServer = historyBox("txtServer", this);
    txtDir = historyBox("txtDir", this);
    txtUserName = historyBox("txtUserName", this);
    txtPassword = named<QLineEdit>("txtPassword", this);
    txtPassword->setEchoMode(QLineEdit::Password);
    chkPass = named<QCheckBox>("chkPass", QStringLiteral("Save Password"), this);
    lstFiles = named<QListWidget>("lstFiles", this);
    Text1 = named<QPlainTextEdit>("Text1", this);
    Text1->setReadOnly(true);
    Text1->setPlainText(kInitialLog);
    cmdMoreFiles = sideButton("cmdMoreFiles", QStringLiteral("&Add Files"), this);
    cmdSend = sideButton("cmdSend", QStringLiteral("&Send File(s)"), this);
    cmdCancel = sideButton("cmdCancel", QStringLiteral("&Done"), this);
    ProgressBar1 = named<QProgressBar>("ProgressBar1", this);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    Timer1 = named<QTimer>("Timer1", this);
    Timer1->setInterval(50);

    auto* grid = new QGridLayout(this);
    int row = addFieldRows(*grid, 0,
                           {{captionLabel("lblServer", QStringLiteral("FTP Server:"), this), txtServer},
                            {captionLabel("lblDir", QStringLiteral("Remote Directory:"), this), txtDir},
                            {captionLabel("lblUserName", QStringLiteral("Username:"), this), txtUserName},
                            {captionLabel("lblPassword", QStringLiteral("Password:"), this), txtPassword}});
    grid->addWidget(chkPass, row++, 1);
    grid->addWidget(captionLabel("lblFiles", QStringLiteral("File(s) to upload:"), this), row++, 0, 1, 2);
    grid->addWidget(lstFiles, row++, 0, 1, 2);
    grid->addWidget(ProgressBar1, row++, 0, 1, 2);
    grid->addWidget(Text1, row++, 0, 1, 2);
    grid->addLayout(buttonRow({cmdMoreFiles, cmdSend, cmdCancel}), row, 0, 1, 2);

    session_ = new UploadSession(*client_, this);
    // The box holds the focus for its line edit, so the box is told when it goes.
    for (QComboBox* box : {txtServer, txtDir, txtUserName})
        box->installEventFilter(this);
    connect(lstFiles, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) { delete item; });
    connect(cmdMoreFiles, &QPushButton::clicked, this, &frmFTP::addFiles);
    connect(cmdSend, &QPushButton::clicked, this, &frmFTP::send);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Timer1, &QTimer::timeout, this, &frmFTP::showReplies);
    connect(client_.get(), &FtpClient::replyReceived, this, [this](const QString& line) { pendingReplies_ << line; });
    connect(client_.get(), &FtpClient::progress, this, [this](qint64 sent, qint64 total) {
        // Scaled to the bar's int range, whatever the file's size.
        ProgressBar1->setRange(0, 1000);
        ProgressBar1->setValue(total > 0 ? int(sent * 1000 / total) : 0);
    });
    connect(session_, &UploadSession::failed, this, &frmFTP::sendFailed);
    connect(session_, &UploadSession::succeeded, this, [this] { ProgressBar1->setValue(0); });

    if (const std::optional<QString> document = host.activeDocumentPath())
        lstFiles->addItem(*document);
    loadSettings();
    Timer1->start();
}

frmFTP::~frmFTP() = default;

QStringList frmFTP::listedFiles() const
{
    QStringList files;
    for (int i = 0; i < lstFiles->count(); ++i)
        files << lstFiles->item(i)->text();
    return files;
}

bool frmFTP::isSending() const
{
    return session_->isRunning();
}

void frmFTP::loadSettings()
{
    for (QComboBox* box : {txtServer, txtDir, txtUserName}) {
        for (int i = 0; i < kHistorySize; ++i) {
            const QString value = settings_.read(kApp, kSection, historyKey(historyPrefix(box), i));
            if (!value.isEmpty())
                box->addItem(value);
        }
        box->setEditText(box->count() ? box->itemText(0) : QString());
    }
    chkPass->setChecked(settings_.read(kApp, kSection, QStringLiteral("chkPass"), QStringLiteral("0")) == QLatin1String("1"));
    if (chkPass->isChecked()) {
        passwords_.load(this, [this](const QString& password) {
            // Typing wins over a keyring that answers late.
            if (txtPassword->text().isEmpty())
                txtPassword->setText(password);
        });
    }
}

void frmFTP::saveSettings()
{
    for (QComboBox* box : {txtServer, txtDir, txtUserName}) {
        for (int i = 0; i < kHistorySize && i < box->count(); ++i)
            if (!box->itemText(i).isEmpty())
                settings_.write(kApp, kSection, historyKey(historyPrefix(box), i), box->itemText(i));
    }
    settings_.write(kApp, kSection, QStringLiteral("chkPass"), chkPass->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    settings_.flush();
    if (chkPass->isChecked())
        passwords_.save(txtPassword->text());
}

void frmFTP::done(int result)
{
    // Closed while sending, the window would end the upload with no word of what was left.
    if (session_->isRunning()
        && host_.prompter().message(this, {kProgramTitle, QStringLiteral("The files are still being sent.\nStop sending them?"),
                                           PromptIcon::Exclamation, PromptButtons::YesNo})
               != PromptAnswer::Yes)
        return;
    if (!saved_) {
        saved_ = true;
        saveSettings();
    }
    ElementDialog::done(result);
}

bool frmFTP::eventFilter(QObject* watched, QEvent* event)
{
    // Opening the box's list or switching to another program does not leave the box.
    const auto leaves = [](QEvent* e) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
    };
    if (event->type() == QEvent::FocusOut && leaves(event)) {
        for (QComboBox* box : {txtServer, txtDir, txtUserName}) {
            if (watched != box)
                continue;
            const QString text = box->currentText();
            const QStringList before = [box] {
                QStringList items;
                for (int i = 0; i < box->count(); ++i)
                    items << box->itemText(i);
                return items;
            }();
            const QStringList after = withHistoryEntry(before, text);
            if (after != before) {
                box->insertItem(0, after.first());
                box->setEditText(text);
            }
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

void frmFTP::addFiles()
{
    frmFTPfiles picker(this);
    if (host_.prompter().modal(picker) == QDialog::Accepted)
        lstFiles->addItems(picker.chosenFiles());
}

void frmFTP::send()
{
    if (session_->isRunning()) {
        host_.prompter().message(this, {kProgramTitle, QStringLiteral("The files are still being sent."),
                                        PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    if (txtPassword->text().isEmpty()
        && host_.prompter().message(this, {kProgramTitle, QStringLiteral("You have not entered a password.\nWould you like to continue?"),
                                           PromptIcon::Exclamation, PromptButtons::YesNo})
               != PromptAnswer::Yes)
        return;
    QString error;
    const std::optional<ServerAddress> server = parseServerAddress(txtServer->currentText(), &error);
    if (!server) {
        sendFailed(error);
        return;
    }
    ProgressBar1->setValue(0);
    session_->start({*server, txtUserName->currentText(), txtPassword->text(), txtDir->currentText(), listedFiles()});
}

void frmFTP::sendFailed(const QString& reason)
{
    // The client logs the reasons it meets; the others are logged here.
    if (client_->latestReply() != reason)
        pendingReplies_ << reason;
    showReplies();
    ProgressBar1->setValue(0);
    host_.prompter().message(this, {kProgramTitle, kSendError, PromptIcon::Exclamation, PromptButtons::Ok});
}

void frmFTP::showReplies()
{
    if (pendingReplies_.isEmpty())
        return;
    QString text = Text1->toPlainText();
    for (const QString& reply : std::as_const(pendingReplies_))
        text = reply + QLatin1Char('\n') + text;
    pendingReplies_.clear();
    Text1->setPlainText(text);
}
