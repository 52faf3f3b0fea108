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

namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* result = named<QLabel>(name, text, parent);
    result->setTextFormat(Qt::PlainText);
    return result;
}

} // namespace

frmFrame::frmFrame(DialogHost& host) : ElementDialog(QStringLiteral("frmFrame"), QStringLiteral("Frame"), host)
{
    lblWhatOpt = label("lblWhatOpt", kNoMode, this);
    cmdFrameSet = named<QPushButton>("cmdFrameSet", QStringLiteral("FrameSet"), this);
    cmdFrame = named<QPushButton>("cmdFrame", QStringLiteral("Frame"), this);
    cmdNoFrames = named<QPushButton>("cmdNoFrames", QStringLiteral("NoFrames"), this);
    for (QPushButton* button : {cmdFrameSet, cmdFrame, cmdNoFrames})
        button->setAutoDefault(false);

    lblRows = label("lblRows", QStringLiteral("Rows:"), this);
    txtRows = named<QLineEdit>("txtRows", this);
    lblCols = label("lblCols", QStringLiteral("Cols:"), this);
    txtCols = named<QLineEdit>("txtCols", this);
    lblSrc = label("lblSrc", QStringLiteral("Src:"), this);
    txtSrc = named<QLineEdit>("txtSrc", this);
    lblName = label("lblName", QStringLiteral("Name:"), this);
    txtName = named<QLineEdit>("txtName", this);
    lblMarginWidth = label("lblMarginWidth", QStringLiteral("Margin Width:"), this);
    txtMarginWidth = named<QLineEdit>("txtMarginWidth", this);
    lblMarginHeight = label("lblMarginHeight", QStringLiteral("Margin Height:"), this);
    txtMarginHeight = named<QLineEdit>("txtMarginHeight", this);
    lblRows->setBuddy(txtRows);
    lblCols->setBuddy(txtCols);
    lblSrc->setBuddy(txtSrc);
    lblName->setBuddy(txtName);
    lblMarginWidth->setBuddy(txtMarginWidth);
    lblMarginHeight->setBuddy(txtMarginHeight);

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
    lblOpen = label("lblOpen", QStringLiteral("Find File"), this);
    connect(picOpen, &QToolButton::clicked, this, &frmFrame::findFile);
    chkForwardSlash = named<QCheckBox>("chkForwardSlash", QStringLiteral("Forward Slashes"), this);
    chkForwardSlash->setChecked(true);
    connectForwardSlashes(chkForwardSlash, {txtSrc});

    cmdInsertTag = named<QPushButton>("cmdInsertTag", QStringLiteral("Insert Tag"), this);
    // Enter inserts, as the dialog is meant for several insertions in a row.
    cmdInsertTag->setDefault(true);
    connect(cmdInsertTag, &QPushButton::clicked, this, &frmFrame::insertTag);
    cmdFinished = named<QPushButton>("cmdFinished", QStringLiteral("Finished"), this);
    cmdFinished->setAutoDefault(false);
    connect(cmdFinished, &QPushButton::clicked, this, &QDialog::close);

    lblNote = label("lblNote", kNote, this);
    lblNote->setWordWrap(true);

    framesetWidgets_ = {lblRows, txtRows, lblCols, txtCols};
    frameWidgets_ = {lblSrc,    txtSrc,          lblName,         txtName,      lblMarginWidth,
                     txtMarginWidth, lblMarginHeight, txtMarginHeight, frmScrolling, chkNoResize,
                     picOpen,   lblOpen,         chkForwardSlash};
    chooseMode(nullptr, {});
    connect(cmdFrameSet, &QPushButton::clicked, this, [this] { chooseMode(cmdFrameSet, framesetWidgets_); });
    connect(cmdFrame, &QPushButton::clicked, this, [this] { chooseMode(cmdFrame, frameWidgets_); });
    connect(cmdNoFrames, &QPushButton::clicked, this, [this] { chooseMode(cmdNoFrames, {}); });

    auto* modes = new QHBoxLayout;
    modes->addWidget(cmdFrameSet);
    modes->addWidget(cmdFrame);
    modes->addWidget(cmdNoFrames);
    modes->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(lblRows, 0, 0);
    grid->addWidget(txtRows, 0, 1);
    grid->addWidget(lblCols, 1, 0);
    grid->addWidget(txtCols, 1, 1);
    grid->addWidget(lblSrc, 2, 0);
    grid->addWidget(txtSrc, 2, 1);
    auto* findFileRow = new QHBoxLayout;
    findFileRow->addWidget(picOpen);
    findFileRow->addWidget(lblOpen);
    grid->addLayout(findFileRow, 2, 2);
    grid->addWidget(lblName, 3, 0);
    grid->addWidget(txtName, 3, 1);
    grid->addWidget(lblMarginWidth, 4, 0);
    grid->addWidget(txtMarginWidth, 4, 1);
    grid->addWidget(lblMarginHeight, 5, 0);
    grid->addWidget(txtMarginHeight, 5, 1);
    grid->addWidget(frmScrolling, 6, 1);
    grid->addWidget(chkNoResize, 7, 1);
    grid->addWidget(chkForwardSlash, 8, 1);
    grid->setColumnMinimumWidth(1, 240);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdInsertTag);
    buttons->addWidget(cmdFinished);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addWidget(lblWhatOpt);
    layout->addLayout(grid);
    layout->addWidget(lblNote);
    layout->addLayout(buttons);
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
