#pragma once
// The font dialog: a font element around the selection, its colour and faces picked with the
// system's colour and font dialogs.

#include "dialogs/ElementDialog.h"
#include "dialogs/RuleFontFields.h"

#include <QColor>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmFont : public ElementDialog {
    Q_OBJECT
public:
    explicit frmFont(DialogHost& host);

    FontFields fields() const;

    QLabel* lblFontSize;
    QComboBox* cboFontSize;
    QLabel* lblFontColor;
    QLineEdit* txtFontColor;
    QPushButton* cmdChooseColor;
    QLabel* lblFontFace;
    QLineEdit* txtFontFace;
    QPushButton* cmdChooseFace;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void chooseColor();
    void chooseFace();
    void insert();

    // What the system dialogs held last; they offer it again and a cancelled one keeps it.
    QColor color_ = Qt::black;
    QString faceName_;
};
