#pragma once
// The current date and time, and the repeating timers that count it, injectable so that tests
// can set the date and deliver the ticks themselves.

#include <QDateTime>
#include <chrono>
#include <functional>
#include <memory>

// Calls its tick function every interval while it runs; it starts stopped.
class TickTimer {
public:
    virtual ~TickTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual std::unique_ptr<TickTimer> makeTimer(std::chrono::milliseconds interval, std::function<void()> onTick) = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    std::unique_ptr<TickTimer> makeTimer(std::chrono::milliseconds interval, std::function<void()> onTick) override;
};
