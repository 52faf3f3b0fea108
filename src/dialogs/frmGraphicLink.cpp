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
    lblURL = named<QLabel>("lblURL", QStringLiteral("Source:"), this);
    txtURL = named<QLineEdit>("txtURL", this);
    picOpen = makeFindFileButton(QStringLiteral("picOpen"), this);
    lblOpen = named<QLabel>("lblOpen", QStringLiteral("Find File"), this);
    lblLowSRC = named<QLabel>("lblLowSRC", QStringLiteral("Low Source:"), this);
    txtLowSRC = named<QLineEdit>("txtLowSRC", this);
    PicOpen2 = makeFindFileButton(QStringLiteral("PicOpen2"), this);
    lblOpen2 = named<QLabel>("lblOpen2", QStringLiteral("Find File"), this);
    lblALT = named<QLabel>("lblALT", QStringLiteral("Alternate Text:"), this);
    txtALT = named<QLineEdit>("txtALT", this);
    lblWidth = named<QLabel>("lblWidth", QStringLiteral("Width:"), this);
    txtWidth = named<QLineEdit>("txtWidth", this);
    lblHeight = named<QLabel>("lblHeight", QStringLiteral("Height:"), this);
    txtHeight = named<QLineEdit>("txtHeight", this);
    lblHSpace = named<QLabel>("lblHSpace", QStringLiteral("HSpace:"), this);
    txtHSpace = named<QLineEdit>("txtHSpace", this);
    lblVSpace = named<QLabel>("lblVSpace", QStringLiteral("VSpace:"), this);
    txtVSpace = named<QLineEdit>("txtVSpace", this);
    llbBorder = named<QLabel>("llbBorder", QStringLiteral("Border:"), this);
    txtBorder = named<QLineEdit>("txtBorder", this);
    lblAlign = named<QLabel>("lblAlign", QStringLiteral("Align:"), this);
    cboAlign = new QComboBox(this);
    cboAlign->setObjectName(QStringLiteral("cboAlign"));
    cboAlign->setEditable(true);
    // The list stays the fixed alignments; typed text is read from the box, never added to it.
    cboAlign->setInsertPolicy(QComboBox::NoInsert);
    cboAlign->addItems(kAlignments);
    cboAlign->setCurrentIndex(-1);
    cboAlign->setEditText(QString());
    lblUseMap = named<QLabel>("lblUseMap", QStringLiteral("Use Map: (Name of image map)"), this);
    txtUseMap = named<QLineEdit>("txtUseMap", this);
    chkISMAP = new QCheckBox(QStringLiteral("ISMAP (Server Map)"), this);
    chkISMAP->setObjectName(QStringLiteral("chkISMAP"));
    lbLink = named<QLabel>("lbLink", QStringLiteral("URL To Link Image To:"), this);
    txtLinkMe = named<QLineEdit>("txtLinkMe", this);
    picLinkMe = makeFindFileButton(QStringLiteral("picLinkMe"), this);
    lblLinkMe = named<QLabel>("lblLinkMe", QStringLiteral("Find File"), this);
    chkForwardSlash = makeForwardSlashBox(this);
    cmdOK = makeOkButton();
    cmdCancel = makeCancelButton();

    auto* grid = new QGridLayout(this);
    int row = 0;
    const auto addRow = [&](QLabel* label, QWidget* field, QToolButton* find = nullptr, QLabel* findLabel = nullptr) {
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (find) {
            auto* pair = new QHBoxLayout;
            pair->addWidget(find);
            pair->addWidget(findLabel);
            grid->addLayout(pair, row, 2);
        }
        ++row;
    };
    addRow(lblURL, txtURL, picOpen, lblOpen);
    addRow(lblLowSRC, txtLowSRC, PicOpen2, lblOpen2);
    addRow(lblALT, txtALT);
    addRow(lblWidth, txtWidth);
    addRow(lblHeight, txtHeight);
    addRow(lblHSpace, txtHSpace);
    addRow(lblVSpace, txtVSpace);
    addRow(llbBorder, txtBorder);
    addRow(lblAlign, cboAlign);
    addRow(lblUseMap, txtUseMap);
    grid->addWidget(chkISMAP, row++, 1);
    addRow(lbLink, txtLinkMe, picLinkMe, lblLinkMe);
    grid->addWidget(chkForwardSlash, row++, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, row, 0, 1, 3);
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
