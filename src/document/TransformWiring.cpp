#include "document/TransformWiring.h"

#include "app/CommandRouter.h"
#include "dialogs/DialogHost.h"
#include "document/TextTransforms.h"

void wireTransformCommands(CommandRouter& router, DialogHost& host, std::function<void()> colorAllTags)
{
    // Read at each use: the active document changes between commands.
    const auto target = [&host] {
        return TransformTarget{host.activeEditor(), host.textColor(), host.prompter(), host.ownerWindow()};
    };
    router.route(QStringLiteral("mnuAddBreaks"), [&host, target] { addBreaks(target(), host.activeLineBreak()); });
    router.route(QStringLiteral("mnuAddLi"), [&host, target] { addListTags(target(), host.activeLineBreak()); });
    router.route(QStringLiteral("mnuRemoveTags"), [target] { removeTags(target()); });

    const std::pair<const char*, LineEndingConversion> conversions[] = {
        {"mnuConvertFromMac", LineEndingConversion::FromMac},
        {"mnuConvertToMac", LineEndingConversion::ToMac},
        {"mnuConvertFromUNIX", LineEndingConversion::FromUnix},
        {"mnuConvertToUNIX", LineEndingConversion::ToUnix}};
    for (const auto& [name, conversion] : conversions) {
        router.route(QLatin1String(name), [target, colorAllTags, conversion] {
            const TransformTarget t = target();
            if (!convertLineEndings(t, conversion) || !t.editor)
                return;
            const ConversionRule rule = conversionRule(conversion);
            t.editor->setLineBreak(rule.lineBreakAfter);
            if (rule.colourTagsAfter)
                colorAllTags();
        });
    }
}
