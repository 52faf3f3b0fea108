#pragma once
// Insert Contents and Insert Image Map: text taken from a file replaces the active document's
// selection as it is, neither coloured as tags nor lower-cased.

class DialogHost;

// Asks for a file and puts its contents in place of the selection.
void insertContents(DialogHost& host);
// Asks for a server-side map file, then for the map's name, and puts the MAP element built
// from it in place of the selection.
void insertImageMap(DialogHost& host);
