#pragma once
// The Replace dialog: Replace (one occurrence a click, ignoring case), Replace All (every
// remaining occurrence) and Replace Selected (exact occurrences inside the selection), with a
// blinking reminder that the last one is case-sensitive.

#include "dialogs/ElementDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class frmReplace : public ElementDialog {
    Q_OBJECT
public:
    explicit frmReplace(DialogHost& host);

    QLabel* lblWhat;
    QLineEdit* txtWhat;
    QLabel* lblWith;
    QLineEdit* txtWith;
    QPushButton* cmdReplace;
    QPushButton* cmdReplaceAll;
    QPushButton* cmdReplaceSelected;
    QPushButton* cmdCancel;
    QLabel* lblCaseSensitive;
    QTimer* Timer1;

    // Where the next Replace and Replace All clicks start searching (-1 after the last
    // occurrence was reported: from the start again).
    int replacePosition() const { return replacePosition_; }
    int replaceAllPosition() const { return replaceAllPosition_; }

private:
    void replace();
    void replaceAll();
    void replaceSelected();
    void reportNoMore();

    int replacePosition_ = 0;
    int replaceAllPosition_ = 0;
};
