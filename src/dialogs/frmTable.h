#pragma once
// The table builder: a grid laid out by its Rows and Columns boxes, each cell edited in the
// cell editor, the table previewed on a test page in the browser, read back from a selected
// table, and inserted around the selection.

#include "dialogs/ElementDialog.h"
#include "dialogs/TableFields.h"
#include "document/DiskStamp.h"

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableWidget;

// What the table window needs beyond its host.
struct TableServices {
    // The browser routine of Reload: saves the active document, then shows the page at a path.
    std::function<void(const QString&)> browserPreview;
    // TablePreviewPath: the last test page written, kept from one opening to the next so that
    // OK or Cancel can remove it, with what it looked like on disk then.
    struct PreviewPage {
        QString path;
        DiskStamp written;
    };
    std::shared_ptr<PreviewPage> previewPage;
};

class frmTable : public ElementDialog {
    Q_OBJECT
public:
    frmTable(DialogHost& host, TableServices services);

    TableFields fields() const;
    // The cell editor for a grid cell, as a click on it opens it.
    void editCell(int row, int column);

    // The markup of the confirmed cells.
    TableCellStore TableCells;

    QLabel* lblFirst;
    QLabel* lblRows;
    QComboBox* txtRows;
    QLabel* lblCols;
    QComboBox* txtCols;
    QLabel* lblWidth;
    QComboBox* txtWidth;
    QLabel* lblBorderWidth;
    QComboBox* txtBorderWidth;
    QLabel* lblCellSpacing;
    QComboBox* txtCellSpacing;
    QLabel* lblCellPadding;
    QComboBox* txtCellPadding;
    QLabel* lblCaption;
    QLineEdit* txtCaption;
    QRadioButton* optTop;
    QRadioButton* optBottom;
    QLabel* lblColumnWidth;
    QScrollBar* hsbWidth;
    QLabel* lblGrid;
    QTableWidget* Grid1;
    QPushButton* cmdImport;
    QPushButton* cmdPreview;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void countChanged(QComboBox* box);
    void setCellText(int row, int column, const QString& text);
    void insert();
    void preview();
    void importTable();
    void applyImport(const TableImport& found);
    void removePreview();

    TableServices services_;
    bool closedByBox_ = false;
};
