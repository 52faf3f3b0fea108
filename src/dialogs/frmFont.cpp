#include "dialogs/frmFont.h"

#include "dialogs/BodyFields.h"
#include "dialogs/DialogHost.h"
#include "platform/Prompter.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmFont::frmFont(DialogHost& host) : ElementDialog(QStringLiteral("frmFont"), QStringLiteral("Font"), host)
{
    lblFontSize = captionLabel("lblFontSize", QStringLiteral("Font Size:"), this);
    cboFontSize = choiceBox("cboFontSize", fontSizeEntries(), true, this);
    lblFontColor = captionLabel("lblFontColor", QStringLiteral("Font Color:"), this);
    txtFontColor = named<QLineEdit>("txtFontColor", this);
    cmdChooseColor = sideButton("cmdChooseColor", QStringLiteral("C&hoose Color"), this);
    lblFontFace = captionLabel("lblFontFace", QStringLiteral("Font Face:"), this);
    txtFontFace = named<QLineEdit>("txtFontFace", this);
    cmdChooseFace = sideButton("cmdChooseFace", QStringLiteral("Ch&oose Face"), this);
    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout(this);
    const int buttonsRow = addFieldRows(
        *grid, 0, {{lblFontSize, cboFontSize}, {lblFontColor, txtFontColor}, {lblFontFace, txtFontFace}});
    grid->addWidget(cmdChooseColor, 1, 2);
    grid->addWidget(cmdChooseFace, 2, 2);
    grid->addLayout(buttonRow({cmdOK, cmdCancel}), buttonsRow, 0, 1, 3);
    grid->setColumnMinimumWidth(1, 200);

    connect(cmdChooseColor, &QPushButton::clicked, this, &frmFont::chooseColor);
    connect(cmdChooseFace, &QPushButton::clicked, this, &frmFont::chooseFace);
    connect(this, &QDialog::accepted, this, &frmFont::insert);
}

void frmFont::chooseColor()
{
    if (const std::optional<QColor> chosen = host_.prompter().color(this, {color_}))
        color_ = *chosen;
    txtFontColor->setText(htmlColorText(color_));
}

void frmFont::chooseFace()
{
    QFont initial;
    if (!faceName_.isEmpty())
        initial.setFamily(faceName_);
    if (const std::optional<QFont> chosen = host_.prompter().font(this, {initial}))
        faceName_ = chosen->family();
    txtFontFace->setText(faceListWith(txtFontFace->text(), faceName_));
}

FontFields frmFont::fields() const
{
    return {cboFontSize->currentText(), txtFontColor->text(), txtFontFace->text()};
}

void frmFont::insert()
{
    host_.InsertText(fontStartTag(fields()), fontEndTag());
}
