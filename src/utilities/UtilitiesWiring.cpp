#include "utilities/UtilitiesWiring.h"

#include "app/CommandRouter.h"

Utilities::Utilities(CommandRouter& router, DialogHost& host, const UtilityServices& services)
    : timer(router, host, services.settings, services.clock,
            [checked = services.isChecked] { return checked(QStringLiteral("mnuWebTimer")); }),
      toolBar(router, host, services.settings, services.userButtons,
              [checked = services.isChecked] { return checked(QStringLiteral("mnuToolBar")); })
{
}

std::unique_ptr<Utilities> wireUtilityCommands(CommandRouter& router, DialogHost& host, UtilityServices services)
{
    auto utilities = std::make_unique<Utilities>(router, host, services);
    ToolBarWindow* toolBar = &utilities->toolBar;
    // The check mark has flipped by the time the command runs.
    router.route(QStringLiteral("mnuToolBar"), [toolBar] { toolBar->commandChosen(); });
    return utilities;
}
