#pragma once
// The horizontal rule dialog: a single rule tag at the caret, nothing wrapped.

#include "dialogs/ElementDialog.h"
#include "dialogs/RuleFontFields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmHRInput : public ElementDialog {
    Q_OBJECT
public:
    explicit frmHRInput(DialogHost& host);

    RuleFields fields() const;

    QLabel* lblWidth;
    QLineEdit* txtWidthInput;
    QRadioButton* OptPixel;
    QRadioButton* optPercent;
    QLabel* LblThickness;
    QComboBox* cboThickInput;
    QLabel* lblAlign;
    QComboBox* cboAlign;
    QCheckBox* chkNoShade;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void insert();
};
