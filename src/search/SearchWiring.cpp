#include "search/SearchWiring.h"

#include "app/CommandRouter.h"
#include "dialogs/DialogHost.h"
#include "search/FindNext.h"
#include "search/frmFind.h"
#include "search/frmGlobal.h"
#include "search/frmReplace.h"

void wireSearchCommands(CommandRouter& router, DialogHost& host, SearchState& state)
{
    const auto showFind = [&router, &state] {
        router.showDialog(QStringLiteral("frmFind"), [&state](DialogHost& h) { return new frmFind(h, state); });
    };
    router.route(QStringLiteral("mnuFind"), showFind);
    router.route(QStringLiteral("mnuFindAgain"), [&host, &state, showFind] {
        if (state.text.isEmpty())
            showFind();
        else
            FindNext(state, host.activeEditor(), host.prompter(), host.ownerWindow());
    });
    router.route(QStringLiteral("mnuReplace"), [&router] {
        router.showDialog(QStringLiteral("frmReplace"), [](DialogHost& h) { return new frmReplace(h); });
    });
    router.route(QStringLiteral("mnuMultiFile"),
                 [&host] { showMultiFileReplace(host.prompter(), host.ownerWindow()); });
}
