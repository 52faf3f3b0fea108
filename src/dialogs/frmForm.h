#pragma once
// The form-elements dialog: inserts a form template, inputs and text areas, and through the
// list-box dialog a select element; stays open for the next one until Cancel.

#include "dialogs/ElementDialog.h"
#include "dialogs/FrameFormFields.h"
#include "dialogs/frmList.h"

#include <QList>
#include <QPointer>

class QLabel;
class QLineEdit;

class frmForm : public ElementDialog {
    Q_OBJECT
public:
    explicit frmForm(DialogHost& host);

    static const QString kIncorrectValue;

    QLabel* lblUpdate;
    QPushButton* ssText;
    QPushButton* ssPassword;
    QPushButton* ssHidden;
    QPushButton* ssCheck;
    QPushButton* ssRadio;
    QPushButton* ssSubmit;
    QPushButton* ssReset;
    QPushButton* ssTextArea;
    QPushButton* ssAnyForm;
    QPushButton* ssListBox;
    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblValue;
    QLineEdit* txtValue;
    QLabel* lblSize;
    QLineEdit* txtSize;
    QLabel* lblMaxLength;
    QLineEdit* txtMaxLength;
    QLabel* lblRows;
    QLineEdit* txtRows;
    QLabel* lblColumn;
    QLineEdit* txtColumn;
    QPushButton* ssOK;
    QPushButton* ssCancel;

    // The element type written after TYPE=.
    QString elementType() const { return type_; }
    FormElementFields fields() const;
    // The list-box dialog while it is open.
    frmList* listDialog() const { return list_; }

public slots:
    // OK: inserts the element and empties its fields except Size; stays open.
    void insertElement();
    void insertFormTemplate();
    void openListBox();

private:
    void chooseElement(const QString& caption, const QString& type, const QList<QLineEdit*>& shown);

    QString type_;
    QPointer<frmList> list_;
};
