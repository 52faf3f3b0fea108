#include "preview/frmHTML.h"

#include "app/Preferences.h"
#include "dialogs/DialogHost.h"
#include "dialogs/ElementDialog.h"
#include "platform/HtmlView.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kLeft = QStringLiteral("HTMLFormLeft");
const QString kTop = QStringLiteral("HTMLFormTop");
const QString kWidth = QStringLiteral("HTMLFormWidth");
const QString kHeight = QStringLiteral("HTMLFormHeight");

} // namespace

frmHTML::frmHTML(DialogHost& host, SettingsStore& settings)
    : QWidget(host.ownerWindow(), Qt::Window), host_(host), settings_(settings)
{
    setObjectName(QStringLiteral("frmHTML"));
    setWindowTitle(QStringLiteral("HTML Preview"));
    setAttribute(Qt::WA_DeleteOnClose);

    cboURL = typingBox("cboURL", this);
    cboURL->setEditText(QStringLiteral("Combo1"));
    cboURL->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cmdConnect = named<QPushButton>("cmdConnect", QStringLiteral("&Connect to URL"), this);
    cmdBack = named<QPushButton>("cmdBack", QStringLiteral("&Return To Editing"), this);
    HTML1 = named<HtmlView>("HTML1", this);

    auto* top = new QHBoxLayout;
    top->addWidget(cboURL, 1);
    top->addWidget(cmdConnect);
    top->addWidget(cmdBack);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(HTML1, 1);

    connect(cmdConnect, &QPushButton::clicked, this, &frmHTML::connectToUrl);
    connect(cmdBack, &QPushButton::clicked, this, &QWidget::close);
    // Enter in the address box fetches the address as the button does.
    connect(cboURL->lineEdit(), &QLineEdit::returnPressed, this, &frmHTML::connectToUrl);
    connect(HTML1, &HtmlView::loadFinished, this, [this](bool ok) {
        if (ok)
            cboURL->setEditText(HTML1->currentUrl().toString());
    });
    placeWindow();
}

void frmHTML::placeWindow()
{
    // Stored in twips; a value missing or unreadable takes the owner window's.
    // With its native window made, the frame is known and the stored left and top are where
    // the frame goes, as they were read from it.
    winId();
    const QWidget* owner = host_.ownerWindow();
    const QRect fallback = owner ? QRect(owner->x(), owner->y(), owner->width(), owner->height()) : QRect(0, 0, 640, 480);
    const auto stored = [this](const QString& key, int pixels) { return storedPixels(settings_, key).value_or(pixels); };
    move(stored(kLeft, fallback.x()), stored(kTop, fallback.y()));
    resize(std::max(stored(kWidth, fallback.width()), 100), std::max(stored(kHeight, fallback.height()), 100));
}

void frmHTML::closeEvent(QCloseEvent* event)
{
    storePixels(settings_, kLeft, x());
    storePixels(settings_, kTop, y());
    storePixels(settings_, kHeight, height());
    storePixels(settings_, kWidth, width());
    QWidget::closeEvent(event);
}

void frmHTML::loadActiveDocument()
{
    const std::optional<QString> path = host_.activeDocumentPath();
    if (!path || !QFileInfo(*path).isFile()) {
        host_.prompter().message(this, {kProgramTitle,
                                        QStringLiteral("An error occurred while trying to load this document"),
                                        PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    HTML1->load(QUrl::fromLocalFile(*path));
}

void frmHTML::showDocument(const QString& path)
{
    HTML1->refresh(QUrl::fromLocalFile(path));
}

void frmHTML::connectToUrl()
{
    const QString address = cboURL->currentText();
    HTML1->load(QUrl::fromUserInput(address));
    cboURL->addItem(address);
    cboURL->setEditText(address);
}
