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
    lblName = captionLabel("lblName", QStringLiteral("Name:"), this);
    txtName = named<QLineEdit>("txtName", this);
    chkMultiple = named<QCheckBox>("chkMultiple", QStringLiteral("Multiple"), this);
    lblSize = captionLabel("lblSize", QStringLiteral("Size:"), this);
    txtSize = named<QLineEdit>("txtSize", this);
    // A size means something only for a list that allows several choices.
    lblSize->setEnabled(false);
    txtSize->setEnabled(false);
    connect(chkMultiple, &QCheckBox::toggled, this, [this](bool checked) {
        lblSize->setEnabled(checked);
        txtSize->setEnabled(checked);
    });

    txtList = named<QLineEdit>("txtList", this);
    cboList = named<QListWidget>("cboList", this);
    cmdAddItem = sideButton("cmdAddItem", QStringLiteral("&Add Item"), this);
    cmdRemoveItem = sideButton("cmdRemoveItem", QStringLiteral("&Remove Item"), this);
    connect(cmdAddItem, &QPushButton::clicked, this, &frmList::addItem);
    connect(cmdRemoveItem, &QPushButton::clicked, this, &frmList::removeItem);

    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout;
    addFieldRows(*grid, 0, {{lblName, txtName}});
    grid->addWidget(chkMultiple, 1, 1);
    addFieldRows(*grid, 2, {{lblSize, txtSize}});
    grid->addWidget(txtList, 3, 1);
    grid->addWidget(cmdAddItem, 3, 2);
    grid->addWidget(cboList, 4, 1);
    grid->addWidget(cmdRemoveItem, 4, 2, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({cmdOK, cmdCancel}));
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
