#include "app/ExternalChanges.h"

#include "document/DocumentEditor.h"
#include "document/frmTemplate.h"
#include "platform/Prompter.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

ExternalChanges::ExternalChanges(DocumentWorkspace& workspace, QMdiArea* area, QWidget* mainWindow)
    : workspace_(workspace)
{
    mainWindow->installEventFilter(this);
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w)
            checkLater();
    });
    // Coming back from another program to one of the editor's dialogs activates no document.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            checkLater();
    });
}

bool ExternalChanges::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        checkLater();
    return QObject::eventFilter(watched, event);
}

void ExternalChanges::checkLater()
{
    // Not within the activation itself, and once for the several signals one return sends.
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, [this] {
        pending_ = false;
        check();
    }, Qt::QueuedConnection);
}

void ExternalChanges::check()
{
    frmTemplate* document = workspace_.activeDocument();
    if (!document || document->caption().isEmpty())
        return;
    const QString path = document->caption();
    const DiskStamp now = diskStampOf(path);
    const DiskChange change = diskChange(document->diskStamp(), now);
    if (change == DiskChange::None) {
        told_.remove(document);
        return;
    }
    if (told_.contains(document) && told_.value(document) == now)
        return;
    if (!told_.contains(document))
        connect(document, &QObject::destroyed, this, [this, document] { told_.remove(document); });
    // Before asking: the question's own window activates the editor again when it closes.
    told_.insert(document, now);
    Prompter& prompter = workspace_.prompter();
    QWidget* parent = workspace_.dialogParent();
    if (change == DiskChange::Deleted) {
        // Its text now lives in the editor alone: closing must ask to save it.
        document->setModified(true);
        prompter.message(parent, {kProgramTitle,
                                  QStringLiteral("The file \"%1\" was deleted by another program.\r"
                                                 "The document keeps its text; save it to write the file again.")
                                      .arg(path),
                                  PromptIcon::Exclamation, PromptButtons::Ok});
    } else if (document->isModified()) {
        prompter.message(parent, {kProgramTitle,
                                  QStringLiteral("The file \"%1\" was changed by another program.\r"
                                                 "Saving this document will overwrite that change.")
                                      .arg(path),
                                  PromptIcon::Exclamation, PromptButtons::Ok});
    } else if (prompter.message(parent, {kProgramTitle,
                                         QStringLiteral("The file \"%1\" was changed by another program.\r"
                                                        "Do you want to reload it?")
                                             .arg(path),
                                         PromptIcon::Question, PromptButtons::YesNo})
               == PromptAnswer::Yes) {
        reload(document);
    }
}

void ExternalChanges::reload(frmTemplate* document)
{
    const QString path = document->caption();
    const DiskStamp stamp = diskStampOf(path);
    const ReadResult read = readDocumentFile(path);
    if (!read.ok) {
        workspace_.prompter().message(workspace_.dialogParent(),
                                      {kProgramTitle, read.error, PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    DocumentEditor* editor = document->txtInput;
    const int caret = editor->selStart();
    document->loadContent(read.content);
    document->setDiskStamp(stamp);
    told_.remove(document);
    workspace_.documentLoaded(document);
    document->setModified(false);
    editor->setSelStart(std::min(caret, editor->characterCount()));
}
