// The frames, form-elements and list-box dialogs: the text each builds from its fields, which
// fields each mode or element shows, what stays and what is emptied between insertions, Find
// File, Form Template's question and the list box's options.

#include "DialogTestSupport.h"
#include "support/FakeDialogHost.h"
#include "support/ScriptedPrompter.h"

#include "dialogs/FileReference.h"
#include "dialogs/FrameFormFields.h"
#include "dialogs/frmForm.h"
#include "dialogs/frmFrame.h"
#include "dialogs/frmList.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

// Failures show both halves of a pair as text.
static void PrintTo(const TagPair& t, std::ostream* os) { *os << '"' << (t.opening + "|" + t.closing).toStdString() << '"'; }

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString q(const char* text) { return QString::fromUtf8(text); }

// --- the texts ---------------------------------------------------------------------------------

TEST(FrameTextTest, FramesetWritesFilledSizesInOrder)
{
    const struct {
        FramesetFields fields;
        const char* opening;
    } cases[] = {
        {{"50%,*", ""}, "<FRAMESET ROWS=\"50%,*\">\r\n"},
        {{"", ""}, "<FRAMESET>\r\n"},
        {{"", "100,*"}, "<FRAMESET COLS=\"100,*\">\r\n"},
        {{"*,*", "20%,80%"}, "<FRAMESET ROWS=\"*,*\" COLS=\"20%,80%\">\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opening);
        EXPECT_EQ(framesetText(c.fields, kCrLf), (TagPair{q(c.opening), QStringLiteral("</FRAMESET>")}));
    }
    EXPECT_EQ(framesetText({}, QStringLiteral("\n")).opening, QStringLiteral("<FRAMESET>\n"));
}

TEST(FrameTextTest, FrameWritesFilledAttributesScrollingAndNoResize)
{
    const struct {
        FrameFields fields;
        const char* opening;
    } cases[] = {
        {{}, "<FRAME>\r\n"},
        {{"", "", "", "", FrameScrolling::Auto, false}, "<FRAME>\r\n"},
        {{"a.htm", "main", "5", "6", FrameScrolling::Unset, false},
         R"(<FRAME SRC="a.htm" NAME="main" MARGINWIDTH="5" MARGINHEIGHT="6">)" "\r\n"},
        {{"", "", "", "6", FrameScrolling::Yes, false}, R"(<FRAME MARGINHEIGHT="6" SCROLLING="YES">)" "\r\n"},
        {{"", "nav", "", "", FrameScrolling::No, true}, R"(<FRAME NAME="nav" SCROLLING="NO" NORESIZE>)" "\r\n"},
        {{"", "", "", "", FrameScrolling::Auto, true}, "<FRAME NORESIZE>\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opening);
        EXPECT_EQ(frameText(c.fields, kCrLf), (TagPair{q(c.opening), QString()}));
    }
    EXPECT_EQ(noFramesText(kCrLf), (TagPair{QStringLiteral("<NOFRAMES>\r\n"), QStringLiteral("</NOFRAMES>")}));
}

TEST(FormTextTest, ElementsWriteTypeOrTextAreaAndEveryFilledField)
{
    const struct {
        FormElementFields fields;
        const char* opening;
        const char* closing;
    } cases[] = {
        {{"Text Box", "TEXT", "user", "", "20"}, R"(<INPUT TYPE="TEXT" NAME="user" SIZE="20">)", ""},
        {{}, R"(<INPUT TYPE="">)", ""},
        {{"Text Area", "TEXTAREA", "msg", "", "", "", "4", "40"}, R"(<TEXTAREA NAME="msg" ROWS="4" COLS="40">)",
         "</TEXTAREA>"},
        // Hidden fields still count, in the fixed order.
        {{"Check Box", "CHECKBOX", "n", "v", "s", "m", "r", "c"},
         R"(<INPUT TYPE="CHECKBOX" NAME="n" VALUE="v" SIZE="s" MAXLENGTH="m" ROWS="r" COLS="c">)", ""},
        {{"Text Area", "TEXTAREA", "", "v"}, R"(<TEXTAREA VALUE="v">)", "</TEXTAREA>"},
        // The form template leaves the type of the element before it.
        {{"Form Template", "RADIO", "r"}, R"(<INPUT TYPE="RADIO" NAME="r">)", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opening);
        EXPECT_EQ(formElementText(c.fields), (TagPair{q(c.opening), q(c.closing)}));
    }
    EXPECT_EQ(formTemplateText(QStringLiteral("/cgi-bin/go"), kCrLf),
              (TagPair{QStringLiteral("<FORM METHOD=POST ACTION=\"/cgi-bin/go\">\r\n"), QStringLiteral("</FORM>")}));
}

TEST(FormTextTest, ListBoxOptionsStopAtTheFirstEmptyEntryAndSkipASingleSpace)
{
    const struct {
        ListBoxFields fields;
        const char* opening;
    } cases[] = {
        {{"", false, "", {"a", " ", "b"}}, "<SELECT>\r\n<OPTION>a\r\n<OPTION>b\r\n"},
        {{"pick", true, "", {}}, "<SELECT NAME=\"pick\" MULTIPLE SIZE=\"\">\r\n"},
        {{"", true, "3", {"x"}}, "<SELECT MULTIPLE SIZE=\"3\">\r\n<OPTION>x\r\n"},
        // A size typed before Multiple was cleared is not written.
        {{"", false, "3", {"x"}}, "<SELECT>\r\n<OPTION>x\r\n"},
        {{"", false, "", {"a", "", "b"}}, "<SELECT>\r\n<OPTION>a\r\n"},
        {{"", false, "", {"", "b"}}, "<SELECT>\r\n"},
        {{"", false, "", {"  ", " a "}}, "<SELECT>\r\n<OPTION>  \r\n<OPTION> a \r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opening);
        EXPECT_EQ(listBoxText(c.fields, kCrLf), (TagPair{q(c.opening), QStringLiteral("</SELECT>")}));
    }
}

// --- the dialogs --------------------------------------------------------------------------------

// Keeps each insertion's two halves apart and uses the document's line break.
class RecordingHost : public FakeDialogHost {
public:
    using FakeDialogHost::FakeDialogHost;
    void InsertText(const QString& opening, const QString& closing) override { pairs.push_back({opening, closing}); }
    QByteArray activeLineBreak() const override { return "\r\n"; }
    std::vector<TagPair> pairs;
};

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }
    ScriptedPrompter prompter;
    RecordingHost host{prompter};
};

using FrameDialogTest = DialogTest;

std::vector<QWidget*> frameModeWidgets(frmFrame& d)
{
    return {d.lblRows,         d.txtRows,         d.lblCols,      d.txtCols,     d.lblSrc,  d.txtSrc,
            d.lblName,         d.txtName,         d.lblMarginWidth, d.txtMarginWidth, d.lblMarginHeight,
            d.txtMarginHeight, d.frmScrolling,    d.chkNoResize,  d.picOpen,     d.lblOpen, d.chkForwardSlash};
}

TEST_F(FrameDialogTest, ModeButtonsShowOnlyTheirFields)
{
    QPointer<frmFrame> d = new frmFrame(host);
    d->show();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Frame"));
    EXPECT_EQ(d->lblWhatOpt->text(), QStringLiteral("Select An Option"));
    EXPECT_EQ(d->lblNote->text(), QStringLiteral("Note: You Must Insert Frames BEFORE any <BODY> tag in your document!"));
    EXPECT_TRUE(d->chkForwardSlash->isChecked());
    EXPECT_FALSE(d->chkNoResize->isChecked());
    EXPECT_FALSE(d->optYes->isChecked() || d->optNo->isChecked() || d->optAuto->isChecked());
    for (QWidget* w : frameModeWidgets(*d))
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();

    const std::vector<QWidget*> all = frameModeWidgets(*d);
    const std::pair<QPushButton*, std::vector<QWidget*>> modes[] = {
        {d->cmdFrame, std::vector<QWidget*>(all.begin() + 4, all.end())},
        {d->cmdFrameSet, std::vector<QWidget*>(all.begin(), all.begin() + 4)},
        {d->cmdNoFrames, {}},
    };
    for (const auto& [button, shown] : modes) {
        SCOPED_TRACE(button->text().toStdString());
        button->click();
        EXPECT_EQ(d->lblWhatOpt->text(), button->text());
        for (QWidget* w : all)
            EXPECT_EQ(w->isVisible(), std::find(shown.begin(), shown.end(), w) != shown.end())
                << w->objectName().toStdString();
    }
    d->cmdFinished->click();
    EXPECT_TRUE(d.isNull() || d->isHidden());
    delete d;
}

TEST_F(FrameDialogTest, InsertTagFollowsTheModeAndResetsItsFields)
{
    frmFrame d(host);
    d.show();
    d.cmdInsertTag->click();
    EXPECT_TRUE(host.pairs.empty()) << "nothing before a mode is chosen";

    d.cmdFrameSet->click();
    d.txtRows->setText(QStringLiteral("50%,*"));
    d.cmdInsertTag->click();
    d.cmdInsertTag->click();
    d.cmdFrame->click();
    d.txtSrc->setText(QStringLiteral("a.htm"));
    d.txtName->setText(QStringLiteral("main"));
    d.txtMarginWidth->setText(QStringLiteral("1"));
    d.txtMarginHeight->setText(QStringLiteral("2"));
    d.optYes->setChecked(true);
    d.chkNoResize->setChecked(true);
    d.cmdInsertTag->click();
    EXPECT_TRUE(d.optAuto->isChecked());
    EXPECT_FALSE(d.chkNoResize->isChecked());
    d.cmdInsertTag->click();
    d.optNo->setChecked(true);
    d.cmdInsertTag->click();
    d.cmdNoFrames->click();
    d.cmdInsertTag->click();

    const std::vector<TagPair> expected = {
        {QStringLiteral("<FRAMESET ROWS=\"50%,*\">\r\n"), QStringLiteral("</FRAMESET>")},
        {QStringLiteral("<FRAMESET>\r\n"), QStringLiteral("</FRAMESET>")},
        {q(R"(<FRAME SRC="a.htm" NAME="main" MARGINWIDTH="1" MARGINHEIGHT="2" SCROLLING="YES" NORESIZE>)" "\r\n"), {}},
        {QStringLiteral("<FRAME>\r\n"), {}},
        {q(R"(<FRAME SCROLLING="NO">)" "\r\n"), {}},
        {QStringLiteral("<NOFRAMES>\r\n"), QStringLiteral("</NOFRAMES>")},
    };
    EXPECT_EQ(host.pairs, expected);
    EXPECT_TRUE(d.isVisible()) << "stays open";
}

TEST_F(FrameDialogTest, FindFilePutsTheRelativeReferenceInSrc)
{
    frmFrame d(host);
    d.cmdFrame->click();
    host.documentPath = QStringLiteral("/home/u/web/page.html");
    d.txtSrc->setText(QStringLiteral("kept"));

    prompter.answerOpen(std::nullopt);
    d.picOpen->click();
    EXPECT_EQ(d.txtSrc->text(), QStringLiteral("kept"));
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().filter, kFilterHtmlText);
    EXPECT_EQ(prompter.last().filter,
              QStringLiteral("All Files (*.*)|*.*|HTML Files (*.htm);(*.html)|*.htm;*.html|Text Files (*.txt)|*.txt|"));

    prompter.answerOpen(QStringLiteral("/home/u/web/frames/Left.htm"));
    d.picOpen->click();
    EXPECT_EQ(d.txtSrc->text(), QStringLiteral("frames/Left.htm"));
    d.chkForwardSlash->setChecked(false);
    EXPECT_EQ(d.txtSrc->text(), QStringLiteral(R"(frames\Left.htm)"));
    prompter.answerOpen(QStringLiteral("/home/u/web/frames/Right.htm"));
    d.picOpen->click();
    EXPECT_EQ(d.txtSrc->text(), QStringLiteral(R"(frames\Right.htm)"));
    d.chkForwardSlash->setChecked(true);
    EXPECT_EQ(d.txtSrc->text(), QStringLiteral("frames/Right.htm"));
}

using FormDialogTest = DialogTest;

TEST_F(FormDialogTest, ElementButtonsSetCaptionTypeAndFields)
{
    frmForm d(host);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Forms"));
    EXPECT_TRUE(d.lblUpdate->text().isEmpty());
    const std::vector<QWidget*> boxes = {d.txtName, d.txtValue, d.txtSize, d.txtMaxLength, d.txtRows, d.txtColumn};
    const std::vector<QWidget*> labels = {d.lblName, d.lblValue, d.lblSize, d.lblMaxLength, d.lblRows, d.lblColumn};
    for (QWidget* w : boxes)
        EXPECT_TRUE(w->isVisible());

    const struct {
        QPushButton* button;
        const char* caption;
        const char* type;
        std::vector<bool> shown; // name, value, size, max length, rows, columns
    } cases[] = {
        {d.ssTextArea, "Text Area", "TEXTAREA", {true, false, false, false, true, true}},
        {d.ssText, "Text Box", "TEXT", {true, true, true, true, false, false}},
        {d.ssPassword, "Password Box", "PASSWORD", {true, true, true, true, false, false}},
        {d.ssHidden, "Hidden Box", "HIDDEN", {true, true, false, false, false, false}},
        {d.ssCheck, "Check Box", "CHECKBOX", {true, true, false, false, false, false}},
        {d.ssRadio, "Radio Button", "RADIO", {true, true, false, false, false, false}},
        {d.ssSubmit, "Submit Button", "SUBMIT", {true, true, false, false, false, false}},
        {d.ssReset, "Reset Button", "RESET", {true, true, false, false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(c.button->text(), q(c.caption));
        c.button->click();
        EXPECT_EQ(d.lblUpdate->text(), q(c.caption));
        EXPECT_EQ(d.elementType(), q(c.type));
        for (size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i]->isVisible(), c.shown[i]) << boxes[i]->objectName().toStdString();
            EXPECT_EQ(labels[i]->isVisible(), c.shown[i]) << labels[i]->objectName().toStdString();
        }
    }
}

TEST_F(FormDialogTest, OkInsertsAndKeepsOnlySize)
{
    frmForm d(host);
    d.ssOK->click();
    d.ssText->click();
    d.txtName->setText(QStringLiteral("user"));
    d.txtSize->setText(QStringLiteral("20"));
    d.ssOK->click();
    EXPECT_TRUE(d.txtName->text().isEmpty());
    EXPECT_EQ(d.txtSize->text(), QStringLiteral("20"));
    d.ssTextArea->click();
    d.txtSize->clear();
    d.txtName->setText(QStringLiteral("msg"));
    d.txtValue->setText(QStringLiteral("hidden but kept"));
    d.txtMaxLength->setText(QStringLiteral("9"));
    d.txtRows->setText(QStringLiteral("4"));
    d.txtColumn->setText(QStringLiteral("40"));
    d.ssOK->click();
    for (QLineEdit* box : {d.txtName, d.txtValue, d.txtMaxLength, d.txtRows, d.txtColumn})
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();

    const std::vector<TagPair> expected = {
        {q(R"(<INPUT TYPE="">)"), {}},
        {q(R"(<INPUT TYPE="TEXT" NAME="user" SIZE="20">)"), {}},
        {q(R"(<TEXTAREA NAME="msg" VALUE="hidden but kept" MAXLENGTH="9" ROWS="4" COLS="40">)"),
         QStringLiteral("</TEXTAREA>")},
    };
    EXPECT_EQ(host.pairs, expected);
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(FormDialogTest, FormTemplateAsksForTheAction)
{
    frmForm d(host);
    d.ssRadio->click();
    const std::pair<std::optional<QString>, bool> answers[] = {
        {QString(), false}, {std::nullopt, false}, {QStringLiteral("/cgi-bin/post"), true}};
    for (const auto& [answer, inserts] : answers) {
        host.pairs.clear();
        prompter.requests.clear();
        prompter.answerInput(answer);
        d.ssAnyForm->click();
        ASSERT_EQ(prompter.requests.size(), 1u);
        EXPECT_EQ(prompter.last().kind, QStringLiteral("input"));
        EXPECT_EQ(prompter.last().title, QStringLiteral("Insert Action"));
        EXPECT_EQ(prompter.last().text, QStringLiteral("Please Insert Action for POST"));
        EXPECT_EQ(d.lblUpdate->text(), QStringLiteral("Form Template"));
        EXPECT_EQ(d.elementType(), QStringLiteral("RADIO"));
        if (inserts)
            EXPECT_EQ(host.pairs, (std::vector<TagPair>{{QStringLiteral("<FORM METHOD=POST ACTION=\"/cgi-bin/post\">\r\n"),
                                                         QStringLiteral("</FORM>")}}));
        else
            EXPECT_TRUE(host.pairs.empty());
    }
}

TEST_F(FormDialogTest, ListBoxHidesTheFormUntilItCloses)
{
    frmForm d(host);
    d.show();
    const bool viaOk[] = {false, true};
    for (bool ok : viaOk) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        host.pairs.clear();
        d.ssListBox->click();
        QPointer<frmList> list = d.listDialog();
        ASSERT_TRUE(list);
        EXPECT_EQ(list->windowTitle(), QStringLiteral("List Box"));
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(list->txtSize->isEnabled());
        list->chkMultiple->setChecked(true);
        EXPECT_TRUE(list->txtSize->isEnabled() && list->lblSize->isEnabled());
        list->txtName->setText(QStringLiteral("pick"));
        for (const char* entry : {"b", " ", "a"}) {
            list->txtList->setText(q(entry));
            list->cmdAddItem->click();
            EXPECT_TRUE(list->txtList->text().isEmpty());
        }
        (ok ? list->cmdOK : list->cmdCancel)->click();
        EXPECT_TRUE(d.isVisible());
        if (ok)
            EXPECT_EQ(host.pairs, (std::vector<TagPair>{{q("<SELECT NAME=\"pick\" MULTIPLE SIZE=\"\">\r\n"
                                                           "<OPTION>b\r\n<OPTION>a\r\n"),
                                                         QStringLiteral("</SELECT>")}}));
        else
            EXPECT_TRUE(host.pairs.empty());
        delete list;
    }
}

TEST_F(FormDialogTest, ListItemsGoBeforeTheSelectionAndRemoveNeedsOne)
{
    frmList list(host);
    auto add = [&](const char* entry) {
        list.txtList->setText(q(entry));
        list.cmdAddItem->click();
    };
    add("a");
    add("c");
    list.cboList->setCurrentRow(1);
    add("b");
    add(""); // an empty entry ends the options
    list.cboList->clearSelection();
    add("after");
    EXPECT_EQ(list.fields().entries, (QStringList{"a", "b", "", "c", "after"}));

    list.cboList->clearSelection();
    list.cmdRemoveItem->click();
    EXPECT_EQ(list.cboList->count(), 5);
    list.cboList->setCurrentRow(2);
    list.cmdRemoveItem->click();
    EXPECT_EQ(list.fields().entries, (QStringList{"a", "b", "c", "after"}));

    list.cmdOK->click();
    EXPECT_EQ(host.pairs, (std::vector<TagPair>{
                              {q("<SELECT>\r\n<OPTION>a\r\n<OPTION>b\r\n<OPTION>c\r\n<OPTION>after\r\n"),
                               QStringLiteral("</SELECT>")}}));
}

// The form dialog hidden behind its list box is still the open one: the menu brings it back
// rather than opening a second, and a finished dialog gives way to a new one.
class FormCommandTest : public DialogAppTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(FormCommandTest, FormCommandReusesTheDialogHiddenByItsListBox)
{
    frmForm* form = openByCommand<frmForm>(QStringLiteral("mnuForm"));
    ASSERT_TRUE(form);
    form->ssListBox->click();
    ASSERT_FALSE(form->isVisible());
    trigger(QStringLiteral("mnuForm"));
    EXPECT_EQ(window->findChildren<frmForm*>().size(), 1);
    EXPECT_TRUE(form->isVisible());

    QPointer<frmForm> first(form);
    form->close();
    trigger(QStringLiteral("mnuForm"));
    frmForm* second = shown<frmForm>();
    EXPECT_NE(second, first.data());
}

} // namespace
