#include "preview/PreviewWiring.h"

#include "app/CommandRouter.h"

#include <QPushButton>

std::unique_ptr<PreviewCommands> wirePreviewCommands(CommandRouter& router, DialogHost& host, PreviewServices services)
{
    QPushButton* button = services.reloadButton;
    const std::function<bool()> checked = services.localPreviewChecked;
    auto commands = std::make_unique<PreviewCommands>(router, host, std::move(services));
    PreviewCommands* preview = commands.get();
    router.route(QStringLiteral("mnuReload"), [preview] { preview->reload(); });
    QObject::connect(button, &QPushButton::clicked, button, [preview] { preview->reload(); });
    router.route(QStringLiteral("mnuWebBrowser"), [preview] { preview->selectWebBrowser(); });
    // The check mark has flipped by the time the command runs.
    router.route(QStringLiteral("mnuLocalPreview"), [preview, checked] { preview->localPreviewSwitched(checked()); });
    return commands;
}
