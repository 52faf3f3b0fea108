// The tag buttons, the Tags menu and the Characters submenu: what each inserts around a
// selected word, where the caret ends and in which colours; the help line a held button shows;
// and the picture buttons of the tool strip.

#include "support/PageSkeleton.h"
#include "support/TestApp.h"

#include "app/PictureButton.h"
#include "app/StatusHelpButton.h"
#include "document/DocumentEditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kTagColour = QStringLiteral("16711680"); // blue as 0x00BBGGRR
const QString kTextColour = QStringLiteral("32768");   // dark green
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);

// Every insertion wraps the capitalised word of this line, so that a lower-cased selection
// would show.
const QString kBefore = QStringLiteral("a ");
const QString kWord = QStringLiteral("Word");
const QString kAfter = QStringLiteral(" b");

struct Insert {
    const char* control;
    const char* opening;
    const char* closing;
};

struct InsertButton {
    const char* control;
    const char* caption;
    const char* opening;
    const char* closing;
    const char* help; // empty: the button shows no help
};

// Written out by hand rather than taken from the program's tables, so that a wrong row shows.
const InsertButton kInsertButtons[] = {
    {"cmdBold", "B", "<B>", "</B>", "Bold tags."},
    {"cmdItalic", "i", "<I>", "</I>", "Italic tags."},
    {"cmdUnderline", "u", "<U>", "</U>", "Underline tags."},
    {"cmdCenter", "Center", "<CENTER>", "</CENTER>", "Center tags."},
    {"cmdBreak", "Break", "<BR>", "", "Insert a line break in the document."},
    {"cmdPre", "PRE", "<PRE>", "</PRE>", "Preformatted text tags."},
    {"cmdP", "P", "<P>", "</P>", ""},
    {"cmdH1", "H1", "<H1>", "</H1>", "Heading 1 tags."},
    {"cmdH2", "H2", "<H2>", "</H2>", "Heading 2 tags."},
    {"cmdH3", "H3", "<H3>", "</H3>", "Heading 3 tags."},
    {"cmdH4", "H4", "<H4>", "</H4>", "Heading 4 tags."},
    {"cmdH5", "H5", "<H5>", "</H5>", "Heading 5 tags."},
    {"cmdH6", "H6", "<H6>", "</H6>", "Heading 6 tags."},
};

// Buttons that open a window or ask a question, with the Front Buttons item that does the
// same, if there is one.
struct WindowButton {
    const char* control;
    const char* caption;
    const char* help;
    const char* twin;
};

const WindowButton kWindowButtons[] = {
    {"cmdHR", "HR", "Insert a horizontal rule in the document.", "mnuHR"},
    {"cmdFontOption", "Font", "Changes fonts Size, Color, and Face options.", nullptr},
    {"SScmdLink", "Link", "Links a URL to the selected text in the document.", "mnuLink"},
    {"SScmdImage", "Image", "Adds images to the document.", "mnuImage"},
    {"cmdEmbed", "Embed", "Embeds a file into the document - Shockwave, Java, AVI files, etc.", "mnuEmbed"},
};

const Insert kTagsMenu[] = {
    {"mnuBIG", "<BIG>", "</BIG>"},
    {"mnuSMALL", "<SMALL>", "</SMALL>"},
    {"mnuBlink", "<BLINK>", "</BLINK>"},
    {"mnuSUB", "<SUB>", "</SUB>"},
    {"mnuSUP", "<SUP>", "</SUP>"},
    {"mnuEm", "<EM>", "</EM>"},
    {"mnuStrong", "<STRONG>", "</STRONG>"},
    {"mnuS", "<S>", "</S>"},
    {"mnuCODE", "<CODE>", "</CODE>"},
    {"mnuSAMP", "<SAMP>", "</SAMP>"},
    {"mnuKBD", "<KBD>", "</KBD>"},
    {"mnuCITE", "<CITE>", "</CITE>"},
    {"mnuTT", "<TT>", "</TT>"},
    {"mnuDIV", "<DIV>", "</DIV>"},
    {"mnuBlockQuote", "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
    {"mnuNOBR", "<NOBR>", "</NOBR>"},
    {"mnuWBR", "<WBR>", ""},
    {"mnuBold", "<B>", "</B>"},
    {"mnuItalic", "<I>", "</I>"},
    {"mnuUnderline", "<U>", "</U>"},
    {"mnuCenter", "<CENTER>", "</CENTER>"},
    {"mnuBreak", "<BR>", ""},
};

const Insert kCharacters[] = {
    {"mnuSpace", "&#160;", ""},
    {"mnuExclamation", "&#33;", ""},
    {"mnuQuotation", "&#34;", ""},
    {"mnuNumber", "&#35;", ""},
    {"mnuDollar", "&#36;", ""},
    {"mnuPercent", "&#37;", ""},
    {"mnuAmpersand", "&#38;", ""},
    {"mnuApostrophe", "&#39;", ""},
    {"mnuLeftP", "&#40;", ""},
    {"mnuRightP", "&#41;", ""},
    {"mnuAsterisk", "&#42;", ""},
    {"mnuPlusSign", "&#43;", ""},
    {"mnuLessThan", "&#60;", ""},
    {"mnuEqual", "&#61;", ""},
    {"mnuGreaterThan", "&#62;", ""},
    {"mnuQuestion", "&#63;", ""},
    {"mnuAT", "&#64;", ""},
    {"mnuLeftSQ", "&#91;", ""},
    {"mnuRightSQ", "&#93;", ""},
    {"mnuTilde", "&#126;", ""},
    {"mnuInEx", "&#161;", ""},
    {"mnuCent", "&#162;", ""},
    {"mnuCopyright", "&#169;", ""},
    {"mnuRegistered", "&#174;", ""},
    {"mnuOneFourth", "&#188;", ""},
    {"mnuOneHalf", "&#189;", ""},
    {"mnuThreeFourths", "&#190;", ""},
};

// What the document looks like after one insertion: text, caret and colours.
struct Outcome {
    QString text;
    int selStart = -1;
    int selLength = -1;
    QString colours;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os)
{
    *os << '"' << o.text.toStdString() << "\" caret " << o.selStart << '+' << o.selLength << ' '
        << o.colours.toStdString();
}

// 'T' for a character in the tag colour, 'X' in the text colour, '?' for anything else.
QString colourPattern(const DocumentEditor* e)
{
    QString pattern;
    for (int i = 0; i < e->characterCount(); ++i) {
        const std::optional<QColor> c = e->formatAt(i).color;
        pattern += c == kBlue ? QLatin1Char('T') : c == kGreen ? QLatin1Char('X') : QLatin1Char('?');
    }
    return pattern;
}

Outcome outcomeOf(const DocumentEditor* e)
{
    return {e->wholeText(), e->selStart(), e->selLength(), colourPattern(e)};
}

// The selected word wrapped: tags in the tag colour, the word and its neighbours in the text
// colour, the caret just before the closing text (Center Cursor is on by default).
Outcome wrapped(const QString& opening, const QString& closing)
{
    const auto run = [](QChar c, qsizetype n) { return QString(n, c); };
    return {kBefore + opening + kWord + closing + kAfter, int(kBefore.size() + opening.size() + kWord.size()), 0,
            run('X', kBefore.size()) + run('T', opening.size()) + run('X', kWord.size()) + run('T', closing.size())
                + run('X', kAfter.size())};
}

// Records every change of the status bar's message with what `state` reports at that moment
// (the document's text, say), so the order of help and command can be seen.
class StatusLog {
public:
    StatusLog(QStatusBar* bar, std::function<QString()> state)
    {
        connection_ = QObject::connect(bar, &QStatusBar::messageChanged,
                                       [this, state](const QString& m) { entries << std::make_pair(m, state()); });
    }
    ~StatusLog() { QObject::disconnect(connection_); }
    QList<std::pair<QString, QString>> entries;

private:
    QMetaObject::Connection connection_;
};

class TagCommandsTest : public AppTest {
protected:
    void SetUp() override
    {
        start();
        window->preferences().textColor = kTextColour;
        ASSERT_EQ(window->preferences().tagColor, kTagColour);
        ASSERT_TRUE(window->isChecked(QStringLiteral("mnuCenterCursor")));
    }
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    // Opens a document, if none is, holding the line in the text colour with the word selected.
    void prepare()
    {
        if (!window->activeDocument())
            trigger(QStringLiteral("mnuNew"));
        DocumentEditor* e = editor();
        e->setSelStart(0);
        e->setSelColor(kGreen);
        e->setWholeText(kBefore + kWord + kAfter);
        e->setSelection(int(kBefore.size()), int(kWord.size()));
    }
    QString documentText()
    {
        DocumentEditor* e = editor();
        return e ? e->wholeText() : QString();
    }
    template <typename T> T* control(const char* name)
    {
        T* c = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QStatusBar* statusBar() { return window->statusBar(); }
};

// --- what each command inserts ---------------------------------------------------------------

TEST_F(TagCommandsTest, EachTagButtonWrapsTheSelectedWord)
{
    for (const InsertButton& row : kInsertButtons) {
        SCOPED_TRACE(row.control);
        auto* button = control<QPushButton>(row.control);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->text(), QLatin1String(row.caption));
        EXPECT_TRUE(button->isEnabled());
        prepare();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(outcomeOf(editor()), wrapped(QLatin1String(row.opening), QLatin1String(row.closing)));
    }
    EXPECT_TRUE(prompter.requests.empty());

    // The first three show what they do in their own caption.
    const struct {
        const char* control;
        bool bold, italic, underline;
    } faces[] = {{"cmdBold", true, false, false}, {"cmdItalic", false, true, false}, {"cmdUnderline", false, false, true}};
    for (const auto& face : faces) {
        SCOPED_TRACE(face.control);
        const QFont f = control<QPushButton>(face.control)->font();
        EXPECT_EQ(f.family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(f.pointSize(), 12);
        EXPECT_EQ(f.bold(), face.bold);
        EXPECT_EQ(f.italic(), face.italic);
        EXPECT_EQ(f.underline(), face.underline);
    }
}

TEST_F(TagCommandsTest, EachTagsMenuItemWrapsTheSelectedWord)
{
    for (const Insert& row : kTagsMenu) {
        SCOPED_TRACE(row.control);
        prepare();
        trigger(QLatin1String(row.control));
        EXPECT_EQ(outcomeOf(editor()), wrapped(QLatin1String(row.opening), QLatin1String(row.closing)));
    }
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(TagCommandsTest, EachCharacterItemPutsItsReferenceInFrontOfTheSelectedWord)
{
    for (const Insert& row : kCharacters) {
        SCOPED_TRACE(row.control);
        prepare();
        trigger(QLatin1String(row.control));
        EXPECT_EQ(outcomeOf(editor()), wrapped(QLatin1String(row.opening), QString()));
    }
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(TagCommandsTest, FrontButtonsItemsAndShortcutsDoWhatTheirButtonsDo)
{
    const struct {
        const char* button;
        const char* item;
        QKeyCombination key;
    } twins[] = {
        {"cmdBold", "mnuBold", Qt::CTRL | Qt::Key_B},
        {"cmdItalic", "mnuItalic", Qt::CTRL | Qt::Key_I},
        {"cmdUnderline", "mnuUnderline", Qt::CTRL | Qt::Key_U},
        {"cmdCenter", "mnuCenter", Qt::CTRL | Qt::Key_J},
        {"cmdBreak", "mnuBreak", Qt::CTRL | Qt::Key_Y},
    };
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const auto& twin : twins) {
        SCOPED_TRACE(twin.button);
        prepare();
        QTest::mouseClick(control<QPushButton>(twin.button), Qt::LeftButton);
        const Outcome byButton = outcomeOf(editor());
        EXPECT_NE(byButton.text, kBefore + kWord + kAfter);

        prepare();
        trigger(QLatin1String(twin.item));
        EXPECT_EQ(outcomeOf(editor()), byButton) << "menu item";

        prepare();
        editor()->setFocus();
        QTest::keyClick(editor(), twin.key.key(), twin.key.keyboardModifiers());
        EXPECT_EQ(outcomeOf(editor()), byButton) << "shortcut";
    }
}

TEST_F(TagCommandsTest, LowerCaseTagsLowersTagsButLeavesReferencesAndTheWordAlone)
{
    trigger(QStringLiteral("mnuLowerCase"));
    ASSERT_TRUE(window->isChecked(QStringLiteral("mnuLowerCase")));

    prepare();
    QTest::mouseClick(control<QPushButton>("cmdH3"), Qt::LeftButton);
    EXPECT_EQ(outcomeOf(editor()), wrapped(QStringLiteral("<h3>"), QStringLiteral("</h3>")));

    const Insert rows[] = {
        {"mnuBlockQuote", "<blockquote>", "</blockquote>"},
        {"mnuBold", "<b>", "</b>"},
        {"mnuCopyright", "&#169;", ""},
        {"mnuSpace", "&#160;", ""},
    };
    for (const Insert& row : rows) {
        SCOPED_TRACE(row.control);
        prepare();
        trigger(QLatin1String(row.control));
        EXPECT_EQ(outcomeOf(editor()), wrapped(QLatin1String(row.opening), QLatin1String(row.closing)));
    }
}

TEST_F(TagCommandsTest, WithoutADocumentTheFixedInsertsDoNothingAndAskNothing)
{
    ASSERT_EQ(window->activeDocument(), nullptr);
    for (const InsertButton& row : kInsertButtons)
        QTest::mouseClick(control<QPushButton>(row.control), Qt::LeftButton);
    for (const Insert& row : kTagsMenu)
        trigger(QLatin1String(row.control));
    for (const Insert& row : kCharacters)
        trigger(QLatin1String(row.control));
    EXPECT_TRUE(window->documents().isEmpty());
    EXPECT_TRUE(prompter.requests.empty());
}

// --- help in the status bar --------------------------------------------------------------------

TEST_F(TagCommandsTest, AHeldTagButtonShowsItsHelpAndItsReleaseClearsItBeforeTheCommandRuns)
{
    const QString before = kBefore + kWord + kAfter;
    for (const InsertButton& row : kInsertButtons) {
        const QString help = QLatin1String(row.help);
        if (help.isEmpty())
            continue;
        SCOPED_TRACE(row.control);
        prepare();
        auto* button = control<QPushButton>(row.control);
        StatusLog log(statusBar(), [this] { return documentText(); });

        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(statusBar()->currentMessage(), help);
        EXPECT_EQ(documentText(), before) << "the command waits for the release";

        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(statusBar()->currentMessage(), QString());
        EXPECT_EQ(outcomeOf(editor()), wrapped(QLatin1String(row.opening), QLatin1String(row.closing)));
        // The help went away while the document still held the text from before.
        const QList<std::pair<QString, QString>> expected = {{help, before}, {QString(), before}};
        EXPECT_EQ(log.entries, expected);
    }
}

TEST_F(TagCommandsTest, MovingOffAHeldTagButtonClearsTheHelpAndRunsNothing)
{
    const QString before = kBefore + kWord + kAfter;
    for (const char* name : {"cmdBold", "cmdBreak", "cmdH6"}) {
        SCOPED_TRACE(name);
        prepare();
        auto* button = control<QPushButton>(name);
        const QPoint off(button->width() + 40, button->height() + 40);
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_FALSE(statusBar()->currentMessage().isEmpty());
        QTest::mouseMove(button, off);
        QTest::mouseRelease(button, Qt::LeftButton, {}, off);
        EXPECT_EQ(statusBar()->currentMessage(), QString());
        EXPECT_EQ(documentText(), before);
    }
}

TEST_F(TagCommandsTest, ButtonsWithoutHelpLeaveTheStatusBarAlone)
{
    prepare();
    statusBar()->showMessage(QStringLiteral("Working"));
    StatusLog log(statusBar(), [this] { return documentText(); });
    prompter.answerInput(std::nullopt); // the comment asked for after cmdP, cancelled
    for (const char* name : {"cmdP", "Command2"}) {
        SCOPED_TRACE(name);
        auto* button = control<QPushButton>(name);
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(statusBar()->currentMessage(), QStringLiteral("Working"));
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(statusBar()->currentMessage(), QStringLiteral("Working"));
    }
    EXPECT_TRUE(log.entries.isEmpty());
    // cmdP still did its work.
    EXPECT_EQ(outcomeOf(editor()), wrapped(QStringLiteral("<P>"), QStringLiteral("</P>")));
}

TEST_F(TagCommandsTest, KeyboardActivationRunsTheCommandWithoutHelp)
{
    for (const InsertButton& row : kInsertButtons) {
        SCOPED_TRACE(row.control);
        auto* button = control<QPushButton>(row.control);
        StatusLog log(statusBar(), [this] { return documentText(); });

        prepare();
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(outcomeOf(editor()), wrapped(QLatin1String(row.opening), QLatin1String(row.closing)))
            << "space";

        prepare();
        button->click();
        EXPECT_EQ(outcomeOf(editor()), wrapped(QLatin1String(row.opening), QLatin1String(row.closing)))
            << "click()";
        EXPECT_TRUE(log.entries.isEmpty());
    }
}

TEST_F(TagCommandsTest, WindowButtonsDoWhatTheirMenuItemsDoAndAreDisabledWithoutOne)
{
    prepare();
    const QString before = documentText();
    for (const WindowButton& row : kWindowButtons) {
        SCOPED_TRACE(row.control);
        auto* button = control<StatusHelpButton>(row.control);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->text(), QLatin1String(row.caption));
        EXPECT_EQ(button->helpText(), QLatin1String(row.help));
        QAction* twin = row.twin ? action(QLatin1String(row.twin)) : nullptr;
        if (QLatin1String(row.control) == QLatin1String("cmdFontOption")) {
            // The font window has no menu item: the button opens it itself.
            ASSERT_TRUE(button->isEnabled());
            button->click();
            QWidget* font = window->findChild<QWidget*>(QStringLiteral("frmFont"));
            ASSERT_TRUE(font);
            EXPECT_TRUE(font->isVisible());
            font->close();
            QApplication::processEvents();
            continue;
        }
        // Without a menu item behind it, the button has nothing to run yet.
        EXPECT_EQ(button->isEnabled(), twin && twin->isEnabled());
        if (!twin)
            continue;

        // The help goes away before the item runs, as for the insert buttons.
        QStringList order;
        const auto help = QObject::connect(statusBar(), &QStatusBar::messageChanged,
                                           [&](const QString& m) { order << QStringLiteral("status:") + m; });
        const auto ran = QObject::connect(twin, &QAction::triggered, [&] { order << QStringLiteral("ran"); });
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QObject::disconnect(help);
        QObject::disconnect(ran);
        if (twin->isEnabled()) {
            EXPECT_EQ(order, (QStringList{QStringLiteral("status:") + QLatin1String(row.help), QStringLiteral("status:"),
                                          QStringLiteral("ran")}));
        } else {
            EXPECT_TRUE(order.isEmpty()) << order.join(QLatin1Char(',')).toStdString();
        }
        // Whatever window it opened goes away again.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != window.get() && w->isVisible() && w->objectName().startsWith(QLatin1String("frm")))
                w->close();
        }
    }
    EXPECT_EQ(documentText(), before);
    EXPECT_TRUE(prompter.requests.empty());
}

// --- the picture buttons ---------------------------------------------------------------------------

TEST_F(TagCommandsTest, PictureButtonsShowTheirHelpWhileHeldAndRunTheirCommandOnRelease)
{
    const QString opened = writeFile(QStringLiteral("opened.htm"), "<P>opened</P>\n");
    const QString saved = path(QStringLiteral("saved.htm"));
    const QStringList& defaultTemplate = kPageSkeleton;
    QClipboard* clipboard = QGuiApplication::clipboard();

    const struct {
        const char* name;
        const char* help;
        std::function<void()> arrange;
        std::function<void()> verify;
    } rows[] = {
        {"imgNew", "Creates a new document.", [] {},
         [&] {
             ASSERT_EQ(window->documents().size(), 1);
             frmTemplate* d = window->activeDocument();
             EXPECT_EQ(d->txtInput->wholeText(), defaultTemplate.join(QLatin1Char('\n')));
             EXPECT_FALSE(d->isModified());
             EXPECT_TRUE(d->caption().isEmpty());
             // All in the tag colour; line breaks are not looked at.
             QString colours = colourPattern(d->txtInput);
             const QString text = d->txtInput->wholeText();
             for (int i = 0; i < text.size(); ++i) {
                 if (text[i] == QLatin1Char('\n'))
                     colours[i] = QLatin1Char('T');
             }
             EXPECT_EQ(colours, QString(text.size(), QLatin1Char('T')));
             // Not modified: it closes without the save question.
             trigger(QStringLiteral("mnuClose"));
             QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
             EXPECT_TRUE(window->documents().isEmpty());
             EXPECT_TRUE(prompter.requests.empty());
         }},
        {"imgOpen", "Opens a document.", [&] { prompter.answerOpen(opened); },
         [&] {
             ASSERT_EQ(prompter.requests.size(), 1u);
             EXPECT_EQ(prompter.last().kind, QStringLiteral("open"));
             EXPECT_EQ(window->activeDocument()->caption(), opened);
             EXPECT_EQ(documentText(), QStringLiteral("<P>opened</P>\n"));
         }},
        {"ImgSave", "Saves the current document.",
         [&] {
             trigger(QStringLiteral("mnuNew"));
             editor()->setWholeText(QStringLiteral("saved text"));
             prompter.answerSave(saved);
         },
         [&] {
             ASSERT_EQ(prompter.requests.size(), 1u);
             EXPECT_EQ(prompter.last().kind, QStringLiteral("save"));
             EXPECT_EQ(readFile(saved), QByteArray("saved text\n"));
             EXPECT_FALSE(window->activeDocument()->isModified());
         }},
        {"imgPrint", "Prints the current document.",
         [&] {
             prepare();
             prompter.answerPrinter([](QPrinter&) { return false; });
         },
         [&] {
             ASSERT_EQ(prompter.requests.size(), 1u);
             EXPECT_EQ(prompter.last().kind, QStringLiteral("printer"));
             EXPECT_TRUE(prompter.last().selectionChosen) << "a word is selected";
         }},
        {"imgCut", "Cut Text.",
         [&] {
             prepare();
             clipboard->clear();
         },
         [&] {
             EXPECT_EQ(clipboard->text(), kWord);
             EXPECT_EQ(documentText(), kBefore + kAfter);
         }},
        {"imgCopy", "Copy Text.",
         [&] {
             prepare();
             clipboard->clear();
         },
         [&] {
             EXPECT_EQ(clipboard->text(), kWord);
             EXPECT_EQ(documentText(), kBefore + kWord + kAfter);
         }},
        {"imgPaste", "Paste Text.",
         [&] {
             prepare();
             clipboard->setText(QStringLiteral("pasted"));
         },
         [&] { EXPECT_EQ(documentText(), kBefore + QStringLiteral("pasted") + kAfter); }},
    };

    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // Each command starts from a window without documents and without questions asked.
        closeDocuments();
        prompter.requests.clear();

        row.arrange();
        prompter.requests.clear();
        auto* button = control<PictureButton>(row.name);
        ASSERT_TRUE(button);
        // Whatever the commands change, seen at each change of the status bar: the help must
        // be gone before the command starts.
        const auto state = [&] {
            return QStringLiteral("%1 windows, \"%2\", clipboard \"%3\", %4 requests")
                .arg(window->documents().size())
                .arg(documentText(), clipboard->text())
                .arg(prompter.requests.size());
        };
        const QString before = state();
        StatusLog log(statusBar(), state);
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(statusBar()->currentMessage(), QLatin1String(row.help));
        QTest::mouseRelease(button, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(statusBar()->currentMessage(), QString());
        const QList<std::pair<QString, QString>> expected = {{QLatin1String(row.help), before}, {QString(), before}};
        EXPECT_EQ(log.entries, expected);
        EXPECT_NE(state(), before) << "the command ran";
        row.verify();
    }
}

} // namespace
