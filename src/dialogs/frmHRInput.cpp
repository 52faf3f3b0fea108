#include "dialogs/frmHRInput.h"

#include "dialogs/DialogHost.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLabel* makeLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmHRInput::frmHRInput(DialogHost& host)
    : ElementDialog(QStringLiteral("frmHRInput"), QStringLiteral("HR Input"), host)
{
    lblWidth = makeLabel("lblWidth", QStringLiteral("Width:"), this);
    txtWidthInput = new QLineEdit(this);
    txtWidthInput->setObjectName(QStringLiteral("txtWidthInput"));
    OptPixel = new QRadioButton(QStringLiteral("Pixels"), this);
    OptPixel->setObjectName(QStringLiteral("OptPixel"));
    optPercent = new QRadioButton(QStringLiteral("Percent"), this);
    optPercent->setObjectName(QStringLiteral("optPercent"));
    // Neither unit is chosen at first; a group keeps the two exclusive without forcing one.
    auto* units = new QButtonGroup(this);
    units->addButton(OptPixel);
    units->addButton(optPercent);

    LblThickness = makeLabel("LblThickness", QStringLiteral("Thickness:"), this);
    cboThickInput = new QComboBox(this);
    cboThickInput->setObjectName(QStringLiteral("cboThickInput"));
    cboThickInput->setEditable(true);
    cboThickInput->setInsertPolicy(QComboBox::NoInsert);
    cboThickInput->addItems(ruleThicknessEntries());
    cboThickInput->setCurrentIndex(-1);
    cboThickInput->clearEditText();

    lblAlign = makeLabel("lblAlign", QStringLiteral("Align:"), this);
    cboAlign = new QComboBox(this);
    cboAlign->setObjectName(QStringLiteral("cboAlign"));
    cboAlign->addItems(ruleAlignEntries());
    cboAlign->setCurrentIndex(-1);

    chkNoShade = new QCheckBox(QStringLiteral("No Shade"), this);
    chkNoShade->setObjectName(QStringLiteral("chkNoShade"));
    cmdOK = makeOkButton(QStringLiteral("OK"));
    cmdCancel = makeCancelButton(QStringLiteral("Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblWidth, 0, 0);
    grid->addWidget(txtWidthInput, 0, 1);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(OptPixel);
    unitRow->addWidget(optPercent);
    grid->addLayout(unitRow, 1, 1);
    grid->addWidget(LblThickness, 2, 0);
    grid->addWidget(cboThickInput, 2, 1);
    grid->addWidget(lblAlign, 3, 0);
    grid->addWidget(cboAlign, 3, 1);
    grid->addWidget(chkNoShade, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 5, 0, 1, 2);

    connect(this, &QDialog::accepted, this, &frmHRInput::insert);
}

RuleFields frmHRInput::fields() const
{
    return {txtWidthInput->text(), optPercent->isChecked(), cboThickInput->currentText(), cboAlign->currentText(),
            chkNoShade->isChecked()};
}

void frmHRInput::insert()
{
    host_.InsertText(ruleTag(fields()), QString());
}
