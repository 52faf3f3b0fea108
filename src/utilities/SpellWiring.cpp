#include "utilities/SpellWiring.h"

#include "app/CommandRouter.h"
#include "dialogs/DialogHost.h"
#include "platform/HunspellChecker.h"
#include "platform/SettingsStore.h"
#include "utilities/SpellCommand.h"

#include <QDir>
#include <QWidget>
#include <memory>

void wireSpellCheck(CommandRouter& router, DialogHost& host, SettingsStore& settings)
{
    HunspellChecker::preload();
    const QString folder = settings.folder();
    const QString words = folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("custom-words.txt"));
    auto checker = std::make_shared<std::unique_ptr<HunspellChecker>>();
    auto* command = new SpellCommand(host, [checker, words]() -> SpellChecker* {
        if (!*checker)
            if (auto dictionary = HunspellChecker::dictionary())
                *checker = std::make_unique<HunspellChecker>(std::move(dictionary), words);
        return checker->get();
    }, host.ownerWindow());
    router.route(QStringLiteral("mnuSpellCheck"), [command] { command->SpellCheckDocument(); });
}
