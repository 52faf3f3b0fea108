#include "commands/TagCommandWiring.h"

#include "app/CommandRouter.h"
#include "commands/FileInserts.h"
#include "commands/PromptCommands.h"
#include "commands/TagCommands.h"
#include "dialogs/DialogHost.h"
#include "document/DocumentEditor.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"

namespace {

void routeControl(CommandRouter& router, const QString& control, std::function<void()> handler)
{
    if (control.startsWith(QLatin1String("mnu")))
        router.route(control, std::move(handler));
    else
        router.routeButton(control, std::move(handler));
}

void runPrompt(DialogHost& host, const PromptInsert& row)
{
    QString answer;
    if (!row.prompt.isEmpty())
        answer = host.prompter().input(host.ownerWindow(), {row.title, row.prompt, {}}).value_or(QString());
    if (const std::optional<QString> opening = promptOpening(row, answer)) {
        host.InsertText(*opening, row.closing);
    } else if (row.empty == EmptyAnswer::Refuse) {
        host.prompter().message(host.ownerWindow(), {{}, kNoAnchorMessage, PromptIcon::Critical, PromptButtons::Ok});
    }
}

// A selection is commented out as it is; without one, the comment is asked for.
void comment(DialogHost& host)
{
    const DocumentEditor* editor = host.activeEditor();
    if (editor && editor->selLength() > 0) {
        host.InsertText(QStringLiteral("<!-- "), QStringLiteral(" -->"));
        return;
    }
    const QString text = host.prompter()
                             .input(host.ownerWindow(), {kProgramTitle, QStringLiteral("Add Comment:"), {}})
                             .value_or(QString());
    if (!text.isEmpty())
        host.InsertText(QStringLiteral("<!-- ") + text + QStringLiteral(" -->"), QString());
}

} // namespace

void wireTagCommands(CommandRouter& router, DialogHost& host, const Clock& clock)
{
    for (const auto* table : {&fixedTagCommands(), &characterCommands()})
        for (const FixedInsert& row : *table)
            routeControl(router, row.control, [&host, &row] { host.InsertText(row.opening, row.closing); });
    for (const PromptInsert& row : promptCommands())
        routeControl(router, row.control, [&host, &row] { runPrompt(host, row); });
    router.routeButton(QStringLiteral("Command2"), [&host] { comment(host); });
    router.route(QStringLiteral("mnuTimeDate"), [&host, &clock] { host.InsertText(dateText(clock.now().date()), {}); });
    router.route(QStringLiteral("mnuInsertContents"), [&host] { insertContents(host); });
    router.route(QStringLiteral("mnuInsertImageMap"), [&host] { insertImageMap(host); });
}
