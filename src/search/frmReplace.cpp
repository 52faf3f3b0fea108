#include "search/frmReplace.h"

#include "dialogs/DialogHost.h"
#include "document/DocumentEditor.h"
#include "document/TextTransforms.h"
#include "platform/Prompter.h"
#include "search/BlinkingLabel.h"
#include "search/FindNext.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmReplace::frmReplace(DialogHost& host)
    : ElementDialog(QStringLiteral("frmReplace"), QStringLiteral("Replace"), host)
{
    lblWhat = named<QLabel>("lblWhat", QStringLiteral("Find Text:"), this);
    txtWhat = named<QLineEdit>("txtWhat", this);
    lblWhat->setBuddy(txtWhat);
    lblWith = named<QLabel>("lblWith", QStringLiteral("Replace With:"), this);
    txtWith = named<QLineEdit>("txtWith", this);
    lblWith->setBuddy(txtWith);
    cmdReplace = named<QPushButton>("cmdReplace", QStringLiteral("&Replace"), this);
    cmdReplace->setDefault(true);
    cmdReplaceAll = named<QPushButton>("cmdReplaceAll", QStringLiteral("Replace &All"), this);
    cmdReplaceSelected = named<QPushButton>("cmdReplaceSelected", QStringLiteral("Replace &Selected"), this);
    cmdCancel = makeCancelButton(QStringLiteral("&Done"));
    lblCaseSensitive = named<QLabel>("lblCaseSensitive", QStringLiteral("Replace Selected Is Case sensitive!"), this);
    Timer1 = makeBlinking(lblCaseSensitive);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblWhat, 0, 0);
    grid->addWidget(txtWhat, 0, 1);
    grid->addWidget(lblWith, 1, 0);
    grid->addWidget(txtWith, 1, 1);
    grid->addWidget(lblCaseSensitive, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdReplace, cmdReplaceAll, cmdReplaceSelected, cmdCancel})
        buttons->addWidget(button);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);

    connect(txtWhat, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (QPushButton* button : {cmdReplace, cmdReplaceAll, cmdReplaceSelected})
            button->setEnabled(!text.isEmpty());
    });
    connect(cmdReplace, &QPushButton::clicked, this, &frmReplace::replace);
    connect(cmdReplaceAll, &QPushButton::clicked, this, &frmReplace::replaceAll);
    connect(cmdReplaceSelected, &QPushButton::clicked, this, &frmReplace::replaceSelected);

    // Load: the buttons wait for a text to find; a selection is one.
    for (QPushButton* button : {cmdReplace, cmdReplaceAll, cmdReplaceSelected})
        button->setEnabled(false);
    // A selection longer than the box holds would be cut, and Replace would then act on its
    // start alone: such a one is left out.
    if (DocumentEditor* editor = host_.activeEditor(); editor && editor->selLength() != 0) {
        if (const QString selected = editor->selText(); selected.size() <= txtWhat->maxLength())
            txtWhat->setText(selected);
    }
    Timer1->start();
}

void frmReplace::replace()
{
    DocumentEditor* editor = host_.activeEditor();
    if (!editor)
        return; // the find operation has no target: nothing visible happens
    const int found = findInEditor(editor, txtWhat->text(), replacePosition_);
    replacePosition_ = found;
    if (found < 0) {
        reportNoMore();
        return;
    }
    replacePosition_ = found + int(txtWith->text().size());
    editor->setFocus();
    editor->beginUndoStep();
    editor->replaceSelection(txtWith->text());
    editor->endUndoStep();
}

void frmReplace::replaceAll()
{
    DocumentEditor* editor = host_.activeEditor();
    if (!editor)
        return; // ends silently instead of repeating its steps forever
    if (replaceAllInEditor(*editor, txtWhat->text(), txtWith->text(), replaceAllPosition_) > 0)
        editor->setFocus();
    replaceAllPosition_ = -1;
    reportNoMore();
}

void frmReplace::replaceSelected()
{
    DocumentEditor* editor = host_.activeEditor();
    if (txtWhat->text().isEmpty() || !editor)
        return;
    ReplaceInSelection(TransformTarget{editor, host_.textColor(), host_.prompter(), this}, editor->selText(),
                       txtWhat->text(), txtWith->text());
}

void frmReplace::reportNoMore()
{
    host_.prompter().message(this, MessageRequest{kProgramTitle,
                                                  QStringLiteral("No more instances of \"") + txtWhat->text()
                                                      + QStringLiteral("\" found."),
                                                  PromptIcon::Exclamation, PromptButtons::Ok});
}
