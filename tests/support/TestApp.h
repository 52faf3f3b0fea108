#pragma once
// A main window built with scripted services on an empty (or prepared) settings folder.

#include "app/frmScrivant.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompter.h"

#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A clock whose date tests set and whose timers tick only when tick() is called.
class FixedClock : public Clock {
public:
    QDateTime now() const override { return time; }
    std::unique_ptr<TickTimer> makeTimer(std::chrono::milliseconds, std::function<void()> onTick) override;
    // One tick of every running timer.
    void tick(int times = 1);
    QDateTime time = QDateTime(QDate(2026, 12, 9), QTime(10, 30));

private:
    class Timer;
    std::vector<Timer*> timers_;
};

class AppTest : public ::testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // Builds and shows the main window on the settings folder.
    frmScrivant& start();
    // Closes the window (its shutdown writes the settings) and forgets it.
    void stop();
    frmScrivant& restart();

    // Marks every document unchanged, so that closing asks nothing.
    void discardChanges();
    // Closes every document window without a question and waits until they are gone.
    void closeDocuments();

    void trigger(const QString& name);
    QAction* action(const QString& name);
    DocumentEditor* editor(); // of the active document
    // Whether a window that closed itself is gone once pending deletions have run.
    static bool isDeleted(const QPointer<QObject>& object);
    QString path(const QString& name) const { return files.filePath(name); }
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& path) const;
    // The request was a message box with exactly this title, text, icon and buttons.
    static void expectMessage(const PromptRecord& r, const QString& title, const QString& text, PromptIcon icon,
                              PromptButtons buttons = PromptButtons::Ok);

    QTemporaryDir config;
    QTemporaryDir files;
    std::unique_ptr<IniSettingsStore> store;
    ScriptedPrompter prompter;
    FixedClock clock;
    RecoveryOptions recovery; // no recovery files unless a test asks for them
    std::unique_ptr<frmScrivant> window;
};
