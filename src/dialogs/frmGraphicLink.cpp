#include "dialogs/frmGraphicLink.h"

#include "dialogs/DialogHost.h"
#include "dialogs/FileReference.h"
#include "dialogs/frmImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

const QStringList frmGraphicLink::kAlignments = {
    QStringLiteral("TOP"),      QStringLiteral("MIDDLE"),   QStringLiteral("BOTTOM"),
    QStringLiteral("RIGHT"),    QStringLiteral("LEFT"),     QStringLiteral("TEXTTOP"),
    QStringLiteral("BASELINE"), QStringLiteral("ABSMIDDLE"), QStringLiteral("ABSBOTTOM"),
};

frmGraphicLink::frmGraphicLink(DialogHost& host)
    : ElementDialog(QStringLiteral("frmGraphicLink"), QStringLiteral("Image"), host)
{
    lblURL = captionLabel("lblURL", QStringLiteral("Source:"), this);
    txtURL = named<QLineEdit>("txtURL", this);
    picOpen = makeFindFileButton(QStringLiteral("picOpen"), this);
    lblOpen = captionLabel("lblOpen", QStringLiteral("Find File"), this);
    lblLowSRC = captionLabel("lblLowSRC", QStringLiteral("Low Source:"), this);
    txtLowSRC = named<QLineEdit>("txtLowSRC", this);
    PicOpen2 = makeFindFileButton(QStringLiteral("PicOpen2"), this);
    lblOpen2 = captionLabel("lblOpen2", QStringLiteral("Find File"), this);
    lblALT = captionLabel("lblALT", QStringLiteral("Alternate Text:"), this);
    txtALT = named<QLineEdit>("txtALT", this);
    lblWidth = captionLabel("lblWidth", QStringLiteral("Width:"), this);
    txtWidth = named<QLineEdit>("txtWidth", this);
    lblHeight = captionLabel("lblHeight", QStringLiteral("Height:"), this);
    txtHeight = named<QLineEdit>("txtHeight", this);
    lblHSpace = captionLabel("lblHSpace", QStringLiteral("HSpace:"), this);
    txtHSpace = named<QLineEdit>("txtHSpace", this);
    lblVSpace = captionLabel("lblVSpace", QStringLiteral("VSpace:"), this);
    txtVSpace = named<QLineEdit>("txtVSpace", this);
    llbBorder = captionLabel("llbBorder", QStringLiteral("Border:"), this);
    txtBorder = named<QLineEdit>("txtBorder", this);
    lblAlign = captionLabel("lblAlign", QStringLiteral("Align:"), this);
    cboAlign = choiceBox("cboAlign", kAlignments, true, this);
    lblUseMap = captionLabel("lblUseMap", QStringLiteral("Use Map: (Name of image map)"), this);
    txtUseMap = named<QLineEdit>("txtUseMap", this);
    chkISMAP = named<QCheckBox>("chkISMAP", QStringLiteral("ISMAP (Server Map)"), this);
    lbLink = captionLabel("lbLink", QStringLiteral("URL To Link Image To:"), this);
    txtLinkMe = named<QLineEdit>("txtLinkMe", this);
    picLinkMe = makeFindFileButton(QStringLiteral("picLinkMe"), this);
    lblLinkMe = captionLabel("lblLinkMe", QStringLiteral("Find File"), this);
    chkForwardSlash = makeForwardSlashBox(this);
    cmdOK = makeOkButton();
    cmdCancel = makeCancelButton();

    auto* grid = new QGridLayout(this);
    int row = addFieldRows(*grid, 0,
                           {{lblURL, txtURL},
                            {lblLowSRC, txtLowSRC},
                            {lblALT, txtALT},
                            {lblWidth, txtWidth},
                            {lblHeight, txtHeight},
                            {lblHSpace, txtHSpace},
                            {lblVSpace, txtVSpace},
                            {llbBorder, txtBorder},
                            {lblAlign, cboAlign},
                            {lblUseMap, txtUseMap}});
    grid->addWidget(chkISMAP, row++, 1);
    const int linkRow = row;
    row = addFieldRows(*grid, linkRow, {{lbLink, txtLinkMe}});
    grid->addWidget(chkForwardSlash, row++, 1);
    grid->addLayout(buttonRow({cmdOK, cmdCancel}), row, 0, 1, 3);
    // Each Find File picture sits beside the box it fills.
    grid->addLayout(sideBySide({picOpen, lblOpen}), 0, 2);
    grid->addLayout(sideBySide({PicOpen2, lblOpen2}), 1, 2);
    grid->addLayout(sideBySide({picLinkMe, lblLinkMe}), linkRow, 2);
    grid->setColumnMinimumWidth(1, 220);
    txtURL->setFocus();

    const auto chooser = [this] { return chooseImage(host_, this); };
    connect(picOpen, &QToolButton::clicked, this,
            [this, chooser] { findFileByChooser(host_, this, txtURL, chkForwardSlash, chooser); });
    connect(PicOpen2, &QToolButton::clicked, this,
            [this, chooser] { findFileByChooser(host_, this, txtLowSRC, chkForwardSlash, chooser); });
    connect(picLinkMe, &QToolButton::clicked, this, [this] {
        FindFileOptions options;
        options.filter = kFilterHtmlGraphicText;
        options.emptyFirst = true;
        findFileByDialog(host_, this, txtLinkMe, chkForwardSlash, options);
    });
    // The link target is left alone: it is often a full address whose slashes must stay.
    connectForwardSlashes(chkForwardSlash, {txtURL, txtLowSRC});
    connect(this, &QDialog::accepted, this, &frmGraphicLink::insert);
}

ImageFields frmGraphicLink::fields() const
{
    ImageFields f;
    f.source = txtURL->text();
    f.lowSource = txtLowSRC->text();
    f.alt = txtALT->text();
    f.width = txtWidth->text();
    f.height = txtHeight->text();
    f.hSpace = txtHSpace->text();
    f.vSpace = txtVSpace->text();
    f.border = txtBorder->text();
    f.align = cboAlign->currentText();
    f.useMap = txtUseMap->text();
    f.isMap = chkISMAP->isChecked();
    f.linkUrl = txtLinkMe->text();
    return f;
}

void frmGraphicLink::insert()
{
    host_.InsertText(imageText(fields()), QString());
}
