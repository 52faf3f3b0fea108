// The menu bar as the user sees it: every menu, item, caption, shortcut and separator in
// order, compared with a transcription kept here apart from the program's own table.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <Qsci/qscicommandset.h>

namespace {

struct Node {
    enum Kind { Item, Separator, Submenu } kind = Item;
    QString name;
    QString caption;
    QString shortcut;
    int help = 0;
    std::vector<Node> children;
};

Node I(const char* name, const char* caption, const char* shortcut = "", int help = 0)
{
    return {Node::Item, QString::fromUtf8(name), QString::fromUtf8(caption), QString::fromUtf8(shortcut), help, {}};
}

Node H(const char* name, const char* caption, int help) { return I(name, caption, "", help); }

Node S(const char* name = "") { return {Node::Separator, QString::fromUtf8(name), {}, {}, 0, {}}; }

Node M(const char* name, const char* caption, std::vector<Node> children, int help = 0)
{
    return {Node::Submenu, QString::fromUtf8(name), QString::fromUtf8(caption), {}, help, std::move(children)};
}

// The menu tree as the product describes it.
std::vector<Node> expectedTree()
{
    std::vector<Node> file = {
        I("mnuNew", "&New", "Ctrl+N"),   I("mnuOpen", "&Open", "Ctrl+O"), S(),
        I("mnuSave", "&Save", "Ctrl+S"), I("mnuSaveAs", "Save &As"),      S(),
        I("mnuClose", "&Close", "Ctrl+W"), S(),
        I("mnuPrint", "&Print", "Ctrl+P"), S(),
        I("mnuExit", "E&xit"),           S("mnuSep10"),
    };
    for (int i = 0; i < 8; ++i)
        file.push_back(I(QStringLiteral("mnuFileArray_%1").arg(i).toUtf8().constData(), ""));

    return {
        M("mnuFile", "&File", file),
        M("mMain", "&Edit",
          {
              I("mEdit_0", "&Undo         Ctrl+Z"),
              S("mEdit_1"),
              I("mEdit_2", "&Cut            Ctrl+X"),
              I("mEdit_3", "C&opy         Ctrl+C"),
              I("mEdit_4", "&Paste        Ctrl+V"),
              I("mEdit_5", "&Delete       Del"),
              S(),
              I("mnuSelectAll", "&Select All"),
              S(),
              I("mnuTimeDate", "Insert &Date"),
              I("mnuInsertContents", "&Insert Contents"),
              S(),
              I("mnuSpellCheck", "Sp&ell Check", "Ctrl+F12"),
              S(),
              I("mnuFind", "&Find", "Ctrl+F"),
              I("mnuFindAgain", "Find &Next", "F3"),
              I("mnuReplace", "&Replace", "Ctrl+R"),
              I("mnuMultiFile", "&Multi File Replace"),
          }),
        M("mnuTags", "&Tags",
          {
              M("mnuFontOpt", "&Font Options",
                {I("mnuBIG", "<BIG>"), I("mnuSMALL", "<SMALL>"), I("mnuBlink", "<BLINK>"), I("mnuSUB", "<SUB>"),
                 I("mnuSUP", "<SUP>"), I("mnuEm", "<EM>"), I("mnuStrong", "<STRONG>"), I("mnuS", "<S>"),
                 I("mnuCODE", "<CODE>"), I("mnuSAMP", "<SAMP>"), I("mnuKBD", "<KBD>"), I("mnuCITE", "<CITE>"),
                 I("mnuTT", "<TT>"), I("mnuBASE", "Base Font Size")}),
              M("mnuParagraph", "&Paragraph", {I("mnuDIV", "<DIV>"), I("mnuBlockQuote", "Block Quote")}),
              M("mnuCharacters", "C&haracters",
                {I("mnuSpace", "Space"),
                 I("mnuExclamation", "Exclamation Mark"),
                 I("mnuQuotation", "Quotation Mark"),
                 I("mnuNumber", "Number Sign"),
                 I("mnuDollar", "Dollar Sign"),
                 I("mnuPercent", "Percent Sign"),
                 I("mnuAmpersand", "Ampersand"),
                 I("mnuApostrophe", "Apostrophe"),
                 I("mnuLeftP", "Left Parenthesis"),
                 I("mnuRightP", "Right Parenthesis"),
                 I("mnuAsterisk", "Asterisk"),
                 I("mnuPlusSign", "Plus Sign"),
                 I("mnuLessThan", "Less Than"),
                 I("mnuEqual", "Equal Sign"),
                 I("mnuGreaterThan", "Greater Than"),
                 I("mnuQuestion", "Question Mark"),
                 I("mnuAT", "Commercial At "),
                 I("mnuLeftSQ", "Left Square Bracket"),
                 I("mnuRightSQ", "Right Square Bracket"),
                 I("mnuTilde", "Tilde"),
                 I("mnuInEx", "Inverted Exclamation"),
                 I("mnuCent", "Cent Sign"),
                 I("mnuCopyright", "Copyright"),
                 I("mnuRegistered", "Registered"),
                 I("mnuOneFourth", "Fraction One-Fourth"),
                 I("mnuOneHalf", "Fraction One-Half"),
                 I("mnuThreeFourths", "Fraction Three-Fourths")}),
              M("mnuOther", "&Other",
                {I("mnuImageMap", "&Image Map"), I("mnuMapArea", "&Map Area"), I("mnuNOBR", "<NOBR>"),
                 I("mnuWBR", "<WBR>")}),
              M("mnuIE", "&Internet Explorer",
                {M("mnuBack", "Background Properties",
                   {I("mnuBGPROP", "BGPROPERTIES=FIXED"), I("mnuLeftMargin", "LEFTMARGIN"),
                    I("mnuTopMargin", "TOPMARGIN")}),
                 M("mnuBackgroundSound", "Background Sound", {I("mnuBGSOUND", "<BGSOUND>")}),
                 M("mnuFontOptions", "Font Options", {I("mnuFace", "FACE")}),
                 M("mnuIMGOpt", "IMG Options",
                   {I("mnuControls", "CONTROLS"), I("mnuDYN", "DYNSRC"), I("mnuLOOP", "LOOP"),
                    I("mnuFileOpen", "START=FILEOPEN"), I("mnuMouseOver", "START=MOUSEOVER")}),
                 M("mnuMarquee", "Marquee",
                   {I("mnuMar", "<MARQUEE>"), I("mnuAligns", "ALIGN"), I("mnuBehavior", "BEHAVIOR"),
                    I("mnuDirection", "DIRECTION"), I("mnuH", "HEIGHT"), I("mnuScrollAm", "SCROLLAMOUNT"),
                    I("mnuScrollD", "SCROLLDELAY"), I("mnuWidthAgain", "WIDTH")}),
                 I("mnuMap", "<MAP>")}),
              M("mnuFrontButtons", "&Front Buttons",
                {I("mnuBold", "&Bold", "Ctrl+B"), I("mnuItalic", "&Italic", "Ctrl+I"),
                 I("mnuUnderline", "&Underline", "Ctrl+U"), I("mnuReload", "&Reload", "Ctrl+T"),
                 I("mnuLink", "&Link", "Ctrl+L"), I("mnuImage", "&Image", "Ctrl+M"),
                 I("mnuEmbed", "&Embed", "Ctrl+E"), I("mnuCenter", "&Center", "Ctrl+J"),
                 I("mnuBreak", "&Break", "Ctrl+Y"), I("mnuHR", "&HR", "Ctrl+H")}),
              S(),
              I("mnuAddBreaks", "&Add Breaks"),
              I("mnuAddLi", "A&dd List Tags"),
              I("mnuRemoveTags", "&Remove Tags"),
          },
          15),
        M("mnuDocument", "Docu&ment",
          {
              H("mnuBody", "&Body", 20),
              H("mnuForm", "For&m", 21),
              H("mnuTable", "&Table", 22),
              H("mnuFrames", "&Frames", 14),
              M("mnuJava", "&Java", {I("mnuApplet", "&Applet"), I("mnuParam", "&Param")}),
              I("mnuFTP", "FT&P"),
              S(),
              I("mnuInsertImageMap", "&Insert Image Map"),
              S(),
              H("mnuDefault", "&Default Template", 23),
              I("mnuUserTemplate", "&User Template"),
              S(),
              I("mnuSetUserTemplate", "&Save Template"),
              S(),
              M("mnuConversions", "&Conversions",
                {H("mnuConvertFromMac", "&Convert FROM Macintosh format", 9),
                 H("mnuConvertToMac", "C&onvert TO Macintosh format", 9), S(),
                 H("mnuConvertFromUNIX", "Convert &FROM UNIX format", 9),
                 H("mnuConvertToUNIX", "Convert &TO UNIX format", 9)},
                9),
          }),
        M("mnuWindow", "&Window",
          {
              I("mnuCascade", "&Cascade", "Shift+F5"),
              I("mnuTile", "&Tile", "Shift+F4"),
              I("mnuArrangeIcons", "&Arrange Icons"),
              S(),
              I("mnuCenterCursor", "Center C&ursor"),
              I("mnuLowerCase", "Lo&wer Case Tags"),
              I("mnuColoredTags", "Color Tags &On Opening"),
              I("mnuConvertC", "Con&vert Characters"),
              I("mnuWebTimer", "Use Web Ti&mer"),
              S(),
              I("mnuToolBar", "Too&l Bar"),
              S(),
              H("mnuFontSize", "Fo&nt", 16),
              H("mnuTextColor", "Te&xt Color", 17),
              H("mnuBackground", "Bac&kground", 18),
              I("mnuLinkClr", "Ta&g Color"),
              S(),
              I("mnuLocalPreview", "&Local Preview"),
              H("mnuWebBrowser", "Select Web &Browser", 19),
          }),
        M("mnuHelp", "&Help", {I("mnuMainHelp", "&Help"), H("mnuAbout", "&About", 25)}),
    };
}

// One line per entry, indented by depth, so that a difference shows where it is.
void describe(const std::vector<Node>& nodes, int depth, QStringList& out)
{
    for (const Node& n : nodes) {
        const QString indent(depth * 2, QLatin1Char(' '));
        switch (n.kind) {
        case Node::Separator: out << indent + QStringLiteral("---- [%1]").arg(n.name); break;
        case Node::Item:
            out << indent + QStringLiteral("\"%1\" [%2] key=%3 help=%4").arg(n.caption, n.name, n.shortcut).arg(n.help);
            break;
        case Node::Submenu:
            out << indent + QStringLiteral("\"%1\" [%2] > help=%3").arg(n.caption, n.name).arg(n.help);
            describe(n.children, depth + 1, out);
        }
    }
}

void describe(const QList<QAction*>& actions, int depth, QStringList& out)
{
    for (QAction* a : actions) {
        const QString indent(depth * 2, QLatin1Char(' '));
        const int help = a->data().toInt();
        if (a->isSeparator()) {
            out << indent + QStringLiteral("---- [%1]").arg(a->objectName());
        } else if (QMenu* sub = a->menu()) {
            // A menu and the action that opens it answer to the same name.
            const QString name = sub->objectName() == a->objectName() ? a->objectName() : QStringLiteral("?");
            out << indent + QStringLiteral("\"%1\" [%2] > help=%3").arg(a->text(), name).arg(help);
            describe(sub->actions(), depth + 1, out);
        } else {
            out << indent
                       + QStringLiteral("\"%1\" [%2] key=%3 help=%4")
                             .arg(a->text(), a->objectName(), a->shortcut().toString(QKeySequence::PortableText))
                             .arg(help);
        }
    }
}

// Every leaf command of the menu bar.
QList<QAction*> leaves(const QList<QAction*>& actions)
{
    QList<QAction*> out;
    for (QAction* a : actions) {
        if (a->isSeparator())
            continue;
        if (QMenu* sub = a->menu())
            out += leaves(sub->actions());
        else
            out << a;
    }
    return out;
}

// QObject::receivers is protected; a pointer to it taken through a derived class is not.
struct ReceiverCount : QObject {
    using QObject::receivers;
};

int triggeredReceivers(QAction* a)
{
    const auto receivers = &ReceiverCount::receivers;
    return (a->*receivers)(SIGNAL(triggered(bool)));
}

class MenuTreeTest : public AppTest {};

} // namespace

TEST_F(MenuTreeTest, menuBarMatchesTheDescribedTree)
{
    start();
    QStringList expected, actual;
    describe(expectedTree(), 0, expected);
    describe(window->menuBar()->actions(), 0, actual);
    EXPECT_EQ(actual.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
}

TEST_F(MenuTreeTest, optionsAreCheckableAndNothingElseIs)
{
    start();
    const QStringList options = {QStringLiteral("mnuCenterCursor"), QStringLiteral("mnuLowerCase"),
                                 QStringLiteral("mnuColoredTags"),  QStringLiteral("mnuConvertC"),
                                 QStringLiteral("mnuWebTimer"),     QStringLiteral("mnuToolBar"),
                                 QStringLiteral("mnuLocalPreview")};
    for (QAction* a : leaves(window->menuBar()->actions()))
        EXPECT_EQ(a->isCheckable(), options.contains(a->objectName())) << a->objectName().toStdString();
}

TEST_F(MenuTreeTest, recentFileSeparatorAndEntriesAreHiddenAtFirstStart)
{
    start();
    EXPECT_FALSE(action(QStringLiteral("mnuSep10"))->isVisible());
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(action(QStringLiteral("mnuFileArray_%1").arg(i))->isVisible()) << i;
    // Everything above them is shown.
    EXPECT_TRUE(action(QStringLiteral("mnuExit"))->isVisible());
}

TEST_F(MenuTreeTest, everyCommandThatCanBeChosenDoesSomething)
{
    start();
    int enabled = 0;
    for (QAction* a : leaves(window->menuBar()->actions())) {
        if (!a->isEnabled())
            continue;
        ++enabled;
        EXPECT_GT(triggeredReceivers(a), 0) << a->objectName().toStdString() << " is enabled but routed nowhere";
    }
    // The shell's own commands are built, so there is something to check.
    for (const char* name : {"mnuNew", "mnuOpen", "mnuExit", "mEdit_0", "mnuSelectAll", "mnuCascade",
                             "mnuTile", "mnuArrangeIcons", "mnuCenterCursor", "mnuLocalPreview", "mnuMainHelp",
                             "mnuAbout"})
        EXPECT_TRUE(action(QLatin1String(name))->isEnabled()) << name;
    EXPECT_GE(enabled, 13);
    // Every command's work is built: none stays greyed out for want of it.
    for (QAction* a : leaves(window->menuBar()->actions()))
        EXPECT_TRUE(a->property("routed").toBool()) << a->objectName().toStdString() << " is routed nowhere";
}

TEST_F(MenuTreeTest, menuShortcutsWorkWhileTypingInTheEditor)
{
    start();
    trigger(QStringLiteral("mnuNew"));
    ASSERT_TRUE(editor());
    // A key the editor binds for itself never reaches the menu while the editor has the focus.
    QsciCommandSet* keys = editor()->standardCommands();
    for (QAction* a : leaves(window->menuBar()->actions())) {
        if (a->shortcut().isEmpty())
            continue;
        EXPECT_EQ(keys->boundTo(a->shortcut()[0].toCombined()), nullptr)
            << a->objectName().toStdString() << " " << a->shortcut().toString().toStdString()
            << " is also an editor key";
    }
    EXPECT_EQ(keys->boundTo(Qt::Key_F1), nullptr) << "F1 opens the help";

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    DocumentEditor* typing = editor();
    typing->setFocus();
    QTest::keyClick(typing, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->documents().size(), 2);
    EXPECT_EQ(typing->wholeText(), QString()) << "the key went into the text";

    // Nor may a document window's own system menu keep one: both would then stay silent.
    QList<QKeySequence> menuKeys;
    for (QAction* a : leaves(window->menuBar()->actions()))
        menuKeys << a->shortcut();
    for (QMdiSubWindow* w : window->mdiArea->subWindowList())
        for (QAction* a : w->systemMenu()->actions())
            for (const QKeySequence& key : a->shortcuts())
                EXPECT_FALSE(menuKeys.contains(key)) << a->text().toStdString();
    QTest::keyClick(editor(), Qt::Key_W, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->documents().size(), 1) << "Ctrl+W closes the active document";
}

TEST_F(MenuTreeTest, windowMenuListsTheOpenDocumentsBelowItsItems)
{
    start();
    const QString first = writeFile(QStringLiteral("one.htm"), "1");
    const QString second = writeFile(QStringLiteral("two & three.htm"), "2");
    window->openFiles({first, second});
    QMenu* menu = window->menu(QStringLiteral("mnuWindow"));
    emit menu->aboutToShow();
    const QList<QAction*> items = menu->actions();
    ASSERT_GE(items.size(), 3);
    // The designed items stay first and untouched.
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("mnuCascade"));
    EXPECT_EQ(items[items.size() - 3]->isSeparator(), true);
    EXPECT_TRUE(items[items.size() - 2]->text().endsWith(first));
    EXPECT_TRUE(items[items.size() - 1]->text().endsWith(QStringLiteral("two && three.htm")));
    EXPECT_TRUE(items.back()->isChecked()) << "the active document is marked";

    // Choosing an entry activates that document.
    items[items.size() - 2]->trigger();
    EXPECT_EQ(window->activeDocument()->caption(), first);

    // Showing the menu again does not list the documents twice.
    emit menu->aboutToShow();
    EXPECT_EQ(menu->actions().size(), items.size());
}
