#pragma once
// The fixed insert commands: which button or menu item inserts which opening and closing
// text, and the help line a button shows while it is held down.

#include <QString>
#include <vector>

struct FixedInsert {
    QString control; // objectName of the button or menu item
    QString opening;
    QString closing; // empty for a single tag or a character reference
};

// Every button and menu item that inserts a fixed tag pair or single tag.
const std::vector<FixedInsert>& fixedTagCommands();
// The Characters submenu: numeric references in menu order.
const std::vector<FixedInsert>& characterCommands();

// Where a button sits: the tool strip Picture1 or the right-hand panel Picture3.
enum class ButtonArea { ToolStrip, RightPanel };

struct TagButton {
    QString name;     // objectName
    QString caption;
    QString helpText; // empty: the button leaves the status bar alone
    ButtonArea area;
    QString command;  // the menu item that does the same, or empty
};

// The tag buttons in the order they appear in their area.
const std::vector<TagButton>& tagButtons();
