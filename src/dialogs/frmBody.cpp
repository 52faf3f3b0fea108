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
    lblBG = named<QLabel>("lblBG", QStringLiteral("Background"), this);
    txtBG = named<QLineEdit>("txtBG", this);
    lblText = named<QLabel>("lblText", QStringLiteral("Text"), this);
    txtText = named<QLineEdit>("txtText", this);
    lblLink = named<QLabel>("lblLink", QStringLiteral("Link"), this);
    txtLink = named<QLineEdit>("txtLink", this);
    lblVlink = named<QLabel>("lblVlink", QStringLiteral("V Link"), this);
    txtVlink = named<QLineEdit>("txtVlink", this);
    lblAlink = named<QLabel>("lblAlink", QStringLiteral("A Link"), this);
    txtAlink = named<QLineEdit>("txtAlink", this);
    lblBackground = named<QLabel>("lblBackground", QStringLiteral("Background Graphic:"), this);
    txtBackground = named<QLineEdit>("txtBackground", this);
    PicOpen2 = makeFindFileButton(QStringLiteral("PicOpen2"), this);
    Label1 = named<QLabel>("Label1", QStringLiteral("Find File"), this);
    chkForwardSlash = makeForwardSlashBox(this);
    cmdShow = new QPushButton(QStringLiteral("C&hoose Color"), this);
    cmdShow->setObjectName(QStringLiteral("cmdShow"));
    cmdShow->setAutoDefault(false);
    lblUpdate = named<QLabel>("lblUpdate", QString(), this);
    lblUpdate->setMinimumWidth(80);
    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const auto& [label, box] : {std::pair{lblBG, txtBG}, {lblText, txtText}, {lblLink, txtLink},
                                     {lblVlink, txtVlink}, {lblAlink, txtAlink}}) {
        // The labels double as colour samples, so they get some room to show a background.
        label->setMinimumWidth(70);
        label->setMargin(2);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    grid->addWidget(cmdShow, 0, 2);
    grid->addWidget(lblUpdate, 1, 2);
    grid->addWidget(lblBackground, row, 0);
    grid->addWidget(txtBackground, row, 1);
    auto* find = new QHBoxLayout;
    find->addWidget(PicOpen2);
    find->addWidget(Label1);
    grid->addLayout(find, row++, 2);
    grid->addWidget(chkForwardSlash, row++, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, row, 0, 1, 3);
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
    if (clicked || focused) {
        if (watched == lblBG || watched == txtBG)
            lblUpdate->setText(QStringLiteral("Background"));
        else if (watched == lblText || watched == txtText)
            lblUpdate->setText(lblText->text());
        else if (watched == lblLink || watched == txtLink)
            lblUpdate->setText(lblLink->text());
        else if (watched == lblVlink || watched == txtVlink)
            lblUpdate->setText(lblVlink->text());
        else if (watched == lblAlink || watched == txtAlink)
            lblUpdate->setText(lblAlink->text());
    }
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
    if (target == QLatin1String("Background")) {
        for (QLabel* sample : {lblText, lblLink, lblVlink, lblAlink})
            setSampleColor(sample, QPalette::Window, color_);
        txtBG->setText(text);
    } else if (target == QLatin1String("Text")) {
        txtText->setText(text);
        setSampleColor(lblText, QPalette::WindowText, color_);
    } else if (target == QLatin1String("Link")) {
        txtLink->setText(text);
        setSampleColor(lblLink, QPalette::WindowText, color_);
    } else if (target == QLatin1String("V Link")) {
        txtVlink->setText(text);
        setSampleColor(lblVlink, QPalette::WindowText, color_);
    } else if (target == QLatin1String("A Link")) {
        txtAlink->setText(text);
        setSampleColor(lblAlink, QPalette::WindowText, color_);
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
