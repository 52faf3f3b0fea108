#pragma once
// The frames dialog: inserts a frameset pair, a frame tag or a noframes pair, one at a time,
// and stays open for the next one until Finished.

#include "dialogs/ElementDialog.h"
#include "dialogs/FrameFormFields.h"

#include <QList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

class frmFrame : public ElementDialog {
    Q_OBJECT
public:
    explicit frmFrame(DialogHost& host);

    static const QString kNoMode;
    static const QString kNote;

    QLabel* lblWhatOpt;
    QPushButton* cmdFrameSet;
    QPushButton* cmdFrame;
    QPushButton* cmdNoFrames;
    QLabel* lblRows;
    QLineEdit* txtRows;
    QLabel* lblCols;
    QLineEdit* txtCols;
    QLabel* lblSrc;
    QLineEdit* txtSrc;
    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblMarginWidth;
    QLineEdit* txtMarginWidth;
    QLabel* lblMarginHeight;
    QLineEdit* txtMarginHeight;
    QGroupBox* frmScrolling;
    QRadioButton* optYes;
    QRadioButton* optNo;
    QRadioButton* optAuto;
    QCheckBox* chkNoResize;
    QToolButton* picOpen;
    QLabel* lblOpen;
    QCheckBox* chkForwardSlash;
    QPushButton* cmdInsertTag;
    QPushButton* cmdFinished;
    QLabel* lblNote;

    FramesetFields framesetFields() const;
    FrameFields frameFields() const;

public slots:
    // Inserts what the current mode builds and resets that mode's fields; stays open.
    void insertTag();

private:
    void chooseMode(QPushButton* button, const QList<QWidget*>& shown);
    void findFile();

    QList<QWidget*> framesetWidgets_;
    QList<QWidget*> frameWidgets_;
};
