#include "utilities/frmToolBar.h"

#include "dialogs/DialogHost.h"
#include "dialogs/ElementDialog.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "utilities/frmUserTools.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <optional>

namespace {

const QString kLeft = QStringLiteral("ToolFormLeft");
const QString kTop = QStringLiteral("ToolFormTop");
// Below the main window's top, when no place is stored.
constexpr int kStartDropTwips = 1200;

struct ListButton {
    QPushButton* frmToolBar::*member;
    const char* name;
    const char* caption;
    const char* opening; // "\n" stands for the document's line break
    const char* closing;
};

const ListButton kListButtons[] = {
    {&frmToolBar::cmdUnordered, "cmdUnordered", "&Unordered List", "<UL>\n<LI>", "\n</UL>"},
    {&frmToolBar::cmdOrdered, "cmdOrdered", "&Ordered List", "<OL>\n<LI>", "\n</OL>"},
    {&frmToolBar::cmdDefinitionList, "cmdDefinitionList", "&Definition List", "<DL>\n<DT>", "\n</DL>"},
    {&frmToolBar::cmdMenu, "cmdMenu", "&Menu", "<MENU>", "</MENU>"},
    {&frmToolBar::cmdLI, "cmdLI", "<LI>", "<LI>", ""},
    {&frmToolBar::cmdDD, "cmdDD", "<DD>", "<DD>", ""},
    {&frmToolBar::cmdDT, "cmdDT", "<DT>", "<DT>", ""},
};

} // namespace

frmToolBar::frmToolBar(DialogHost& host, SettingsStore& settings, UserButtons& buttons)
    : QWidget(host.ownerWindow(), Qt::Tool), host_(host), settings_(settings), buttons_(buttons)
{
    setObjectName(QStringLiteral("frmToolBar"));
    setWindowTitle(QStringLiteral("Tool Bar"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The document keeps the keyboard while the bar comes and goes.
    setAttribute(Qt::WA_ShowWithoutActivating);

    Frame1 = named<QGroupBox>("Frame1", QStringLiteral("Lists"), this);
    auto* lists = new QVBoxLayout(Frame1);
    for (const ListButton& b : kListButtons) {
        QPushButton* button = named<QPushButton>(b.name, QString::fromLatin1(b.caption), Frame1);
        this->*b.member = button;
        lists->addWidget(button);
        const QString opening = QString::fromLatin1(b.opening);
        const QString closing = QString::fromLatin1(b.closing);
        connect(button, &QPushButton::clicked, this, [this, opening, closing] {
            const QString lineBreak = QString::fromLatin1(host_.activeLineBreak());
            insert(QString(opening).replace(QLatin1Char('\n'), lineBreak),
                   QString(closing).replace(QLatin1Char('\n'), lineBreak));
        });
    }

    Frame2 = named<QGroupBox>("Frame2", QStringLiteral("User Buttons"), this);
    // Two columns keep the bar short enough to stand beside the main window.
    auto* users = new QGridLayout(Frame2);
    for (int i = 0; i < int(cmdUser.size()); ++i) {
        QPushButton* button = new QPushButton(Frame2);
        button->setObjectName(QStringLiteral("cmdUser_%1").arg(i));
        cmdUser[size_t(i)] = button;
        users->addWidget(button, i / 2, i % 2);
        connect(button, &QPushButton::clicked, this, [this, i] {
            const UserButton& b = buttons_[size_t(i)];
            insert(b.opening, b.closing);
        });
    }
    cmdDefine = named<QPushButton>("cmdDefine", QStringLiteral("&Create Button"), Frame2);
    users->addWidget(cmdDefine, int(cmdUser.size()) / 2, 0, 1, 2);
    users->setColumnStretch(0, 1);
    users->setColumnStretch(1, 1);
    connect(cmdDefine, &QPushButton::clicked, this, &frmToolBar::defineButtons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    placeWindow();
    showUserCaptions();
}

void frmToolBar::placeWindow()
{
    // With its native window made, the frame is known: the stored left and top are the frame's.
    winId();
    const QWidget* owner = host_.ownerWindow();
    QPoint place = owner ? QPoint(owner->x(), owner->y() + kStartDropTwips / kTwipsPerPixel) : QPoint();
    const QPoint start = place;
    if (const auto left = storedPixels(settings_, kLeft))
        place.setX(*left);
    if (const auto top = storedPixels(settings_, kTop))
        place.setY(*top);
    // A place on a screen that is gone would leave the bar out of reach.
    if (!QGuiApplication::screenAt(place + QPoint(20, 10)))
        place = start;
    move(place);
}

void frmToolBar::insert(const QString& opening, const QString& closing)
{
    host_.InsertText(opening, closing);
    // Typing goes on in the document, not in the bar that was clicked.
    if (QWidget* owner = host_.ownerWindow())
        owner->activateWindow();
}

void frmToolBar::showUserCaptions()
{
    for (size_t i = 0; i < cmdUser.size(); ++i)
        cmdUser[i]->setText(buttons_[i].caption);
}

void frmToolBar::defineButtons()
{
    frmUserTools dialog(host_, buttons_);
    if (host_.prompter().modal(dialog) != QDialog::Accepted)
        return;
    buttons_ = dialog.buttons();
    showUserCaptions();
}

void frmToolBar::closeEvent(QCloseEvent* event)
{
    storePixels(settings_, kLeft, x());
    storePixels(settings_, kTop, y());
    QWidget::closeEvent(event);
}
