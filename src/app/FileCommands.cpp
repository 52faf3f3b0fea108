#include "app/FileCommands.h"

#include "document/DocumentEditor.h"
#include "document/DocumentFile.h"
#include "document/frmTemplate.h"
#include "platform/Prompter.h"

#include <Qsci/qsciprinter.h>
#include <QFileInfo>
#include <QPainter>

namespace {
constexpr int kHtmlFilter = 1;
}

void FileCommands::open()
{
    const std::optional<QString> path = workspace_.prompter().openFile(
        workspace_.dialogParent(), {QStringLiteral("Open"), lastFileName_, kDocumentFileFilter, kHtmlFilter});
    if (!path)
        return;
    lastFileName_ = *path;
    QString error;
    if (!openNamed(*path, true, &error))
        workspace_.prompter().message(workspace_.dialogParent(),
                                      {kProgramTitle, error, PromptIcon::Exclamation, PromptButtons::Ok});
}

void FileCommands::openListed(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.size() == 0) {
        workspace_.prompter().message(workspace_.dialogParent(),
                                      {kProgramTitle,
                                       QStringLiteral("The file you selected was not found.\r"
                                                      "Please check to see if it was deleted or moved."),
                                       PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    QString error;
    if (!openNamed(path, false, &error))
        workspace_.prompter().message(workspace_.dialogParent(),
                                      {kProgramTitle, error, PromptIcon::Exclamation, PromptButtons::Ok});
}

frmTemplate* FileCommands::openNamed(const QString& path, bool addToRecent, QString* error)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    // Before reading: a change made meanwhile is then noticed rather than missed.
    const DiskStamp stamp = diskStampOf(fullPath);
    QString problem = checkDocumentFile(fullPath);
    frmTemplate* document = problem.isEmpty() ? workspace_.newDocument() : nullptr;
    if (document && !(problem = document->loadFile(fullPath)).isEmpty()) {
        // The file failed while it was read: the window it was going into goes too.
        document->setModified(false);
        if (QWidget* frame = document->parentWidget())
            frame->close();
        document = nullptr;
    }
    if (!document) {
        if (error)
            *error = problem;
        return nullptr;
    }
    document->setCaption(fullPath);
    document->setDiskStamp(stamp);
    workspace_.documentLoaded(document);
    document->setModified(false);
    if (addToRecent)
        workspace_.addRecentFile(fullPath);
    return document;
}

bool FileCommands::writeDocument(frmTemplate* document, const QString& path)
{
    TextEncoding written = document->encoding();
    const QByteArray bytes = bytesForSave(document->txtInput->textBytes(), document->encoding(),
                                          document->lineBreak(), &written);
    // Every accented letter already in the file would change its bytes, and a page that says
    // it is ISO-8859-1 would then show them wrongly: not without asking.
    if (written != document->encoding()
        && workspace_.prompter().message(
               workspace_.dialogParent(),
               {kProgramTitle,
                QStringLiteral("The file \"%1\" is ISO-8859-1 text, which cannot hold every character the document "
                               "now has.\rDo you want to save it as UTF-8? Its other accented letters are then "
                               "written as UTF-8 too.")
                    .arg(path),
                PromptIcon::Exclamation, PromptButtons::YesNo})
               != PromptAnswer::Yes)
        return false;
    const QString reason = writeFileSafely(path, bytes);
    if (!reason.isEmpty()) {
        workspace_.prompter().message(
            workspace_.dialogParent(),
            {kProgramTitle,
             QStringLiteral("The file \"%1\" could not be saved: %2.\rThe document keeps its changes.")
                 .arg(path, reason),
             PromptIcon::Exclamation, PromptButtons::Ok});
        return false;
    }
    document->setEncoding(written);
    document->setDiskStamp(diskStampOf(path));
    return true;
}

SaveResult FileCommands::save(frmTemplate* document)
{
    if (!document)
        return SaveResult::Cancelled;
    if (document->caption().isEmpty())
        return saveAs(document);
    // Another program's newer file is overwritten only when the user says so; the document
    // keeps its changes otherwise, and a window being closed stays open.
    if (diskChange(document->diskStamp(), diskStampOf(document->caption())) == DiskChange::Changed
        && workspace_.prompter().message(
               workspace_.dialogParent(),
               {kProgramTitle,
                QStringLiteral("The file \"%1\" was changed by another program since it was opened or saved here.\r"
                               "Do you want to overwrite it?")
                    .arg(document->caption()),
                PromptIcon::Exclamation, PromptButtons::YesNo})
               != PromptAnswer::Yes)
        return SaveResult::Failed;
    if (!writeDocument(document, document->caption()))
        return SaveResult::Failed;
    document->setModified(false);
    return SaveResult::Saved;
}

SaveResult FileCommands::saveAs(frmTemplate* document)
{
    if (!document)
        return SaveResult::Cancelled;
    Prompter& prompter = workspace_.prompter();
    QString path;
    for (;;) {
        const std::optional<QString> chosen = prompter.saveFile(
            workspace_.dialogParent(), {QStringLiteral("Save As"), QString(), kDocumentFileFilter, kHtmlFilter});
        if (!chosen)
            return SaveResult::Cancelled;
        path = QFileInfo(*chosen).absoluteFilePath();
        lastFileName_ = path;
        // Only a file's content can be overwritten: a folder or a device is not asked about,
        // and the write below reports why it cannot go there.
        const QFileInfo info(path);
        if (!info.isFile() || info.size() == 0)
            break;
        const PromptAnswer answer = prompter.message(
            workspace_.dialogParent(),
            {QStringLiteral("Overwrite"), QStringLiteral("Overwrite File?"), PromptIcon::Question,
             PromptButtons::YesNo});
        if (answer == PromptAnswer::Yes)
            break;
    }
    if (!writeDocument(document, path))
        return SaveResult::Failed;
    document->setModified(false);
    document->setCaption(path);
    workspace_.addRecentFile(path);
    return SaveResult::Saved;
}

bool printEditor(DocumentEditor* editor, QsciPrinter& printer, bool selectionOnly)
{
    printer.setWrapMode(QsciScintilla::WrapWord);
    // Begun here: QsciPrinter reports success even when its own painter could not begin.
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    if (!selectionOnly || editor->selLength() == 0) {
        printer.printRange(editor, painter);
        return painter.end();
    }
    // Print exactly the selected characters, in their colours, from a copy of them.
    const long start = editor->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long end = editor->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    DocumentEditor copy;
    copy.setBaseFont(editor->baseFont().family(), editor->baseFont().pointSize(), editor->baseFont().bold());
    copy.setTextBytes(editor->textBytes().mid(start, end - start));
    const QByteArray styles = editor->styleBytes(start, end - start);
    for (qsizetype runStart = 0, p = 1; p <= styles.size(); ++p) {
        if (p < styles.size() && styles[p] == styles[runStart])
            continue;
        const CharFormat& format = editor->styleFormat(static_cast<unsigned char>(styles[runStart]));
        copy.applyStyle(long(runStart), long(p - runStart), copy.styleFor(format));
        runStart = p;
    }
    printer.printRange(&copy, painter);
    return painter.end();
}

void FileCommands::print(frmTemplate* document)
{
    if (!document)
        return;
    DocumentEditor* editor = document->txtInput;
    const bool hasSelection = editor->selLength() != 0;
    QsciPrinter printer;
    if (!workspace_.prompter().printer(workspace_.dialogParent(), printer, {hasSelection}))
        return;
    if (!printEditor(editor, printer, hasSelection && static_cast<QPrinter&>(printer).printRange() == QPrinter::Selection)) {
        const QString target = printer.outputFileName();
        workspace_.prompter().message(
            workspace_.dialogParent(),
            {kProgramTitle,
             target.isEmpty() ? QStringLiteral("The document could not be printed: the printer could not be reached.")
                              : QStringLiteral("The document could not be printed: the file \"%1\" could not be written.")
                                    .arg(target),
             PromptIcon::Exclamation, PromptButtons::Ok});
    }
}
