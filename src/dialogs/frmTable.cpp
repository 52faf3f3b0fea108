#include "dialogs/frmTable.h"

#include "dialogs/DialogHost.h"
#include "dialogs/frmGridInput.h"
#include "document/DocumentEditor.h"
#include "platform/Prompter.h"
#include "platform/WholeFile.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// An empty entry first when asked, then from first to last in steps.
QStringList numberEntries(bool emptyFirst, int first, int last, int step = 1)
{
    QStringList entries;
    if (emptyFirst)
        entries << QString();
    for (int i = first; i <= last; i += step)
        entries << QString::number(i);
    return entries;
}

} // namespace

frmTable::frmTable(DialogHost& host, TableServices services)
    : ElementDialog(QStringLiteral("frmTable"), QStringLiteral("Table"), host), services_(std::move(services))
{
    lblFirst = captionLabel("lblFirst", QStringLiteral("Select Number of Rows and Columns FIRST!"), this);
    lblRows = captionLabel("lblRows", QStringLiteral("Rows:"), this);
    txtRows = choiceBox("txtRows", numberEntries(false, 1, 100), true, this);
    lblCols = captionLabel("lblCols", QStringLiteral("Columns:"), this);
    txtCols = choiceBox("txtCols", numberEntries(false, 1, 100), true, this);
    lblWidth = captionLabel("lblWidth", QStringLiteral("Table Width:"), this);
    txtWidth = choiceBox("txtWidth", numberEntries(true, 0, 990, 10), true, this);
    lblBorderWidth = captionLabel("lblBorderWidth", QStringLiteral("Border Width:"), this);
    txtBorderWidth = choiceBox("txtBorderWidth", numberEntries(true, 1, 36), true, this);
    lblCellSpacing = captionLabel("lblCellSpacing", QStringLiteral("Cell Spacing:"), this);
    txtCellSpacing = choiceBox("txtCellSpacing", numberEntries(true, 1, 36), true, this);
    lblCellPadding = captionLabel("lblCellPadding", QStringLiteral("Cell Padding:"), this);
    txtCellPadding = choiceBox("txtCellPadding", numberEntries(true, 1, 36), true, this);
    lblCaption = captionLabel("lblCaption", QStringLiteral("Caption:"), this);
    txtCaption = named<QLineEdit>("txtCaption", this);
    optTop = named<QRadioButton>("optTop", QStringLiteral("Top"), this);
    optBottom = named<QRadioButton>("optBottom", QStringLiteral("Bottom"), this);
    // Neither placement is chosen at first; the group keeps them exclusive.
    auto* placement = new QButtonGroup(this);
    placement->addButton(optTop);
    placement->addButton(optBottom);
    lblColumnWidth = captionLabel("lblColumnWidth", QStringLiteral("Column Width:"), this);
    hsbWidth = named<QScrollBar>("hsbWidth", Qt::Horizontal, this);
    lblGrid = captionLabel("lblGrid", QStringLiteral("Click on Table to Edit:"), this);
    Grid1 = named<QTableWidget>("Grid1", this);
    Grid1->horizontalHeader()->hide();
    Grid1->verticalHeader()->hide();
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setMinimumSize(320, 200);
    // Pixels, as the grid's column widths are.
    hsbWidth->setRange(10, 500);
    hsbWidth->setValue(Grid1->horizontalHeader()->defaultSectionSize());
    hsbWidth->setMinimumWidth(160);
    cmdImport = sideButton("cmdImport", QStringLiteral("&Import"), this);
    cmdPreview = sideButton("cmdPreview", QStringLiteral("&Preview"), this);
    cmdOk = named<QPushButton>("cmdOk", QStringLiteral("&OK"), this);
    cmdOk->setDefault(true);
    cmdCancel = sideButton("cmdCancel", QStringLiteral("&Cancel"), this);

    auto* fieldsGrid = new QGridLayout;
    int row = addFieldRows(*fieldsGrid, 0,
                           {{lblRows, txtRows},
                            {lblCols, txtCols},
                            {lblWidth, txtWidth},
                            {lblBorderWidth, txtBorderWidth},
                            {lblCellSpacing, txtCellSpacing},
                            {lblCellPadding, txtCellPadding},
                            {lblCaption, txtCaption}});
    fieldsGrid->addLayout(sideBySide({optTop, optBottom}), row++, 1);
    fieldsGrid->setRowStretch(row, 1);
    auto* gridSide = new QVBoxLayout;
    gridSide->addLayout(sideBySide({lblColumnWidth, hsbWidth}));
    gridSide->addWidget(lblGrid);
    gridSide->addWidget(Grid1, 1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblFirst, 0, 0, 1, 2);
    layout->addLayout(fieldsGrid, 1, 0);
    layout->addLayout(gridSide, 1, 1);
    layout->setColumnStretch(1, 1);
    layout->addLayout(buttonRow({cmdImport, cmdPreview, cmdOk, cmdCancel}), 2, 0, 1, 2);

    for (QComboBox* box : {txtRows, txtCols})
        connect(box, &QComboBox::editTextChanged, this, [this, box] { countChanged(box); });
    txtRows->installEventFilter(this);
    txtRows->lineEdit()->installEventFilter(this);
    connect(hsbWidth, &QScrollBar::valueChanged, this,
            [this](int width) { Grid1->setColumnWidth(std::max(Grid1->currentColumn(), 0), width); });
    connect(Grid1, &QTableWidget::currentCellChanged, this, [this](int, int column) {
        const QSignalBlocker quiet(hsbWidth);
        hsbWidth->setValue(Grid1->columnWidth(column));
    });
    connect(Grid1, &QTableWidget::cellClicked, this, &frmTable::editCell);
    connect(cmdImport, &QPushButton::clicked, this, &frmTable::importTable);
    connect(cmdPreview, &QPushButton::clicked, this, &frmTable::preview);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTable::reject);
    connect(this, &QDialog::accepted, this, &frmTable::insert);

    txtRows->setEditText(QStringLiteral("2"));
    txtCols->setEditText(QStringLiteral("2"));
    // A table needs a saved document to be tried out beside and inserted into.
    const std::optional<QString> document = host.activeDocumentPath();
    const bool saved = document && !document->isEmpty();
    cmdPreview->setEnabled(saved);
    cmdOk->setEnabled(saved);
}

TableFields frmTable::fields() const
{
    return {tableTextCount(txtRows->currentText()), tableTextCount(txtCols->currentText()), txtWidth->currentText(),
            txtBorderWidth->currentText(), txtCellSpacing->currentText(), txtCellPadding->currentText(),
            txtCaption->text(), optBottom->isChecked()};
}

void frmTable::countChanged(QComboBox* box)
{
    const std::optional<TableCount> count = tableCount(box->currentText());
    if (!count)
        return; // not a number: the grid stays as it is
    if (count->corrected) {
        box->setEditText(QString::number(count->value)); // which comes back here
        return;
    }
    if (box == txtRows)
        Grid1->setRowCount(count->value);
    else
        Grid1->setColumnCount(count->value);
    if (tableCount(txtRows->currentText()) && tableCount(txtCols->currentText()))
        TableCells.resize(tableTextCount(txtRows->currentText()), tableTextCount(txtCols->currentText()));
}

bool frmTable::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the Rows box sizes the grid again, with the same correction.
    if (event->type() == QEvent::FocusOut && (watched == txtRows || watched == txtRows->lineEdit())) {
        if (const std::optional<TableCount> count = tableCount(txtRows->currentText())) {
            Grid1->setRowCount(count->value);
            if (count->corrected)
                txtRows->setEditText(QString::number(count->value));
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

void frmTable::setCellText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = Grid1->item(row, column))
        item->setText(text);
    else
        Grid1->setItem(row, column, new QTableWidgetItem(text));
}

void frmTable::editCell(int row, int column)
{
    const QTableWidgetItem* item = Grid1->item(row, column);
    frmGridInput editor(host_, item ? item->text() : QString(), this);
    if (host_.prompter().modal(editor) != QDialog::Accepted)
        return;
    const CellFields cell = editor.fields();
    TableCells.set(row, column, cellMarkup(cell));
    setCellText(row, column, cell.text);
}

void frmTable::insert()
{
    host_.InsertText(tableText(fields(), TableCells, QString::fromUtf8(host_.activeLineBreak())),
                     QStringLiteral("</TABLE>"));
    removePreview();
}

void frmTable::reject()
{
    // Cancel and Esc remove the test page; the close box leaves it.
    if (!closedByBox_)
        removePreview();
    ElementDialog::reject();
}

void frmTable::closeEvent(QCloseEvent* event)
{
    closedByBox_ = true;
    ElementDialog::closeEvent(event);
    closedByBox_ = false;
}

void frmTable::removePreview()
{
    TableServices::PreviewPage& page = *services_.previewPage;
    // Only the page as it was written: made into a page of the user's own since (opened,
    // edited and saved under that name), it is theirs. A page already gone is fine.
    if (!page.path.isEmpty() && diskChange(page.written, diskStampOf(page.path)) == DiskChange::None)
        QFile::remove(page.path);
    // Forgotten once removed, so that a later file of that name is never touched.
    page = {};
}

void frmTable::preview()
{
    const QString path = tableTestPagePath(host_.activeDocumentPath().value_or(QString()));
    if (path.isEmpty()) {
        host_.prompter().message(this, {kProgramTitle,
                                        QStringLiteral("Please save the document first: the table test page is written "
                                                       "beside it."),
                                        PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    const QString lineBreak = QString::fromUtf8(host_.activeLineBreak());
    QByteArray page = (tableTestPage(tableText(fields(), TableCells, lineBreak)) + lineBreak).toUtf8();
    // The page names no character set: a byte order mark tells the browser it is UTF-8.
    if (std::any_of(page.cbegin(), page.cend(), [](char c) { return uchar(c) >= 0x80; }))
        page.prepend("\xEF\xBB\xBF");
    if (const QString reason = writeWholeFile(path, page); !reason.isEmpty()) {
        host_.prompter().message(this, {kProgramTitle,
                                        QStringLiteral("The table test page could not be written:\r") + path
                                            + QLatin1Char('\r') + reason,
                                        PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    *services_.previewPage = {path, diskStampOf(path)};
    services_.browserPreview(path);
    QCoreApplication::processEvents();
}

void frmTable::importTable()
{
    Prompter& prompter = host_.prompter();
    if (prompter.message(this, {kProgramTitle,
                                QStringLiteral("This feature is still under development and may not work properly.\r"
                                               "Do you want to continue?"),
                                PromptIcon::Question, PromptButtons::YesNo})
        != PromptAnswer::Yes)
        return;
    const QPointer<DocumentEditor> editor = host_.activeEditor();
    const QString selected = editor ? editor->selText() : QString();
    if (selected.isEmpty()) {
        // Reading nothing would only empty the Columns box and drop a row of the grid.
        prompter.message(this, {kProgramTitle, QStringLiteral("Select the table in the document first, then press Import."),
                                PromptIcon::Information, PromptButtons::Ok});
        return;
    }
    // A grid that nobody has clicked yet has its first cell current.
    applyImport(scanTableImport(selected, {Grid1->rowCount(), Grid1->columnCount(), std::max(Grid1->currentRow(), 0),
                                           std::max(Grid1->currentColumn(), 0)}));
    if (prompter.message(this, {kProgramTitle,
                                QStringLiteral("Remove imported table from HTML document?\r"
                                               "If you select No, you must move your cursor to a clear location in "
                                               "the HTML document."),
                                PromptIcon::Question, PromptButtons::YesNo})
            == PromptAnswer::Yes
        && editor)
        editor->replaceSelection(QString());
}

void frmTable::applyImport(const TableImport& found)
{
    if (found.gridReset) {
        Grid1->setRowCount(std::min(Grid1->rowCount(), 1));
        Grid1->setColumnCount(std::min(Grid1->columnCount(), 1));
    }
    if (found.cellPadding)
        txtCellPadding->setEditText(*found.cellPadding);
    if (found.borderWidth)
        txtBorderWidth->setEditText(*found.borderWidth);
    if (found.cellSpacing)
        txtCellSpacing->setEditText(*found.cellSpacing);
    txtCols->setEditText(found.columnsBox);
    Grid1->setColumnCount(found.columns);
    Grid1->setRowCount(found.rows);
    // The grid shows the imported texts; a cell's markup comes only from the cell editor.
    TableCells.clear();
    for (const ImportedCell& cell : found.cells)
        setCellText(cell.row, cell.column, cell.text);
}
