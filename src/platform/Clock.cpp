#include "platform/Clock.h"

#include <QTimer>

namespace {

class QtTickTimer : public TickTimer {
public:
    QtTickTimer(std::chrono::milliseconds interval, std::function<void()> onTick)
    {
        timer_.setInterval(interval);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(onTick));
    }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<TickTimer> SystemClock::makeTimer(std::chrono::milliseconds interval, std::function<void()> onTick)
{
    return std::make_unique<QtTickTimer>(interval, std::move(onTick));
}
