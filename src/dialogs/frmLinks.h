#pragma once
// The link dialog: wraps the active document's selection in an anchor to an address, with an
// optional fragment and target frame.

#include "dialogs/ElementDialog.h"
#include "dialogs/LinkFields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

class frmLinks : public ElementDialog {
    Q_OBJECT
public:
    explicit frmLinks(DialogHost& host);

    QLabel* lblProtocol;
    QComboBox* cboChoice;
    QLabel* lblURL;
    QLineEdit* txtURL;
    QLabel* lblAnchor;
    QLineEdit* txtAnchor;
    QLabel* lblTarget;
    QLineEdit* txtTarget;
    QCheckBox* chkForwardSlash;
    QToolButton* picOpen;
    QLabel* lblOpen;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // The protocols offered; any other typed text is taken as well.
    static const QStringList kProtocols;

    // The fields as they stand.
    LinkFields fields() const;

public slots:
    // OK: inserts into whichever document is active now, then closes.
    void accept() override;

private:
    void findFile();
};
