#include "utilities/WebTimer.h"

#include "app/Preferences.h"
#include "platform/SettingsStore.h"

#include <QDate>

namespace {
const QString kDateList = QStringLiteral("Date List");
}

void ElapsedTime::tick()
{
    seconds = qint16(seconds + 10);
    if (seconds >= 60) {
        seconds = 0;
        ++minutes;
    }
    if (minutes >= 60) {
        minutes = 0;
        ++hours;
    }
}

QString timeLabel(const ElapsedTime& time)
{
    return QStringLiteral("%1 Hrs %2 Mins %3 Secs").arg(time.hours).arg(time.minutes).arg(time.seconds);
}

QString timerCaption(const QString& label)
{
    return QStringLiteral("Web Timer - ") + label;
}

QString timerLogLine(const QDate& date, const QString& label, const QLocale& locale)
{
    return locale.toString(date, QLocale::ShortFormat) + QStringLiteral(" - ") + label;
}

QString appendTimerLogLine(const QString& log, const QString& line)
{
    return log.isEmpty() ? line : log + QStringLiteral("\r\n") + line;
}

QString readTimerLog(const SettingsStore& settings)
{
    return settings.read(settings::kTimerApp, settings::kDates, kDateList);
}

void writeTimerLog(SettingsStore& settings, const QString& log)
{
    settings.write(settings::kTimerApp, settings::kDates, kDateList, log);
    settings.flush();
}
