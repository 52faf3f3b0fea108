#pragma once
// The Window menu's part that follows the document windows: the list of open windows below
// its items, rebuilt each time the menu opens, Tile and Arrange Icons.

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

class WindowMenu : public QObject {
    Q_OBJECT
public:
    WindowMenu(QMdiArea* area, QMenu* menu, QObject* parent = nullptr);

    // Stacks the document windows that are not minimised one above the other, each as wide as
    // the client area, the active one on top; a row is left free for minimised ones.
    void tileHorizontally();
    // Lines the minimised document windows up along the bottom of the client area.
    void arrangeIcons();

private:
    void refreshList();

    QMdiArea* area_;
    QMenu* menu_;
    QList<QAction*> listed_; // the separator and one entry per window, as last added
};
