#pragma once
// Connects the element dialogs to their menu items and buttons.

#include <QString>
#include <functional>

class CommandRouter;

// browserPreview is the browser routine of Reload, which the table builder shows its test
// page with.
void wireDialogCommands(CommandRouter& router, std::function<void(const QString&)> browserPreview);
