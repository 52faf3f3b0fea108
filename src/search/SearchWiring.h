#pragma once
// Connects Find, Find Next, Replace and Multi File Replace to their menu items. The search
// state is the main window's, so that it outlives the dialogs.

class CommandRouter;
class DialogHost;
struct SearchState;

void wireSearchCommands(CommandRouter& router, DialogHost& host, SearchState& state);
