#pragma once
// Connects the FTP command to the upload window.

#include <functional>
#include <memory>

class CommandRouter;
class DialogHost;
class FtpClient;
class Keyring;
class SettingsStore;

using FtpClientFactory = std::function<std::unique_ptr<FtpClient>()>;

// keyring and makeClient default to the desktop's keyring and the libcurl client.
void wireUploadCommands(CommandRouter& router, DialogHost& host, SettingsStore& settings,
                        std::shared_ptr<Keyring> keyring = {}, FtpClientFactory makeClient = {});
