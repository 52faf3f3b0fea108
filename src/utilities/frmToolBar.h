#pragma once
// The floating tool bar: list tags and the ten user buttons, inserted around the active
// document's selection. It opens beside the main window, or where it was last closed.

#include "app/Preferences.h"

#include <QWidget>
#include <array>

class DialogHost;
class QGroupBox;
class QPushButton;
class SettingsStore;

class frmToolBar : public QWidget {
    Q_OBJECT
public:
    frmToolBar(DialogHost& host, SettingsStore& settings, UserButtons& buttons);

    QGroupBox* Frame1; // Lists
    QPushButton* cmdUnordered;
    QPushButton* cmdOrdered;
    QPushButton* cmdDefinitionList;
    QPushButton* cmdMenu;
    QPushButton* cmdLI;
    QPushButton* cmdDD;
    QPushButton* cmdDT;
    QGroupBox* Frame2; // User Buttons
    std::array<QPushButton*, 10> cmdUser;
    QPushButton* cmdDefine;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void placeWindow();
    void insert(const QString& opening, const QString& closing);
    void showUserCaptions();
    void defineButtons();

    DialogHost& host_;
    SettingsStore& settings_;
    UserButtons& buttons_;
};
