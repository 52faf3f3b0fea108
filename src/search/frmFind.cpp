#include "search/frmFind.h"

#include "dialogs/DialogHost.h"
#include "document/DocumentEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

void focusEditor(DocumentEditor* editor)
{
    if (!editor)
        return;
    editor->activateWindow();
    editor->setFocus();
}

} // namespace

frmFind::frmFind(DialogHost& host, SearchState& state)
    : ElementDialog(QStringLiteral("frmFind"), QStringLiteral("Find"), host), state_(state)
{
    Label1 = named<QLabel>("Label1", QStringLiteral("Fi&nd What:"), this);
    Text1 = named<QLineEdit>("Text1", this);
    Label1->setBuddy(Text1);
    Frame1 = named<QGroupBox>("Frame1", QStringLiteral("Direction"), this);
    optDirection_1 = named<QRadioButton>("optDirection_1", QStringLiteral("&Down"), Frame1);
    optDirection_0 = named<QRadioButton>("optDirection_0", QStringLiteral("&Up"), Frame1);
    chkCase = named<QCheckBox>("chkCase", QStringLiteral("Match &Case"), this);
    cmdFind = named<QPushButton>("cmdFind", QStringLiteral("&Find"), this);
    cmdFind->setDefault(true);
    cmdcancel = named<QPushButton>("cmdcancel", QStringLiteral("Cancel"), this);
    cmdcancel->setAutoDefault(false);

    auto* directions = new QHBoxLayout(Frame1);
    directions->addWidget(optDirection_0);
    directions->addWidget(optDirection_1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1, 1, 2);
    grid->addWidget(chkCase, 1, 0, Qt::AlignBottom);
    grid->addWidget(Frame1, 1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdFind);
    buttons->addWidget(cmdcancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 2, 1);
    setFocusProxy(Text1);

    // Choosing an option is its click: the direction is its index.
    connect(optDirection_1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            state_.direction = 1;
    });
    connect(optDirection_0, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            state_.direction = 0;
    });
    connect(chkCase, &QCheckBox::toggled, this, [this](bool on) { state_.matchCase = on ? 1 : 0; });
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { cmdFind->setEnabled(!text.isEmpty()); });
    connect(cmdFind, &QPushButton::clicked, this, &frmFind::find);
    connect(cmdcancel, &QPushButton::clicked, this, &frmFind::cancel);

    // Load: the option of the current direction, then Down, so the direction is Down.
    cmdFind->setEnabled(false);
    (state_.direction == 1 ? optDirection_1 : optDirection_0)->setChecked(true);
    optDirection_1->setChecked(true);
}

void frmFind::find()
{
    DocumentEditor* editor = host_.activeEditor();
    focusEditor(editor);
    state_.text = Text1->text();
    FindNext(state_, editor, host_.prompter(), this);
    focusEditor(host_.activeEditor());
}

void frmFind::cancel()
{
    state_.text = Text1->text();
    state_.matchCase = chkCase->isChecked() ? 1 : 0;
    close();
}

void frmFind::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        cmdcancel->click();
        return;
    }
    ElementDialog::keyPressEvent(event);
}
