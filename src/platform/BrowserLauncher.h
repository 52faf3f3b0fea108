#pragma once
// Starts a web browser on one address. The program is run itself, never through a shell, so a
// path with spaces, quotes or "#" reaches it as one argument, exactly as given.

#include <QString>

// The file:/// address of a local file, percent-encoded as a browser takes it.
QString browserAddress(const QString& path);

// Starts program with address as its only argument and returns at once; false when the
// program cannot be started (no such file, not executable).
bool launchBrowser(const QString& program, const QString& address);
