#pragma once
// Connects Add Breaks, Add List Tags, Remove Tags and the four line-ending conversions to
// their menu items.

#include <functional>

class CommandRouter;
class DialogHost;

// colorAllTags runs the colouring pass over the active document (after a FROM conversion).
void wireTransformCommands(CommandRouter& router, DialogHost& host, std::function<void()> colorAllTags);
