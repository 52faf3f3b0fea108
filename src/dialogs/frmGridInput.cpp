#include "dialogs/frmGridInput.h"

#include "dialogs/DialogHost.h"
#include "dialogs/FileReference.h"
#include "dialogs/frmImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

namespace {

// An empty entry first, then the spans 0 to 75.
QStringList spanEntries()
{
    QStringList entries{QString()};
    for (int i = 0; i <= 75; ++i)
        entries << QString::number(i);
    return entries;
}

} // namespace

frmGridInput::frmGridInput(DialogHost& host, const QString& text, QWidget* parent)
    : ElementDialog(QStringLiteral("frmGridInput"), QStringLiteral("Table Input"), host)
{
    // Shown modally over the table window for one edit.
    if (parent)
        setParent(parent, windowFlags());
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(true);

    txtGridInput = named<QPlainTextEdit>("txtGridInput", this);
    txtGridInput->setPlainText(text);
    txtGridInput->setTabChangesFocus(true);
    txtGridInput->setFixedHeight(100);
    chkHeader = named<QCheckBox>("chkHeader", QStringLiteral("Header"), this);
    chkWrapText = named<QCheckBox>("chkWrapText", QStringLiteral("Wrap Text"), this);
    chkWrapText->setChecked(true);
    lblColSpan = captionLabel("lblColSpan", QStringLiteral("ColSpan"), this);
    cboColSpan = choiceBox("cboColSpan", spanEntries(), false, this);
    lblRowSpan = captionLabel("lblRowSpan", QStringLiteral("RowSpan"), this);
    cboRowSpan = choiceBox("cboRowSpan", spanEntries(), false, this);
    lblAlign = captionLabel("lblAlign", QStringLiteral("Align"), this);
    cboAlign = choiceBox("cboAlign", {QStringLiteral("LEFT"), QStringLiteral("CENTER"), QStringLiteral("RIGHT"), QString()},
                         false, this);
    lblVAlign = captionLabel("lblVAlign", QStringLiteral("VAlign"), this);
    cboVAlign = choiceBox("cboVAlign",
                          {QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM"),
                           QStringLiteral("BASELINE"), QString()},
                          false, this);
    picGetFile = makeFindFileButton(QStringLiteral("picGetFile"), this);
    lblGetFile = captionLabel("lblGetFile", QStringLiteral("Find Image"), this);
    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(txtGridInput, 0, 0, 1, 4);
    grid->addWidget(chkHeader, 1, 0, 1, 2);
    grid->addWidget(chkWrapText, 1, 2, 1, 2);
    addFieldRows(*grid, 2, {{lblColSpan, cboColSpan}, {lblRowSpan, cboRowSpan}});
    grid->addWidget(lblAlign, 2, 2);
    grid->addWidget(cboAlign, 2, 3);
    grid->addWidget(lblVAlign, 3, 2);
    grid->addWidget(cboVAlign, 3, 3);
    lblAlign->setBuddy(cboAlign);
    lblVAlign->setBuddy(cboVAlign);
    grid->addLayout(sideBySide({picGetFile, lblGetFile}), 4, 0, 1, 2);
    grid->addLayout(buttonRow({cmdOK, cmdCancel}), 4, 2, 1, 2);
    setTabOrder(txtGridInput, chkHeader);

    txtGridInput->installEventFilter(this);
    connect(picGetFile, &QToolButton::clicked, this, &frmGridInput::findImage);
}

CellFields frmGridInput::fields() const
{
    return {txtGridInput->toPlainText(), chkHeader->isChecked(), chkWrapText->isChecked(), cboColSpan->currentText(),
            cboRowSpan->currentText(), cboAlign->currentText(), cboVAlign->currentText()};
}

bool frmGridInput::eventFilter(QObject* watched, QEvent* event)
{
    // Coming to the text selects all of it, so that typing replaces the cell.
    if (watched == txtGridInput && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtGridInput, [this] { txtGridInput->selectAll(); });
    return ElementDialog::eventFilter(watched, event);
}

void frmGridInput::showEvent(QShowEvent* event)
{
    ElementDialog::showEvent(event);
    txtGridInput->setFocus(Qt::ActiveWindowFocusReason);
    txtGridInput->selectAll();
}

void frmGridInput::findImage()
{
    // Always in slash form: a cell has no Forward Slashes box.
    const std::optional<QString> reference =
        chosenImageReference(host_, this, [this] { return chooseImage(host_, this); }, true);
    if (reference)
        txtGridInput->setPlainText(QStringLiteral("<IMG SRC=") + *reference + QLatin1Char('>'));
}
