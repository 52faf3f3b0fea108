#pragma once
// When the floating tool bar shows: with the main window, when its option is checked, and at
// each Tool Bar command. Closing it by its own close box leaves the check mark as it is.

#include "app/Preferences.h"

#include <QObject>
#include <QPointer>
#include <functional>

class CommandRouter;
class DialogHost;
class SettingsStore;
class frmToolBar;

class ToolBarWindow : public QObject {
public:
    ToolBarWindow(CommandRouter& router, DialogHost& host, SettingsStore& settings, UserButtons& buttons,
                  std::function<bool()> optionChecked);
    ~ToolBarWindow() override;

    // After the Tool Bar command flipped the check mark.
    void commandChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show();

    CommandRouter& router_;
    DialogHost& host_;
    SettingsStore& settings_;
    UserButtons& buttons_;
    std::function<bool()> optionChecked_;
    QPointer<frmToolBar> bar_;
};
