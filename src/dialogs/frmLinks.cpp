#include "dialogs/frmLinks.h"

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

const QStringList frmLinks::kProtocols = {
    QStringLiteral("http://"), QStringLiteral("ftp://"),    QStringLiteral("mailto:"), QStringLiteral("news:"),
    QStringLiteral("newsrc:"), QStringLiteral("telnet://"), QStringLiteral("wais://"), QStringLiteral("gopher://"),
};

frmLinks::frmLinks(DialogHost& host) : ElementDialog(QStringLiteral("frmLinks"), QStringLiteral("Link"), host)
{
    lblProtocol = captionLabel("lblProtocol", QStringLiteral("Protocol:"), this);
    cboChoice = choiceBox("cboChoice", kProtocols, true, this);
    lblURL = captionLabel("lblURL", QStringLiteral("URL OR FILE:"), this);
    txtURL = named<QLineEdit>("txtURL", this);
    lblAnchor = captionLabel("lblAnchor", QStringLiteral("Anchor:"), this);
    txtAnchor = named<QLineEdit>("txtAnchor", this);
    lblTarget = captionLabel("lblTarget", QStringLiteral("Target:"), this);
    txtTarget = named<QLineEdit>("txtTarget", this);

    chkForwardSlash = makeForwardSlashBox(this);
    connectForwardSlashes(chkForwardSlash, {txtURL});

    picOpen = makeFindFileButton(QStringLiteral("picOpen"), this);
    lblOpen = captionLabel("lblOpen", QStringLiteral("Find File"), this);
    connect(picOpen, &QToolButton::clicked, this, &frmLinks::findFile);

    cmdOK = makeOkButton();
    cmdCancel = makeCancelButton();

    auto* fieldsGrid = new QGridLayout;
    const int checkRow = addFieldRows(
        *fieldsGrid, 0, {{lblProtocol, cboChoice}, {lblURL, txtURL}, {lblAnchor, txtAnchor}, {lblTarget, txtTarget}});
    fieldsGrid->addLayout(sideBySide({picOpen, lblOpen}), 1, 2);
    fieldsGrid->addWidget(chkForwardSlash, checkRow, 1);
    fieldsGrid->setColumnMinimumWidth(1, 260);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldsGrid);
    layout->addLayout(buttonRow({cmdOK, cmdCancel}));

    // Tab follows the order the controls were made in, but the picture comes right after the
    // box it fills.
    setTabOrder(txtURL, picOpen);
    cboChoice->setFocus();
}

LinkFields frmLinks::fields() const
{
    return {cboChoice->currentText(), txtURL->text(), txtAnchor->text(), txtTarget->text()};
}

void frmLinks::accept()
{
    host_.InsertText(linkOpeningText(fields()), linkClosingText());
    ElementDialog::accept();
}

void frmLinks::findFile()
{
    FindFileOptions options;
    options.filter = kFilterHtmlText;
    options.emptyFirst = true;
    findFileByDialog(host_, this, txtURL, chkForwardSlash, options);
}
