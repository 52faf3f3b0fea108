// The applet, parameter and embed dialogs: the tags built from their fields, their controls, and
// driving them by control names in the main window (wrapping, staying open, Find File).

#include "DialogTestSupport.h"
#include "support/FakeDialogHost.h"

#include "dialogs/JavaEmbedFields.h"
#include "dialogs/frmEmbed.h"
#include "dialogs/frmJava.h"
#include "dialogs/frmParam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

// --- the tags ---------------------------------------------------------------------------------

struct AppletCase {
    AppletFields fields;
    const char* tag;
};

const AppletCase kAppletCases[] = {
    {{u("Clock.class"), u("200"), u("50")}, "<APPLET CODE=Clock.class WIDTH=200 HEIGHT=50>"},
    {{}, "<APPLET>"},
    // CODEBASE before CODE and ALIGN last, whatever was filled.
    {{u("A.class"), {}, {}, u("classes/"), {}, {}, {}, {}, u("LEFT")}, "<APPLET CODEBASE=classes/ CODE=A.class ALIGN=LEFT>"},
    {{u("c"), u("w"), u("h"), u("cb"), u("alt"), u("nm"), u("v"), u("hs"), u("ABSBOTTOM")},
     "<APPLET CODEBASE=cb CODE=c WIDTH=w HEIGHT=h ALT=alt NAME=nm VSPACE=v HSPACE=hs ALIGN=ABSBOTTOM>"},
    {{{}, {}, {}, {}, {}, {}, u("4"), {}, {}}, "<APPLET VSPACE=4>"},
    {{{}, {}, {}, {}, {}, {}, {}, u("6"), {}}, "<APPLET HSPACE=6>"},
    // Nothing is quoted, trimmed or checked.
    {{{}, u("50%"), {}, {}, u("a clock"), u("\"x\""), {}, {}, u("middle")},
     "<APPLET WIDTH=50% ALT=a clock NAME=\"x\" ALIGN=middle>"},
    {{u(" C "), {}, {}, {}, u("Hôtel"), {}, {}, {}, {}}, "<APPLET CODE= C  ALT=Hôtel>"},
};

TEST(JavaEmbedTextTest, AppletStartTagOfEveryExampleAndEdgeCase)
{
    for (const AppletCase& c : kAppletCases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(appletOpeningText(c.fields), u(c.tag));
    }
}

TEST(JavaEmbedTextTest, AppletEndFollowsTheDocumentsLineBreak)
{
    const struct {
        QByteArray lineBreak;
        const char* closing;
    } cases[] = {{"\r\n", "\r\n</APPLET>"}, {"\n", "\n</APPLET>"}, {"\r", "\r</APPLET>"}};
    for (const auto& c : cases)
        EXPECT_EQ(appletClosingText(c.lineBreak), u(c.closing));
}

TEST(JavaEmbedTextTest, ParameterTagOfEveryExampleAndEdgeCase)
{
    const struct {
        ParamFields fields;
        const char* tag;
    } cases[] = {
        {{u("speed"), u("5")}, "<PARAM NAME=speed VALUE=5>"},
        {{}, "<PARAM>"},
        {{u("speed"), {}}, "<PARAM NAME=speed>"},
        {{{}, u("5")}, "<PARAM VALUE=5>"},
        {{u("msg"), u("Hello world")}, "<PARAM NAME=msg VALUE=Hello world>"},
        {{u("\"q\""), u("a=b")}, "<PARAM NAME=\"q\" VALUE=a=b>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(paramText(c.fields), u(c.tag));
    }
}

struct EmbedCase {
    EmbedFields fields;
    const char* tag;
};

const EmbedCase kEmbedCases[] = {
    {{u("intro.dcr"), u("320"), u("240")}, "<EMBED WIDTH=320 HEIGHT=240 SRC=\"intro.dcr\">"},
    {{u("intro.dcr")}, "<EMBED SRC=\"intro.dcr\">"},
    {{u("a.avi"), {}, {}, u("BACKGROUND")}, "<EMBED PALETTE=BACKGROUND SRC=\"a.avi\">"},
    {{u("a.avi"), u("1"), u("2"), u("FOREGROUND")}, "<EMBED WIDTH=1 HEIGHT=2 PALETTE=FOREGROUND SRC=\"a.avi\">"},
    {{u("m.mid"), {}, u("60")}, "<EMBED HEIGHT=60 SRC=\"m.mid\">"},
    {{u("..\\a b.wav"), u("100%")}, "<EMBED WIDTH=100% SRC=\"..\\a b.wav\">"},
};

TEST(JavaEmbedTextTest, EmbedTagOfEveryExampleAndEdgeCase)
{
    for (const EmbedCase& c : kEmbedCases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(embedText(c.fields), u(c.tag));
    }
}

// --- the dialogs in the main window -----------------------------------------------------------

class JavaEmbedDialogTest : public DialogAppTest {
protected:
    void SetUp() override { start(); }

    template <typename Dialog> QDialog* open(const char* name) { return openDialog<Dialog>(name); }

    void setText(QWidget* dialog, const char* name, const QString& text)
    {
        if (auto* combo = qobject_cast<QComboBox*>(dialog->findChild<QWidget*>(QLatin1String(name))))
            combo->setEditText(text);
        else
            control<QLineEdit>(dialog, name)->setText(text);
    }

    void expectLabels(QWidget* dialog, std::initializer_list<std::pair<const char*, const char*>> labels)
    {
        for (const auto& [name, text] : labels) {
            QLabel* label = control<QLabel>(dialog, name);
            if (label) {
                EXPECT_EQ(label->text(), u(text)) << name;
            }
        }
    }

    void expectButtons(QWidget* dialog, const char* ok, const char* cancel)
    {
        auto* okButton = control<QPushButton>(dialog, "cmdOK");
        auto* cancelButton = control<QPushButton>(dialog, "cmdCancel");
        ASSERT_TRUE(okButton && cancelButton);
        EXPECT_EQ(okButton->text(), u(ok));
        EXPECT_TRUE(okButton->isDefault());
        EXPECT_EQ(cancelButton->text(), u(cancel));
    }
};

TEST_F(JavaEmbedDialogTest, EachOpensOwnedAndModelessWithItsNamedControlsEmpty)
{
    const struct {
        const char* name;
        const char* title;
        QDialog* (JavaEmbedDialogTest::*open)(const char*);
        std::vector<const char*> boxes;
    } dialogs[] = {
        {"frmJava", "JAVA Applet", &JavaEmbedDialogTest::open<frmJava>,
         {"txtCode", "txtWidth", "txtHeight", "txtCodeBase", "txtAlt", "txtName", "txtVspace", "txtHSpace"}},
        {"frmParam", "JAVA Parameters", &JavaEmbedDialogTest::open<frmParam>, {"txtName", "txtValue"}},
        {"frmEmbed", "Embed", &JavaEmbedDialogTest::open<frmEmbed>, {"txtURL", "txtWidth", "txtHeight"}},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        QDialog* dialog = (this->*d.open)(d.name);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle(), u(d.title));
        EXPECT_EQ(dialog->parentWidget(), window.get());
        EXPECT_FALSE(dialog->isModal());
        EXPECT_TRUE(dialog->isVisible());
        for (const char* box : d.boxes) {
            auto* edit = control<QLineEdit>(dialog, box);
            if (edit) {
                EXPECT_TRUE(edit->text().isEmpty()) << box;
            }
        }
    }
}

TEST_F(JavaEmbedDialogTest, TabFollowsTheFieldsDownEachWindow)
{
    QDialog* applet = open<frmJava>("frmJava");
    ASSERT_TRUE(applet);
    EXPECT_EQ(tabOrder(applet), (QStringList{"txtCode", "txtWidth", "txtHeight", "txtCodeBase", "txtAlt", "txtName",
                                             "txtVspace", "txtHSpace", "cboAlign", "cmdOK", "cmdCancel"}));
    QDialog* param = open<frmParam>("frmParam");
    ASSERT_TRUE(param);
    EXPECT_EQ(tabOrder(param), (QStringList{"txtName", "txtValue", "cmdOK", "cmdCancel"}));
    QDialog* embed = open<frmEmbed>("frmEmbed");
    ASSERT_TRUE(embed);
    EXPECT_EQ(tabOrder(embed), (QStringList{"txtURL", "picOpen", "chkForwardSlash", "txtWidth", "txtHeight",
                                            "cboPalette", "cmdOK", "cmdCancel"}));
}

TEST_F(JavaEmbedDialogTest, AppletDialogHasItsFramesLabelsAndAlignments)
{
    QDialog* dialog = open<frmJava>("frmJava");
    ASSERT_TRUE(dialog);
    expectLabels(dialog, {{"lblCode", "Code:"}, {"lblWidth", "Width:"}, {"lblHeight", "Height:"},
                          {"lblCodeBase", "Codebase:"}, {"lblAlt", "Alt:"}, {"lblName", "Name:"},
                          {"lblVSpace", "V Space:"}, {"LblHspace", "H Space:"}, {"lblAlign", "Align:"}});
    expectButtons(dialog, "&OK", "&Cancel");

    QStringList frames;
    for (QGroupBox* frame : dialog->findChildren<QGroupBox*>())
        frames << frame->title();
    frames.sort();
    EXPECT_EQ(frames, (QStringList{"Optional Attributes", "Required Attributes"}));
    // The required fields sit in the first frame, the others in the second.
    for (const char* box : {"txtCode", "txtWidth", "txtHeight"})
        EXPECT_EQ(qobject_cast<QGroupBox*>(control<QWidget>(dialog, box)->parentWidget())->title(),
                  u("Required Attributes")) << box;
    for (const char* box : {"txtCodeBase", "txtAlt", "txtName", "txtVspace", "txtHSpace", "cboAlign"})
        EXPECT_EQ(qobject_cast<QGroupBox*>(control<QWidget>(dialog, box)->parentWidget())->title(),
                  u("Optional Attributes")) << box;

    auto* align = control<QComboBox>(dialog, "cboAlign");
    ASSERT_TRUE(align);
    EXPECT_TRUE(align->isEditable());
    EXPECT_TRUE(align->currentText().isEmpty());
    EXPECT_EQ(entries(align), (QStringList{"", "LEFT", "RIGHT", "TOP", "TEXTTOP", "ABSMIDDLE", "BASELINE", "BOTTOM",
                                           "ABSBOTTOM"}));
}

TEST_F(JavaEmbedDialogTest, ParameterAndEmbedDialogsHaveTheirLabelsAndLists)
{
    QDialog* param = open<frmParam>("frmParam");
    ASSERT_TRUE(param);
    expectLabels(param, {{"lblName", "Name:"}, {"lblValue", "Value:"}});
    expectButtons(param, "&OK", "&Cancel");

    QDialog* embed = open<frmEmbed>("frmEmbed");
    ASSERT_TRUE(embed);
    expectLabels(embed, {{"lblOpen", "Find File"}, {"lblWidth", "Width:"}, {"lblHeight", "Height:"},
                         {"Label1", "Palette:"}});
    expectButtons(embed, "OK", "Cancel");
    EXPECT_TRUE(control<QAbstractButton>(embed, "picOpen"));
    auto* slashes = control<QCheckBox>(embed, "chkForwardSlash");
    ASSERT_TRUE(slashes);
    EXPECT_EQ(slashes->text(), u("Forward Slashes"));
    EXPECT_TRUE(slashes->isChecked());
    auto* palette = control<QComboBox>(embed, "cboPalette");
    ASSERT_TRUE(palette);
    EXPECT_TRUE(palette->isEditable());
    EXPECT_TRUE(palette->currentText().isEmpty());
    EXPECT_EQ(entries(palette), (QStringList{"BACKGROUND", "FOREGROUND", ""}));
}

TEST_F(JavaEmbedDialogTest, AppletOkWrapsTheSelectionEndingWithTheDocumentsLineBreakAndCloses)
{
    const char* boxes[] = {"txtCode", "txtWidth", "txtHeight", "txtCodeBase", "txtAlt",
                           "txtName", "txtVspace", "txtHSpace", "cboAlign"};
    for (const QByteArray& lineBreak : {QByteArray("\r\n"), QByteArray("\n")}) {
        for (const AppletCase& c : kAppletCases) {
            SCOPED_TRACE(c.tag);
            documentWithSelection(lineBreak);
            QPointer<QDialog> dialog = open<frmJava>("frmJava");
            ASSERT_TRUE(dialog);
            const AppletFields& f = c.fields;
            const QString values[] = {f.code, f.width, f.height, f.codeBase, f.alt, f.name, f.vspace, f.hspace, f.align};
            // Typed from the last box to the first: the order of typing does not matter.
            for (int i = 8; i >= 0; --i)
                setText(dialog, boxes[i], values[i]);
            control<QPushButton>(dialog, "cmdOK")->click();
            EXPECT_EQ(editor()->wholeText(),
                      u("a ") + u(c.tag) + u("Word") + QString::fromLatin1(lineBreak) + u("</APPLET> b"));
            EXPECT_TRUE(closedAndGone(dialog));
        }
    }
}

TEST_F(JavaEmbedDialogTest, ChoosingAListedAlignmentPutsItLast)
{
    documentWithSelection();
    QPointer<QDialog> dialog = open<frmJava>("frmJava");
    ASSERT_TRUE(dialog);
    control<QComboBox>(dialog, "cboAlign")->setCurrentIndex(5);
    setText(dialog, "txtCode", u("A.class"));
    setText(dialog, "txtCodeBase", u("lib"));
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(editor()->wholeText(), u("a <APPLET CODEBASE=lib CODE=A.class ALIGN=ABSMIDDLE>Word\n</APPLET> b"));
}

TEST_F(JavaEmbedDialogTest, ParameterOkInsertsOneTagPerPressAndStaysOpenWithEmptyFields)
{
    trigger(u("mnuNew"));
    editor()->setWholeText(u("<APPLET>\n</APPLET>"));
    editor()->setSelection(8, 0);
    QPointer<QDialog> dialog = open<frmParam>("frmParam");
    ASSERT_TRUE(dialog);

    const struct {
        const char* name;
        const char* value;
        const char* tag;
    } presses[] = {
        {"speed", "5", "<PARAM NAME=speed VALUE=5>"},
        {"speed", "5", "<PARAM NAME=speed VALUE=5>"}, // the same name twice gives two tags
        {"", "", "<PARAM>"},
        {"", "7", "<PARAM VALUE=7>"},
    };
    QString expected;
    for (const auto& p : presses) {
        SCOPED_TRACE(p.tag);
        setText(dialog, "txtName", u(p.name));
        setText(dialog, "txtValue", u(p.value));
        control<QPushButton>(dialog, "cmdOK")->click();
        QApplication::processEvents();
        expected += u(p.tag);
        EXPECT_EQ(editor()->wholeText(), u("<APPLET>") + expected + u("\n</APPLET>"));
        ASSERT_FALSE(closedAndGone(dialog));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(control<QLineEdit>(dialog, "txtName")->text().isEmpty());
        EXPECT_TRUE(control<QLineEdit>(dialog, "txtValue")->text().isEmpty());
    }

    // Enter presses OK as well, and Esc closes.
    setText(dialog, "txtName", u("n"));
    QTest::keyClick(control<QLineEdit>(dialog, "txtName"), Qt::Key_Return);
    expected += u("<PARAM NAME=n>");
    EXPECT_EQ(editor()->wholeText(), u("<APPLET>") + expected + u("\n</APPLET>"));
    ASSERT_FALSE(closedAndGone(dialog));
    QTest::keyClick(control<QLineEdit>(dialog, "txtValue"), Qt::Key_Escape);
    EXPECT_TRUE(closedAndGone(dialog));
    EXPECT_EQ(editor()->wholeText(), u("<APPLET>") + expected + u("\n</APPLET>"));
}

TEST_F(JavaEmbedDialogTest, EmbedOkInsertsTheTagOnlyWithAFileAndAlwaysCloses)
{
    for (const EmbedCase& c : kEmbedCases) {
        SCOPED_TRACE(c.tag);
        documentWithSelection();
        QPointer<QDialog> dialog = open<frmEmbed>("frmEmbed");
        ASSERT_TRUE(dialog);
        // Forward slashes only act on a click, so typed backslashes stay.
        setText(dialog, "txtURL", c.fields.url);
        setText(dialog, "txtWidth", c.fields.width);
        setText(dialog, "txtHeight", c.fields.height);
        setText(dialog, "cboPalette", c.fields.palette);
        control<QPushButton>(dialog, "cmdOK")->click();
        EXPECT_EQ(editor()->wholeText(), u("a ") + u(c.tag) + u("Word b"));
        EXPECT_TRUE(closedAndGone(dialog));
    }

    // Without a file: nothing at all, even with the other fields filled.
    documentWithSelection();
    QPointer<QDialog> dialog = open<frmEmbed>("frmEmbed");
    ASSERT_TRUE(dialog);
    setText(dialog, "txtWidth", u("320"));
    control<QComboBox>(dialog, "cboPalette")->setCurrentIndex(0);
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(editor()->wholeText(), u("a Word b"));
    EXPECT_TRUE(closedAndGone(dialog));
}

TEST_F(JavaEmbedDialogTest, ChoosingTheEmptyPaletteEntryOmitsPalette)
{
    documentWithSelection();
    QPointer<QDialog> dialog = open<frmEmbed>("frmEmbed");
    ASSERT_TRUE(dialog);
    auto* palette = control<QComboBox>(dialog, "cboPalette");
    palette->setCurrentIndex(1);
    palette->setCurrentIndex(2);
    setText(dialog, "txtURL", u("intro.dcr"));
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(editor()->wholeText(), u("a <EMBED SRC=\"intro.dcr\">Word b"));
}

TEST_F(JavaEmbedDialogTest, CancelAndEscapeCloseAppletAndEmbedWithoutInserting)
{
    const struct {
        const char* name;
        QDialog* (JavaEmbedDialogTest::*open)(const char*);
        const char* box;
        bool escape;
    } cases[] = {
        {"frmJava", &JavaEmbedDialogTest::open<frmJava>, "txtCode", false},
        {"frmJava", &JavaEmbedDialogTest::open<frmJava>, "txtCode", true},
        {"frmEmbed", &JavaEmbedDialogTest::open<frmEmbed>, "txtURL", false},
        {"frmEmbed", &JavaEmbedDialogTest::open<frmEmbed>, "txtURL", true},
        {"frmParam", &JavaEmbedDialogTest::open<frmParam>, "txtName", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.escape ? " Esc" : " Cancel"));
        documentWithSelection();
        QPointer<QDialog> dialog = (this->*c.open)(c.name);
        ASSERT_TRUE(dialog);
        setText(dialog, c.box, u("x"));
        if (c.escape)
            QTest::keyClick(control<QLineEdit>(dialog, c.box), Qt::Key_Escape);
        else
            control<QPushButton>(dialog, "cmdCancel")->click();
        EXPECT_EQ(editor()->wholeText(), u("a Word b"));
        EXPECT_TRUE(closedAndGone(dialog));
    }
}

TEST_F(JavaEmbedDialogTest, EnterPressesOkInAppletAndEmbed)
{
    documentWithSelection();
    QPointer<QDialog> dialog = open<frmJava>("frmJava");
    ASSERT_TRUE(dialog);
    setText(dialog, "txtCode", u("Clock.class"));
    QTest::keyClick(control<QComboBox>(dialog, "cboAlign")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(editor()->wholeText(), u("a <APPLET CODE=Clock.class>Word\n</APPLET> b"));
    EXPECT_TRUE(closedAndGone(dialog));

    documentWithSelection();
    dialog = open<frmEmbed>("frmEmbed");
    ASSERT_TRUE(dialog);
    setText(dialog, "txtURL", u("a.avi"));
    QTest::keyClick(control<QLineEdit>(dialog, "txtHeight"), Qt::Key_Return);
    EXPECT_EQ(editor()->wholeText(), u("a <EMBED SRC=\"a.avi\">Word b"));
    EXPECT_TRUE(closedAndGone(dialog));
}

TEST_F(JavaEmbedDialogTest, OkWithoutADocumentBehavesAsUsual)
{
    QPointer<QDialog> applet = open<frmJava>("frmJava");
    ASSERT_TRUE(applet);
    control<QPushButton>(applet, "cmdOK")->click();
    EXPECT_TRUE(closedAndGone(applet));

    QPointer<QDialog> param = open<frmParam>("frmParam");
    ASSERT_TRUE(param);
    setText(param, "txtName", u("speed"));
    control<QPushButton>(param, "cmdOK")->click();
    EXPECT_FALSE(closedAndGone(param));
    EXPECT_TRUE(control<QLineEdit>(param, "txtName")->text().isEmpty());

    QPointer<QDialog> embed = open<frmEmbed>("frmEmbed");
    ASSERT_TRUE(embed);
    setText(embed, "txtURL", u("a.avi"));
    control<QPushButton>(embed, "cmdOK")->click();
    EXPECT_TRUE(closedAndGone(embed));
    EXPECT_EQ(window->activeDocument(), nullptr);
    EXPECT_TRUE(prompter.requests.empty());
}

// --- Find File in the embed dialog ------------------------------------------------------------

TEST_F(JavaEmbedDialogTest, EmbedFindFileFillsTheRelativeReferenceAndLeavesTheDocumentAsItWas)
{
    openSavedDocument();

    QPointer<QDialog> dialog = open<frmEmbed>("frmEmbed");
    ASSERT_TRUE(dialog);
    auto* url = control<QLineEdit>(dialog, "txtURL");
    prompter.answerOpen(path(u("web/media/Intro.dcr")));
    control<QAbstractButton>(dialog, "picOpen")->click();
    ASSERT_EQ(prompter.requests.size(), 2u);
    EXPECT_EQ(prompter.last().kind, u("open"));
    EXPECT_EQ(prompter.last().filter, u("All Files (*.*)|*.*|"));
    EXPECT_EQ(url->text(), u("../media/Intro.dcr"));
    EXPECT_EQ(editor()->wholeText(), u("a Word b"));

    // Cleared Forward Slashes: the next choice comes back in backslash form.
    control<QCheckBox>(dialog, "chkForwardSlash")->click();
    prompter.answerOpen(path(u("web/sub/clip.avi")));
    control<QAbstractButton>(dialog, "picOpen")->click();
    EXPECT_EQ(url->text(), u("clip.avi"));
    prompter.answerOpen(path(u("web/sub/more/clip.avi")));
    control<QAbstractButton>(dialog, "picOpen")->click();
    EXPECT_EQ(url->text(), u("more\\clip.avi"));
    EXPECT_EQ(editor()->wholeText(), u("a Word b"));

    // The hand-back re-inserted the selection, which leaves the caret after it.
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(editor()->wholeText(), u("a Word<EMBED SRC=\"more\\clip.avi\"> b"));
}

TEST_F(JavaEmbedDialogTest, EmbedFindFileKeepsTheBoxWhenCancelledOrGivenNoName)
{
    QDir(files.path()).mkpath(u("web"));
    prompter.answerOpen(writeFile(u("web/page.html"), "x"));
    trigger(u("mnuOpen"));
    QPointer<QDialog> dialog = open<frmEmbed>("frmEmbed");
    ASSERT_TRUE(dialog);
    auto* url = control<QLineEdit>(dialog, "txtURL");
    url->setText(u("typed.avi"));
    for (const std::optional<QString>& answer : {std::optional<QString>(), std::optional<QString>(QString())}) {
        prompter.answerOpen(answer);
        control<QAbstractButton>(dialog, "picOpen")->click();
        EXPECT_EQ(url->text(), u("typed.avi"));
    }
    EXPECT_EQ(editor()->wholeText(), u("x"));
}

// The hand-back of the focus comes after the box is set and before its slashes are turned.
class RecordingHost : public FakeDialogHost {
public:
    using FakeDialogHost::FakeDialogHost;
    void InsertText(const QString& opening, const QString& closing) override
    {
        calls.push_back({opening, closing, box ? box->text() : QString()});
        FakeDialogHost::InsertText(opening, closing);
    }
    struct Call {
        QString opening, closing, boxText;
    };
    std::vector<Call> calls;
    QLineEdit* box = nullptr;
};

TEST(EmbedFindFileTest, GivesTheDocumentTheFocusBetweenSettingTheBoxAndTurningItsSlashes)
{
    ScriptedPrompter prompter;
    RecordingHost host(prompter);
    // Windows-form paths give a backslash reference, so the moment of the call shows in the box.
    host.documentPath = u("C:\\Site\\Web\\page.html");
    frmEmbed dialog(host);
    host.box = dialog.txtURL;

    prompter.answerOpen(u("C:\\Site\\Web\\Media\\A.avi"));
    dialog.picOpen->click();
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_TRUE(host.calls[0].opening.isEmpty());
    EXPECT_TRUE(host.calls[0].closing.isEmpty());
    EXPECT_EQ(host.calls[0].boxText, u("media\\a.avi"));
    EXPECT_EQ(dialog.txtURL->text(), u("media/a.avi"));

    // Cancelled or nameless: no hand-back.
    for (const std::optional<QString>& answer : {std::optional<QString>(), std::optional<QString>(QString())}) {
        prompter.answerOpen(answer);
        dialog.picOpen->click();
    }
    EXPECT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(dialog.txtURL->text(), u("media/a.avi"));
}

} // namespace
