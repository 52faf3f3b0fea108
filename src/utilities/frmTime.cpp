#include "utilities/frmTime.h"

#include "dialogs/ElementDialog.h"
#include "platform/Clock.h"
#include "utilities/WebTimer.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kPause = QStringLiteral("&Pause");
const QString kResume = QStringLiteral("&Resume");
} // namespace

frmTime::frmTime(WebTimerState& state, SettingsStore& settings, Clock& clock, QWidget* owner)
    : QWidget(owner, Qt::Dialog), state_(state), settings_(settings), clock_(clock)
{
    setObjectName(QStringLiteral("frmTime"));
    setWindowTitle(QStringLiteral("Web Timer"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Typing goes on in the document that brought it up.
    setAttribute(Qt::WA_ShowWithoutActivating);
    centreWhenFirstShown(*this);

    lblTimeIs = captionLabel("lblTimeIs", QStringLiteral("Total Time:"), this);
    lblTime = captionLabel("lblTime", QStringLiteral("0 Hrs 0 Mins 0 Secs"), this);
    cmdInfo = named<QPushButton>("cmdInfo", QStringLiteral("&Info"), this);
    cmdPause = named<QPushButton>("cmdPause", kPause, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTimeIs);
    layout->addWidget(lblTime);
    layout->addLayout(buttonRow({cmdInfo, cmdPause}));

    connect(cmdInfo, &QPushButton::clicked, this, &frmTime::infoRequested);
    connect(cmdPause, &QPushButton::clicked, this, &frmTime::pauseOrResume);
    state_.TimerLog = readTimerLog(settings_);
    Timer1 = clock_.makeTimer(std::chrono::seconds(10), [this] { tick(); });
    Timer1->start();
}

frmTime::~frmTime() = default;

void frmTime::tick()
{
    state_.elapsed.tick();
    lblTime->setText(timeLabel(state_.elapsed));
    setWindowTitle(timerCaption(lblTime->text()));
}

void frmTime::pauseOrResume()
{
    if (cmdPause->text() == kPause) {
        cmdPause->setText(kResume);
        Timer1->stop();
    } else {
        cmdPause->setText(kPause);
        Timer1->start();
    }
}

void frmTime::closeEvent(QCloseEvent* event)
{
    // A window already closed waits for its deletion: closing it again writes nothing.
    if (!closed_) {
        closed_ = true;
        Timer1->stop();
        const QString line = timerLogLine(clock_.now().date(), lblTime->text());
        state_.TimerLog = appendTimerLogLine(state_.TimerLog, line);
        writeTimerLog(settings_, state_.TimerLog);
        Q_EMIT logged(line);
    }
    event->accept();
}
