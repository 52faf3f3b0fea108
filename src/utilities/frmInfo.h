#pragma once
// The web timer's log, to read, edit, copy or clear; the stored log changes only with Save.

#include "dialogs/ElementDialog.h"

class QPlainTextEdit;
class SettingsStore;
struct WebTimerState;

class frmInfo : public ElementDialog {
    Q_OBJECT
public:
    frmInfo(DialogHost& host, WebTimerState& state, SettingsStore& settings);

    // Puts the log, as it stands, into the box.
    void showLog();
    // A line the timer logged while the box is open goes into it too, so that saving the
    // box does not drop it.
    void appendLine(const QString& line);

    QPlainTextEdit* txtInfo;
    QPushButton* cmdClose;
    QPushButton* cmdSave;
    QPushButton* cmdCopy;
    QPushButton* cmdClearData;

private:
    void save();

    WebTimerState& state_;
    SettingsStore& settings_;
};
