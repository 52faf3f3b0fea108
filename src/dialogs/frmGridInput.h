#pragma once
// The cell editor of the table builder: one cell's text, header and wrapping, spans and
// alignment, or an image picked with the image chooser. Shown modally for one cell edit.

#include "dialogs/ElementDialog.h"
#include "dialogs/TableFields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class frmGridInput : public ElementDialog {
    Q_OBJECT
public:
    // Starts on text, the cell's text as the grid shows it.
    frmGridInput(DialogHost& host, const QString& text, QWidget* parent);

    CellFields fields() const;

    QPlainTextEdit* txtGridInput;
    QCheckBox* chkHeader;
    QCheckBox* chkWrapText;
    QLabel* lblColSpan;
    QComboBox* cboColSpan;
    QLabel* lblRowSpan;
    QComboBox* cboRowSpan;
    QLabel* lblAlign;
    QComboBox* cboAlign;
    QLabel* lblVAlign;
    QComboBox* cboVAlign;
    QToolButton* picGetFile;
    QLabel* lblGetFile;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void findImage();
};
