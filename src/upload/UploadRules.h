#pragma once
// The rules of FTP upload that need no window and no network: the remote name of a local
// path, the remembered histories, what the FTP Server box may hold and which remote names are
// refused.

#include "platform/FtpAddress.h"

#include <QString>
#include <QStringList>
#include <optional>

// The entry's text after its last "/" or "\" (the whole entry when it has neither).
QString remoteFileName(const QString& entry);

// A history after its box lost the focus holding text: text on top, the rest below it (an
// equal entry stays where it was). An empty text is not remembered.
QStringList withHistoryEntry(QStringList history, const QString& text);
// How many entries of a history are remembered between runs.
inline constexpr int kHistorySize = 5;

// A remote name or folder with a line break would end the FTP command it is sent in and
// start another: such text is refused.
bool isSafeRemoteText(const QString& text);

// "host", "host:port", "[::1]:2121", "ftp://host", "ftps://host:990", "sftp://host" (a
// trailing "/" is allowed). None for anything else, with the reason in error.
std::optional<ServerAddress> parseServerAddress(const QString& text, QString* error = nullptr);
