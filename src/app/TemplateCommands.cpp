#include "app/TemplateCommands.h"

#include "app/DocumentWorkspace.h"
#include "app/Preferences.h"
#include "document/DocumentEditor.h"
#include "document/Templates.h"
#include "document/frmTemplate.h"
#include "platform/Prompter.h"

bool TemplateCommands::confirmOverwrite(const QString& title)
{
    return workspace_.prompter().message(workspace_.dialogParent(),
                                         {title, QStringLiteral("This will overwrite current document!  Continue?"),
                                          PromptIcon::Exclamation, PromptButtons::YesNo})
           == PromptAnswer::Yes;
}

void TemplateCommands::applyDefaultTemplate(frmTemplate* document)
{
    if (!document)
        return;
    DocumentEditor* editor = document->txtInput;
    if (editor->byteLength() > 0 && !confirmOverwrite(QStringLiteral("Overwrite!")))
        return;
    editor->setBaseFont(prefs_.fontName, prefs_.fontSize.toInt(), prefs_.fontBold);
    editor->setSelStart(0);
    editor->setInsertionColor(prefs_.tagColor);
    editor->replaceAllText(defaultTemplate(document->lineBreak()));
    editor->setInsertionColor(prefs_.textColor);
}

void TemplateCommands::applyUserTemplate(frmTemplate* document)
{
    if (!document)
        return;
    DocumentEditor* editor = document->txtInput;
    // No title: the prompt shows the short program title.
    if (editor->byteLength() > 0 && !confirmOverwrite(QString()))
        return;
    editor->setSelStart(0);
    editor->setInsertionColor(prefs_.tagColor);
    editor->replaceAllText(prefs_.userTemplate);
    editor->setInsertionColor(prefs_.textColor);
}

void TemplateCommands::saveUserTemplate()
{
    frmTemplate* document = workspace_.activeDocument();
    if (!document) {
        workspace_.prompter().message(workspace_.dialogParent(), {kProgramTitle, QStringLiteral("Load document first."),
                                                                  PromptIcon::Critical, PromptButtons::Ok});
        return;
    }
    if (document->txtInput->byteLength() > kMaxTemplateBytes) {
        workspace_.prompter().message(
            workspace_.dialogParent(),
            {kProgramTitle, QStringLiteral("This document is too large to be kept as the template; the template stays as it was."),
             PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    prefs_.userTemplate = document->txtInput->wholeText();
}

void TemplateCommands::newFromTemplate()
{
    frmTemplate* document = workspace_.newDocument();
    if (prefs_.userTemplate.isEmpty())
        applyDefaultTemplate(document);
    else
        applyUserTemplate(document);
    document->setModified(false);
}
