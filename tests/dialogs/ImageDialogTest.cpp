// The image dialog: the IMG text its fields build, and the window driven by its control names
// from the Image command to the text (and tag colour) in the document.

#include "DialogTestSupport.h"

#include "dialogs/frmGraphicLink.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// ---- the text built from the fields ---------------------------------------------------------

struct TextCase {
    const char* what;
    ImageFields fields;
    const char* text;
};

ImageFields sourceOnly(const char* source)
{
    ImageFields f;
    f.source = QString::fromUtf8(source);
    return f;
}

std::vector<TextCase> textCases()
{
    std::vector<TextCase> cases;
    cases.push_back({"only a source", sourceOnly("images/logo.gif"), "<IMG SRC=\"images/logo.gif\">"});
    cases.push_back({"nothing filled", ImageFields{}, "<IMG SRC=\"\">"});
    {
        ImageFields f = sourceOnly("images/logo.gif");
        f.alt = "Logo";
        f.width = "100";
        f.border = "0";
        f.align = "LEFT";
        f.linkUrl = "index.htm";
        cases.push_back({"the worked example", f,
                         "<A HREF=\"index.htm\"><IMG ALT=\"Logo\" WIDTH=100 BORDER=0 ALIGN=LEFT SRC=\"images/logo.gif\"></A>"});
    }
    {
        ImageFields f = sourceOnly("s.gif");
        f.lowSource = "low.gif";
        f.alt = "a";
        f.width = "1";
        f.height = "2";
        f.hSpace = "3";
        f.vSpace = "4";
        f.border = "5";
        f.align = "TOP";
        f.useMap = "m";
        f.isMap = true;
        f.linkUrl = "l.htm";
        cases.push_back({"every field, in the fixed order", f,
                         "<A HREF=\"l.htm\"><IMG ALT=\"a\" WIDTH=1 HEIGHT=2 HSPACE=3 VSPACE=4 BORDER=5 LOWSRC=\"low.gif\" "
                         "ALIGN=TOP SRC=\"s.gif\" USEMAP=\"#m\" ISMAP></A>"});
    }
    {
        ImageFields f = sourceOnly("s.gif");
        f.useMap = "#nav";
        cases.push_back({"a map name typed with its own #", f, "<IMG SRC=\"s.gif\" USEMAP=\"##nav\">"});
    }
    {
        ImageFields f = sourceOnly("s.gif");
        f.isMap = true;
        cases.push_back({"ISMAP alone", f, "<IMG SRC=\"s.gif\" ISMAP>"});
    }
    {
        ImageFields f = sourceOnly("s.gif");
        f.useMap = "nav";
        f.isMap = true;
        cases.push_back({"ISMAP after USEMAP", f, "<IMG SRC=\"s.gif\" USEMAP=\"#nav\" ISMAP>"});
    }
    {
        ImageFields f;
        f.height = "20";
        f.vSpace = "2";
        cases.push_back({"no source still writes SRC last", f, "<IMG HEIGHT=20 VSPACE=2 SRC=\"\">"});
    }
    {
        ImageFields f = sourceOnly(" my \"pic\" #1 & \xc3\xa9.gif ");
        f.alt = "say \"hi\" & <go>";
        f.width = " 50% ";
        f.hSpace = "abc";
        f.align = "middle";
        cases.push_back({"values exactly as typed", f,
                         "<IMG ALT=\"say \"hi\" & <go>\" WIDTH= 50%  HSPACE=abc ALIGN=middle "
                         "SRC=\" my \"pic\" #1 & \xc3\xa9.gif \">"});
    }
    {
        ImageFields f = sourceOnly("a.gif");
        f.linkUrl = "http://example.com/?a=1&b=2";
        cases.push_back({"a link has no target", f, "<A HREF=\"http://example.com/?a=1&b=2\"><IMG SRC=\"a.gif\"></A>"});
    }
    {
        ImageFields f = sourceOnly("a.gif");
        f.lowSource = "b.gif";
        f.align = "ABSBOTTOM";
        cases.push_back({"LOWSRC before ALIGN", f, "<IMG LOWSRC=\"b.gif\" ALIGN=ABSBOTTOM SRC=\"a.gif\">"});
    }
    return cases;
}

TEST(ImageText, BuildsEachCase)
{
    for (const TextCase& c : textCases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(imageText(c.fields), QString::fromUtf8(c.text));
    }
}

// ---- the window -----------------------------------------------------------------------------

class ImageDialogTest : public DialogAppTest {
protected:
    // A saved document, so that chosen files have a folder to be relative to.
    void openDocument(const QByteArray& text = "") { openSiteDocument(text, QStringLiteral("images")); }
    frmGraphicLink* open() { return openByCommand<frmGraphicLink>(QStringLiteral("mnuImage")); }
    static QPushButton* button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(QLatin1String(name)); }
};

TEST_F(ImageDialogTest, OpensEmptyWithItsCaptions)
{
    start();
    frmGraphicLink* d = open();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Image"));
    EXPECT_EQ(d->parentWidget(), window.get());
    EXPECT_FALSE(d->isModal());

    const struct {
        const char* label;
        const char* caption;
    } labels[] = {
        {"lblURL", "Source:"},        {"lblOpen", "Find File"},        {"lblLowSRC", "Low Source:"},
        {"lblOpen2", "Find File"},    {"lblALT", "Alternate Text:"},   {"lblWidth", "Width:"},
        {"lblHeight", "Height:"},     {"lblHSpace", "HSpace:"},        {"lblVSpace", "VSpace:"},
        {"llbBorder", "Border:"},     {"lblAlign", "Align:"},          {"lblUseMap", "Use Map: (Name of image map)"},
        {"lbLink", "URL To Link Image To:"}, {"lblLinkMe", "Find File"},
    };
    for (const auto& l : labels) {
        auto* label = d->findChild<QLabel*>(QLatin1String(l.label));
        ASSERT_NE(label, nullptr) << l.label;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.caption)) << l.label;
    }
    for (const char* box : {"txtURL", "txtLowSRC", "txtALT", "txtWidth", "txtHeight", "txtHSpace", "txtVSpace",
                            "txtBorder", "txtUseMap", "txtLinkMe"}) {
        auto* edit = d->findChild<QLineEdit*>(QLatin1String(box));
        ASSERT_NE(edit, nullptr) << box;
        EXPECT_EQ(edit->text(), QString()) << box;
    }
    for (const char* picture : {"picOpen", "PicOpen2", "picLinkMe"})
        EXPECT_NE(d->findChild<QToolButton*>(QLatin1String(picture)), nullptr) << picture;

    EXPECT_EQ(d->cboAlign->currentText(), QString());
    QStringList aligns;
    for (int i = 0; i < d->cboAlign->count(); ++i)
        aligns << d->cboAlign->itemText(i);
    EXPECT_EQ(aligns, (QStringList{"TOP", "MIDDLE", "BOTTOM", "RIGHT", "LEFT", "TEXTTOP", "BASELINE", "ABSMIDDLE",
                                   "ABSBOTTOM"}));
    EXPECT_TRUE(d->cboAlign->isEditable());
    EXPECT_EQ(d->chkISMAP->text(), QStringLiteral("ISMAP (Server Map)"));
    EXPECT_FALSE(d->chkISMAP->isChecked());
    EXPECT_EQ(d->chkForwardSlash->text(), QStringLiteral("Forward Slashes"));
    EXPECT_TRUE(d->chkForwardSlash->isChecked());
    ASSERT_TRUE(button(d, "cmdOK"));
    ASSERT_TRUE(button(d, "cmdCancel"));
    EXPECT_EQ(button(d, "cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(button(d, "cmdCancel")->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(button(d, "cmdOK")->isDefault());
}

TEST_F(ImageDialogTest, OkInsertsTheExampleInTheTagColour)
{
    start();
    openDocument();
    QPointer<frmGraphicLink> d = open();
    ASSERT_TRUE(d);
    // Filled out of order: the tag still has its fixed order.
    d->txtLinkMe->setText(QStringLiteral("index.htm"));
    d->cboAlign->setCurrentIndex(d->cboAlign->findText(QStringLiteral("LEFT")));
    d->txtBorder->setText(QStringLiteral("0"));
    d->txtURL->setText(QStringLiteral("images/logo.gif"));
    d->txtWidth->setText(QStringLiteral("100"));
    d->txtALT->setText(QStringLiteral("Logo"));
    button(d, "cmdOK")->click();
    const QString expected =
        QStringLiteral("<A HREF=\"index.htm\"><IMG ALT=\"Logo\" WIDTH=100 BORDER=0 ALIGN=LEFT SRC=\"images/logo.gif\"></A>");
    EXPECT_EQ(editor()->wholeText(), expected);
    expectTagColour(0, int(expected.size()));
    EXPECT_TRUE(closedAndGone(d));
}

TEST_F(ImageDialogTest, TheSelectionFollowsTheImage)
{
    start();
    openDocument("Say Hello now");
    editor()->setSelection(4, 5);
    frmGraphicLink* d = open();
    ASSERT_TRUE(d);
    d->txtURL->setText(QStringLiteral("hi.gif"));
    button(d, "cmdOK")->click();
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("Say <IMG SRC=\"hi.gif\">Hello now"));
    expectTagColour(4, 18);
}

TEST_F(ImageDialogTest, EnterPressesOkAndEscCancels)
{
    start();
    openDocument();
    const struct {
        const char* focus;
        int key;
        const char* text;
    } cases[] = {
        {"txtURL", Qt::Key_Return, "<IMG SRC=\"a.gif\">"},
        {"txtALT", Qt::Key_Enter, "<IMG SRC=\"a.gif\">"},
        {"cboAlign", Qt::Key_Return, "<IMG SRC=\"a.gif\">"},
        {"txtURL", Qt::Key_Escape, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.focus) + (c.key == Qt::Key_Escape ? " Esc" : " Enter"));
        editor()->setWholeText(QString());
        QPointer<frmGraphicLink> d = open();
        ASSERT_TRUE(d);
        d->txtURL->setText(QStringLiteral("a.gif"));
        QWidget* focus = d->findChild<QWidget*>(QLatin1String(c.focus));
        ASSERT_TRUE(focus);
        if (auto* combo = qobject_cast<QComboBox*>(focus))
            focus = combo->lineEdit();
        QTest::keyClick(focus, Qt::Key(c.key));
        EXPECT_EQ(editor()->wholeText(), QString::fromUtf8(c.text));
        EXPECT_TRUE(closedAndGone(d));
    }
}

TEST_F(ImageDialogTest, CancelInsertsNothing)
{
    start();
    openDocument("text");
    QPointer<frmGraphicLink> d = open();
    ASSERT_TRUE(d);
    d->txtURL->setText(QStringLiteral("a.gif"));
    button(d, "cmdCancel")->click();
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("text"));
    EXPECT_TRUE(closedAndGone(d));
}

TEST_F(ImageDialogTest, EachOpeningStartsEmpty)
{
    start();
    openDocument();
    frmGraphicLink* d = open();
    ASSERT_TRUE(d);
    d->txtURL->setText(QStringLiteral("a.gif"));
    d->txtUseMap->setText(QStringLiteral("m"));
    d->cboAlign->setEditText(QStringLiteral("LEFT"));
    d->chkISMAP->setChecked(true);
    d->chkForwardSlash->setChecked(false);
    button(d, "cmdOK")->click();
    QApplication::processEvents();

    frmGraphicLink* again = open();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->txtURL->text(), QString());
    EXPECT_EQ(again->txtUseMap->text(), QString());
    EXPECT_EQ(again->cboAlign->currentText(), QString());
    EXPECT_FALSE(again->chkISMAP->isChecked());
    EXPECT_TRUE(again->chkForwardSlash->isChecked());
    EXPECT_EQ(imageText(again->fields()), QStringLiteral("<IMG SRC=\"\">"));
}

TEST_F(ImageDialogTest, InsertsIntoTheDocumentActiveAtOk)
{
    start();
    openDocument("first");
    frmGraphicLink* d = open();
    ASSERT_TRUE(d);
    DocumentEditor* first = editor();
    trigger(QStringLiteral("mnuNew")); // the dialog is modeless: the user works on meanwhile
    DocumentEditor* second = editor();
    ASSERT_NE(first, second);
    d->txtURL->setText(QStringLiteral("b.gif"));
    button(d, "cmdOK")->click();
    EXPECT_EQ(first->wholeText(), QStringLiteral("first"));
    EXPECT_EQ(second->wholeText(), QStringLiteral("<IMG SRC=\"b.gif\">"));
}

TEST_F(ImageDialogTest, OkWithoutADocumentJustCloses)
{
    start();
    QPointer<frmGraphicLink> d = open();
    ASSERT_TRUE(d);
    d->txtURL->setText(QStringLiteral("a.gif"));
    button(d, "cmdOK")->click();
    EXPECT_TRUE(closedAndGone(d));
    EXPECT_EQ(editor(), nullptr);
}

TEST_F(ImageDialogTest, FindFileFillsSourcesFromTheChooser)
{
    start();
    openDocument();
    for (const char* name : {"Logo.gif", "low res.jpg"})
        QFile(site + QStringLiteral("/images/") + QLatin1String(name)).open(QIODevice::WriteOnly);
    frmGraphicLink* d = open();
    ASSERT_TRUE(d);
    const auto pick = [&](const QString& name) { answerImageChooser(prompter, site + QStringLiteral("/images"), name); };
    pick(QStringLiteral("Logo.gif"));
    d->picOpen->click();
    EXPECT_EQ(d->txtURL->text(), QStringLiteral("images/Logo.gif"));
    pick(QStringLiteral("low res.jpg"));
    d->PicOpen2->click();
    EXPECT_EQ(d->txtLowSRC->text(), QStringLiteral("images/low res.jpg"));

    // A cancelled chooser leaves the box as it was.
    prompter.answerModal([](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    d->picOpen->click();
    EXPECT_EQ(d->txtURL->text(), QStringLiteral("images/Logo.gif"));

    // Forward Slashes turns the two sources, never the link address.
    d->txtLinkMe->setText(QStringLiteral("http://example.com/a"));
    d->chkForwardSlash->click();
    EXPECT_EQ(d->txtURL->text(), QStringLiteral("images\\Logo.gif"));
    EXPECT_EQ(d->txtLowSRC->text(), QStringLiteral("images\\low res.jpg"));
    EXPECT_EQ(d->txtLinkMe->text(), QStringLiteral("http://example.com/a"));
    d->chkForwardSlash->click();
    EXPECT_EQ(d->txtURL->text(), QStringLiteral("images/Logo.gif"));

    button(d, "cmdOK")->click();
    const QString expected =
        QStringLiteral("<A HREF=\"http://example.com/a\"><IMG LOWSRC=\"images/low res.jpg\" SRC=\"images/Logo.gif\"></A>");
    EXPECT_EQ(editor()->wholeText(), expected);
    expectTagColour(0, int(expected.size()));
}

TEST_F(ImageDialogTest, FindFileWithoutADocumentSaysSo)
{
    start();
    const QString folder = QDir(files.path()).canonicalPath();
    QFile(folder + QStringLiteral("/a.gif")).open(QIODevice::WriteOnly);
    frmGraphicLink* d = open();
    ASSERT_TRUE(d);
    d->txtURL->setText(QStringLiteral("kept.gif"));
    answerImageChooser(prompter, folder, QStringLiteral("a.gif"));
    prompter.answerMessage(PromptAnswer::Ok);
    d->picOpen->click();
    EXPECT_EQ(prompter.last().text, QStringLiteral("Please save document before selecting the relative path to an image."));
    EXPECT_EQ(prompter.last().title, QStringLiteral("The Corvane Scrivant"));
    EXPECT_EQ(d->txtURL->text(), QStringLiteral("kept.gif"));
}

TEST_F(ImageDialogTest, LinkFindFileUsesTheFileDialog)
{
    start();
    openDocument();
    frmGraphicLink* d = open();
    ASSERT_TRUE(d);
    d->txtLinkMe->setText(QStringLiteral("old.htm"));
    prompter.answerOpen(site + QStringLiteral("/pages/Next.htm"));
    d->picLinkMe->click();
    EXPECT_EQ(d->txtLinkMe->text(), QStringLiteral("pages/Next.htm"));
    EXPECT_EQ(prompter.last().kind, QStringLiteral("open"));
    EXPECT_EQ(prompter.last().filter,
              QStringLiteral("All Files (*.*)|*.*|HTML Files (*.htm);(*.html)|*.htm;*.html|"
                             "Graphic Files (*.jpg);(*.gif);(*.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|Text Files (*.txt)|*.txt|"));
    EXPECT_EQ(prompter.last().initialFilter, 1);

    // Cancelling leaves the box emptied.
    prompter.answerOpen(std::nullopt);
    d->picLinkMe->click();
    EXPECT_EQ(d->txtLinkMe->text(), QString());
}

} // namespace
