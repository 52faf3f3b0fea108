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

namespace {

} // namespace

frmLinks::frmLinks(DialogHost& host) : ElementDialog(QStringLiteral("frmLinks"), QStringLiteral("Link"), host)
{
    lblProtocol = named<QLabel>("lblProtocol", QStringLiteral("Protocol:"), this);
    cboChoice = named<QComboBox>("cboChoice", this);
    cboChoice->setEditable(true);
    // The list stays the fixed protocols; typed text is read from the box, never added to it.
    cboChoice->setInsertPolicy(QComboBox::NoInsert);
    cboChoice->addItems(kProtocols);
    cboChoice->setCurrentIndex(-1);
    cboChoice->setEditText(QString());

    lblURL = named<QLabel>("lblURL", QStringLiteral("URL OR FILE:"), this);
    txtURL = named<QLineEdit>("txtURL", this);
    lblAnchor = named<QLabel>("lblAnchor", QStringLiteral("Anchor:"), this);
    txtAnchor = named<QLineEdit>("txtAnchor", this);
    lblTarget = named<QLabel>("lblTarget", QStringLiteral("Target:"), this);
    txtTarget = named<QLineEdit>("txtTarget", this);
    for (QLabel* label : {lblProtocol, lblURL, lblAnchor, lblTarget})
        label->setTextFormat(Qt::PlainText);
    lblProtocol->setBuddy(cboChoice);
    lblURL->setBuddy(txtURL);
    lblAnchor->setBuddy(txtAnchor);
    lblTarget->setBuddy(txtTarget);

    chkForwardSlash = makeForwardSlashBox(this);
    connectForwardSlashes(chkForwardSlash, {txtURL});

    picOpen = makeFindFileButton(QStringLiteral("picOpen"), this);
    lblOpen = named<QLabel>("lblOpen", QStringLiteral("Find File"), this);
    lblOpen->setTextFormat(Qt::PlainText);
    connect(picOpen, &QToolButton::clicked, this, &frmLinks::findFile);

    cmdOK = makeOkButton();
    cmdCancel = makeCancelButton();

    auto* fieldsGrid = new QGridLayout;
    fieldsGrid->addWidget(lblProtocol, 0, 0);
    fieldsGrid->addWidget(cboChoice, 0, 1);
    fieldsGrid->addWidget(lblURL, 1, 0);
    fieldsGrid->addWidget(txtURL, 1, 1);
    auto* findFileRow = new QHBoxLayout;
    findFileRow->addWidget(picOpen);
    findFileRow->addWidget(lblOpen);
    fieldsGrid->addLayout(findFileRow, 1, 2);
    fieldsGrid->addWidget(lblAnchor, 2, 0);
    fieldsGrid->addWidget(txtAnchor, 2, 1);
    fieldsGrid->addWidget(lblTarget, 3, 0);
    fieldsGrid->addWidget(txtTarget, 3, 1);
    fieldsGrid->addWidget(chkForwardSlash, 4, 1);
    fieldsGrid->setColumnMinimumWidth(1, 260);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldsGrid);
    layout->addLayout(buttons);

    setTabOrder(cboChoice, txtURL);
    setTabOrder(txtURL, picOpen);
    setTabOrder(picOpen, txtAnchor);
    setTabOrder(txtAnchor, txtTarget);
    setTabOrder(txtTarget, chkForwardSlash);
    setTabOrder(chkForwardSlash, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
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
