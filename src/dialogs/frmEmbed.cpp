#include "dialogs/frmEmbed.h"

#include "dialogs/DialogHost.h"
#include "dialogs/FileReference.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

const QStringList frmEmbed::kPalettes = {QStringLiteral("BACKGROUND"), QStringLiteral("FOREGROUND"), QString()};

frmEmbed::frmEmbed(DialogHost& host) : ElementDialog(QStringLiteral("frmEmbed"), QStringLiteral("Embed"), host)
{
    txtURL = named<QLineEdit>("txtURL", this);
    picOpen = makeFindFileButton(QStringLiteral("picOpen"), this);
    lblOpen = named<QLabel>("lblOpen", QStringLiteral("Find File"), this);
    connect(picOpen, &QToolButton::clicked, this, &frmEmbed::findFile);

    chkForwardSlash = makeForwardSlashBox(this);
    connectForwardSlashes(chkForwardSlash, {txtURL});

    lblWidth = named<QLabel>("lblWidth", QStringLiteral("Width:"), this);
    txtWidth = named<QLineEdit>("txtWidth", this);
    lblHeight = named<QLabel>("lblHeight", QStringLiteral("Height:"), this);
    txtHeight = named<QLineEdit>("txtHeight", this);
    Label1 = named<QLabel>("Label1", QStringLiteral("Palette:"), this);
    cboPalette = named<QComboBox>("cboPalette", this);
    cboPalette->setEditable(true);
    cboPalette->setInsertPolicy(QComboBox::NoInsert);
    cboPalette->addItems(kPalettes);
    // The box starts empty although the empty entry is the last one.
    cboPalette->setCurrentIndex(-1);
    cboPalette->setEditText(QString());
    for (QLabel* label : {lblOpen, lblWidth, lblHeight, Label1})
        label->setTextFormat(Qt::PlainText);
    lblWidth->setBuddy(txtWidth);
    lblHeight->setBuddy(txtHeight);
    Label1->setBuddy(cboPalette);

    cmdOK = makeOkButton();
    cmdCancel = makeCancelButton();

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtURL, 1);
    fileRow->addWidget(picOpen);
    fileRow->addWidget(lblOpen);

    auto* grid = new QGridLayout;
    grid->addWidget(chkForwardSlash, 0, 0, 1, 2);
    grid->addWidget(lblWidth, 1, 0);
    grid->addWidget(txtWidth, 1, 1);
    grid->addWidget(lblHeight, 2, 0);
    grid->addWidget(txtHeight, 2, 1);
    grid->addWidget(Label1, 3, 0);
    grid->addWidget(cboPalette, 3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    txtURL->setMinimumWidth(260);

    QWidget* order[] = {txtURL, picOpen, chkForwardSlash, txtWidth, txtHeight, cboPalette, cmdOK, cmdCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    txtURL->setFocus();
}

EmbedFields frmEmbed::fields() const
{
    return {txtURL->text(), txtWidth->text(), txtHeight->text(), cboPalette->currentText()};
}

void frmEmbed::accept()
{
    // Without a file there is nothing to embed.
    if (!txtURL->text().isEmpty())
        host_.InsertText(embedText(fields()), QString());
    ElementDialog::accept();
}

void frmEmbed::findFile()
{
    FindFileOptions options;
    options.filter = kFilterAllFiles;
    options.stopOnEmptyName = true;
    // Hands the document the focus back once the file is picked; its text stays as it was.
    options.afterSet = [this] { host_.InsertText(QString(), QString()); };
    findFileByDialog(host_, this, txtURL, chkForwardSlash, options);
}
