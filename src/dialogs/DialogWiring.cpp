#include "dialogs/DialogWiring.h"

#include "app/CommandRouter.h"
#include "dialogs/frmBody.h"
#include "dialogs/frmEmbed.h"
#include "dialogs/frmFont.h"
#include "dialogs/frmForm.h"
#include "dialogs/frmFrame.h"
#include "dialogs/frmGraphicLink.h"
#include "dialogs/frmHRInput.h"
#include "dialogs/frmJava.h"
#include "dialogs/frmLinks.h"
#include "dialogs/frmParam.h"
#include "dialogs/frmTable.h"

namespace {

template <typename Dialog> std::function<void()> opens(CommandRouter& router, const char* name)
{
    return [&router, name] {
        router.showDialog(QLatin1String(name), [](DialogHost& host) { return new Dialog(host); });
    };
}

} // namespace

void wireDialogCommands(CommandRouter& router, std::function<void(const QString&)> browserPreview)
{
    router.route(QStringLiteral("mnuLink"), opens<frmLinks>(router, "frmLinks"));
    router.route(QStringLiteral("mnuImage"), opens<frmGraphicLink>(router, "frmGraphicLink"));
    router.route(QStringLiteral("mnuHR"), opens<frmHRInput>(router, "frmHRInput"));
    router.route(QStringLiteral("mnuEmbed"), opens<frmEmbed>(router, "frmEmbed"));
    router.route(QStringLiteral("mnuApplet"), opens<frmJava>(router, "frmJava"));
    router.route(QStringLiteral("mnuParam"), opens<frmParam>(router, "frmParam"));
    router.route(QStringLiteral("mnuFrames"), opens<frmFrame>(router, "frmFrame"));
    router.route(QStringLiteral("mnuForm"), opens<frmForm>(router, "frmForm"));
    router.route(QStringLiteral("mnuBody"), opens<frmBody>(router, "frmBody"));
    // The test page's path outlives each table window, so that the next one can remove it.
    const TableServices table{std::move(browserPreview), std::make_shared<TableServices::PreviewPage>()};
    router.route(QStringLiteral("mnuTable"), [&router, table] {
        router.showDialog(QStringLiteral("frmTable"), [&table](DialogHost& host) { return new frmTable(host, table); });
    });
    // The font window has no menu item: its button opens it.
    router.routeButton(QStringLiteral("cmdFontOption"), opens<frmFont>(router, "frmFont"));
}
