#pragma once
// Connects the web timer and the floating tool bar to the main window. The main window keeps
// what this returns: the timer follows its document windows.

#include "app/Preferences.h"
#include "utilities/ToolBarWindow.h"
#include "utilities/WebTimerWindows.h"

#include <functional>
#include <memory>

class Clock;
class CommandRouter;
class DialogHost;
class SettingsStore;

struct UtilityServices {
    SettingsStore& settings;
    Clock& clock;
    UserButtons& userButtons;
    // Whether the named option of the Window menu is checked.
    std::function<bool(const QString&)> isChecked;
};

struct Utilities {
    Utilities(CommandRouter& router, DialogHost& host, const UtilityServices& services);
    WebTimerWindows timer;
    ToolBarWindow toolBar;
};

std::unique_ptr<Utilities> wireUtilityCommands(CommandRouter& router, DialogHost& host, UtilityServices services);
