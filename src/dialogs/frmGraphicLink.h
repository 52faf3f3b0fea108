#pragma once
// The image dialog: an IMG tag with its common attributes, optionally inside a link.

#include "dialogs/ElementDialog.h"
#include "dialogs/ImageFields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class frmGraphicLink : public ElementDialog {
    Q_OBJECT
public:
    explicit frmGraphicLink(DialogHost& host);

    // The fields as they stand.
    ImageFields fields() const;

    QLabel* lblURL;
    QLineEdit* txtURL;
    QToolButton* picOpen;
    QLabel* lblOpen;
    QLabel* lblLowSRC;
    QLineEdit* txtLowSRC;
    QToolButton* PicOpen2;
    QLabel* lblOpen2;
    QLabel* lblALT;
    QLineEdit* txtALT;
    QLabel* lblWidth;
    QLineEdit* txtWidth;
    QLabel* lblHeight;
    QLineEdit* txtHeight;
    QLabel* lblHSpace;
    QLineEdit* txtHSpace;
    QLabel* lblVSpace;
    QLineEdit* txtVSpace;
    QLabel* llbBorder;
    QLineEdit* txtBorder;
    QLabel* lblAlign;
    QComboBox* cboAlign;
    QLabel* lblUseMap;
    QLineEdit* txtUseMap;
    QCheckBox* chkISMAP;
    QLabel* lbLink;
    QLineEdit* txtLinkMe;
    QToolButton* picLinkMe;
    QLabel* lblLinkMe;
    QCheckBox* chkForwardSlash;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    static const QStringList kAlignments;

private:
    void insert();
};
