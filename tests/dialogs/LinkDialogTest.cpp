// The link dialog: the anchor tag built from its fields, its controls, and driving it by
// control names in the main window (insertion with tag colours, OK, Enter, Cancel, Esc, the
// document active at OK, Find File and Forward Slashes).

#include "DialogTestSupport.h"

#include "dialogs/ElementDialog.h"
#include "dialogs/LinkFields.h"
#include "dialogs/frmLinks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QScreen>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <vector>

namespace {

struct LinkCase {
    const char* protocol;
    const char* url;
    const char* anchor;
    const char* target;
    const char* opening;
};

const LinkCase kExamples[] = {
    {"", "page.htm", "", "", R"(<A HREF="page.htm">)"},
    {"", "page.htm", "top", "", R"(<A HREF="page.htm#top">)"},
    {"", "", "top", "", R"(<A HREF="#top">)"},
    {"", "page.htm", "", "main", R"(<A HREF="page.htm" TARGET="main">)"},
    {"ftp://", "files/a.zip", "", "", R"(<A HREF="ftp://files/a.zip">)"},
    {"", "", "", "", R"(<A HREF="">)"},
};

const LinkCase kEdgeCases[] = {
    // A scheme typed into the address as well is kept twice.
    {"http://", "http://example.com", "", "", R"(<A HREF="http://http://example.com">)"},
    {"mailto:", "me@example.org", "sec", "main", R"(<A HREF="mailto:me@example.org#sec" TARGET="main">)"},
    {"", "", "", "_top", R"(<A HREF="" TARGET="_top">)"},
    // A protocol that is not in the list.
    {"javascript:", "go()", "", "", R"x(<A HREF="javascript:go()">)x"},
    // Nothing is trimmed, escaped or checked.
    {" ", " page.htm ", " a ", " b ", R"(<A HREF="  page.htm # a " TARGET=" b ">)"},
    {"", R"(my "page".htm)", "a&b #c", "big frame", R"(<A HREF="my "page".htm#a&b #c" TARGET="big frame">)"},
    {"", "Été/Ünïcode page.htm", "Ça", "Fenêtre", R"(<A HREF="Été/Ünïcode page.htm#Ça" TARGET="Fenêtre">)"},
    {"", "a.htm", "", "<x>", R"(<A HREF="a.htm" TARGET="<x>">)"},
};

std::vector<LinkCase> everyCase()
{
    std::vector<LinkCase> all(std::begin(kExamples), std::end(kExamples));
    all.insert(all.end(), std::begin(kEdgeCases), std::end(kEdgeCases));
    return all;
}

LinkFields fieldsOf(const LinkCase& c)
{
    return {QString::fromUtf8(c.protocol), QString::fromUtf8(c.url), QString::fromUtf8(c.anchor),
            QString::fromUtf8(c.target)};
}

TEST(LinkTextTest, OpeningTextOfEveryExampleAndEdgeCase)
{
    for (const LinkCase& c : everyCase()) {
        SCOPED_TRACE(c.opening);
        EXPECT_EQ(linkOpeningText(fieldsOf(c)), QString::fromUtf8(c.opening));
    }
    EXPECT_EQ(linkClosingText(), QStringLiteral("</A>"));
}

// --- the dialog in the main window ------------------------------------------------------------

const QString kTagColour = QStringLiteral("16711680"); // blue as 0x00BBGGRR
const QString kTextColour = QStringLiteral("32768");   // dark green
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);

class LinkDialogTest : public DialogAppTest {
protected:
    void SetUp() override
    {
        start();
        window->preferences().tagColor = kTagColour;
        window->preferences().textColor = kTextColour;
    }

    QDialog* openLink() { return openDialog<frmLinks>("frmLinks"); }

    void fill(QWidget* dialog, const LinkCase& c)
    {
        auto* protocol = control<QComboBox>(dialog, "cboChoice");
        const int listed = protocol->findText(QString::fromUtf8(c.protocol));
        if (listed >= 0)
            protocol->setCurrentIndex(listed);
        else
            type(protocol->lineEdit(), QString::fromUtf8(c.protocol));
        type(control<QLineEdit>(dialog, "txtURL"), QString::fromUtf8(c.url));
        type(control<QLineEdit>(dialog, "txtAnchor"), QString::fromUtf8(c.anchor));
        type(control<QLineEdit>(dialog, "txtTarget"), QString::fromUtf8(c.target));
    }

    // Types text as key presses carrying it, whatever its letters.
    static void type(QWidget* target, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &release);
        }
    }

    // 'T' for each character in the tag colour, 'X' in the text colour, '?' otherwise.
    QString colours(int from, int count)
    {
        QString pattern;
        for (int i = from; i < from + count; ++i) {
            const QColor c = editor()->colorAt(i);
            pattern += c == kBlue ? QLatin1Char('T') : c == kGreen ? QLatin1Char('X') : QLatin1Char('?');
        }
        return pattern;
    }
};

TEST_F(LinkDialogTest, OpensOwnedModelessWithItsNamedControlsEmpty)
{
    QDialog* dialog = openLink();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Link"));
    EXPECT_EQ(dialog->parentWidget(), window.get());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->isVisible());

    const struct {
        const char* name;
        const char* text;
    } labels[] = {
        {"lblProtocol", "Protocol:"}, {"lblURL", "URL OR FILE:"}, {"lblAnchor", "Anchor:"},
        {"lblTarget", "Target:"},     {"lblOpen", "Find File"},
    };
    for (const auto& l : labels) {
        QLabel* label = control<QLabel>(dialog, l.name);
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), QLatin1String(l.text)) << l.name;
    }
    for (const char* name : {"txtURL", "txtAnchor", "txtTarget"}) {
        QLineEdit* box = control<QLineEdit>(dialog, name);
        ASSERT_TRUE(box);
        EXPECT_TRUE(box->text().isEmpty()) << name;
    }

    auto* protocol = control<QComboBox>(dialog, "cboChoice");
    ASSERT_TRUE(protocol);
    EXPECT_TRUE(protocol->isEditable());
    EXPECT_TRUE(protocol->currentText().isEmpty());
    EXPECT_EQ(entries(protocol), (QStringList{"http://", "ftp://", "mailto:", "news:", "newsrc:", "telnet://", "wais://",
                                    "gopher://"}));

    auto* slashes = control<QCheckBox>(dialog, "chkForwardSlash");
    ASSERT_TRUE(slashes);
    EXPECT_EQ(slashes->text(), QStringLiteral("Forward Slashes"));
    EXPECT_TRUE(slashes->isChecked());

    auto* ok = control<QPushButton>(dialog, "cmdOK");
    auto* cancel = control<QPushButton>(dialog, "cmdCancel");
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(control<QAbstractButton>(dialog, "picOpen"));
}

TEST_F(LinkDialogTest, TabVisitsThePictureRightAfterTheAddress)
{
    QDialog* dialog = openLink();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(tabOrder(dialog), (QStringList{"cboChoice", "txtURL", "picOpen", "txtAnchor", "txtTarget",
                                             "chkForwardSlash", "cmdOK", "cmdCancel"}));
}

TEST_F(LinkDialogTest, OkWrapsTheSelectionInTheLinkWithTagsInTheTagColourAndCloses)
{
    for (const LinkCase& c : everyCase()) {
        SCOPED_TRACE(c.opening);
        documentWithSelection();
        QPointer<QDialog> dialog = openLink();
        ASSERT_TRUE(dialog);
        fill(dialog, c);
        control<QPushButton>(dialog, "cmdOK")->click();

        const QString opening = QString::fromUtf8(c.opening);
        EXPECT_EQ(editor()->wholeText(), QStringLiteral("a ") + opening + QStringLiteral("Word</A> b"));
        EXPECT_EQ(colours(2, int(opening.size()) + 8),
                  QString(opening.size(), QLatin1Char('T')) + QStringLiteral("XXXXTTTT"));
        EXPECT_TRUE(closedAndGone(dialog));
    }
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(LinkDialogTest, EnterPressesOkFromAnyBoxAndEscapeCancels)
{
    for (const char* box : {"cboChoice", "txtURL", "txtAnchor", "txtTarget"}) {
        SCOPED_TRACE(box);
        documentWithSelection();
        QPointer<QDialog> dialog = openLink();
        ASSERT_TRUE(dialog);
        type(control<QLineEdit>(dialog, "txtURL"), QStringLiteral("a.htm"));
        QWidget* target = dialog->findChild<QWidget*>(QLatin1String(box));
        if (auto* combo = qobject_cast<QComboBox*>(target))
            target = combo->lineEdit();
        ASSERT_TRUE(target);
        QTest::keyClick(target, Qt::Key_Return);
        EXPECT_EQ(editor()->wholeText(), QStringLiteral(R"(a <A HREF="a.htm">Word</A> b)"));
        EXPECT_TRUE(closedAndGone(dialog));
    }

    documentWithSelection();
    QPointer<QDialog> dialog = openLink();
    ASSERT_TRUE(dialog);
    type(control<QLineEdit>(dialog, "txtURL"), QStringLiteral("a.htm"));
    QTest::keyClick(control<QLineEdit>(dialog, "txtURL"), Qt::Key_Escape);
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("a Word b"));
    EXPECT_TRUE(closedAndGone(dialog));
}

TEST_F(LinkDialogTest, CancelClosesWithoutInserting)
{
    documentWithSelection();
    QPointer<QDialog> dialog = openLink();
    ASSERT_TRUE(dialog);
    fill(dialog, kExamples[3]);
    control<QPushButton>(dialog, "cmdCancel")->click();
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("a Word b"));
    EXPECT_TRUE(closedAndGone(dialog));
}

TEST_F(LinkDialogTest, OkWithoutADocumentJustCloses)
{
    QPointer<QDialog> dialog = openLink();
    ASSERT_TRUE(dialog);
    fill(dialog, kExamples[0]);
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_TRUE(closedAndGone(dialog));
    EXPECT_EQ(window->activeDocument(), nullptr);
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(LinkDialogTest, OkInsertsIntoTheDocumentActiveAtThatMoment)
{
    frmTemplate* first = documentWithSelection();
    QPointer<QDialog> dialog = openLink();
    ASSERT_TRUE(dialog);
    fill(dialog, kExamples[0]);
    // Another document opened meanwhile is the active one when OK is pressed.
    frmTemplate* second = documentWithSelection();
    ASSERT_NE(first, second);
    ASSERT_EQ(window->activeDocument(), second);
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(second->txtInput->wholeText(), QStringLiteral(R"(a <A HREF="page.htm">Word</A> b)"));
    EXPECT_EQ(first->txtInput->wholeText(), QStringLiteral("a Word b"));

    dialog = openLink();
    ASSERT_TRUE(dialog);
    fill(dialog, kExamples[1]);
    window->mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    ASSERT_EQ(window->activeDocument(), first);
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(first->txtInput->wholeText(), QStringLiteral(R"(a <A HREF="page.htm#top">Word</A> b)"));
}

TEST_F(LinkDialogTest, EachOpeningStartsEmptyWithForwardSlashesChecked)
{
    documentWithSelection();
    QPointer<QDialog> dialog = openLink();
    ASSERT_TRUE(dialog);
    fill(dialog, kEdgeCases[1]);
    control<QCheckBox>(dialog, "chkForwardSlash")->click();
    control<QPushButton>(dialog, "cmdOK")->click();
    ASSERT_TRUE(closedAndGone(dialog));

    QDialog* again = openLink();
    ASSERT_TRUE(again);
    EXPECT_TRUE(control<QComboBox>(again, "cboChoice")->currentText().isEmpty());
    for (const char* name : {"txtURL", "txtAnchor", "txtTarget"})
        EXPECT_TRUE(control<QLineEdit>(again, name)->text().isEmpty()) << name;
    EXPECT_TRUE(control<QCheckBox>(again, "chkForwardSlash")->isChecked());
}

// --- Find File and Forward Slashes ------------------------------------------------------------

TEST_F(LinkDialogTest, FindFileFillsTheRelativeReferenceThatOkInsertsUnchanged)
{
    openSavedDocument();
    QPointer<QDialog> dialog = openLink();
    ASSERT_TRUE(dialog);
    auto* url = control<QLineEdit>(dialog, "txtURL");
    auto* slashes = control<QCheckBox>(dialog, "chkForwardSlash");
    type(url, QStringLiteral("typed before"));

    prompter.answerOpen(path(QStringLiteral("web/Images/Logo.gif")));
    control<QAbstractButton>(dialog, "picOpen")->click();
    ASSERT_EQ(prompter.requests.size(), 2u); // the document's Open, then Find File
    EXPECT_EQ(prompter.last().kind, QStringLiteral("open"));
    EXPECT_EQ(prompter.last().filter,
              QStringLiteral("All Files (*.*)|*.*|HTML Files (*.htm);(*.html)|*.htm;*.html|Text Files (*.txt)|*.txt|"));
    EXPECT_EQ(prompter.last().initialFilter, 1);
    EXPECT_EQ(url->text(), QStringLiteral("../Images/Logo.gif"));

    slashes->click();
    EXPECT_EQ(url->text(), QStringLiteral(R"(..\Images\Logo.gif)"));
    slashes->click();
    EXPECT_EQ(url->text(), QStringLiteral("../Images/Logo.gif"));

    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(editor()->wholeText(), QStringLiteral(R"(a <A HREF="../Images/Logo.gif">Word</A> b)"));
    EXPECT_TRUE(closedAndGone(dialog));
}

TEST_F(LinkDialogTest, FindFileWithForwardSlashesClearedGivesBackslashes)
{
    openSavedDocument();
    QDialog* dialog = openLink();
    ASSERT_TRUE(dialog);
    auto* url = control<QLineEdit>(dialog, "txtURL");
    // Clearing the box turns the typed address's slashes too.
    type(url, QStringLiteral("http://x/"));
    control<QCheckBox>(dialog, "chkForwardSlash")->click();
    EXPECT_EQ(url->text(), QStringLiteral(R"(http:\\x\)"));

    prompter.answerOpen(path(QStringLiteral("web/sub/deeper/Two.htm")));
    control<QAbstractButton>(dialog, "picOpen")->click();
    EXPECT_EQ(url->text(), QStringLiteral(R"(deeper\Two.htm)"));
}

TEST_F(LinkDialogTest, FindFileCancelledOrWithoutADocumentLeavesTheBoxEmpty)
{
    // Cancelled, with a saved document.
    openSavedDocument();
    QDialog* dialog = openLink();
    ASSERT_TRUE(dialog);
    auto* url = control<QLineEdit>(dialog, "txtURL");
    type(url, QStringLiteral("page.htm"));
    prompter.answerOpen(std::nullopt);
    control<QAbstractButton>(dialog, "picOpen")->click();
    EXPECT_TRUE(url->text().isEmpty());

    // No document: the file is chosen but nothing is said and nothing set.
    window->documents().constFirst()->setModified(false);
    window->mdiArea->closeAllSubWindows();
    QApplication::processEvents();
    ASSERT_EQ(window->activeDocument(), nullptr);
    type(url, QStringLiteral("page.htm"));
    const size_t asked = prompter.requests.size();
    prompter.answerOpen(path(QStringLiteral("web/Logo.gif")));
    control<QAbstractButton>(dialog, "picOpen")->click();
    EXPECT_TRUE(url->text().isEmpty());
    EXPECT_EQ(prompter.requests.size(), asked + 1);
}

TEST_F(LinkDialogTest, FindFileForANeverSavedDocumentWarnsAndTakesThePathWithoutItsRoot)
{
    documentWithSelection();
    QDialog* dialog = openLink();
    ASSERT_TRUE(dialog);
    const QString chosen = path(QStringLiteral("Art/Logo.gif"));
    prompter.answerOpen(chosen);
    prompter.answerMessage(PromptAnswer::Ok);
    control<QAbstractButton>(dialog, "picOpen")->click();

    EXPECT_EQ(prompter.last().kind, QStringLiteral("message"));
    EXPECT_EQ(prompter.last().title, QStringLiteral("quillet"));
    EXPECT_EQ(prompter.last().text, QStringLiteral("You must save this document before selecting a path to an image."));
    EXPECT_EQ(prompter.last().icon, PromptIcon::Information);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtURL")->text(), chosen.mid(1));
}

} // namespace

// Every dialog is centred the first time it shows and stays where the user moves it after.
TEST(CentreWhenFirstShown, CentresOnceThenLeavesTheWindowWhereItIs)
{
    QDialog dialog;
    dialog.resize(200, 100);
    int adjusted = 0;
    centreWhenFirstShown(dialog, [&] { ++adjusted; });
    dialog.show();
    const QRect area = dialog.screen()->availableGeometry();
    EXPECT_LE((dialog.frameGeometry().center() - area.center()).manhattanLength(), 4);
    dialog.move(area.topLeft() + QPoint(10, 10));
    const QPoint moved = dialog.pos();
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.pos(), moved);
    EXPECT_EQ(adjusted, 1);
}

// An editable choice box keeps what was typed: no entry completes it, whatever its case.
TEST(ChoiceBox, KeepsTheTypedTextWhenAnEntryStartsWithIt)
{
    QWidget window;
    QComboBox* box = choiceBox("cboTest", {QStringLiteral("http://"), QStringLiteral("50"), QStringLiteral("500")}, true, &window);
    QLineEdit* other = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    for (const QString& typed : {QStringLiteral("h"), QStringLiteral("HTTP://"), QStringLiteral("5")}) {
        box->setFocus();
        box->clearEditText();
        QTest::keyClicks(box, typed);
        other->setFocus();
        EXPECT_EQ(box->currentText(), typed);
    }
}
