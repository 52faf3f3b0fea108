#pragma once
// The Window menu's part that follows the document windows: the list of open windows below
// its items, rebuilt each time the menu opens, Tile and Arrange Icons.

#include <QList>
#include <QObject>

#include <QKeySequence>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// A document window's own system menu claims keys of its own (Ctrl+W for Close): where they
// are the menus' keys too, neither would fire, so the system menu gives them up.
void releaseMenuKeys(QMdiSubWindow* window, const QList<QKeySequence>& menuKeys);

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
