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

namespace {

QLabel* makeLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* makeBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

frmGraphicLink::frmGraphicLink(DialogHost& host)
    : ElementDialog(QStringLiteral("frmGraphicLink"), QStringLiteral("Image"), host)
{
    lblURL = makeLabel("lblURL", QStringLiteral("Source:"), this);
    txtURL = makeBox("txtURL", this);
    picOpen = makeFindFileButton(QStringLiteral("picOpen"), this);
    lblOpen = makeLabel("lblOpen", QStringLiteral("Find File"), this);
    lblLowSRC = makeLabel("lblLowSRC", QStringLiteral("Low Source:"), this);
    txtLowSRC = makeBox("txtLowSRC", this);
    PicOpen2 = makeFindFileButton(QStringLiteral("PicOpen2"), this);
    lblOpen2 = makeLabel("lblOpen2", QStringLiteral("Find File"), this);
    lblALT = makeLabel("lblALT", QStringLiteral("Alternate Text:"), this);
    txtALT = makeBox("txtALT", this);
    lblWidth = makeLabel("lblWidth", QStringLiteral("Width:"), this);
    txtWidth = makeBox("txtWidth", this);
    lblHeight = makeLabel("lblHeight", QStringLiteral("Height:"), this);
    txtHeight = makeBox("txtHeight", this);
    lblHSpace = makeLabel("lblHSpace", QStringLiteral("HSpace:"), this);
    txtHSpace = makeBox("txtHSpace", this);
    lblVSpace = makeLabel("lblVSpace", QStringLiteral("VSpace:"), this);
    txtVSpace = makeBox("txtVSpace", this);
    llbBorder = makeLabel("llbBorder", QStringLiteral("Border:"), this);
    txtBorder = makeBox("txtBorder", this);
    lblAlign = makeLabel("lblAlign", QStringLiteral("Align:"), this);
    cboAlign = new QComboBox(this);
    cboAlign->setObjectName(QStringLiteral("cboAlign"));
    cboAlign->setEditable(true);
    // The list stays the fixed alignments; typed text is read from the box, never added to it.
    cboAlign->setInsertPolicy(QComboBox::NoInsert);
    cboAlign->addItems(kAlignments);
    cboAlign->setCurrentIndex(-1);
    cboAlign->setEditText(QString());
    lblUseMap = makeLabel("lblUseMap", QStringLiteral("Use Map: (Name of image map)"), this);
    txtUseMap = makeBox("txtUseMap", this);
    chkISMAP = new QCheckBox(QStringLiteral("ISMAP (Server Map)"), this);
    chkISMAP->setObjectName(QStringLiteral("chkISMAP"));
    lbLink = makeLabel("lbLink", QStringLiteral("URL To Link Image To:"), this);
    txtLinkMe = makeBox("txtLinkMe", this);
    picLinkMe = makeFindFileButton(QStringLiteral("picLinkMe"), this);
    lblLinkMe = makeLabel("lblLinkMe", QStringLiteral("Find File"), this);
    chkForwardSlash = new QCheckBox(QStringLiteral("Forward Slashes"), this);
    chkForwardSlash->setObjectName(QStringLiteral("chkForwardSlash"));
    chkForwardSlash->setChecked(true);
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
