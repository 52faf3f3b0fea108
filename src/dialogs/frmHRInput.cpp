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

frmHRInput::frmHRInput(DialogHost& host)
    : ElementDialog(QStringLiteral("frmHRInput"), QStringLiteral("HR Input"), host)
{
    lblWidth = named<QLabel>("lblWidth", QStringLiteral("Width:"), this);
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

    LblThickness = named<QLabel>("LblThickness", QStringLiteral("Thickness:"), this);
    cboThickInput = choiceBox("cboThickInput", ruleThicknessEntries(), true, this);

    lblAlign = named<QLabel>("lblAlign", QStringLiteral("Align:"), this);
    cboAlign = choiceBox("cboAlign", ruleAlignEntries(), false, this);

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
