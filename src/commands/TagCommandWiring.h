#pragma once
// Connects the tag, character, prompt, date and file insert commands to their menu items and
// buttons.

class Clock;
class CommandRouter;
class DialogHost;

void wireTagCommands(CommandRouter& router, DialogHost& host, const Clock& clock);
