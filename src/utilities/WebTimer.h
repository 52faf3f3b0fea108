#pragma once
// The web timer's arithmetic and texts: the total since the program started, counted in
// ten-second steps, the label and caption built from it, and the dated lines of its log.

#include <QLocale>
#include <QString>

class QDate;
class SettingsStore;

struct ElapsedTime {
    qint16 seconds = 0;
    qint32 minutes = 0;
    qint32 hours = 0;
    // Ten seconds more, carried into minutes and hours at sixty.
    void tick();
};

// "1 Hrs 2 Mins 30 Secs"
QString timeLabel(const ElapsedTime& time);
// "Web Timer - " + label
QString timerCaption(const QString& label);
// The date in the locale's short form + " - " + label.
QString timerLogLine(const QDate& date, const QString& label, const QLocale& locale = QLocale::system());
// The log with the line after its last line; an empty log gets the line alone.
QString appendTimerLogLine(const QString& log, const QString& line);

// What the timer keeps for the whole run, whichever window shows it.
struct WebTimerState {
    ElapsedTime elapsed;
    QString TimerLog;
};

// The log is kept under an application name of its own.
QString readTimerLog(const SettingsStore& settings);
void writeTimerLog(SettingsStore& settings, const QString& log);
