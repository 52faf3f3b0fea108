#pragma once
// The web timer as the document windows see it: each new one brings the timer window up when
// the option is on, and each closing one closes it. The total and the log outlive its windows.

#include "utilities/WebTimer.h"

#include <QPointer>
#include <functional>

class Clock;
class CommandRouter;
class DialogHost;
class SettingsStore;
class frmInfo;
class frmTime;

class WebTimerWindows {
public:
    WebTimerWindows(CommandRouter& router, DialogHost& host, SettingsStore& settings, Clock& clock,
                    std::function<bool()> optionChecked);
    ~WebTimerWindows();

    void documentOpened();
    void documentClosing();

    frmTime* timeWindow() const;

private:
    void showInfo();

    CommandRouter& router_;
    DialogHost& host_;
    SettingsStore& settings_;
    Clock& clock_;
    std::function<bool()> optionChecked_;
    WebTimerState state_;
    QPointer<frmTime> time_;
    QPointer<frmInfo> info_;
};
