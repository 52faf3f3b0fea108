#pragma once
// The body dialog: the document's body start tag with its colours and background picture. It
// replaces the body tag already in the document, or goes in at the caret.

#include "dialogs/BodyFields.h"
#include "dialogs/ElementDialog.h"

#include <QColor>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class frmBody : public ElementDialog {
    Q_OBJECT
public:
    explicit frmBody(DialogHost& host);

    BodyFields fields() const;

    QLabel* lblBG;
    QLineEdit* txtBG;
    QLabel* lblText;
    QLineEdit* txtText;
    QLabel* lblLink;
    QLineEdit* txtLink;
    QLabel* lblVlink;
    QLineEdit* txtVlink;
    QLabel* lblAlink;
    QLineEdit* txtAlink;
    QLabel* lblBackground;
    QLineEdit* txtBackground;
    QToolButton* PicOpen2;
    QLabel* Label1;
    QCheckBox* chkForwardSlash;
    QPushButton* cmdShow;
    QLabel* lblUpdate; // names the field that Choose Color fills
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void chooseColor();
    void insert();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // What the colour dialog held last; it offers it again and a cancelled dialog keeps it.
    QColor color_ = Qt::black;
    // The focus the window gives its first box when it opens is not the user's choice of target.
    bool settled_ = false;
};
