#pragma once
// The Find dialog: takes the search text, Match Case and the direction into the application's
// search state and runs FindNext on the active document; it stays open until Cancel.

#include "dialogs/ElementDialog.h"
#include "search/FindNext.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmFind : public ElementDialog {
    Q_OBJECT
public:
    frmFind(DialogHost& host, SearchState& state);

    QLabel* Label1;
    QLineEdit* Text1;
    QGroupBox* Frame1;
    QRadioButton* optDirection_1; // Down
    QRadioButton* optDirection_0; // Up
    QCheckBox* chkCase;
    QPushButton* cmdFind;
    QPushButton* cmdcancel;

protected:
    // Esc does what Cancel does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void find();
    void cancel();

    SearchState& state_;
};
