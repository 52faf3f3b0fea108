#include "utilities/SpellWiring.h"

#include "app/CommandRouter.h"
#include "dialogs/DialogHost.h"
#include "platform/HunspellChecker.h"
#include "platform/SettingsStore.h"
#include "utilities/SpellCommand.h"

#include <QDir>
#include <QMenu>
#include <QWidget>
#include <memory>

void wireSpellCheck(CommandRouter& router, DialogHost& host, SettingsStore& settings)
{
    // The dictionary is large: it is read in the background once the Edit menu first opens, so
    // that start-up does not pay for it and a check chosen there finds it ready. Ctrl+F12
    // alone reads it at the first check.
    if (auto* edit = host.ownerWindow()->findChild<QMenu*>(QStringLiteral("mMain")))
        QObject::connect(edit, &QMenu::aboutToShow, edit, [] { HunspellChecker::preload(); });
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
