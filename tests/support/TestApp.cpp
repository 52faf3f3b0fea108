#include "support/TestApp.h"

#include "document/DocumentEditor.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <algorithm>

class FixedClock::Timer : public TickTimer {
public:
    Timer(std::vector<Timer*>& all, std::function<void()> onTick) : all(all), onTick(std::move(onTick))
    {
        all.push_back(this);
    }
    ~Timer() override { std::erase(all, this); }
    void start() override { active = true; }
    void stop() override { active = false; }

    std::vector<Timer*>& all;
    std::function<void()> onTick;
    bool active = false;
};

std::unique_ptr<TickTimer> FixedClock::makeTimer(std::chrono::milliseconds, std::function<void()> onTick)
{
    return std::make_unique<Timer>(timers_, std::move(onTick));
}

void FixedClock::tick(int times)
{
    for (int i = 0; i < times; ++i)
        for (Timer* t : std::vector<Timer*>(timers_)) // a tick may close a window and its timer
            if (std::ranges::find(timers_, t) != timers_.end() && t->active)
                t->onTick();
}

AppTest::AppTest() : store(std::make_unique<IniSettingsStore>(config.path())) {}

AppTest::~AppTest()
{
    if (window) {
        prompter.clearAnswers();
        // Unsaved test documents must not ask at teardown.
        discardChanges();
        window->close();
        window.reset();
    }
}

frmScrivant& AppTest::start()
{
    window = std::make_unique<frmScrivant>(AppServices{prompter, *store, clock, recovery});
    window->show();
    QApplication::processEvents();
    return *window;
}

void AppTest::stop()
{
    window->close();
    window.reset();
    QApplication::processEvents();
    // A new store reads what the old one wrote, as a second run would.
    store = std::make_unique<IniSettingsStore>(config.path());
}

frmScrivant& AppTest::restart()
{
    stop();
    return start();
}

void AppTest::discardChanges()
{
    for (frmTemplate* d : window->documents())
        d->setModified(false);
}

void AppTest::closeDocuments()
{
    for (frmTemplate* d : window->documents()) {
        d->setModified(false);
        d->parentWidget()->close();
    }
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window->documents().isEmpty());
}

QAction* AppTest::action(const QString& name)
{
    QAction* a = window->findChild<QAction*>(name);
    EXPECT_NE(a, nullptr) << name.toStdString();
    return a;
}

void AppTest::trigger(const QString& name)
{
    QAction* a = action(name);
    ASSERT_TRUE(a);
    ASSERT_TRUE(a->isEnabled()) << name.toStdString() << " is disabled";
    a->trigger();
    QApplication::processEvents();
}

DocumentEditor* AppTest::editor()
{
    frmTemplate* d = window->activeDocument();
    return d ? d->txtInput : nullptr;
}

QString AppTest::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile f(files.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

QByteArray AppTest::readFile(const QString& p) const
{
    QFile f(p);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void AppTest::expectMessage(const PromptRecord& r, const QString& title, const QString& text, PromptIcon icon,
                            PromptButtons buttons)
{
    EXPECT_EQ(r.kind, QStringLiteral("message"));
    EXPECT_EQ(r.title, title);
    EXPECT_EQ(r.text, text);
    EXPECT_EQ(r.icon, icon);
    EXPECT_EQ(r.buttons, buttons);
}

bool AppTest::isDeleted(const QPointer<QObject>& object)
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    return object.isNull();
}
