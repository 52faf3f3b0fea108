#pragma once
// The web timer window: shows the running total, ticking every ten seconds while it is open
// and not paused, and appends the total to the log when it closes, however it is closed.

#include <QWidget>
#include <memory>

class Clock;
class QLabel;
class QPushButton;
class SettingsStore;
class TickTimer;
struct WebTimerState;

class frmTime : public QWidget {
    Q_OBJECT
public:
    frmTime(WebTimerState& state, SettingsStore& settings, Clock& clock, QWidget* owner);
    ~frmTime() override;

    QLabel* lblTimeIs;
    QLabel* lblTime;
    QPushButton* cmdInfo;
    QPushButton* cmdPause;

    // False once it has closed and written its line.
    bool isOpen() const { return !closed_; }

Q_SIGNALS:
    void infoRequested();
    // The line it added to the log as it closed.
    void logged(const QString& line);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void tick();
    void pauseOrResume();

    WebTimerState& state_;
    SettingsStore& settings_;
    Clock& clock_;
    std::unique_ptr<TickTimer> Timer1;
    bool closed_ = false;
};
