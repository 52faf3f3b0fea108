#pragma once
// The preview window: the saved document rendered by a browser engine, an address box that
// follows the page on display and fetches typed addresses, and a way back to the editor.

#include <QWidget>

class DialogHost;
class HtmlView;
class QComboBox;
class QPushButton;
class SettingsStore;

class frmHTML : public QWidget {
    Q_OBJECT
public:
    // Placed where it was last closed; the first time over the owner window.
    frmHTML(DialogHost& host, SettingsStore& settings);

    // Loads the active document's file; without one, says it could not.
    void loadActiveDocument();
    // Shows the file at path, read afresh when it is the page on display.
    void showDocument(const QString& path);

    QComboBox* cboURL;
    QPushButton* cmdConnect;
    QPushButton* cmdBack;
    HtmlView* HTML1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void placeWindow();
    void connectToUrl();

    DialogHost& host_;
    SettingsStore& settings_;
};
