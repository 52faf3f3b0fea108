#pragma once
// The buttons of the tool strip (the pictures, then the tag buttons) and of the right-hand
// panel. Each shows its help line in the status bar while it is held; what it runs is routed
// to it by name, and a button nobody routes does what its menu twin does, when the twin can.

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QStatusBar;
class QWidget;

class ToolButtons : public QObject {
    Q_OBJECT
public:
    // Fills strip (a horizontal layout) and panel (a vertical one, above what it holds).
    ToolButtons(QWidget* strip, QWidget* panel, QStatusBar* status);

    // Runs handler when the button named so is clicked.
    void route(const QString& name, std::function<void()> handler);
    // Once every subsystem has routed its buttons: the others follow their menu twin, or are
    // disabled without one.
    void followTwins(const std::function<QAction*(const QString&)>& action);

private:
    struct Entry {
        QWidget* button;
        QString twin; // the menu item that does the same, if any
        bool routed = false;
    };
    void add(QWidget* button, const QString& name, const QString& twin = {});
    void showStatus(const QString& text);

    QStatusBar* status_;
    QHash<QString, Entry> buttons_;
};
