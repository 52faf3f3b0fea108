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
    txtURL->setMinimumWidth(260);
    picOpen = makeFindFileButton(QStringLiteral("picOpen"), this);
    lblOpen = captionLabel("lblOpen", QStringLiteral("Find File"), this);
    connect(picOpen, &QToolButton::clicked, this, &frmEmbed::findFile);

    chkForwardSlash = makeForwardSlashBox(this);
    connectForwardSlashes(chkForwardSlash, {txtURL});

    lblWidth = captionLabel("lblWidth", QStringLiteral("Width:"), this);
    txtWidth = named<QLineEdit>("txtWidth", this);
    lblHeight = captionLabel("lblHeight", QStringLiteral("Height:"), this);
    txtHeight = named<QLineEdit>("txtHeight", this);
    Label1 = captionLabel("Label1", QStringLiteral("Palette:"), this);
    cboPalette = choiceBox("cboPalette", kPalettes, true, this);

    cmdOK = makeOkButton();
    cmdCancel = makeCancelButton();

    QHBoxLayout* fileRow = sideBySide({txtURL, picOpen, lblOpen});
    fileRow->setStretch(0, 1);
    auto* grid = new QGridLayout;
    grid->addWidget(chkForwardSlash, 0, 0, 1, 2);
    addFieldRows(*grid, 1, {{lblWidth, txtWidth}, {lblHeight, txtHeight}, {Label1, cboPalette}});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({cmdOK, cmdCancel}));
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
