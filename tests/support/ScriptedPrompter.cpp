#include "support/ScriptedPrompter.h"

#include <QDialog>
#include <gtest/gtest.h>

ScriptedPrompter::~ScriptedPrompter()
{
    for (const Answer& a : answers_)
        ADD_FAILURE() << "answer for a " << a.kind.toStdString() << " request was never asked for";
}

void ScriptedPrompter::answerMessage(PromptAnswer answer) { answers_.push_back({QStringLiteral("message"), answer}); }
void ScriptedPrompter::answerInput(std::optional<QString> text) { answers_.push_back({QStringLiteral("input"), text}); }
void ScriptedPrompter::answerOpen(std::optional<QString> path) { answers_.push_back({QStringLiteral("open"), path}); }
void ScriptedPrompter::answerSave(std::optional<QString> path) { answers_.push_back({QStringLiteral("save"), path}); }
void ScriptedPrompter::answerColor(std::optional<QColor> color) { answers_.push_back({QStringLiteral("color"), color}); }
void ScriptedPrompter::answerFont(std::optional<QFont> font) { answers_.push_back({QStringLiteral("font"), font}); }
void ScriptedPrompter::answerPrinter(std::function<bool(QPrinter&)> answer)
{
    answers_.push_back({QStringLiteral("printer"), std::move(answer)});
}
void ScriptedPrompter::answerModal(std::function<int(QDialog&)> answer)
{
    answers_.push_back({QStringLiteral("modal"), std::move(answer)});
}

const ScriptedPrompter::Value* ScriptedPrompter::next(const PromptRecord& record)
{
    requests.push_back(record);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected " << record.kind.toStdString() << " request: \"" << record.title.toStdString()
                      << "\" / \"" << record.text.toStdString() << "\"";
        return nullptr;
    }
    current_ = answers_.front();
    answers_.pop_front();
    if (current_.kind != record.kind) {
        ADD_FAILURE() << "expected a " << current_.kind.toStdString() << " request, got "
                      << record.kind.toStdString() << ": \"" << record.title.toStdString() << "\" / \""
                      << record.text.toStdString() << "\"";
        return nullptr;
    }
    return &current_.value;
}

PromptAnswer ScriptedPrompter::showMessage(QWidget*, const MessageRequest& request)
{
    PromptRecord r{QStringLiteral("message"), request.title, request.text, request.icon, request.buttons};
    const Value* v = next(r);
    return v ? std::get<PromptAnswer>(*v) : PromptAnswer::Cancel;
}

std::optional<QString> ScriptedPrompter::showInput(QWidget*, const InputRequest& request)
{
    PromptRecord r{QStringLiteral("input"), request.title, request.prompt};
    r.defaultText = request.defaultText;
    const Value* v = next(r);
    return v ? std::get<std::optional<QString>>(*v) : std::nullopt;
}

namespace {
PromptRecord fileRecord(const QString& kind, const FileRequest& request)
{
    PromptRecord r{kind, request.title};
    r.fileName = request.fileName;
    r.filter = request.filter;
    r.initialFilter = request.initialFilter;
    return r;
}
} // namespace

std::optional<QString> ScriptedPrompter::openFile(QWidget*, const FileRequest& request)
{
    const Value* v = next(fileRecord(QStringLiteral("open"), request));
    return v ? std::get<std::optional<QString>>(*v) : std::nullopt;
}

std::optional<QString> ScriptedPrompter::saveFile(QWidget*, const FileRequest& request)
{
    const Value* v = next(fileRecord(QStringLiteral("save"), request));
    return v ? std::get<std::optional<QString>>(*v) : std::nullopt;
}

std::optional<QColor> ScriptedPrompter::color(QWidget*, const ColorRequest&)
{
    const Value* v = next({QStringLiteral("color")});
    return v ? std::get<std::optional<QColor>>(*v) : std::nullopt;
}

std::optional<QFont> ScriptedPrompter::font(QWidget*, const FontRequest&)
{
    const Value* v = next({QStringLiteral("font")});
    return v ? std::get<std::optional<QFont>>(*v) : std::nullopt;
}

bool ScriptedPrompter::printer(QWidget*, QPrinter& printer, const PrinterRequest& request)
{
    PromptRecord r{QStringLiteral("printer")};
    r.selectionChosen = request.selectionChosen;
    const Value* v = next(r);
    if (!v)
        return false;
    // As the real dialog does, it opens with Selection chosen when asked to.
    printer.setPrintRange(request.selectionChosen ? QPrinter::Selection : QPrinter::AllPages);
    return std::get<std::function<bool(QPrinter&)>>(*v)(printer);
}

int ScriptedPrompter::modal(QDialog& dialog)
{
    PromptRecord r{QStringLiteral("modal")};
    r.dialogName = dialog.objectName();
    const Value* v = next(r);
    if (!v)
        return QDialog::Rejected;
    // A copy: the window may ask for more (a message, a window of its own) while it runs.
    const std::function<int(QDialog&)> answer = std::get<std::function<int(QDialog&)>>(*v);
    return answer(dialog);
}
