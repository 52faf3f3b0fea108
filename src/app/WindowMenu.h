#pragma once
// The Window menu's part that follows the document windows: the list of open windows below
// its items, rebuilt each time the menu opens, and Arrange Icons.

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

class WindowMenu : public QObject {
    Q_OBJECT
public:
    WindowMenu(QMdiArea* area, QMenu* menu, QObject* parent = nullptr);

    // Lines the minimised document windows up along the bottom of the client area.
    void arrangeIcons();

private:
    void refreshList();

    QMdiArea* area_;
    QMenu* menu_;
    QList<QAction*> listed_; // the separator and one entry per window, as last added
};
