#pragma once
// A main window reduced to what the element dialogs ask of it, for tests of dialog pieces
// without a whole main window.

#include "dialogs/DialogHost.h"
#include "platform/Prompter.h"

#include <optional>

class FakeDialogHost : public DialogHost {
public:
    explicit FakeDialogHost(Prompter& prompter) : prompter_(prompter) {}
    void InsertText(const QString& opening, const QString& closing) override { inserted += opening + closing; }
    std::optional<QString> activeDocumentPath() const override { return documentPath; }
    DocumentEditor* activeEditor() const override { return editor; }
    QByteArray activeLineBreak() const override { return "\n"; }
    QString textColor() const override { return QStringLiteral("0"); }
    Prompter& prompter() override { return prompter_; }
    QString imageFolder() const override { return folder; }
    void setImageFolder(const QString& f) override { folder = f; }
    QWidget* ownerWindow() override { return nullptr; }

    std::optional<QString> documentPath; // none: no document open
    DocumentEditor* editor = nullptr;    // the active document's editor, if any
    QString folder;                      // the remembered image folder
    QString inserted;                    // everything passed to InsertText

private:
    Prompter& prompter_;
};
