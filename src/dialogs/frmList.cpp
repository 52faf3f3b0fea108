#include "dialogs/frmList.h"

#include "dialogs/DialogHost.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmList::frmList(DialogHost& host) : ElementDialog(QStringLiteral("frmList"), QStringLiteral("List Box"), host)
{
    lblName = named<QLabel>("lblName", QStringLiteral("Name:"), this);
    txtName = named<QLineEdit>("txtName", this);
    chkMultiple = named<QCheckBox>("chkMultiple", QStringLiteral("Multiple"), this);
    lblSize = named<QLabel>("lblSize", QStringLiteral("Size:"), this);
    txtSize = named<QLineEdit>("txtSize", this);
    lblName->setBuddy(txtName);
    lblSize->setBuddy(txtSize);
    // A size means something only for a list that allows several choices.
    lblSize->setEnabled(false);
    txtSize->setEnabled(false);
    connect(chkMultiple, &QCheckBox::toggled, this, [this](bool checked) {
        lblSize->setEnabled(checked);
        txtSize->setEnabled(checked);
    });

    txtList = named<QLineEdit>("txtList", this);
    cboList = named<QListWidget>("cboList", this);
    cmdAddItem = named<QPushButton>("cmdAddItem", QStringLiteral("&Add Item"), this);
    cmdRemoveItem = named<QPushButton>("cmdRemoveItem", QStringLiteral("&Remove Item"), this);
    cmdAddItem->setAutoDefault(false);
    cmdRemoveItem->setAutoDefault(false);
    connect(cmdAddItem, &QPushButton::clicked, this, &frmList::addItem);
    connect(cmdRemoveItem, &QPushButton::clicked, this, &frmList::removeItem);

    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblName, 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(chkMultiple, 1, 1);
    grid->addWidget(lblSize, 2, 0);
    grid->addWidget(txtSize, 2, 1);
    grid->addWidget(txtList, 3, 1);
    grid->addWidget(cmdAddItem, 3, 2);
    grid->addWidget(cboList, 4, 1);
    grid->addWidget(cmdRemoveItem, 4, 2, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    txtName->setFocus();
}

ListBoxFields frmList::fields() const
{
    ListBoxFields fields{txtName->text(), chkMultiple->isChecked(), txtSize->text(), {}};
    for (int row = 0; row < cboList->count(); ++row)
        fields.entries << cboList->item(row)->text();
    return fields;
}

void frmList::addItem()
{
    const QList<QListWidgetItem*> selected = cboList->selectedItems();
    if (selected.isEmpty())
        cboList->addItem(txtList->text());
    else
        cboList->insertItem(cboList->row(selected.first()), txtList->text());
    txtList->clear();
}

void frmList::removeItem()
{
    const QList<QListWidgetItem*> selected = cboList->selectedItems();
    if (!selected.isEmpty())
        delete cboList->takeItem(cboList->row(selected.first()));
}

void frmList::accept()
{
    const TagPair tag = listBoxText(fields(), QString::fromLatin1(host_.activeLineBreak()));
    host_.InsertText(tag.opening, tag.closing);
    ElementDialog::accept();
}
