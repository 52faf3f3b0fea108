#include "app/MenuTree.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

MenuItem item(const char* name, const char* caption, const char* shortcut = "")
{
    MenuItem m;
    m.name = QString::fromLatin1(name);
    m.caption = QString::fromLatin1(caption);
    m.shortcut = QString::fromLatin1(shortcut);
    return m;
}

MenuItem option(const char* name, const char* caption, bool checked)
{
    MenuItem m = item(name, caption);
    m.checkable = true;
    m.checked = checked;
    return m;
}

MenuItem separator(const char* name = "")
{
    MenuItem m;
    m.name = QString::fromLatin1(name);
    m.separator = true;
    return m;
}

MenuItem menu(const char* name, const char* caption, std::vector<MenuItem> children)
{
    MenuItem m = item(name, caption);
    m.children = std::move(children);
    return m;
}

MenuItem withHelp(MenuItem m, int context)
{
    m.helpContext = context;
    return m;
}

std::vector<MenuItem> makeTree()
{
    std::vector<MenuItem> file = {
        item("mnuNew", "&New", "Ctrl+N"),
        item("mnuOpen", "&Open", "Ctrl+O"),
        separator(),
        item("mnuSave", "&Save", "Ctrl+S"),
        item("mnuSaveAs", "Save &As"),
        separator(),
        item("mnuClose", "&Close", "Ctrl+W"),
        separator(),
        item("mnuPrint", "&Print", "Ctrl+P"),
        separator(),
        item("mnuExit", "E&xit"),
    };
    MenuItem sep10 = separator("mnuSep10");
    sep10.hidden = true;
    file.push_back(sep10);
    for (int i = 0; i < 8; ++i) {
        MenuItem recent;
        recent.name = QStringLiteral("mnuFileArray_%1").arg(i);
        recent.hidden = true;
        file.push_back(recent);
    }

    std::vector<MenuItem> edit = {
        item("mEdit_0", "&Undo         Ctrl+Z"),
        separator("mEdit_1"),
        item("mEdit_2", "&Cut            Ctrl+X"),
        item("mEdit_3", "C&opy         Ctrl+C"),
        item("mEdit_4", "&Paste        Ctrl+V"),
        item("mEdit_5", "&Delete       Del"),
        separator(),
        item("mnuSelectAll", "&Select All"),
        separator(),
        item("mnuTimeDate", "Insert &Date"),
        item("mnuInsertContents", "&Insert Contents"),
        separator(),
        item("mnuSpellCheck", "Sp&ell Check", "Ctrl+F12"),
        separator(),
        item("mnuFind", "&Find", "Ctrl+F"),
        item("mnuFindAgain", "Find &Next", "F3"),
        item("mnuReplace", "&Replace", "Ctrl+R"),
        item("mnuMultiFile", "&Multi File Replace"),
    };

    std::vector<MenuItem> characters = {
        item("mnuSpace", "Space"), item("mnuExclamation", "Exclamation Mark"),
        item("mnuQuotation", "Quotation Mark"), item("mnuNumber", "Number Sign"),
        item("mnuDollar", "Dollar Sign"), item("mnuPercent", "Percent Sign"),
        item("mnuAmpersand", "Ampersand"), item("mnuApostrophe", "Apostrophe"),
        item("mnuLeftP", "Left Parenthesis"), item("mnuRightP", "Right Parenthesis"),
        item("mnuAsterisk", "Asterisk"), item("mnuPlusSign", "Plus Sign"),
        item("mnuLessThan", "Less Than"), item("mnuEqual", "Equal Sign"),
        item("mnuGreaterThan", "Greater Than"), item("mnuQuestion", "Question Mark"),
        item("mnuAT", "Commercial At "), item("mnuLeftSQ", "Left Square Bracket"),
        item("mnuRightSQ", "Right Square Bracket"), item("mnuTilde", "Tilde"),
        item("mnuInEx", "Inverted Exclamation"), item("mnuCent", "Cent Sign"),
        item("mnuCopyright", "Copyright"), item("mnuRegistered", "Registered"),
        item("mnuOneFourth", "Fraction One-Fourth"), item("mnuOneHalf", "Fraction One-Half"),
        item("mnuThreeFourths", "Fraction Three-Fourths"),
    };

    std::vector<MenuItem> tags = {
        menu("mnuFontOpt", "&Font Options",
             {item("mnuBIG", "<BIG>"), item("mnuSMALL", "<SMALL>"), item("mnuBlink", "<BLINK>"),
              item("mnuSUB", "<SUB>"), item("mnuSUP", "<SUP>"), item("mnuEm", "<EM>"),
              item("mnuStrong", "<STRONG>"), item("mnuS", "<S>"), item("mnuCODE", "<CODE>"),
              item("mnuSAMP", "<SAMP>"), item("mnuKBD", "<KBD>"), item("mnuCITE", "<CITE>"),
              item("mnuTT", "<TT>"), item("mnuBASE", "Base Font Size")}),
        menu("mnuParagraph", "&Paragraph", {item("mnuDIV", "<DIV>"), item("mnuBlockQuote", "Block Quote")}),
        menu("mnuCharacters", "C&haracters", characters),
        menu("mnuOther", "&Other",
             {item("mnuImageMap", "&Image Map"), item("mnuMapArea", "&Map Area"),
              item("mnuNOBR", "<NOBR>"), item("mnuWBR", "<WBR>")}),
        menu("mnuIE", "&Internet Explorer",
             {menu("mnuBack", "Background Properties",
                   {item("mnuBGPROP", "BGPROPERTIES=FIXED"), item("mnuLeftMargin", "LEFTMARGIN"),
                    item("mnuTopMargin", "TOPMARGIN")}),
              menu("mnuBackgroundSound", "Background Sound", {item("mnuBGSOUND", "<BGSOUND>")}),
              menu("mnuFontOptions", "Font Options", {item("mnuFace", "FACE")}),
              menu("mnuIMGOpt", "IMG Options",
                   {item("mnuControls", "CONTROLS"), item("mnuDYN", "DYNSRC"), item("mnuLOOP", "LOOP"),
                    item("mnuFileOpen", "START=FILEOPEN"), item("mnuMouseOver", "START=MOUSEOVER")}),
              menu("mnuMarquee", "Marquee",
                   {item("mnuMar", "<MARQUEE>"), item("mnuAligns", "ALIGN"), item("mnuBehavior", "BEHAVIOR"),
                    item("mnuDirection", "DIRECTION"), item("mnuH", "HEIGHT"),
                    item("mnuScrollAm", "SCROLLAMOUNT"), item("mnuScrollD", "SCROLLDELAY"),
                    item("mnuWidthAgain", "WIDTH")}),
              item("mnuMap", "<MAP>")}),
        menu("mnuFrontButtons", "&Front Buttons",
             {item("mnuBold", "&Bold", "Ctrl+B"), item("mnuItalic", "&Italic", "Ctrl+I"),
              item("mnuUnderline", "&Underline", "Ctrl+U"), item("mnuReload", "&Reload", "Ctrl+T"),
              item("mnuLink", "&Link", "Ctrl+L"), item("mnuImage", "&Image", "Ctrl+M"),
              item("mnuEmbed", "&Embed", "Ctrl+E"), item("mnuCenter", "&Center", "Ctrl+J"),
              item("mnuBreak", "&Break", "Ctrl+Y"), item("mnuHR", "&HR", "Ctrl+H")}),
        separator(),
        item("mnuAddBreaks", "&Add Breaks"),
        item("mnuAddLi", "A&dd List Tags"),
        item("mnuRemoveTags", "&Remove Tags"),
    };

    std::vector<MenuItem> document = {
        withHelp(item("mnuBody", "&Body"), 20),
        withHelp(item("mnuForm", "For&m"), 21),
        withHelp(item("mnuTable", "&Table"), 22),
        withHelp(item("mnuFrames", "&Frames"), 14),
        menu("mnuJava", "&Java", {item("mnuApplet", "&Applet"), item("mnuParam", "&Param")}),
        item("mnuFTP", "FT&P"),
        separator(),
        item("mnuInsertImageMap", "&Insert Image Map"),
        separator(),
        withHelp(item("mnuDefault", "&Default Template"), 23),
        item("mnuUserTemplate", "&User Template"),
        separator(),
        item("mnuSetUserTemplate", "&Save Template"),
        separator(),
        withHelp(menu("mnuConversions", "&Conversions",
                      {withHelp(item("mnuConvertFromMac", "&Convert FROM Macintosh format"), 9),
                       withHelp(item("mnuConvertToMac", "C&onvert TO Macintosh format"), 9),
                       separator(),
                       withHelp(item("mnuConvertFromUNIX", "Convert &FROM UNIX format"), 9),
                       withHelp(item("mnuConvertToUNIX", "Convert &TO UNIX format"), 9)}),
                 9),
    };

    std::vector<MenuItem> window = {
        item("mnuCascade", "&Cascade", "Shift+F5"),
        item("mnuTile", "&Tile", "Shift+F4"),
        item("mnuArrangeIcons", "&Arrange Icons"),
        separator(),
        option("mnuCenterCursor", "Center C&ursor", true),
        option("mnuLowerCase", "Lo&wer Case Tags", false),
        option("mnuColoredTags", "Color Tags &On Opening", false),
        option("mnuConvertC", "Con&vert Characters", true),
        option("mnuWebTimer", "Use Web Ti&mer", false),
        separator(),
        option("mnuToolBar", "Too&l Bar", true),
        separator(),
        withHelp(item("mnuFontSize", "Fo&nt"), 16),
        withHelp(item("mnuTextColor", "Te&xt Color"), 17),
        withHelp(item("mnuBackground", "Bac&kground"), 18),
        item("mnuLinkClr", "Ta&g Color"),
        separator(),
        option("mnuLocalPreview", "&Local Preview", true),
        withHelp(item("mnuWebBrowser", "Select Web &Browser"), 19),
    };

    std::vector<MenuItem> help = {
        item("mnuMainHelp", "&Help"),
        withHelp(item("mnuAbout", "&About"), 25),
    };

    return {
        menu("mnuFile", "&File", file),
        menu("mMain", "&Edit", edit),
        withHelp(menu("mnuTags", "&Tags", tags), 15),
        menu("mnuDocument", "Docu&ment", document),
        menu("mnuWindow", "&Window", window),
        menu("mnuHelp", "&Help", help),
    };
}

void addItems(QMenu* parent, const std::vector<MenuItem>& items, BuiltMenus& built)
{
    for (const MenuItem& m : items) {
        QAction* action = nullptr;
        if (m.separator) {
            action = parent->addSeparator();
        } else if (!m.children.empty()) {
            QMenu* sub = parent->addMenu(m.caption);
            sub->setObjectName(m.name);
            built.menus.insert(m.name, sub);
            addItems(sub, m.children, built);
            action = sub->menuAction();
        } else {
            action = parent->addAction(m.caption);
            if (!m.shortcut.isEmpty())
                action->setShortcut(QKeySequence(m.shortcut));
            action->setCheckable(m.checkable);
            action->setChecked(m.checked);
        }
        action->setVisible(!m.hidden);
        if (m.helpContext)
            action->setData(m.helpContext);
        if (!m.name.isEmpty()) {
            action->setObjectName(m.name);
            built.actions.insert(m.name, action);
        }
    }
}

} // namespace

const std::vector<MenuItem>& menuTree()
{
    static const std::vector<MenuItem> tree = makeTree();
    return tree;
}

BuiltMenus buildMenuBar(QMenuBar* bar)
{
    BuiltMenus built;
    for (const MenuItem& top : menuTree()) {
        QMenu* m = bar->addMenu(top.caption);
        m->setObjectName(top.name);
        m->menuAction()->setObjectName(top.name);
        if (top.helpContext)
            m->menuAction()->setData(top.helpContext);
        built.menus.insert(top.name, m);
        built.actions.insert(top.name, m->menuAction());
        addItems(m, top.children, built);
    }
    return built;
}
