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
    lblWidth = captionLabel("lblWidth", QStringLiteral("Width:"), this);
    txtWidthInput = named<QLineEdit>("txtWidthInput", this);
    OptPixel = named<QRadioButton>("OptPixel", QStringLiteral("Pixels"), this);
    optPercent = named<QRadioButton>("optPercent", QStringLiteral("Percent"), this);
    // Neither unit is chosen at first; a group keeps the two exclusive without forcing one.
    auto* units = new QButtonGroup(this);
    units->addButton(OptPixel);
    units->addButton(optPercent);

    LblThickness = captionLabel("LblThickness", QStringLiteral("Thickness:"), this);
    cboThickInput = choiceBox("cboThickInput", ruleThicknessEntries(), true, this);
    lblAlign = captionLabel("lblAlign", QStringLiteral("Align:"), this);
    cboAlign = choiceBox("cboAlign", ruleAlignEntries(), false, this);
    chkNoShade = named<QCheckBox>("chkNoShade", QStringLiteral("No Shade"), this);
    cmdOK = makeOkButton(QStringLiteral("OK"));
    cmdCancel = makeCancelButton(QStringLiteral("Cancel"));

    auto* grid = new QGridLayout(this);
    addFieldRows(*grid, 0, {{lblWidth, txtWidthInput}});
    grid->addLayout(sideBySide({OptPixel, optPercent}), 1, 1);
    int row = addFieldRows(*grid, 2, {{LblThickness, cboThickInput}, {lblAlign, cboAlign}});
    grid->addWidget(chkNoShade, row++, 1);
    grid->addLayout(buttonRow({cmdOK, cmdCancel}), row, 0, 1, 2);

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
