#pragma once
// Connects the element dialogs to their menu items and buttons.

class CommandRouter;

void wireDialogCommands(CommandRouter& router);
