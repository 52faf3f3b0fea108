#include "utilities/WebTimerWindows.h"

#include "app/CommandRouter.h"
#include "dialogs/DialogHost.h"
#include "utilities/frmInfo.h"
#include "utilities/frmTime.h"

WebTimerWindows::WebTimerWindows(CommandRouter& router, DialogHost& host, SettingsStore& settings, Clock& clock,
                                 std::function<bool()> optionChecked)
    : router_(router), host_(host), settings_(settings), clock_(clock), optionChecked_(std::move(optionChecked))
{
}

WebTimerWindows::~WebTimerWindows()
{
    // They refer to the state kept here.
    delete info_.data();
    delete time_.data();
}

frmTime* WebTimerWindows::timeWindow() const
{
    return time_ && time_->isOpen() ? time_.data() : nullptr;
}

void WebTimerWindows::documentOpened()
{
    if (!optionChecked_())
        return;
    if (frmTime* open = timeWindow()) {
        open->show();
        open->raise();
        return;
    }
    time_ = new frmTime(state_, settings_, clock_, host_.ownerWindow());
    QObject::connect(time_, &frmTime::infoRequested, time_, [this] { showInfo(); });
    QObject::connect(time_, &frmTime::logged, time_, [this](const QString& line) {
        if (info_ && info_->isVisible())
            info_->appendLine(line);
    });
    router_.registerDialog(time_);
    time_->show();
}

void WebTimerWindows::documentClosing()
{
    if (frmTime* open = timeWindow())
        open->close();
}

void WebTimerWindows::showInfo()
{
    // An open info window comes forward with the log as it now stands.
    router_.showDialog(QStringLiteral("frmInfo"), [this](DialogHost& host) {
        info_ = new frmInfo(host, state_, settings_);
        return info_.data();
    });
    if (info_)
        info_->showLog();
}
