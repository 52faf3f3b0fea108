#pragma once
// What the benchmarks share: documents made of one repeated unit, and a prompter that answers
// every message with OK and counts them.

#include "platform/Prompter.h"

#include <QByteArray>

// unit repeated until the text holds at least bytes bytes.
inline QByteArray repeatedText(const QByteArray& unit, qsizetype bytes)
{
    QByteArray out;
    out.reserve(bytes + unit.size());
    while (out.size() < bytes)
        out += unit;
    return out;
}

class SilentPrompter : public Prompter {
public:
    std::optional<QString> openFile(QWidget*, const FileRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget*, const FileRequest&) override { return std::nullopt; }
    std::optional<QColor> color(QWidget*, const ColorRequest&) override { return std::nullopt; }
    std::optional<QFont> font(QWidget*, const FontRequest&) override { return std::nullopt; }
    bool printer(QWidget*, QPrinter&, const PrinterRequest&) override { return false; }
    int modal(QDialog&) override { return 0; }
    int messages = 0;

protected:
    PromptAnswer showMessage(QWidget*, const MessageRequest& request) override
    {
        ++messages;
        return request.buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    }
    std::optional<QString> showInput(QWidget*, const InputRequest&) override { return std::nullopt; }
};
