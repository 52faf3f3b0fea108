#include "upload/UploadCommands.h"

#include "app/CommandRouter.h"
#include "dialogs/DialogHost.h"
#include "platform/CurlFtpClient.h"
#include "platform/PasswordStore.h"
#include "platform/Prompter.h"
#include "upload/frmFTP.h"

void wireUploadCommands(CommandRouter& router, DialogHost& host, SettingsStore& settings,
                        std::shared_ptr<Keyring> keyring, FtpClientFactory makeClient)
{
    if (!keyring)
        keyring = std::make_shared<QtKeychainKeyring>();
    if (!makeClient)
        makeClient = [] { return std::make_unique<CurlFtpClient>(); };
    auto passwords = std::make_shared<PasswordStore>(*keyring, settings);
    router.route(QStringLiteral("mnuFTP"), [&router, &host, &settings, keyring, passwords, makeClient] {
        if (!host.activeDocumentPath()
            && host.prompter().message(host.ownerWindow(),
                                       {kProgramTitle, QStringLiteral("There is no file to upload, continue?"),
                                        PromptIcon::Exclamation, PromptButtons::YesNo})
                   != PromptAnswer::Yes)
            return;
        router.showDialog(QStringLiteral("frmFTP"), [&settings, passwords, makeClient](DialogHost& h) {
            return new frmFTP(h, settings, *passwords, makeClient());
        });
    });
}
