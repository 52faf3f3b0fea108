#include "dialogs/frmFrame.h"

#include "dialogs/DialogHost.h"
#include "dialogs/FileReference.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

const QString frmFrame::kNoMode = QStringLiteral("Select An Option");
const QString frmFrame::kNote = QStringLiteral("Note: You Must Insert Frames BEFORE any <BODY> tag in your document!");

frmFrame::frmFrame(DialogHost& host) : ElementDialog(QStringLiteral("frmFrame"), QStringLiteral("Frame"), host)
{
    lblWhatOpt = captionLabel("lblWhatOpt", kNoMode, this);
    cmdFrameSet = sideButton("cmdFrameSet", QStringLiteral("FrameSet"), this);
    cmdFrame = sideButton("cmdFrame", QStringLiteral("Frame"), this);
    cmdNoFrames = sideButton("cmdNoFrames", QStringLiteral("NoFrames"), this);

    lblRows = captionLabel("lblRows", QStringLiteral("Rows:"), this);
    txtRows = named<QLineEdit>("txtRows", this);
    lblCols = captionLabel("lblCols", QStringLiteral("Cols:"), this);
    txtCols = named<QLineEdit>("txtCols", this);
    lblSrc = captionLabel("lblSrc", QStringLiteral("Src:"), this);
    txtSrc = named<QLineEdit>("txtSrc", this);
    lblName = captionLabel("lblName", QStringLiteral("Name:"), this);
    txtName = named<QLineEdit>("txtName", this);
    lblMarginWidth = captionLabel("lblMarginWidth", QStringLiteral("Margin Width:"), this);
    txtMarginWidth = named<QLineEdit>("txtMarginWidth", this);
    lblMarginHeight = captionLabel("lblMarginHeight", QStringLiteral("Margin Height:"), this);
    txtMarginHeight = named<QLineEdit>("txtMarginHeight", this);

    frmScrolling = named<QGroupBox>("frmScrolling", QStringLiteral("Scrolling"), this);
    optYes = named<QRadioButton>("optYes", QStringLiteral("Yes"), frmScrolling);
    optNo = named<QRadioButton>("optNo", QStringLiteral("No"), frmScrolling);
    optAuto = named<QRadioButton>("optAuto", QStringLiteral("Auto"), frmScrolling);
    auto* scrollingRow = new QHBoxLayout(frmScrolling);
    scrollingRow->addWidget(optYes);
    scrollingRow->addWidget(optNo);
    scrollingRow->addWidget(optAuto);

    chkNoResize = named<QCheckBox>("chkNoResize", QStringLiteral("No Resize"), this);
    picOpen = makeFindFileButton(QStringLiteral("picOpen"), this);
    lblOpen = captionLabel("lblOpen", QStringLiteral("Find File"), this);
    connect(picOpen, &QToolButton::clicked, this, &frmFrame::findFile);
    chkForwardSlash = makeForwardSlashBox(this);
    connectForwardSlashes(chkForwardSlash, {txtSrc});

    cmdInsertTag = named<QPushButton>("cmdInsertTag", QStringLiteral("Insert Tag"), this);
    // Enter inserts, as the dialog is meant for several insertions in a row.
    cmdInsertTag->setDefault(true);
    connect(cmdInsertTag, &QPushButton::clicked, this, &frmFrame::insertTag);
    cmdFinished = sideButton("cmdFinished", QStringLiteral("Finished"), this);
    connect(cmdFinished, &QPushButton::clicked, this, &QDialog::close);

    lblNote = captionLabel("lblNote", kNote, this);
    lblNote->setWordWrap(true);

    framesetWidgets_ = {lblRows, txtRows, lblCols, txtCols};
    frameWidgets_ = {lblSrc,    txtSrc,          lblName,         txtName,      lblMarginWidth,
                     txtMarginWidth, lblMarginHeight, txtMarginHeight, frmScrolling, chkNoResize,
                     picOpen,   lblOpen,         chkForwardSlash};
    chooseMode(nullptr, {});
    connect(cmdFrameSet, &QPushButton::clicked, this, [this] { chooseMode(cmdFrameSet, framesetWidgets_); });
    connect(cmdFrame, &QPushButton::clicked, this, [this] { chooseMode(cmdFrame, frameWidgets_); });
    connect(cmdNoFrames, &QPushButton::clicked, this, [this] { chooseMode(cmdNoFrames, {}); });

    QHBoxLayout* modes = sideBySide({cmdFrameSet, cmdFrame, cmdNoFrames});
    modes->addStretch();

    auto* grid = new QGridLayout;
    int row = addFieldRows(*grid, 0,
                           {{lblRows, txtRows},
                            {lblCols, txtCols},
                            {lblSrc, txtSrc},
                            {lblName, txtName},
                            {lblMarginWidth, txtMarginWidth},
                            {lblMarginHeight, txtMarginHeight}});
    grid->addLayout(sideBySide({picOpen, lblOpen}), 2, 2);
    grid->addWidget(frmScrolling, row++, 1);
    grid->addWidget(chkNoResize, row++, 1);
    grid->addWidget(chkForwardSlash, row, 1);
    grid->setColumnMinimumWidth(1, 240);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addWidget(lblWhatOpt);
    layout->addLayout(grid);
    layout->addWidget(lblNote);
    layout->addLayout(buttonRow({cmdInsertTag, cmdFinished}));
}

void frmFrame::chooseMode(QPushButton* button, const QList<QWidget*>& shown)
{
    if (button)
        lblWhatOpt->setText(button->text());
    for (QWidget* widget : framesetWidgets_ + frameWidgets_)
        widget->setVisible(shown.contains(widget));
}

FramesetFields frmFrame::framesetFields() const
{
    return {txtRows->text(), txtCols->text()};
}

FrameFields frmFrame::frameFields() const
{
    FrameFields fields{txtSrc->text(), txtName->text(), txtMarginWidth->text(), txtMarginHeight->text()};
    if (optYes->isChecked())
        fields.scrolling = FrameScrolling::Yes;
    else if (optNo->isChecked())
        fields.scrolling = FrameScrolling::No;
    else if (optAuto->isChecked())
        fields.scrolling = FrameScrolling::Auto;
    fields.noResize = chkNoResize->isChecked();
    return fields;
}

void frmFrame::insertTag()
{
    const QString mode = lblWhatOpt->text();
    const QString lineBreak = QString::fromLatin1(host_.activeLineBreak());
    if (mode == cmdFrameSet->text()) {
        const TagPair tag = framesetText(framesetFields(), lineBreak);
        host_.InsertText(tag.opening, tag.closing);
        txtRows->clear();
        txtCols->clear();
    } else if (mode == cmdFrame->text()) {
        const TagPair tag = frameText(frameFields(), lineBreak);
        host_.InsertText(tag.opening, tag.closing);
        for (QLineEdit* box : {txtSrc, txtName, txtMarginWidth, txtMarginHeight})
            box->clear();
        optAuto->setChecked(true);
        chkNoResize->setChecked(false);
    } else if (mode == cmdNoFrames->text()) {
        const TagPair tag = noFramesText(lineBreak);
        host_.InsertText(tag.opening, tag.closing);
    }
}

void frmFrame::findFile()
{
    FindFileOptions options;
    options.filter = kFilterHtmlText;
    findFileByDialog(host_, this, txtSrc, chkForwardSlash, options);
}
