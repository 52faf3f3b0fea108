#include "utilities/ToolBarWindow.h"

#include "app/CommandRouter.h"
#include "dialogs/DialogHost.h"
#include "utilities/frmToolBar.h"

#include <QEvent>

ToolBarWindow::ToolBarWindow(CommandRouter& router, DialogHost& host, SettingsStore& settings, UserButtons& buttons,
                             std::function<bool()> optionChecked)
    : router_(router), host_(host), settings_(settings), buttons_(buttons), optionChecked_(std::move(optionChecked))
{
    // The option is read with the other settings after the commands are wired: the bar comes
    // up when the main window first does.
    if (QWidget* owner = host_.ownerWindow())
        owner->installEventFilter(this);
}

ToolBarWindow::~ToolBarWindow()
{
    // It refers to the buttons kept by the main window.
    delete bar_.data();
}

bool ToolBarWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == host_.ownerWindow()) {
        watched->removeEventFilter(this);
        if (optionChecked_())
            show();
    }
    return QObject::eventFilter(watched, event);
}

void ToolBarWindow::commandChosen()
{
    if (optionChecked_())
        show();
    else if (bar_)
        bar_->close();
}

void ToolBarWindow::show()
{
    if (!bar_ || !bar_->isVisible()) {
        bar_ = new frmToolBar(host_, settings_, buttons_);
        router_.registerDialog(bar_);
    }
    bar_->show();
    bar_->raise();
}
