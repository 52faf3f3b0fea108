#pragma once
// The embed dialog: inserts an embed tag for a plug-in file.

#include "dialogs/ElementDialog.h"
#include "dialogs/JavaEmbedFields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

class frmEmbed : public ElementDialog {
    Q_OBJECT
public:
    explicit frmEmbed(DialogHost& host);

    QLineEdit* txtURL;
    QToolButton* picOpen;
    QLabel* lblOpen;
    QCheckBox* chkForwardSlash;
    QLabel* lblWidth;
    QLineEdit* txtWidth;
    QLabel* lblHeight;
    QLineEdit* txtHeight;
    QLabel* Label1;
    QComboBox* cboPalette;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // The palettes offered, the empty one last; any typed text is taken as well.
    static const QStringList kPalettes;

    EmbedFields fields() const;

public slots:
    // OK: inserts into whichever document is active now, when a file is named; then closes.
    void accept() override;

private:
    void findFile();
};
