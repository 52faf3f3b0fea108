#include "app/AppearanceCommands.h"

#include "app/DocumentWorkspace.h"
#include "app/Preferences.h"
#include "document/ColorText.h"
#include "document/DocumentEditor.h"
#include "document/frmTemplate.h"
#include "platform/Prompter.h"

void AppearanceCommands::noDocumentOrCancel()
{
    workspace_.prompter().message(workspace_.dialogParent(),
                                  {kProgramTitle, QStringLiteral("There is no document loaded or you pressed Cancel."),
                                   PromptIcon::Critical, PromptButtons::Ok});
}

void AppearanceCommands::chooseTagColor()
{
    Prompter& prompter = workspace_.prompter();
    const std::optional<QColor> chosen =
        prompter.color(workspace_.dialogParent(), {colorFromText(prefs_.tagColor).value_or(QColor(Qt::blue))});
    if (!chosen) {
        prompter.message(workspace_.dialogParent(),
                         {kProgramTitle, QStringLiteral("I was unable to understand for some reason."),
                          PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    prefs_.tagColor = colorToText(*chosen);
}

void AppearanceCommands::chooseDocumentColor(QString& stored, const QColor& fallback,
                                             const std::function<void(DocumentEditor*, const QColor&)>& apply)
{
    const std::optional<QColor> chosen =
        workspace_.prompter().color(workspace_.dialogParent(), {colorFromText(stored).value_or(fallback)});
    frmTemplate* document = workspace_.activeDocument();
    if (!chosen || !document) {
        noDocumentOrCancel();
        return;
    }
    apply(document->txtInput, *chosen);
    stored = colorToText(*chosen);
}

void AppearanceCommands::chooseTextColor()
{
    chooseDocumentColor(prefs_.textColor, Qt::black,
                        [](DocumentEditor* editor, const QColor& c) { editor->setSelColor(c); });
}

void AppearanceCommands::chooseBackground()
{
    chooseDocumentColor(prefs_.background, Qt::white,
                        [](DocumentEditor* editor, const QColor& c) { editor->setBackColor(c); });
}

void AppearanceCommands::chooseFont()
{
    QFont initial(prefs_.fontName, prefs_.fontSize.toInt() > 0 ? prefs_.fontSize.toInt() : 10);
    initial.setBold(prefs_.fontBold);
    const std::optional<QFont> chosen = workspace_.prompter().font(workspace_.dialogParent(), {initial});
    if (!chosen) {
        noDocumentOrCancel();
        return;
    }
    // Kept even without a document: new windows take it.
    prefs_.fontName = chosen->family();
    prefs_.fontBold = chosen->bold();
    if (chosen->pointSize() > 0)
        prefs_.fontSize = QString::number(chosen->pointSize());
    frmTemplate* document = workspace_.activeDocument();
    if (!document) {
        noDocumentOrCancel();
        return;
    }
    // Like italic and the others, the face applies to the selection or the insertion point.
    DocumentEditor* editor = document->txtInput;
    editor->setSelAttributes(chosen->italic(), chosen->underline(), chosen->strikeOut());
    editor->setSelFont(prefs_.fontName, prefs_.fontSize.toInt(), prefs_.fontBold);
}
