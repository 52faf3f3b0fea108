#include "dialogs/frmBody.h"

#include "dialogs/DialogHost.h"
#include "dialogs/FileReference.h"
#include "dialogs/frmImage.h"
#include "document/DocumentEditor.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

void setSampleColor(QLabel* sample, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = sample->palette();
    palette.setColor(role, color);
    sample->setPalette(palette);
    if (role == QPalette::Window)
        sample->setAutoFillBackground(true);
}

} // namespace

frmBody::frmBody(DialogHost& host) : ElementDialog(QStringLiteral("frmBody"), QStringLiteral("Body"), host)
{
    lblBG = captionLabel("lblBG", QStringLiteral("Background"), this);
    txtBG = named<QLineEdit>("txtBG", this);
    lblText = captionLabel("lblText", QStringLiteral("Text"), this);
    txtText = named<QLineEdit>("txtText", this);
    lblLink = captionLabel("lblLink", QStringLiteral("Link"), this);
    txtLink = named<QLineEdit>("txtLink", this);
    lblVlink = captionLabel("lblVlink", QStringLiteral("V Link"), this);
    txtVlink = named<QLineEdit>("txtVlink", this);
    lblAlink = captionLabel("lblAlink", QStringLiteral("A Link"), this);
    txtAlink = named<QLineEdit>("txtAlink", this);
    lblBackground = captionLabel("lblBackground", QStringLiteral("Background Graphic:"), this);
    txtBackground = named<QLineEdit>("txtBackground", this);
    PicOpen2 = makeFindFileButton(QStringLiteral("PicOpen2"), this);
    Label1 = captionLabel("Label1", QStringLiteral("Find File"), this);
    chkForwardSlash = makeForwardSlashBox(this);
    cmdShow = sideButton("cmdShow", QStringLiteral("C&hoose Color"), this);
    lblUpdate = captionLabel("lblUpdate", QString(), this);
    lblUpdate->setMinimumWidth(80);
    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    // The colour labels double as samples, so they get some room to show a background.
    for (QLabel* sample : {lblBG, lblText, lblLink, lblVlink, lblAlink}) {
        sample->setMinimumWidth(70);
        sample->setMargin(2);
    }
    auto* grid = new QGridLayout(this);
    const int backgroundRow = addFieldRows(*grid, 0,
                                           {{lblBG, txtBG},
                                            {lblText, txtText},
                                            {lblLink, txtLink},
                                            {lblVlink, txtVlink},
                                            {lblAlink, txtAlink}});
    int row = addFieldRows(*grid, backgroundRow, {{lblBackground, txtBackground}});
    grid->addWidget(cmdShow, 0, 2);
    grid->addWidget(lblUpdate, 1, 2);
    grid->addLayout(sideBySide({PicOpen2, Label1}), backgroundRow, 2);
    grid->addWidget(chkForwardSlash, row++, 1);
    grid->addLayout(buttonRow({cmdOK, cmdCancel}), row, 0, 1, 3);
    grid->setColumnMinimumWidth(1, 200);

    for (QWidget* target : std::initializer_list<QWidget*>{lblBG, txtBG, lblText, txtText, lblLink, txtLink,
                                                           lblVlink, txtVlink, lblAlink, txtAlink})
        target->installEventFilter(this);

    connect(cmdShow, &QPushButton::clicked, this, &frmBody::chooseColor);
    connect(PicOpen2, &QToolButton::clicked, this, [this] {
        findFileByChooser(host_, this, txtBackground, chkForwardSlash, [this] { return chooseImage(host_, this); });
    });
    connectForwardSlashes(chkForwardSlash, {txtBackground});
    connect(this, &QDialog::accepted, this, &frmBody::insert);
}

bool frmBody::eventFilter(QObject* watched, QEvent* event)
{
    const bool clicked = event->type() == QEvent::MouseButtonPress;
    // Only the background box also takes the target when the user moves into it; coming back
    // to the window does not count.
    const bool focused = event->type() == QEvent::FocusIn && watched == txtBG && settled_
        && static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
    // Each colour label names its box, and its caption is what lblUpdate shows.
    if (clicked || focused)
        for (QLabel* label : {lblBG, lblText, lblLink, lblVlink, lblAlink})
            if (watched == label || watched == label->buddy())
                lblUpdate->setText(label->text());
    return ElementDialog::eventFilter(watched, event);
}

void frmBody::showEvent(QShowEvent* event)
{
    ElementDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] { settled_ = true; });
}

void frmBody::chooseColor()
{
    if (const std::optional<QColor> chosen = host_.prompter().color(this, {color_}))
        color_ = *chosen;
    const QString text = htmlColorText(color_);
    const QString target = lblUpdate->text();
    if (target == lblBG->text()) {
        for (QLabel* sample : {lblText, lblLink, lblVlink, lblAlink})
            setSampleColor(sample, QPalette::Window, color_);
        txtBG->setText(text);
        return;
    }
    for (QLabel* sample : {lblText, lblLink, lblVlink, lblAlink}) {
        if (target == sample->text()) {
            qobject_cast<QLineEdit*>(sample->buddy())->setText(text);
            setSampleColor(sample, QPalette::WindowText, color_);
        }
    }
}

BodyFields frmBody::fields() const
{
    return {txtBG->text(), txtText->text(), txtLink->text(), txtVlink->text(), txtAlink->text(),
            txtBackground->text()};
}

void frmBody::insert()
{
    DocumentEditor* editor = host_.activeEditor();
    if (!editor)
        return; // no document: nothing changes
    const TextRange old = bodyTagRange(editor->wholeText(), editor->selStart(), editor->selLength());
    // Removing the old tag and inserting the new one undo together.
    editor->beginUndoStep();
    editor->setSelection(old.start, old.length);
    if (old.length > 0)
        editor->replaceSelection(QString());
    host_.InsertText(bodyTag(fields()), QString());
    editor->endUndoStep();
}
