#pragma once
// The main window's menu bar: every item's name, caption, shortcut and place, in one table.

#include <QHash>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

struct MenuItem {
    QString name;
    QString caption;     // "&" marks the access key
    QString shortcut;    // a real shortcut; the Edit items show theirs in the caption instead
    bool checkable = false;
    bool checked = false; // check mark as designed
    bool separator = false;
    bool hidden = false;
    int helpContext = 0;
    std::vector<MenuItem> children;
};

// The whole tree, top-level menus first.
const std::vector<MenuItem>& menuTree();

struct BuiltMenus {
    QHash<QString, QAction*> actions; // every item, separators and submenus included
    QHash<QString, QMenu*> menus;     // every menu and submenu by name
};

// Fills the menu bar; each QAction and QMenu carries its item's name as objectName.
BuiltMenus buildMenuBar(QMenuBar* bar);
