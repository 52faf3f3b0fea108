#include "upload/frmFTPfiles.h"

#include "dialogs/ElementDialog.h"
#include "dialogs/FolderBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmFTPfiles::frmFTPfiles(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFTPfiles"));
    setWindowTitle(QStringLiteral("Select Files to Upload"));
    setModal(true);
    centreWhenFirstShown(*this);

    browser_ = new FolderBrowser(this, QStringLiteral("*.*"), QDir::currentPath());
    Drive1 = browser_->Drive1;
    Dir1 = browser_->Dir1;
    File1 = browser_->File1;
    File1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lblSelected = captionLabel("lblSelected", QStringLiteral("Selected Files:"), this);
    List1 = named<QListWidget>("List1", this);
    Command1 = sideButton("Command1", QStringLiteral("&Add Selected Files"), this);
    cmdOK = named<QPushButton>("cmdOK", QStringLiteral("&OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = sideButton("cmdCancel", QStringLiteral("&Cancel"), this);
    for (QListWidget* list : {Dir1, File1, List1})
        list->setMinimumSize(180, 200);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Drive1, 0, 0);
    grid->addWidget(lblSelected, 0, 2);
    grid->addWidget(Dir1, 1, 0);
    grid->addWidget(File1, 1, 1);
    grid->addWidget(List1, 1, 2);
    grid->addWidget(Command1, 2, 1);
    grid->addLayout(buttonRow({cmdOK, cmdCancel}), 2, 2);

    connect(Command1, &QPushButton::clicked, this, [this] { List1->addItems(browser_->selectedFilePaths()); });
    connect(File1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { List1->addItem(browser_->filePath(item->text())); });
    connect(List1, &QListWidget::itemClicked, this, [](QListWidgetItem* item) { delete item; });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList frmFTPfiles::chosenFiles() const
{
    QStringList files;
    for (int i = 0; i < List1->count(); ++i)
        files << List1->item(i)->text();
    return files;
}

