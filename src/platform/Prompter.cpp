#include "platform/Prompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

PromptAnswer Prompter::message(QWidget* parent, MessageRequest request)
{
    if (request.title.isEmpty())
        request.title = kShortTitle;
    return showMessage(parent, request);
}

std::optional<QString> Prompter::input(QWidget* parent, InputRequest request)
{
    if (request.title.isEmpty())
        request.title = kShortTitle;
    return showInput(parent, request);
}

QStringList fileDialogNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            if (p == QLatin1String("*.*") || p == kExecutablePattern)
                p = QStringLiteral("*");
        result << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return result;
}

void ExecutableFilesProxy::setOn(bool on)
{
    on_ = on;
    invalidateFilter();
}

bool ExecutableFilesProxy::filterAcceptsRow(int row, const QModelIndex& parent) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!on_ || !files)
        return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || info.isExecutable();
}

namespace {

// The entry of filter whose pattern is the executable one; -1 without one.
int executableEntry(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2)
        if (parts[i + 1] == kExecutablePattern)
            return i / 2;
    return -1;
}

// Message texts keep the carriage returns the program writes; a label wants line feeds.
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::optional<QString> runFileDialog(QWidget* parent, const FileRequest& request,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = fileDialogNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.initialFilter >= 0 && request.initialFilter < filters.size())
        dialog.selectNameFilter(filters[request.initialFilter]);
    if (const int programs = executableEntry(request.filter); programs >= 0) {
        // Only the dialog's own widgets can take a proxy that looks at file permissions.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* proxy = new ExecutableFilesProxy(&dialog);
        dialog.setProxyModel(proxy);
        const QString entry = filters.value(programs);
        proxy->setOn(dialog.selectedNameFilter() == entry);
        QObject::connect(&dialog, &QFileDialog::filterSelected, proxy,
                         [proxy, entry](const QString& chosen) { proxy->setOn(chosen == entry); });
    }
    if (!request.fileName.isEmpty()) {
        const QFileInfo info(request.fileName);
        if (info.dir().exists())
            dialog.setDirectory(info.dir());
        dialog.selectFile(info.fileName());
    }
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

PromptAnswer QtPrompter::showMessage(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(displayText(request.text));
    box.setTextFormat(Qt::PlainText);
    switch (request.icon) {
    case PromptIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case PromptIcon::Information: box.setIcon(QMessageBox::Information); break;
    case PromptIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case PromptIcon::Question: box.setIcon(QMessageBox::Question); break;
    case PromptIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (request.buttons) {
    case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case PromptButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default: return PromptAnswer::Cancel;
    }
}

std::optional<QString> QtPrompter::showInput(QWidget* parent, const InputRequest& request)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, request.title, displayText(request.prompt),
                                               QLineEdit::Normal, request.defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompter::openFile(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompter::saveFile(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtPrompter::color(QWidget* parent, const ColorRequest& request)
{
    const QColor chosen = QColorDialog::getColor(request.initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtPrompter::font(QWidget* parent, const FontRequest& request)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, request.initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

bool QtPrompter::printer(QWidget* parent, QPrinter& printer, const PrinterRequest& request)
{
    QPrintDialog dialog(&printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
    options &= ~QAbstractPrintDialog::PrintPageRange;
    if (request.selectionChosen)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    if (request.selectionChosen)
        printer.setPrintRange(QPrinter::Selection);
    return dialog.exec() == QDialog::Accepted;
}

int QtPrompter::modal(QDialog& dialog)
{
    return dialog.exec();
}
