#pragma once
// The Edit menu's editing items and Select All, and the Cut, Copy and Paste pictures of the
// tool strip: they act on the active document's editor, and the menu enables its editing
// items each time it opens.

struct BuiltMenus;
class CommandRouter;
class DialogHost;

void wireEditCommands(CommandRouter& router, DialogHost& host, const BuiltMenus& menus);
