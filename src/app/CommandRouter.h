#pragma once
// How a subsystem connects its menu items and buttons to its code. The main window builds the
// menus, the buttons and the services, then hands this to each subsystem once; an item or a
// button that no subsystem routes stays visible but disabled.

#include <QString>
#include <functional>

class DialogHost;
class QDialog;
class QWidget;

class CommandRouter {
public:
    virtual ~CommandRouter() = default;
    // Runs handler when the menu item (by objectName) is chosen.
    virtual void route(const QString& item, std::function<void()> handler) = 0;
    // Runs handler when the tool strip or panel button (by objectName) is clicked.
    virtual void routeButton(const QString& button, std::function<void()> handler) = 0;
    // Shows the named dialog, bringing it forward when it is open, else creating it anew so
    // that each opening starts empty. Shutdown closes it in its fixed place.
    virtual void showDialog(const QString& name, const std::function<QDialog*(DialogHost&)>& create) = 0;
    // A window the subsystem opens itself, so that shutdown closes it in its fixed place.
    virtual void registerDialog(QWidget* window) = 0;
};
