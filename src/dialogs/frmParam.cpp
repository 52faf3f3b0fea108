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
    lblName = captionLabel("lblName", QStringLiteral("Name:"), this);
    txtName = named<QLineEdit>("txtName", this);
    lblValue = captionLabel("lblValue", QStringLiteral("Value:"), this);
    txtValue = named<QLineEdit>("txtValue", this);
    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout;
    addFieldRows(*grid, 0, {{lblName, txtName}, {lblValue, txtValue}});
    grid->setColumnMinimumWidth(1, 220);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({cmdOK, cmdCancel}));
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
