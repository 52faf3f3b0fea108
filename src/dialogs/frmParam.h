#pragma once
// The parameter dialog: inserts one applet parameter tag per OK and stays open for the next.

#include "dialogs/ElementDialog.h"
#include "dialogs/JavaEmbedFields.h"

class QLabel;
class QLineEdit;

class frmParam : public ElementDialog {
    Q_OBJECT
public:
    explicit frmParam(DialogHost& host);

    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblValue;
    QLineEdit* txtValue;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    ParamFields fields() const;

public slots:
    // OK: inserts the tag into whichever document is active now and empties the boxes; the
    // window stays open.
    void accept() override;
};
