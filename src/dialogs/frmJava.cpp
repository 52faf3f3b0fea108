#include "dialogs/frmJava.h"

#include "dialogs/DialogHost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QStringList frmJava::kAlignments = {
    QString(),
    QStringLiteral("LEFT"),
    QStringLiteral("RIGHT"),
    QStringLiteral("TOP"),
    QStringLiteral("TEXTTOP"),
    QStringLiteral("ABSMIDDLE"),
    QStringLiteral("BASELINE"),
    QStringLiteral("BOTTOM"),
    QStringLiteral("ABSBOTTOM"),
};

frmJava::frmJava(DialogHost& host) : ElementDialog(QStringLiteral("frmJava"), QStringLiteral("JAVA Applet"), host)
{
    fraRequired = named<QGroupBox>("fraRequired", QStringLiteral("Required Attributes"), this);
    lblCode = captionLabel("lblCode", QStringLiteral("Code:"), fraRequired);
    txtCode = named<QLineEdit>("txtCode", fraRequired);
    lblWidth = captionLabel("lblWidth", QStringLiteral("Width:"), fraRequired);
    txtWidth = named<QLineEdit>("txtWidth", fraRequired);
    lblHeight = captionLabel("lblHeight", QStringLiteral("Height:"), fraRequired);
    txtHeight = named<QLineEdit>("txtHeight", fraRequired);

    fraOptional = named<QGroupBox>("fraOptional", QStringLiteral("Optional Attributes"), this);
    lblCodeBase = captionLabel("lblCodeBase", QStringLiteral("Codebase:"), fraOptional);
    txtCodeBase = named<QLineEdit>("txtCodeBase", fraOptional);
    lblAlt = captionLabel("lblAlt", QStringLiteral("Alt:"), fraOptional);
    txtAlt = named<QLineEdit>("txtAlt", fraOptional);
    lblName = captionLabel("lblName", QStringLiteral("Name:"), fraOptional);
    txtName = named<QLineEdit>("txtName", fraOptional);
    lblVSpace = captionLabel("lblVSpace", QStringLiteral("V Space:"), fraOptional);
    txtVspace = named<QLineEdit>("txtVspace", fraOptional);
    LblHspace = captionLabel("LblHspace", QStringLiteral("H Space:"), fraOptional);
    txtHSpace = named<QLineEdit>("txtHSpace", fraOptional);
    lblAlign = captionLabel("lblAlign", QStringLiteral("Align:"), fraOptional);
    cboAlign = choiceBox("cboAlign", kAlignments, true, fraOptional);

    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* required = new QGridLayout(fraRequired);
    addFieldRows(*required, 0, {{lblCode, txtCode}, {lblWidth, txtWidth}, {lblHeight, txtHeight}});
    required->setColumnMinimumWidth(1, 200);

    auto* optional = new QGridLayout(fraOptional);
    addFieldRows(*optional, 0,
                 {{lblCodeBase, txtCodeBase},
                  {lblAlt, txtAlt},
                  {lblName, txtName},
                  {lblVSpace, txtVspace},
                  {LblHspace, txtHSpace},
                  {lblAlign, cboAlign}});
    optional->setColumnMinimumWidth(1, 200);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraRequired);
    layout->addWidget(fraOptional);
    layout->addLayout(buttonRow({cmdOK, cmdCancel}));
    txtCode->setFocus();
}

AppletFields frmJava::fields() const
{
    return {txtCode->text(),     txtWidth->text(), txtHeight->text(),  txtCodeBase->text(),    txtAlt->text(),
            txtName->text(),     txtVspace->text(), txtHSpace->text(), cboAlign->currentText()};
}

void frmJava::accept()
{
    host_.InsertText(appletOpeningText(fields()), appletClosingText(host_.activeLineBreak()));
    ElementDialog::accept();
}
