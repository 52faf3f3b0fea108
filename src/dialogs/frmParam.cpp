#include "dialogs/frmParam.h"

#include "dialogs/DialogHost.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmParam::frmParam(DialogHost& host)
    : ElementDialog(QStringLiteral("frmParam"), QStringLiteral("JAVA Parameters"), host)
{
    lblName = new QLabel(QStringLiteral("Name:"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    lblValue = new QLabel(QStringLiteral("Value:"), this);
    lblValue->setObjectName(QStringLiteral("lblValue"));
    txtValue = new QLineEdit(this);
    txtValue->setObjectName(QStringLiteral("txtValue"));
    for (QLabel* label : {lblName, lblValue})
        label->setTextFormat(Qt::PlainText);
    lblName->setBuddy(txtName);
    lblValue->setBuddy(txtValue);

    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblName, 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(lblValue, 1, 0);
    grid->addWidget(txtValue, 1, 1);
    grid->setColumnMinimumWidth(1, 220);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(txtName, txtValue);
    setTabOrder(txtValue, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    txtName->setFocus();
}

ParamFields frmParam::fields() const
{
    return {txtName->text(), txtValue->text()};
}

void frmParam::accept()
{
    // Not closing: several parameters usually go into one applet.
    host_.InsertText(paramText(fields()), QString());
    txtName->clear();
    txtValue->clear();
}
