#pragma once
// A Prompter for tests: records every request and answers from a queue. A request with no
// answer queued for it, or of another kind than the next answer, fails the test.

#include "platform/Prompter.h"

#include <QPrinter>
#include <deque>
#include <functional>
#include <variant>
#include <vector>

struct PromptRecord {
    QString kind; // "message", "input", "open", "save", "color", "font", "printer", "modal"
    QString title;
    QString text; // message text or input prompt
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    QString defaultText;
    QString fileName;
    QString filter;
    int initialFilter = 0;
    bool selectionChosen = false;
    QString dialogName;
};

class ScriptedPrompter : public Prompter {
public:
    ~ScriptedPrompter() override;

    void answerMessage(PromptAnswer answer);
    void answerInput(std::optional<QString> text);
    void answerOpen(std::optional<QString> path);
    void answerSave(std::optional<QString> path);
    void answerColor(std::optional<QColor> color);
    void answerFont(std::optional<QFont> font);
    void answerPrinter(std::function<bool(QPrinter&)> answer);
    void answerModal(std::function<int(QDialog&)> answer);

    std::vector<PromptRecord> requests;
    const PromptRecord& last() const { return requests.back(); }
    size_t pending() const { return answers_.size(); }
    // Forgets queued answers (and so does not report them as unused).
    void clearAnswers() { answers_.clear(); }

    std::optional<QString> openFile(QWidget*, const FileRequest& request) override;
    std::optional<QString> saveFile(QWidget*, const FileRequest& request) override;
    std::optional<QColor> color(QWidget*, const ColorRequest& request) override;
    std::optional<QFont> font(QWidget*, const FontRequest& request) override;
    bool printer(QWidget*, QPrinter& printer, const PrinterRequest& request) override;
    int modal(QDialog& dialog) override;

protected:
    PromptAnswer showMessage(QWidget*, const MessageRequest& request) override;
    std::optional<QString> showInput(QWidget*, const InputRequest& request) override;

private:
    using Value = std::variant<PromptAnswer, std::optional<QString>, std::optional<QColor>, std::optional<QFont>,
                               std::function<bool(QPrinter&)>, std::function<int(QDialog&)>>;
    struct Answer {
        QString kind;
        Value value;
    };
    // Takes the next answer, which must be of this kind; null when the script is wrong.
    const Value* next(const PromptRecord& record);

    std::deque<Answer> answers_;
    Answer current_;
};
