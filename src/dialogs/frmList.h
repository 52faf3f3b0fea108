#pragma once
// The list-box dialog: collects the options of a select element and inserts it.

#include "dialogs/ElementDialog.h"
#include "dialogs/FrameFormFields.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

class frmList : public ElementDialog {
    Q_OBJECT
public:
    explicit frmList(DialogHost& host);

    QLabel* lblName;
    QLineEdit* txtName;
    QCheckBox* chkMultiple;
    QLabel* lblSize;
    QLineEdit* txtSize;
    QLineEdit* txtList;
    QListWidget* cboList;
    QPushButton* cmdAddItem;
    QPushButton* cmdRemoveItem;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    ListBoxFields fields() const;

public slots:
    // Puts the entry before the selected option, or last without a selection.
    void addItem();
    void removeItem();
    // OK: inserts the select element, then closes.
    void accept() override;
};
