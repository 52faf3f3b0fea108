#pragma once
// The ten user buttons to define: a title, a first tag and a second tag each. Shown modally;
// what OK confirms is read back with buttons().

#include "app/Preferences.h"
#include "dialogs/ElementDialog.h"

#include <array>

class QLineEdit;

class frmUserTools : public ElementDialog {
    Q_OBJECT
public:
    frmUserTools(DialogHost& host, const UserButtons& buttons);

    UserButtons buttons() const;

    std::array<QLineEdit*, 10> Text1; // Button Title
    std::array<QLineEdit*, 10> Text2; // First Tag
    std::array<QLineEdit*, 10> Text3; // Second Tag
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};
