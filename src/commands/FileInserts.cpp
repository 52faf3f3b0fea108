#include "commands/FileInserts.h"

#include "commands/ServerMap.h"
#include "dialogs/DialogHost.h"
#include "document/DocumentEditor.h"
#include "document/DocumentFile.h"
#include "platform/Prompter.h"

namespace {

const QString kMapFilter = QStringLiteral("All Files (*.*)|*.*|Map Files (*.map)|*.map|");
constexpr int kSecondEntry = 1;

void warn(DialogHost& host, const QString& text)
{
    host.prompter().message(host.ownerWindow(), {kProgramTitle, text, PromptIcon::Exclamation, PromptButtons::Ok});
}

struct ChosenFile {
    QString path;
    DocumentContent content;
};

// The chosen file's text as Open reads it; none on Cancel or when it cannot be read, which
// is said as Open says it.
std::optional<ChosenFile> chooseAndRead(DialogHost& host, const QString& filter)
{
    const std::optional<QString> path =
        host.prompter().openFile(host.ownerWindow(), {QStringLiteral("Open"), QString(), filter, kSecondEntry});
    if (!path)
        return std::nullopt;
    ReadResult read = readDocumentFile(*path);
    if (!read.ok) {
        warn(host, read.error);
        return std::nullopt;
    }
    return ChosenFile{*path, std::move(read.content)};
}

void replaceSelection(DocumentEditor* editor, const QByteArray& utf8)
{
    editor->beginUndoStep();
    editor->replaceSelectionBytes(utf8);
    editor->endUndoStep();
}

} // namespace

void insertContents(DialogHost& host)
{
    const std::optional<ChosenFile> file = chooseAndRead(host, kDocumentFileFilter);
    if (DocumentEditor* editor = host.activeEditor(); file && editor)
        replaceSelection(editor, file->content.utf8);
}

void insertImageMap(DialogHost& host)
{
    const std::optional<ChosenFile> file = chooseAndRead(host, kMapFilter);
    if (!file)
        return;
    const QString lineBreak = QString::fromLatin1(host.activeLineBreak());
    const ServerMapAreas map = readServerMap(QString::fromUtf8(file->content.utf8), lineBreak);
    if (map.badLine) {
        warn(host, QStringLiteral("Line %1 of the map file \"%2\" is not an area: it needs a shape, a URL and "
                                  "coordinates separated by blanks.\rNothing was inserted.")
                       .arg(QString::number(map.badLine), file->path));
        return;
    }
    const QString name =
        host.prompter().input(host.ownerWindow(), {kProgramTitle, QStringLiteral("Enter Map Name"), {}}).value_or(QString());
    if (DocumentEditor* editor = host.activeEditor())
        replaceSelection(editor, mapElement(name, map.areas, lineBreak).toUtf8());
}
