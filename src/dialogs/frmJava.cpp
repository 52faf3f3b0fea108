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

namespace {

QLabel* label(const char* name, const char* text, QLineEdit*& box, const char* boxName, QWidget* parent)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(boxName));
    l->setBuddy(box);
    return l;
}

} // namespace

frmJava::frmJava(DialogHost& host) : ElementDialog(QStringLiteral("frmJava"), QStringLiteral("JAVA Applet"), host)
{
    fraRequired = new QGroupBox(QStringLiteral("Required Attributes"), this);
    fraRequired->setObjectName(QStringLiteral("fraRequired"));
    lblCode = label("lblCode", "Code:", txtCode, "txtCode", fraRequired);
    lblWidth = label("lblWidth", "Width:", txtWidth, "txtWidth", fraRequired);
    lblHeight = label("lblHeight", "Height:", txtHeight, "txtHeight", fraRequired);

    fraOptional = new QGroupBox(QStringLiteral("Optional Attributes"), this);
    fraOptional->setObjectName(QStringLiteral("fraOptional"));
    lblCodeBase = label("lblCodeBase", "Codebase:", txtCodeBase, "txtCodeBase", fraOptional);
    lblAlt = label("lblAlt", "Alt:", txtAlt, "txtAlt", fraOptional);
    lblName = label("lblName", "Name:", txtName, "txtName", fraOptional);
    lblVSpace = label("lblVSpace", "V Space:", txtVspace, "txtVspace", fraOptional);
    LblHspace = label("LblHspace", "H Space:", txtHSpace, "txtHSpace", fraOptional);

    lblAlign = new QLabel(QStringLiteral("Align:"), fraOptional);
    lblAlign->setObjectName(QStringLiteral("lblAlign"));
    lblAlign->setTextFormat(Qt::PlainText);
    cboAlign = new QComboBox(fraOptional);
    cboAlign->setObjectName(QStringLiteral("cboAlign"));
    cboAlign->setEditable(true);
    // Typed text is read from the box, never added to the list.
    cboAlign->setInsertPolicy(QComboBox::NoInsert);
    cboAlign->addItems(kAlignments);
    cboAlign->setCurrentIndex(0);
    lblAlign->setBuddy(cboAlign);

    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* required = new QGridLayout(fraRequired);
    int row = 0;
    for (auto [l, box] : {std::pair<QLabel*, QLineEdit*>{lblCode, txtCode}, {lblWidth, txtWidth},
                          {lblHeight, txtHeight}}) {
        required->addWidget(l, row, 0);
        required->addWidget(box, row++, 1);
    }
    required->setColumnMinimumWidth(1, 200);

    auto* optional = new QGridLayout(fraOptional);
    row = 0;
    for (auto [l, box] : {std::pair<QLabel*, QLineEdit*>{lblCodeBase, txtCodeBase}, {lblAlt, txtAlt},
                          {lblName, txtName}, {lblVSpace, txtVspace}, {LblHspace, txtHSpace}}) {
        optional->addWidget(l, row, 0);
        optional->addWidget(box, row++, 1);
    }
    optional->addWidget(lblAlign, row, 0);
    optional->addWidget(cboAlign, row, 1);
    optional->setColumnMinimumWidth(1, 200);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraRequired);
    layout->addWidget(fraOptional);
    layout->addLayout(buttons);

    QWidget* order[] = {txtCode, txtWidth, txtHeight, txtCodeBase, txtAlt, txtName,
                        txtVspace, txtHSpace, cboAlign, cmdOK, cmdCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
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
