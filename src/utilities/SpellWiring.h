#pragma once
// Connects Spell Check to the spell check of the active document, with the installed
// dictionary and the user's word list in the settings folder.

class CommandRouter;
class DialogHost;
class SettingsStore;

void wireSpellCheck(CommandRouter& router, DialogHost& host, SettingsStore& settings);
