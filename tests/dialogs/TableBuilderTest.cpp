// The table builder: the table text, cell markup, test page and import scan as functions; the
// count rule; the window with its cell editor, Find Image, Preview in the browser, Import, OK
// and Cancel, driven by control names.

#include "DialogTestSupport.h"
#include "../preview/PreviewTestSupport.h"

#include "dialogs/TableFields.h"
#include "dialogs/frmGridInput.h"
#include "dialogs/frmTable.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

TEST(TableText, BuildsHeadCaptionAndRowsFromTheConfirmedCells)
{
    TableCellStore cells;
    cells.resize(2, 2);
    cells.set(0, 0, QStringLiteral("<TD>a</TD>"));
    cells.set(0, 1, QStringLiteral("<TD>b</TD>"));
    cells.set(1, 0, QStringLiteral("<TD>c</TD>"));
    const struct {
        const char* what;
        TableFields fields;
        const char* text;
    } cases[] = {
        {"the worked example", {2, 2, "", "1"}, "<TABLE BORDER=1>\r\n<TR><TD>a</TD><TD>b</TD></TR>\r\n<TR><TD>c</TD></TR>\r\n"},
        {"every attribute, in its order, caption at the bottom", {1, 1, "90", "2", "3", "4", "Prices", true},
         "<TABLE CELLPADDING=4 CELLSPACING=3 BORDER=2 WIDTH=90>\r\n<CAPTION ALIGN=BOTTOM>Prices</CAPTION>\r\n"
         "<TR><TD>a</TD></TR>\r\n"},
        {"a caption on top", {0, 2, "", "", "", "", "C"}, "<TABLE>\r\n<CAPTION>C</CAPTION>\r\n"},
        {"rows never edited are empty", {3, 1}, "<TABLE>\r\n<TR><TD>a</TD></TR>\r\n<TR><TD>c</TD></TR>\r\n<TR></TR>\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(tableText(c.fields, cells, kCrLf), QString::fromUtf8(c.text));
    }
    // A count change keeps the entries that still fit.
    cells.resize(1, 5);
    EXPECT_EQ(cells.at(0, 1), QStringLiteral("<TD>b</TD>"));
    EXPECT_EQ(cells.at(1, 0), QStringLiteral("<TD>c</TD>")); // one more row than the box says
    cells.resize(0, 5);
    EXPECT_EQ(cells.at(1, 0), QString());
    EXPECT_EQ(tableTestPage(QStringLiteral("<TABLE>\n")),
              QStringLiteral("<HTML><HEAD><TITLE>Table Test</TITLE><BODY><CENTER><TABLE>\n</TABLE></CENTER></BODY></HTML>"));
}

TEST(CellMarkup, WritesTheTagItsFieldsAskFor)
{
    const struct {
        CellFields fields;
        const char* markup;
    } cases[] = {
        {{"Price", false, false, "2", "", "CENTER"}, "<TD NOWRAP COLSPAN=2 ALIGN=CENTER>Price</TD>"},
        {{"text", true, false}, "<TH NOWRAP>text</TH>"},
        {{"x", false, true, "0", "3", "LEFT", "BASELINE"}, "<TD COLSPAN=0 ROWSPAN=3 ALIGN=LEFT VALIGN=BASELINE>x</TD>"},
        {{"", false, true}, "<TD></TD>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellMarkup(c.fields), QString::fromUtf8(c.markup));
}

TEST(TableCount, CorrectsWhatTheGridCannotTake)
{
    const struct {
        const char* box;
        int value; // -1: not a number
        bool corrected;
    } cases[] = {{"2", 2, false}, {" 7 ", 7, false}, {"0", 1, true},   {"-3", 1, true},
                 {"5000", kMaxTableCount, true}, {"99999999999999", kMaxTableCount, true},
                 {"abc", -1, false}, {"", -1, false}, {"3x", -1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        const std::optional<TableCount> count = tableCount(QString::fromUtf8(c.box));
        ASSERT_EQ(count.has_value(), c.value >= 0);
        if (count) {
            EXPECT_EQ(count->value, c.value);
            EXPECT_EQ(count->corrected, c.corrected);
        }
    }
}

TEST(TableTestPagePath, CutsTheFileNameAtItsLastDotInTheDocumentsFolder)
{
    const struct {
        const char* document;
        const char* page;
    } cases[] = {{"/web/index.htm", "/web/indextabletest.html"},
                 {"/my site.v2/page.old.html", "/my site.v2/page.oldtabletest.html"},
                 {"/site.d/README", "/site.d/READMEtabletest.html"},
                 {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(tableTestPagePath(QString::fromUtf8(c.document)), QString::fromUtf8(c.page));
}

// Each imported cell as "row,column=text", sorted.
QStringList cellTexts(const TableImport& found)
{
    QStringList texts;
    for (const ImportedCell& cell : found.cells)
        texts << QStringLiteral("%1,%2=%3").arg(cell.row).arg(cell.column).arg(cell.text);
    texts.sort();
    return texts;
}

TEST(TableImportScan, ReadsTheSelectedTableWithinItsLimits)
{
    const struct {
        const char* what;
        const char* selected;
        ImportGrid grid;
        const char* columnsBox;
        int rows, columns;
        QStringList cells;
        const char* padding; // "-": not set
        const char* border;
        const char* spacing;
    } cases[] = {
        {"a table in lower case, numbers cut to one character",
         "<table border=1 cellpadding=10>\n<tr><td>a</td><td>Bb</td></tr>\n<tr><td>c</td><td></td></tr>\n</table>",
         {2, 2}, "2", 2, 2, {"0,0=a", "0,1=Bb", "1,0=c", "1,1="}, "1", "1", "-"},
        {"a first row of header cells only", "<TABLE><TR><TH>h</TH></TR><TR><TD>x</TD></TR></TABLE>", {2, 2},
         "", 2, 2, {"1,0=x"}, "-", "-", "-"},
        {"a tag with no \">\" ends the scan", "<TABLE><TR><TD>a</TD></TR><TR><TD CELLSPACING=9", {2, 2}, "1", 1, 1,
         {"0,0=a"}, "-", "-", "-"},
        {"no TABLE tag: from the current cell, text to the end", "<TD>x", {3, 3, 1, 0}, "1", 2, 1, {"1,0=x"},
         "-", "-", "-"},
        // Each "<" starts a tag running to the next ">", so "<B <TD>" holds two tags with TD.
        {"a \"<\" inside a tag starts one of its own", "<TD <B>y<B <TD>z", {2, 2}, "3", 1, 3,
         {"0,0=y", "0,1=z", "0,2=z"},
         "-", "-", "-"},
        {"a value at the tag's end is empty", "<TABLE CELLSPACING=>", {2, 2}, "", 0, 1, {}, "-", "-", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TableImport found = scanTableImport(QString::fromUtf8(c.selected), c.grid);
        EXPECT_EQ(found.columnsBox, QString::fromUtf8(c.columnsBox));
        EXPECT_EQ(found.rows, c.rows);
        EXPECT_EQ(found.columns, c.columns);
        EXPECT_EQ(cellTexts(found), c.cells);
        const auto box = [](const std::optional<QString>& v) { return v ? *v : QStringLiteral("-"); };
        EXPECT_EQ(box(found.cellPadding), QString::fromUtf8(c.padding));
        EXPECT_EQ(box(found.borderWidth), QString::fromUtf8(c.border));
        EXPECT_EQ(box(found.cellSpacing), QString::fromUtf8(c.spacing));
    }
}

// ---- the window -----------------------------------------------------------------------------

class TableBuilderTest : public PreviewAppTest {
protected:
    frmTable* openTable()
    {
        trigger(QStringLiteral("mnuTable"));
        for (frmTable* table : window->findChildren<frmTable*>())
            if (table->isVisible())
                return table;
        return nullptr;
    }
    // Queues the cell editor's answer: fill it with fill, then press OK.
    void answerCellEditor(std::function<void(frmGridInput&)> fill)
    {
        prompter.answerModal([fill](QDialog& dialog) {
            auto& editor = dynamic_cast<frmGridInput&>(dialog);
            fill(editor);
            editor.cmdOK->click();
            return editor.result();
        });
    }
    void clickCell(frmTable* table, int row, int column)
    {
        const QRect cell = table->Grid1->visualRect(table->Grid1->model()->index(row, column));
        QTest::mouseClick(table->Grid1->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

TEST_F(TableBuilderTest, OpensWithTwoByTwoAndFollowsTheCountRule)
{
    start();
    frmTable* table = openTable();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->windowTitle(), QStringLiteral("Table"));
    // Nothing to insert into or to try the table beside.
    EXPECT_FALSE(table->cmdOk->isEnabled());
    EXPECT_FALSE(table->cmdPreview->isEnabled());
    EXPECT_EQ(table->Grid1->rowCount(), 2);
    EXPECT_EQ(table->Grid1->columnCount(), 2);
    EXPECT_EQ(table->txtWidth->count(), 101);
    EXPECT_EQ(table->txtWidth->itemText(100), QStringLiteral("990"));
    EXPECT_EQ(table->txtBorderWidth->itemText(36), QStringLiteral("36"));
    EXPECT_EQ(table->txtRows->itemText(99), QStringLiteral("100"));

    table->txtRows->setEditText(QStringLiteral("0"));
    EXPECT_EQ(table->txtRows->currentText(), QStringLiteral("1"));
    EXPECT_EQ(table->Grid1->rowCount(), 1);
    table->txtCols->setEditText(QStringLiteral("5"));
    table->txtCols->setEditText(QStringLiteral("five")); // ignored: the grid stays
    EXPECT_EQ(table->Grid1->columnCount(), 5);

    // The width bar sizes the current column only.
    table->Grid1->setCurrentCell(0, 3);
    table->hsbWidth->setValue(42);
    EXPECT_EQ(table->Grid1->columnWidth(3), 42);
    EXPECT_NE(table->Grid1->columnWidth(2), 42);

    // A document that was never saved has no place for the test page either.
    table->cmdCancel->click();
    trigger(QStringLiteral("mnuNew"));
    table = openTable();
    ASSERT_TRUE(table);
    EXPECT_FALSE(table->cmdOk->isEnabled());
    EXPECT_FALSE(table->cmdPreview->isEnabled());
}

TEST_F(TableBuilderTest, CellEditorFindImageAndOkInsertTheTable)
{
    start();
    const QString page = openSaved(QStringLiteral("site.v1/index.html"), "a Word b");
    editor()->setSelection(2, 4);
    const QString art = QFileInfo(page).path() + QStringLiteral("/art");
    QDir().mkpath(art);
    QFile(art + QStringLiteral("/Logo.gif")).open(QIODevice::WriteOnly);
    frmTable* table = openTable();
    ASSERT_TRUE(table && table->cmdOk->isEnabled());
    table->txtBorderWidth->setEditText(QStringLiteral("1"));

    answerCellEditor([](frmGridInput& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("Table Input"));
        EXPECT_TRUE(e.chkWrapText->isChecked());
        EXPECT_EQ(e.cboAlign->itemText(3), QString());
        EXPECT_EQ(e.cboColSpan->count(), 77);
        e.txtGridInput->setPlainText(QStringLiteral("Price"));
        e.chkHeader->setChecked(true);
        e.chkWrapText->setChecked(false);
        e.cboColSpan->setCurrentText(QStringLiteral("2"));
    });
    clickCell(table, 0, 0);
    EXPECT_EQ(table->Grid1->item(0, 0)->text(), QStringLiteral("Price"));

    // Find Image through the chooser: a relative reference in slash form, inside an image tag.
    answerCellEditor([this, art](frmGridInput& e) {
        answerImageChooser(prompter, art, QStringLiteral("Logo.gif"));
        e.picGetFile->click();
        EXPECT_EQ(e.txtGridInput->toPlainText(), QStringLiteral("<IMG SRC=art/Logo.gif>"));
    });
    clickCell(table, 1, 1);
    // Cancel leaves a cell as it was.
    prompter.answerModal([](QDialog&) { return int(QDialog::Rejected); });
    clickCell(table, 0, 1);

    const QPointer<QObject> gone(table);
    table->cmdOk->click();
    EXPECT_EQ(editor()->wholeText(),
              QStringLiteral("a <TABLE BORDER=1>\n<TR><TH NOWRAP COLSPAN=2>Price</TH></TR>\n"
                             "<TR><TD><IMG SRC=art/Logo.gif></TD></TR>\nWord</TABLE> b"));
    EXPECT_TRUE(isDeleted(gone));
}

TEST_F(TableBuilderTest, PreviewWritesTheTestPageBesideTheDocumentAndCancelRemovesIt)
{
    start();
    // Local Preview is on: the table goes to the browser all the same.
    const QString record = chooseStandInBrowser();
    const QString document = openSaved(QStringLiteral("my site.v2/page.old.html"), "x");
    const QString testPage = QFileInfo(document).path() + QStringLiteral("/page.oldtabletest.html");

    for (const bool byCloseBox : {true, false}) {
        SCOPED_TRACE(byCloseBox ? "close box" : "Cancel");
        frmTable* table = openTable();
        ASSERT_TRUE(table);
        table->txtCaption->setText(QStringLiteral("Café"));
        table->cmdPreview->click();
        EXPECT_EQ(browserArguments(record), QStringList{QUrl::fromLocalFile(testPage).toString(QUrl::FullyEncoded)});
        EXPECT_EQ(readFile(testPage),
                  "\xEF\xBB\xBF<HTML><HEAD><TITLE>Table Test</TITLE><BODY><CENTER><TABLE>\n<CAPTION>Caf\xC3\xA9"
                  "</CAPTION>\n<TR></TR>\n<TR></TR>\n</TABLE></CENTER></BODY></HTML>\n");
        if (byCloseBox)
            table->close();
        else
            table->cmdCancel->click();
        QApplication::processEvents();
        EXPECT_EQ(QFile::exists(testPage), byCloseBox);
    }

    // Left by the close box, then made into a page of the user's own: Cancel leaves it alone.
    frmTable* table = openTable();
    table->cmdPreview->click();
    table->close();
    {
        QFile own(testPage);
        ASSERT_TRUE(own.open(QIODevice::WriteOnly | QIODevice::Truncate));
        own.write("<P>my own page now</P>\n");
    }
    openTable()->cmdCancel->click();
    QApplication::processEvents();
    EXPECT_EQ(readFile(testPage), QByteArray("<P>my own page now</P>\n"));
}

TEST_F(TableBuilderTest, ImportFillsTheGridAndRemovesTheTableWhenAsked)
{
    start();
    const QString table1 = QStringLiteral("<TABLE CELLPADDING=10><TR><TD>a</TD><TD>b</TD></TR></TABLE>");
    openSaved(QStringLiteral("page.html"), "x" + table1.toUtf8() + "y");
    editor()->setSelection(1, int(table1.size()));
    frmTable* table = openTable();
    ASSERT_TRUE(table);
    for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::Yes})
        prompter.answerMessage(answer);
    table->cmdImport->click();
    expectMessage(prompter.requests.at(prompter.requests.size() - 2), kProgramTitle,
                  QStringLiteral("This feature is still under development and may not work properly.\r"
                                 "Do you want to continue?"),
                  PromptIcon::Question, PromptButtons::YesNo);
    EXPECT_EQ(prompter.last().text, QStringLiteral("Remove imported table from HTML document?\rIf you select No, you "
                                                   "must move your cursor to a clear location in the HTML document."));
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("xy"));
    EXPECT_EQ(table->txtCellPadding->currentText(), QStringLiteral("1"));
    EXPECT_EQ(table->txtCols->currentText(), QStringLiteral("2"));
    EXPECT_EQ(table->Grid1->item(0, 1)->text(), QStringLiteral("b"));

    // Only a cell confirmed in the editor reaches the table, starting from its imported text.
    answerCellEditor([](frmGridInput& e) { EXPECT_EQ(e.txtGridInput->toPlainText(), QStringLiteral("b")); });
    clickCell(table, 0, 1);
    table->cmdOk->click();
    // The Rows box was left at 2.
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("x<TABLE CELLPADDING=1>\n<TR><TD>b</TD></TR>\n<TR></TR>\n</TABLE>y"));

    // Nothing selected: nothing read, and the grid stays.
    editor()->setSelection(0, 0);
    table = openTable();
    prompter.answerMessage(PromptAnswer::Yes);
    prompter.answerMessage(PromptAnswer::Ok);
    table->cmdImport->click();
    EXPECT_EQ(prompter.last().icon, PromptIcon::Information);
    EXPECT_EQ(table->txtCols->currentText(), QStringLiteral("2"));
}

} // namespace
