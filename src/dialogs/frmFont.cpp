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

namespace {

QPushButton* makeSideButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter in a box must reach OK, not the button that had focus last.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmFont::frmFont(DialogHost& host) : ElementDialog(QStringLiteral("frmFont"), QStringLiteral("Font"), host)
{
    lblFontSize = named<QLabel>("lblFontSize", QStringLiteral("Font Size:"), this);
    cboFontSize = choiceBox("cboFontSize", fontSizeEntries(), true, this);

    lblFontColor = named<QLabel>("lblFontColor", QStringLiteral("Font Color:"), this);
    txtFontColor = new QLineEdit(this);
    txtFontColor->setObjectName(QStringLiteral("txtFontColor"));
    cmdChooseColor = makeSideButton("cmdChooseColor", QStringLiteral("C&hoose Color"), this);

    lblFontFace = named<QLabel>("lblFontFace", QStringLiteral("Font Face:"), this);
    txtFontFace = new QLineEdit(this);
    txtFontFace->setObjectName(QStringLiteral("txtFontFace"));
    cmdChooseFace = makeSideButton("cmdChooseFace", QStringLiteral("Ch&oose Face"), this);

    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblFontSize, 0, 0);
    grid->addWidget(cboFontSize, 0, 1);
    grid->addWidget(lblFontColor, 1, 0);
    grid->addWidget(txtFontColor, 1, 1);
    grid->addWidget(cmdChooseColor, 1, 2);
    grid->addWidget(lblFontFace, 2, 0);
    grid->addWidget(txtFontFace, 2, 1);
    grid->addWidget(cmdChooseFace, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 3);
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
