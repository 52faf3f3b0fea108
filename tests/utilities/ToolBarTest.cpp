// The floating tool bar: where and when it shows, the list buttons' texts in the document's
// line break, and the user buttons defined in their dialog and kept between runs.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"
#include "utilities/frmToolBar.h"
#include "utilities/frmUserTools.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kApp = QStringLiteral("The Corvane Scrivant");
const QString kWindow = QStringLiteral("Window Options");
const QString kUserTools = QStringLiteral("User Tools");

class ToolBarTest : public AppTest {
protected:
    frmToolBar* bar() const
    {
        for (frmToolBar* b : window->findChildren<frmToolBar*>())
            if (b->isVisible())
                return b;
        return nullptr;
    }
    QString stored(const QString& section, const QString& key) const { return store->read(kApp, section, key); }
};

TEST_F(ToolBarTest, opensBesideTheMainWindowOrWhereItWasStoredInTwips)
{
    const struct {
        const char* left;
        const char* top;
        bool stored;
    } cases[] = {{nullptr, nullptr, false}, {"1500", "3000", true}, {"abc", "", false}, {"-999999", "-999999", false}};
    for (const auto& c : cases) {
        if (c.left) {
            store->write(kApp, kWindow, QStringLiteral("ToolFormLeft"), QLatin1String(c.left));
            store->write(kApp, kWindow, QStringLiteral("ToolFormTop"), QLatin1String(c.top));
        }
        start();
        ASSERT_TRUE(bar()) << "shown at start while its option is checked";
        const QPoint expected = c.stored ? QPoint(QString::fromLatin1(c.left).toInt() / 15, QString::fromLatin1(c.top).toInt() / 15)
                                         : window->pos() + QPoint(0, 1200 / 15);
        EXPECT_EQ(bar()->pos(), expected) << (c.left ? c.left : "nothing stored");
        bar()->move(100, 50);
        stop();
        EXPECT_EQ(stored(kWindow, QStringLiteral("ToolFormLeft")), QStringLiteral("1500"));
        EXPECT_EQ(stored(kWindow, QStringLiteral("ToolFormTop")), QStringLiteral("750"));
    }
}

TEST_F(ToolBarTest, itsCloseBoxKeepsTheCheckMarkForTheNextCommandToClear)
{
    store->write(kApp, kWindow, QStringLiteral("TheToolBar"), QStringLiteral("False"));
    start();
    EXPECT_EQ(bar(), nullptr);
    trigger(QStringLiteral("mnuToolBar"));
    ASSERT_TRUE(bar());
    EXPECT_EQ(bar()->windowTitle(), QStringLiteral("Tool Bar"));
    bar()->close();
    QApplication::processEvents();
    EXPECT_EQ(bar(), nullptr);
    EXPECT_TRUE(action(QStringLiteral("mnuToolBar"))->isChecked());
    trigger(QStringLiteral("mnuToolBar"));
    EXPECT_FALSE(action(QStringLiteral("mnuToolBar"))->isChecked());
    EXPECT_EQ(bar(), nullptr);
    trigger(QStringLiteral("mnuToolBar"));
    EXPECT_TRUE(bar());
    trigger(QStringLiteral("mnuToolBar"));
    EXPECT_EQ(bar(), nullptr);
}

TEST_F(ToolBarTest, listButtonsWrapTheSelectionInTheDocumentsLineBreak)
{
    const struct {
        const char* button;
        const char* result; // "|" stands for the line break
    } cases[] = {
        {"cmdUnordered", "<UL>|<LI>item|</UL>"}, {"cmdOrdered", "<OL>|<LI>item|</OL>"},
        {"cmdDefinitionList", "<DL>|<DT>item|</DL>"}, {"cmdMenu", "<MENU>item</MENU>"},
        {"cmdLI", "<LI>item"}, {"cmdDD", "<DD>item"}, {"cmdDT", "<DT>item"},
    };
    start();
    trigger(QStringLiteral("mnuNew"));
    ASSERT_TRUE(bar());
    for (const char* lineBreak : {"\n", "\r\n"}) {
        window->activeDocument()->setLineBreak(lineBreak);
        for (const auto& c : cases) {
            editor()->setWholeText(QStringLiteral("item"));
            editor()->setSelection(0, 4);
            bar()->findChild<QPushButton*>(QLatin1String(c.button))->click();
            EXPECT_EQ(editor()->wholeText(), QString::fromLatin1(c.result).replace(QLatin1Char('|'), QLatin1String(lineBreak)))
                << c.button;
        }
    }
}

TEST_F(ToolBarTest, userButtonsAreDefinedInTheirDialogShownAtOnceAndKept)
{
    start();
    trigger(QStringLiteral("mnuNew"));
    ASSERT_TRUE(bar());
    // Cancel changes nothing.
    prompter.answerModal([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("Text1_0"))->setText(QStringLiteral("lost"));
        return int(QDialog::Rejected);
    });
    bar()->cmdDefine->click();
    EXPECT_EQ(bar()->cmdUser[0]->text(), QString());
    prompter.answerModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("User Buttons"));
        const auto set = [&d](const char* name, const char* text) {
            d.findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
        };
        set("Text1_0", "Rule");
        set("Text2_0", "<HR>");
        set("Text1_9", "Bold");
        set("Text2_9", "<B>");
        set("Text3_9", "</B>");
        d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return d.result();
    });
    bar()->cmdDefine->click();
    EXPECT_EQ(prompter.last().dialogName, QStringLiteral("frmUserTools"));
    EXPECT_EQ(bar()->cmdUser[0]->text(), QStringLiteral("Rule"));
    EXPECT_EQ(bar()->cmdUser[9]->text(), QStringLiteral("Bold"));

    editor()->setWholeText(QStringLiteral("ab"));
    editor()->setSelection(1, 0);
    bar()->cmdUser[0]->click();
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("a<HR>b"));
    editor()->setSelection(0, 1);
    bar()->cmdUser[9]->click();
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("<B>a</B><HR>b"));

    discardChanges();
    restart();
    EXPECT_EQ(stored(kUserTools, QStringLiteral("myButton(0)")), QStringLiteral("Rule"));
    EXPECT_EQ(stored(kUserTools, QStringLiteral("myCmd(0)")), QStringLiteral("<HR>"));
    EXPECT_EQ(stored(kUserTools, QStringLiteral("myCmdTwo(9)")), QStringLiteral("</B>"));
    ASSERT_TRUE(bar());
    EXPECT_EQ(bar()->cmdUser[9]->text(), QStringLiteral("Bold"));
}

} // namespace
