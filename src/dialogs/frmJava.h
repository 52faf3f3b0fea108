#pragma once
// The applet dialog: wraps the active document's selection in an applet element.

#include "dialogs/ElementDialog.h"
#include "dialogs/JavaEmbedFields.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class frmJava : public ElementDialog {
    Q_OBJECT
public:
    explicit frmJava(DialogHost& host);

    QGroupBox* fraRequired;
    QLabel* lblCode;
    QLineEdit* txtCode;
    QLabel* lblWidth;
    QLineEdit* txtWidth;
    QLabel* lblHeight;
    QLineEdit* txtHeight;
    QGroupBox* fraOptional;
    QLabel* lblCodeBase;
    QLineEdit* txtCodeBase;
    QLabel* lblAlt;
    QLineEdit* txtAlt;
    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblVSpace;
    QLineEdit* txtVspace;
    QLabel* LblHspace;
    QLineEdit* txtHSpace;
    QLabel* lblAlign;
    QComboBox* cboAlign;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // The alignments offered, the first one empty; any typed text is taken as well.
    static const QStringList kAlignments;

    AppletFields fields() const;

public slots:
    // OK: wraps the selection of whichever document is active now, then closes.
    void accept() override;
};
