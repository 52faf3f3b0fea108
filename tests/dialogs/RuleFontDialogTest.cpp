// The horizontal rule and font dialogs: the tags their fields build, their lists, the colour and
// face buttons (cancelled ones included), and both windows driven by control names.

#include "DialogTestSupport.h"
#include "support/FakeDialogHost.h"

#include "dialogs/RuleFontFields.h"
#include "dialogs/frmFont.h"
#include "dialogs/frmHRInput.h"
#include "document/DocumentEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// ---- pure parts -----------------------------------------------------------------------------

struct RuleCase {
    const char* what;
    RuleFields fields;
    const char* tag;
};

const RuleCase kRuleCases[] = {
    {"the worked example", {"50", true, "3", "CENTER", true}, "<HR WIDTH=50% SIZE=3 ALIGN=CENTER NOSHADE>"},
    {"nothing filled", {}, "<HR>"},
    {"percent without a width", {"", true, "", "", false}, "<HR>"},
    {"pixels add no unit", {"200", false, "", "", false}, "<HR WIDTH=200>"},
    {"values are not checked", {"abc", true, "x", "", false}, "<HR WIDTH=abc% SIZE=x>"},
    {"only the thickness", {"", false, "99", "", false}, "<HR SIZE=99>"},
    {"only the alignment", {"", false, "", "LEFT", false}, "<HR ALIGN=LEFT>"},
    {"only no shade", {"", false, "", "", true}, "<HR NOSHADE>"},
    {"nothing quoted or trimmed", {" 5 ", false, "", "RIGHT", true}, "<HR WIDTH= 5  ALIGN=RIGHT NOSHADE>"},
};

TEST(RuleTag, BuildsEachCase)
{
    for (const RuleCase& c : kRuleCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ruleTag(c.fields), QString::fromUtf8(c.tag));
    }
}

struct FontCase {
    const char* what;
    FontFields fields;
    const char* tag;
};

const FontCase kFontCases[] = {
    {"the worked example", {"4", "#FF0000", "Arial,Verdana"}, "<FONT SIZE=4 COLOR=#FF0000 FACE=\"Arial,Verdana\">"},
    {"nothing filled", {}, "<FONT>"},
    {"a colour typed without #", {"", "FF0000", ""}, "<FONT COLOR=FF0000>"},
    {"a size not in the list", {"+2", "", ""}, "<FONT SIZE=+2>"},
    {"only a face with spaces", {"", "", "Times New Roman"}, "<FONT FACE=\"Times New Roman\">"},
    {"a face ending in a comma", {"", "red", "Arial,"}, "<FONT COLOR=red FACE=\"Arial,\">"},
};

TEST(FontStartTag, BuildsEachCase)
{
    for (const FontCase& c : kFontCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fontStartTag(c.fields), QString::fromUtf8(c.tag));
    }
    EXPECT_EQ(fontEndTag(), QStringLiteral("</FONT>"));
}

TEST(FaceList, JoinsWithACommaAndNoSpace)
{
    const struct {
        const char* faces;
        const char* name;
        const char* result;
    } cases[] = {
        {"", "Arial", "Arial"},
        {"Arial", "Verdana", "Arial,Verdana"},
        {"Arial,Verdana", "Courier New", "Arial,Verdana,Courier New"},
        {"", "", ""},
        {"Arial", "", "Arial,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        EXPECT_EQ(faceListWith(QString::fromUtf8(c.faces), QString::fromUtf8(c.name)), QString::fromUtf8(c.result));
    }
}

TEST(RuleFontLists, HoldTheirEntriesInOrder)
{
    const QStringList thickness = ruleThicknessEntries();
    ASSERT_EQ(thickness.size(), 100);
    EXPECT_EQ(thickness.first(), QString());
    for (int i = 1; i < 100; ++i)
        EXPECT_EQ(thickness.at(i), QString::number(i));
    EXPECT_FALSE(thickness.contains(QStringLiteral("100")));
    EXPECT_EQ(ruleAlignEntries(), (QStringList{"LEFT", "RIGHT", "CENTER", ""}));
    EXPECT_EQ(fontSizeEntries(), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
}

// ---- the font buttons, dialog alone ---------------------------------------------------------

class FontButtonsTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }
    ScriptedPrompter prompter;
    FakeDialogHost host{prompter};
};

TEST_F(FontButtonsTest, ChooseColorWritesHexAndACancelKeepsThePreviousColour)
{
    frmFont d(host);
    const struct {
        std::optional<QColor> answer;
        const char* text;
    } steps[] = {
        {std::nullopt, "#000000"}, // cancelled the first time: black
        {QColor(255, 0, 0), "#FF0000"},
        {std::nullopt, "#FF0000"},
        {QColor(171, 205, 239), "#ABCDEF"},
        {QColor(1, 2, 3), "#010203"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.text);
        prompter.answerColor(s.answer);
        d.cmdChooseColor->click();
        EXPECT_EQ(prompter.last().kind, QStringLiteral("color"));
        EXPECT_EQ(d.txtFontColor->text(), QString::fromUtf8(s.text));
    }
}

TEST_F(FontButtonsTest, ChooseFaceAddsTheNameAndACancelReusesTheLastOne)
{
    frmFont d(host);
    const struct {
        const char* typed; // the box set by hand first; null keeps it
        std::optional<QString> answer;
        const char* text;
    } steps[] = {
        {nullptr, std::nullopt, ""},   // cancelled with no name yet: an empty box stays empty
        {"Arial", std::nullopt, "Arial,"}, // and a filled box gains a trailing comma
        {"", QStringLiteral("Arial"), "Arial"},
        {nullptr, QStringLiteral("Verdana"), "Arial,Verdana"},
        {nullptr, std::nullopt, "Arial,Verdana,Verdana"},
        {"", std::nullopt, "Verdana"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.text);
        if (s.typed)
            d.txtFontFace->setText(QString::fromUtf8(s.typed));
        prompter.answerFont(s.answer ? std::optional<QFont>(QFont(*s.answer)) : std::nullopt);
        d.cmdChooseFace->click();
        EXPECT_EQ(prompter.last().kind, QStringLiteral("font"));
        EXPECT_EQ(d.txtFontFace->text(), QString::fromUtf8(s.text));
    }
}

// ---- the windows in the main window ---------------------------------------------------------

class RuleFontDialogTest : public DialogAppTest {
protected:
    void SetUp() override { start(); }

    frmHRInput* openRule() { return openDialog<frmHRInput>("frmHRInput"); }
    frmFont* openFont() { return openDialog<frmFont>("frmFont"); }

    template <typename T>
    static QString caption(QWidget* d, const char* name)
    {
        T* w = d->findChild<T*>(QLatin1String(name));
        return w ? w->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }
};

TEST_F(RuleFontDialogTest, RuleDialogOpensEmptyWithItsControls)
{
    frmHRInput* d = openRule();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("HR Input"));
    EXPECT_EQ(d->parentWidget(), window.get());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(caption<QLabel>(d, "lblWidth"), QStringLiteral("Width:"));
    EXPECT_EQ(caption<QLabel>(d, "LblThickness"), QStringLiteral("Thickness:"));
    EXPECT_EQ(caption<QLabel>(d, "lblAlign"), QStringLiteral("Align:"));
    EXPECT_EQ(caption<QRadioButton>(d, "OptPixel"), QStringLiteral("Pixels"));
    EXPECT_EQ(caption<QRadioButton>(d, "optPercent"), QStringLiteral("Percent"));
    EXPECT_EQ(caption<QCheckBox>(d, "chkNoShade"), QStringLiteral("No Shade"));
    EXPECT_EQ(caption<QPushButton>(d, "cmdOK"), QStringLiteral("OK"));
    EXPECT_EQ(caption<QPushButton>(d, "cmdCancel"), QStringLiteral("Cancel"));
    EXPECT_TRUE(d->cmdOK->isDefault());
    EXPECT_FALSE(d->OptPixel->isChecked());
    EXPECT_FALSE(d->optPercent->isChecked());
    EXPECT_FALSE(d->chkNoShade->isChecked());
    EXPECT_TRUE(d->cboThickInput->isEditable());
    EXPECT_FALSE(d->cboAlign->isEditable());
    EXPECT_EQ(d->cboAlign->currentIndex(), -1);
    EXPECT_EQ(entries(d->cboThickInput), ruleThicknessEntries());
    EXPECT_EQ(entries(d->cboAlign), ruleAlignEntries());
    EXPECT_EQ(ruleTag(d->fields()), QStringLiteral("<HR>"));
}

TEST_F(RuleFontDialogTest, RuleOkPutsTheTagBeforeTheSelectionAndCloses)
{
    const struct {
        const char* what;
        const char* width;
        QRadioButton* frmHRInput::*unit;
        int thickness; // index into the list, -1 types nothing
        int align;
        bool noShade;
        const char* text;
    } cases[] = {
        {"the worked example", "50", &frmHRInput::optPercent, 3, 2, true, "a <HR WIDTH=50% SIZE=3 ALIGN=CENTER NOSHADE>Word b"},
        {"nothing filled", "", nullptr, -1, -1, false, "a <HR>Word b"},
        {"percent, empty width", "", &frmHRInput::optPercent, -1, -1, false, "a <HR>Word b"},
        {"pixels", "300", &frmHRInput::OptPixel, 99, 0, false, "a <HR WIDTH=300 SIZE=99 ALIGN=LEFT>Word b"},
        {"the empty entries", "7", nullptr, 0, 3, false, "a <HR WIDTH=7>Word b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        documentWithSelection();
        QPointer<frmHRInput> d = openRule();
        ASSERT_TRUE(d);
        QTest::keyClicks(d->txtWidthInput, QString::fromUtf8(c.width));
        if (c.unit)
            (d->*c.unit)->click();
        if (c.thickness >= 0)
            d->cboThickInput->setCurrentIndex(c.thickness);
        if (c.align >= 0)
            d->cboAlign->setCurrentIndex(c.align);
        if (c.noShade)
            d->chkNoShade->click();
        d->cmdOK->click();
        EXPECT_EQ(editor()->wholeText(), QString::fromUtf8(c.text));
        EXPECT_TRUE(closedAndGone(d.data()));
    }
}

TEST_F(RuleFontDialogTest, FontDialogOpensEmptyWithItsControls)
{
    frmFont* d = openFont();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Font"));
    EXPECT_EQ(d->parentWidget(), window.get());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(caption<QLabel>(d, "lblFontSize"), QStringLiteral("Font Size:"));
    EXPECT_EQ(caption<QLabel>(d, "lblFontColor"), QStringLiteral("Font Color:"));
    EXPECT_EQ(caption<QLabel>(d, "lblFontFace"), QStringLiteral("Font Face:"));
    EXPECT_EQ(caption<QPushButton>(d, "cmdChooseColor"), QStringLiteral("C&hoose Color"));
    EXPECT_EQ(caption<QPushButton>(d, "cmdChooseFace"), QStringLiteral("Ch&oose Face"));
    EXPECT_EQ(caption<QPushButton>(d, "cmdOK"), QStringLiteral("&OK"));
    EXPECT_EQ(caption<QPushButton>(d, "cmdCancel"), QStringLiteral("&Cancel"));
    EXPECT_TRUE(d->cmdOK->isDefault());
    EXPECT_TRUE(d->cboFontSize->isEditable());
    EXPECT_EQ(entries(d->cboFontSize), fontSizeEntries());
    EXPECT_EQ(caption<QLineEdit>(d, "txtFontColor"), QString());
    EXPECT_EQ(caption<QLineEdit>(d, "txtFontFace"), QString());
    EXPECT_EQ(fontStartTag(d->fields()), QStringLiteral("<FONT>"));
}

TEST_F(RuleFontDialogTest, FontOkWrapsTheSelection)
{
    // The worked example, through the buttons.
    documentWithSelection();
    QPointer<frmFont> d = openFont();
    ASSERT_TRUE(d);
    d->cboFontSize->setCurrentIndex(3);
    prompter.answerColor(QColor(255, 0, 0));
    d->cmdChooseColor->click();
    prompter.answerFont(QFont(QStringLiteral("Arial")));
    d->cmdChooseFace->click();
    prompter.answerFont(QFont(QStringLiteral("Verdana")));
    d->cmdChooseFace->click();
    d->cmdOK->click();
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("a <FONT SIZE=4 COLOR=#FF0000 FACE=\"Arial,Verdana\">Word</FONT> b"));
    EXPECT_TRUE(closedAndGone(d.data()));

    // Nothing filled, and a colour typed by hand.
    for (const char* colour : {"", "00FF00"}) {
        SCOPED_TRACE(colour);
        documentWithSelection();
        QPointer<frmFont> again = openFont();
        ASSERT_TRUE(again);
        QTest::keyClicks(again->txtFontColor, QString::fromUtf8(colour));
        again->cmdOK->click();
        const QString start = *colour ? QStringLiteral("<FONT COLOR=00FF00>") : QStringLiteral("<FONT>");
        EXPECT_EQ(editor()->wholeText(), QStringLiteral("a ") + start + QStringLiteral("Word</FONT> b"));
    }
}

TEST_F(RuleFontDialogTest, EnterOksEscAndCancelCloseWithoutInserting)
{
    const struct {
        const char* what;
        bool rule;
        int action; // 0 Enter, 1 Esc, 2 Cancel
        const char* text;
    } cases[] = {
        {"rule, Enter", true, 0, "a <HR WIDTH=9>Word b"},  {"rule, Esc", true, 1, "a Word b"},
        {"rule, Cancel", true, 2, "a Word b"},             {"font, Enter", false, 0, "a <FONT COLOR=9>Word</FONT> b"},
        {"font, Esc", false, 1, "a Word b"},               {"font, Cancel", false, 2, "a Word b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        documentWithSelection();
        QPointer<QDialog> d = c.rule ? static_cast<QDialog*>(openRule()) : openFont();
        ASSERT_TRUE(d);
        auto* box = d->findChild<QLineEdit*>(QLatin1String(c.rule ? "txtWidthInput" : "txtFontColor"));
        ASSERT_TRUE(box);
        QTest::keyClicks(box, QStringLiteral("9"));
        if (c.action == 2)
            d->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        else
            QTest::keyClick(box, c.action == 0 ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_EQ(editor()->wholeText(), QString::fromUtf8(c.text));
        EXPECT_TRUE(closedAndGone(d));
    }
}

TEST_F(RuleFontDialogTest, OkWithoutADocumentJustClosesAndReopeningStartsEmpty)
{
    QPointer<frmHRInput> rule = openRule();
    ASSERT_TRUE(rule);
    rule->txtWidthInput->setText(QStringLiteral("10"));
    rule->optPercent->click();
    rule->chkNoShade->click();
    rule->cmdOK->click();
    EXPECT_TRUE(closedAndGone(rule.data()));
    frmHRInput* ruleAgain = openRule();
    ASSERT_TRUE(ruleAgain);
    EXPECT_FALSE(ruleAgain->optPercent->isChecked());
    EXPECT_EQ(ruleTag(ruleAgain->fields()), QStringLiteral("<HR>"));

    QPointer<frmFont> font = openFont();
    ASSERT_TRUE(font);
    prompter.answerColor(QColor(255, 0, 0));
    font->cmdChooseColor->click();
    prompter.answerFont(QFont(QStringLiteral("Arial")));
    font->cmdChooseFace->click();
    font->cmdOK->click();
    EXPECT_TRUE(closedAndGone(font.data()));
    frmFont* fontAgain = openFont();
    ASSERT_TRUE(fontAgain);
    EXPECT_EQ(fontStartTag(fontAgain->fields()), QStringLiteral("<FONT>"));
    // Nothing carries over to the system dialogs either: cancelled, they give black and no face.
    prompter.answerColor(std::nullopt);
    fontAgain->cmdChooseColor->click();
    prompter.answerFont(std::nullopt);
    fontAgain->cmdChooseFace->click();
    EXPECT_EQ(fontStartTag(fontAgain->fields()), QStringLiteral("<FONT COLOR=#000000>"));
}

} // namespace
