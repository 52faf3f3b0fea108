// The web timer: its arithmetic and texts, the window that follows the document windows, and
// the log it keeps, with the clock and the ticks given by the test.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"
#include "utilities/WebTimer.h"
#include "utilities/frmInfo.h"
#include "utilities/frmTime.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

TEST(WebTimerText, ticksCountTenSecondsAndCarryAtSixty)
{
    const struct {
        int ticks;
        const char* label;
    } cases[] = {
        {0, "0 Hrs 0 Mins 0 Secs"},   {3, "0 Hrs 0 Mins 30 Secs"}, {5, "0 Hrs 0 Mins 50 Secs"},
        {6, "0 Hrs 1 Mins 0 Secs"},   {7, "0 Hrs 1 Mins 10 Secs"}, {359, "0 Hrs 59 Mins 50 Secs"},
        {360, "1 Hrs 0 Mins 0 Secs"}, {6 * 60 * 25 + 6 * 61 + 2, "26 Hrs 1 Mins 20 Secs"},
    };
    for (const auto& c : cases) {
        ElapsedTime time;
        for (int i = 0; i < c.ticks; ++i)
            time.tick();
        EXPECT_EQ(timeLabel(time), QLatin1String(c.label)) << c.ticks << " ticks";
    }
    EXPECT_EQ(timerCaption(QStringLiteral("0 Hrs 1 Mins 0 Secs")), QStringLiteral("Web Timer - 0 Hrs 1 Mins 0 Secs"));
}

TEST(WebTimerText, logLinesTakeTheShortDateAndFollowTheLastLine)
{
    const QDate date(2026, 12, 9);
    const QString label = QStringLiteral("0 Hrs 0 Mins 30 Secs");
    EXPECT_EQ(timerLogLine(date, label, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("12/9/26 - 0 Hrs 0 Mins 30 Secs"));
    EXPECT_EQ(timerLogLine(date, label, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("09.12.26 - 0 Hrs 0 Mins 30 Secs"));
    EXPECT_EQ(appendTimerLogLine(QString(), QStringLiteral("b")), QStringLiteral("b"));
    EXPECT_EQ(appendTimerLogLine(QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("a\r\nb"));
}

namespace {

class WebTimerTest : public AppTest {
protected:
    QString storedLog() const
    {
        return store->read(QStringLiteral("Web Timer"), QStringLiteral("Dates"), QStringLiteral("Date List"));
    }
    frmInfo* info() const
    {
        for (frmInfo* i : window->findChildren<frmInfo*>())
            if (i->isVisible())
                return i;
        return nullptr;
    }
    frmTime* timer() const
    {
        for (frmTime* t : window->findChildren<frmTime*>())
            if (t->isOpen())
                return t;
        return nullptr;
    }
    void closeActive()
    {
        window->activeDocument()->parentWidget()->close();
        QApplication::processEvents();
    }
    static QString line(const char* label)
    {
        return QLocale::system().toString(QDate(2026, 12, 9), QLocale::ShortFormat) + QStringLiteral(" - ")
            + QLatin1String(label);
    }
    void startWithTimer(const QString& log)
    {
        store->write(QStringLiteral("The Corvane Scrivant"), QStringLiteral("Program Options"),
                     QStringLiteral("WebTimer"), QStringLiteral("True"));
        store->write(QStringLiteral("Web Timer"), QStringLiteral("Dates"), QStringLiteral("Date List"), log);
        start();
    }
};

TEST_F(WebTimerTest, withTheOptionOffNoTimerComesAndNothingIsLogged)
{
    start();
    trigger(QStringLiteral("mnuNew"));
    EXPECT_EQ(timer(), nullptr);
    closeActive();
    stop();
    EXPECT_EQ(storedLog(), QString());
}

TEST_F(WebTimerTest, theFirstCloseLogsTheTotalSinceStartAndTheSecondNothing)
{
    startWithTimer(QString());
    trigger(QStringLiteral("mnuNew"));
    frmTime* first = timer();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Web Timer"));
    clock.tick(3);
    EXPECT_EQ(first->lblTime->text(), QStringLiteral("0 Hrs 0 Mins 30 Secs"));
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Web Timer - 0 Hrs 0 Mins 30 Secs"));
    trigger(QStringLiteral("mnuNew"));
    EXPECT_EQ(timer(), first) << "one timer for both documents";

    closeActive();
    EXPECT_EQ(timer(), nullptr);
    EXPECT_EQ(storedLog(), line("0 Hrs 0 Mins 30 Secs")) << "an empty log gets no leading line break";
    clock.tick(2);
    closeActive();
    EXPECT_EQ(storedLog(), line("0 Hrs 0 Mins 30 Secs"));

    // A new window shows zero until its first tick, then the total since the program started.
    trigger(QStringLiteral("mnuNew"));
    ASSERT_TRUE(timer());
    EXPECT_EQ(timer()->lblTime->text(), QStringLiteral("0 Hrs 0 Mins 0 Secs"));
    clock.tick();
    EXPECT_EQ(timer()->lblTime->text(), QStringLiteral("0 Hrs 0 Mins 40 Secs"));
    // Paused, it misses ticks; resumed, it counts again.
    timer()->cmdPause->click();
    EXPECT_EQ(timer()->cmdPause->text(), QStringLiteral("&Resume"));
    clock.tick(6);
    timer()->cmdPause->click();
    EXPECT_EQ(timer()->cmdPause->text(), QStringLiteral("&Pause"));
    clock.tick();
    stop();
    EXPECT_EQ(storedLog(), line("0 Hrs 0 Mins 30 Secs") + QStringLiteral("\r\n") + line("0 Hrs 0 Mins 50 Secs"))
        << "the exit closes the timer before the documents";
}

TEST_F(WebTimerTest, aWindowKeptOpenByAFailedSaveKeepsTheTimer)
{
    startWithTimer(QString());
    trigger(QStringLiteral("mnuNew"));
    window->activeDocument()->setCaption(QStringLiteral("/dev/full"));
    window->activeDocument()->txtInput->replaceSelection(QStringLiteral("text"));
    prompter.answerMessage(PromptAnswer::Yes); // save it
    prompter.answerMessage(PromptAnswer::Ok);  // it could not be written
    closeActive();
    ASSERT_TRUE(window->activeDocument());
    EXPECT_TRUE(timer());
    EXPECT_EQ(storedLog(), QString());
}

TEST_F(WebTimerTest, infoShowsTheLogAndOnlySaveChangesIt)
{
    startWithTimer(QStringLiteral("old one\r\nold two"));
    trigger(QStringLiteral("mnuNew"));
    timer()->cmdInfo->click();
    frmInfo* info = this->info();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->windowTitle(), QStringLiteral("Web Timer - Info"));
    EXPECT_EQ(info->txtInfo->toPlainText(), QStringLiteral("old one\nold two"));
    info->cmdCopy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("old one\nold two"));
    info->cmdClearData->click();
    EXPECT_EQ(info->txtInfo->toPlainText(), QString());
    info->cmdClose->click();
    EXPECT_EQ(storedLog(), QStringLiteral("old one\r\nold two"));

    timer()->cmdInfo->click();
    info = this->info();
    ASSERT_TRUE(info);
    info->txtInfo->setPlainText(QStringLiteral("kept\nlines"));
    info->cmdSave->click();
    EXPECT_EQ(storedLog(), QStringLiteral("kept\r\nlines")) << "written at once";
    closeActive();
    const QString logged = QStringLiteral("kept\r\nlines\r\n") + line("0 Hrs 0 Mins 0 Secs");
    EXPECT_EQ(storedLog(), logged);
    // The open box shows the new line, so saving it again keeps that line.
    info->cmdSave->click();
    EXPECT_EQ(storedLog(), logged);
    QApplication::clipboard()->clear();
}

} // namespace
