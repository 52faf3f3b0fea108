// The colouring pass run on opening, the colour and font commands of the Window menu with
// what they store, and the default and user templates.

#include "support/PageSkeleton.h"
#include "support/TestApp.h"

#include "app/PictureButton.h"
#include "app/TemplateCommands.h"
#include "document/DocumentEditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QStatusBar>
#include <QTest>

// Failures show the text rather than its code units.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kProgram = QStringLiteral("The Corvane Scrivant");
const QString kNoDocument = QStringLiteral("There is no document loaded or you pressed Cancel.");
const QString kOverwrite = QStringLiteral("This will overwrite current document!  Continue?");
const QString kTagColour = QStringLiteral("16711680");
const QString kTextColour = QStringLiteral("32768");

const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
// Red, green and blue all different, so that a swapped byte order shows.
const QColor kOdd(0x12, 0x34, 0x56);
const QString kOddText = QStringLiteral("5649426"); // 0x563412

const QStringList& kSkeleton = kPageSkeleton;

// One letter per character: T blue (the tag colour), X green (the text colour), R red,
// C the odd colour, - none, ? anything else.
QString colourPattern(const DocumentEditor* e)
{
    QString pattern;
    for (int i = 0; i < e->characterCount(); ++i) {
        const std::optional<QColor> c = e->formatAt(i).color;
        pattern += !c           ? QLatin1Char('-')
                   : *c == kBlue  ? QLatin1Char('T')
                   : *c == kGreen ? QLatin1Char('X')
                   : *c == kRed   ? QLatin1Char('R')
                   : *c == kOdd   ? QLatin1Char('C')
                                  : QLatin1Char('?');
    }
    return pattern;
}

// The pattern with line-break characters shown as '|' whatever their colour.
QString patternOutsideLineBreaks(const DocumentEditor* e)
{
    QString pattern = colourPattern(e);
    const QString text = e->wholeText();
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            pattern[i] = QLatin1Char('|');
    return pattern;
}

// What a text inserted whole in the tag colour looks like to patternOutsideLineBreaks.
QString tagPattern(const QString& text)
{
    QString pattern;
    for (QChar c : text)
        pattern += c == QLatin1Char('\r') || c == QLatin1Char('\n') ? QLatin1Char('|') : QLatin1Char('T');
    return pattern;
}

// The background Scintilla paints, as a colour.
QColor backgroundOf(DocumentEditor* e)
{
    const long bgr = e->SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK, QsciScintillaBase::STYLE_DEFAULT);
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

class ColorsAndTemplatesTest : public AppTest {
protected:
    void SetUp() override
    {
        start();
        window->preferences().textColor = kTextColour;
        ASSERT_EQ(window->preferences().tagColor, kTagColour);
    }
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    // A new document holding text in the text colour.
    frmTemplate* newDocument(const QString& text = QString())
    {
        trigger(QStringLiteral("mnuNew"));
        frmTemplate* d = window->activeDocument();
        if (!text.isEmpty())
            d->txtInput->setWholeText(text);
        return d;
    }
    frmTemplate* open(const QString& file)
    {
        prompter.answerOpen(file);
        trigger(QStringLiteral("mnuOpen"));
        return window->activeDocument();
    }
    // Ends the run as the user would after throwing the documents' changes away.
    void quit()
    {
        discardChanges();
        stop();
    }
    void colourTagsOnOpening()
    {
        prompter.answerMessage(PromptAnswer::Ok); // the warning about large documents
        trigger(QStringLiteral("mnuColoredTags"));
        ASSERT_TRUE(window->isChecked(QStringLiteral("mnuColoredTags")));
    }
    QString stored(const char* key) const
    {
        return store->read(settings::kApp, settings::kWindowOptions, QLatin1String(key), QStringLiteral("(absent)"));
    }
};

// --- the colouring pass ------------------------------------------------------------------------

TEST_F(ColorsAndTemplatesTest, OpeningColoursEveryTagRunWhileTheStatusBarSaysSo)
{
    colourTagsOnOpening();
    const struct {
        const char* bytes;
        const char* pattern;
    } cases[] = {
        {"<HTML><B>bold</B> text</HTML>", "TTTTTTTTTXXXXTTTTXXXXXTTTTTTT"},
        // A ">" inside an attribute value ends the tag there.
        {"<A TITLE=\"1>0\">x</A>", "TTTTTTTTTTTTXXXXTTTT"},
        // So does one inside a comment; the comment's own end is left as text.
        {"<!-- <B> -->", "TTTTTTTTXXXX"},
        // A "<" in running text starts a tag all the same.
        {"1 < 2 and 3 > 2", "XXTTTTTTTTTTTXX"},
        // The last "<" has no ">": it stays as it was.
        {"<P>one</P><B", "TTTXXXTTTTXX"},
        {"\xc3\xa9<B>\xc3\xbc\xe2\x82\xac</B>\xc3\x9f", "XTTTXXTTTTX"},
        {"<P\r\nALIGN=x>t\r\n", "TTTTTTTTTTTTXXX"},
        {"no tags", "XXXXXXX"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const QString file = writeFile(QStringLiteral("page%1.htm").arg(n++), c.bytes);
        QStringList messages;
        QList<bool> editorEnabled;
        const auto connection = QObject::connect(window->statusBar(), &QStatusBar::messageChanged,
                                                 [&](const QString& m) {
                                                     messages << m;
                                                     editorEnabled << (editor() && editor()->isEnabled());
                                                 });
        frmTemplate* d = open(file);
        QObject::disconnect(connection);
        ASSERT_TRUE(d);
        EXPECT_EQ(messages, (QStringList{QStringLiteral("Adding Color To HTML Tags"), QString()}));
        if (!editorEnabled.isEmpty()) {
            EXPECT_FALSE(editorEnabled.front()) << "the editor takes no input during the pass";
        }
        EXPECT_EQ(window->statusBar()->currentMessage(), QString());
        EXPECT_TRUE(d->txtInput->isEnabled());
        EXPECT_EQ(d->txtInput->wholeText(), QString::fromUtf8(c.bytes));
        EXPECT_EQ(colourPattern(d->txtInput), QLatin1String(c.pattern));
        EXPECT_EQ(d->txtInput->selStart(), 1);
        EXPECT_EQ(d->txtInput->selLength(), 0);
        EXPECT_FALSE(d->isModified()) << "colouring is not a change";
    }
}

TEST_F(ColorsAndTemplatesTest, DroppedFilesAreColouredEachInItsOwnWindow)
{
    colourTagsOnOpening();
    // As at first start: no text colour chosen, so text keeps the editor's own colour.
    window->preferences().textColor.clear();
    const QString first = writeFile(QStringLiteral("first.htm"), "<B>one</B>");
    const QString second = writeFile(QStringLiteral("second.htm"), "two<BR>");
    window->openFiles({first, second});
    const QList<frmTemplate*> documents = window->documents();
    ASSERT_EQ(documents.size(), 2);
    EXPECT_EQ(colourPattern(documents[0]->txtInput), QStringLiteral("TTT---TTTT"));
    EXPECT_EQ(colourPattern(documents[1]->txtInput), QStringLiteral("---TTTT"));
    EXPECT_EQ(window->statusBar()->currentMessage(), QString());
}

TEST_F(ColorsAndTemplatesTest, WithTheOptionOffOpeningColoursNothing)
{
    ASSERT_FALSE(window->isChecked(QStringLiteral("mnuColoredTags")));
    const QString file = writeFile(QStringLiteral("plain.htm"), "<P>one <B>two</B></P>");
    QStringList messages;
    const auto connection = QObject::connect(window->statusBar(), &QStatusBar::messageChanged,
                                             [&](const QString& m) { messages << m; });
    frmTemplate* d = open(file);
    QObject::disconnect(connection);
    ASSERT_TRUE(d);
    EXPECT_EQ(colourPattern(d->txtInput), QString(21, QLatin1Char('X')));
    EXPECT_TRUE(messages.isEmpty());
}

// --- tag colour ------------------------------------------------------------------------------------

TEST_F(ColorsAndTemplatesTest, TagColorCancelComplainsAndKeepsTheColour)
{
    newDocument(QStringLiteral("a Word b"));
    prompter.answerColor(std::nullopt);
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuLinkClr"));
    ASSERT_EQ(prompter.requests.size(), 2u);
    EXPECT_EQ(prompter.requests[0].kind, QStringLiteral("color"));
    expectMessage(prompter.last(), kProgram, QStringLiteral("I was unable to understand for some reason."),
                  PromptIcon::Exclamation);
    EXPECT_EQ(window->preferences().tagColor, kTagColour);

    editor()->setSelection(2, 4);
    trigger(QStringLiteral("mnuBold"));
    EXPECT_EQ(colourPattern(editor()), QStringLiteral("XXTTTXXXXTTTTXX"));
    quit();
    EXPECT_EQ(stored("LinkColor"), kTagColour);
}

TEST_F(ColorsAndTemplatesTest, TagColorAppliesToLaterInsertionsAndIsStoredAtExit)
{
    newDocument(QStringLiteral("a Word b"));
    editor()->setSelection(2, 4);
    trigger(QStringLiteral("mnuItalic"));

    prompter.answerColor(kOdd);
    trigger(QStringLiteral("mnuLinkClr"));
    EXPECT_EQ(window->preferences().tagColor, kOddText);

    // Tags already there keep their colour; the new ones take the chosen one.
    editor()->setSelection(5, 4);
    trigger(QStringLiteral("mnuBold"));
    EXPECT_EQ(editor()->wholeText(), QStringLiteral("a <I><B>Word</B></I> b"));
    EXPECT_EQ(colourPattern(editor()), QStringLiteral("XXTTTCCCXXXXCCCCTTTTXX"));

    // Typing and the colouring pass take it too.
    editor()->setSelStart(editor()->characterCount());
    QTest::keyClicks(editor(), QStringLiteral("<P>"));
    EXPECT_TRUE(colourPattern(editor()).endsWith(QStringLiteral("XXCCC")));
    colourTagsOnOpening();
    open(writeFile(QStringLiteral("later.htm"), "<B>x</B>"));
    EXPECT_EQ(colourPattern(editor()), QStringLiteral("CCCXCCCC"));

    quit();
    EXPECT_EQ(stored("LinkColor"), kOddText);
    start();
    window->preferences().textColor = kTextColour;
    newDocument(QStringLiteral("x"));
    editor()->setSelection(0, 1);
    trigger(QStringLiteral("mnuCenter"));
    EXPECT_EQ(colourPattern(editor()), QStringLiteral("CCCCCCCCXCCCCCCCCC"));
}

// --- text colour and background -------------------------------------------------------------------

TEST_F(ColorsAndTemplatesTest, TextColorAndBackgroundComplainWithoutADocumentOrOnCancel)
{
    const struct {
        const char* command;
        bool withDocument;
        std::optional<QColor> answer;
    } cases[] = {
        {"mnuTextColor", false, kRed},
        {"mnuTextColor", true, std::nullopt},
        {"mnuBackground", false, kRed},
        {"mnuBackground", true, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << (c.withDocument ? " with a document" : " without"));
        closeDocuments();
        QColor backgroundBefore;
        if (c.withDocument) {
            newDocument(QStringLiteral("a Word b"));
            editor()->setSelection(2, 4);
            backgroundBefore = backgroundOf(editor());
        }
        prompter.requests.clear();
        prompter.answerColor(c.answer);
        prompter.answerMessage(PromptAnswer::Ok);
        trigger(QLatin1String(c.command));
        ASSERT_EQ(prompter.requests.size(), 2u);
        EXPECT_EQ(prompter.requests[0].kind, QStringLiteral("color"));
        expectMessage(prompter.last(), kProgram, kNoDocument, PromptIcon::Critical);
        EXPECT_EQ(window->preferences().textColor, kTextColour);
        EXPECT_EQ(window->preferences().background, QString());
        if (c.withDocument) {
            EXPECT_EQ(colourPattern(editor()), QStringLiteral("XXXXXXXX"));
            EXPECT_EQ(backgroundOf(editor()), backgroundBefore);
        }
    }
    quit();
    EXPECT_EQ(stored("TextColor"), kTextColour);
    EXPECT_EQ(stored("Background"), QString());
}

TEST_F(ColorsAndTemplatesTest, TextColorColoursTheSelectionAndLaterTypingAndIsStored)
{
    newDocument(QStringLiteral("a Word b"));
    editor()->setSelection(2, 4);
    prompter.answerColor(kRed);
    trigger(QStringLiteral("mnuTextColor"));
    EXPECT_EQ(colourPattern(editor()), QStringLiteral("XXRRRRXX"));
    EXPECT_EQ(window->preferences().textColor, QStringLiteral("255"));

    editor()->setSelStart(8);
    QTest::keyClicks(editor(), QStringLiteral("z<I>"));
    EXPECT_EQ(colourPattern(editor()), QStringLiteral("XXRRRRXXRTTT"));

    quit();
    EXPECT_EQ(stored("TextColor"), QStringLiteral("255"));
    start();
    newDocument();
    QTest::keyClicks(editor(), QStringLiteral("q"));
    EXPECT_EQ(colourPattern(editor()), QStringLiteral("R"));
}

TEST_F(ColorsAndTemplatesTest, BackgroundChangesTheActiveEditorAndLaterOnesAndIsStored)
{
    DocumentEditor* other = newDocument(QStringLiteral("other"))->txtInput;
    const QColor otherBefore = backgroundOf(other);
    DocumentEditor* active = newDocument(QStringLiteral("active"))->txtInput;
    ASSERT_NE(otherBefore, kOdd);

    prompter.answerColor(kOdd);
    trigger(QStringLiteral("mnuBackground"));
    EXPECT_EQ(backgroundOf(active), kOdd);
    EXPECT_EQ(backgroundOf(other), otherBefore);
    EXPECT_EQ(colourPattern(active), QStringLiteral("XXXXXX")) << "the text keeps its colour";
    EXPECT_EQ(window->preferences().background, kOddText);

    EXPECT_EQ(backgroundOf(newDocument()->txtInput), kOdd);
    quit();
    EXPECT_EQ(stored("Background"), kOddText);
}

// --- font -------------------------------------------------------------------------------------------

TEST_F(ColorsAndTemplatesTest, FontCancelComplainsAndChangesNothing)
{
    newDocument(QStringLiteral("a Word b"));
    editor()->setSelection(2, 4);
    prompter.answerFont(std::nullopt);
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuFontSize"));
    ASSERT_EQ(prompter.requests.size(), 2u);
    EXPECT_EQ(prompter.requests[0].kind, QStringLiteral("font"));
    expectMessage(prompter.last(), kProgram, kNoDocument, PromptIcon::Critical);
    EXPECT_FALSE(editor()->formatAt(3).italic);
    quit();
    EXPECT_EQ(stored("TheFontName"), QStringLiteral("Arial"));
    EXPECT_EQ(stored("TheFontSize"), QStringLiteral("10"));
    EXPECT_EQ(stored("TheFontBold"), QStringLiteral("False"));
}

TEST_F(ColorsAndTemplatesTest, FontIsStoredEvenWithoutADocument)
{
    QFont chosen(QStringLiteral("Courier New"), 14);
    chosen.setBold(true);
    prompter.answerFont(chosen);
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuFontSize"));
    ASSERT_EQ(prompter.requests.size(), 2u);
    expectMessage(prompter.last(), kProgram, kNoDocument, PromptIcon::Critical);

    // New documents take it at once.
    const QFont used = newDocument()->txtInput->baseFont();
    EXPECT_EQ(used.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(used.pointSize(), 14);
    EXPECT_TRUE(used.bold());

    quit();
    EXPECT_EQ(stored("TheFontName"), QStringLiteral("Courier New"));
    EXPECT_EQ(stored("TheFontSize"), QStringLiteral("14"));
    EXPECT_EQ(stored("TheFontBold"), QStringLiteral("True"));
}

TEST_F(ColorsAndTemplatesTest, FontAppliesItsFaceAndStylesToTheSelectionOnly)
{
    newDocument(QStringLiteral("a Word b"));
    const struct {
        bool italic, underline, strikeOut;
    } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}, {false, false, true}, {false, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.italic << c.underline << c.strikeOut);
        editor()->setSelection(2, 4);
        QFont chosen(QStringLiteral("Courier New"), 12);
        chosen.setBold(c.underline);
        chosen.setItalic(c.italic);
        chosen.setUnderline(c.underline);
        chosen.setStrikeOut(c.strikeOut);
        prompter.answerFont(chosen);
        trigger(QStringLiteral("mnuFontSize"));
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE(i);
            const bool selected = i >= 2 && i < 6;
            const CharFormat f = editor()->formatAt(i);
            EXPECT_EQ(f.italic, selected && c.italic);
            EXPECT_EQ(f.underline, selected && c.underline);
            EXPECT_EQ(f.strikeOut, selected && c.strikeOut);
            EXPECT_EQ(f.family, selected ? QStringLiteral("Courier New") : QString());
            EXPECT_EQ(f.pointSize, selected ? 12 : 0);
            EXPECT_EQ(f.bold, selected ? std::optional<bool>(c.underline) : std::nullopt);
        }
        EXPECT_EQ(colourPattern(editor()), QStringLiteral("XXXXXXXX"));
        // The rest of the document keeps the font it started with.
        EXPECT_EQ(editor()->baseFont().family(), QStringLiteral("Arial"));
        EXPECT_EQ(editor()->baseFont().pointSize(), 10);
    }
    // Without a selection the face goes to the text typed next.
    editor()->setSelStart(8);
    prompter.answerFont(QFont(QStringLiteral("Courier New"), 16));
    trigger(QStringLiteral("mnuFontSize"));
    QTest::keyClicks(editor(), QStringLiteral("z"));
    EXPECT_EQ(editor()->formatAt(8).pointSize, 16);
    EXPECT_EQ(editor()->formatAt(7).pointSize, 0);
    EXPECT_EQ(prompter.requests.size(), 6u) << "only the font dialogs, no message";
}

TEST_F(ColorsAndTemplatesTest, ColoursAndFontsNeverReachTheSavedFile)
{
    colourTagsOnOpening();
    const QByteArray bytes = "<P>Some <B>bold</B> caf\xc3\xa9</P>\n";
    const QString file = writeFile(QStringLiteral("colours.htm"), bytes);
    open(file);
    editor()->setSelection(3, 4);
    prompter.answerColor(kRed);
    trigger(QStringLiteral("mnuTextColor"));
    prompter.answerColor(kOdd);
    trigger(QStringLiteral("mnuBackground"));
    QFont styled(QStringLiteral("Courier New"), 16);
    styled.setItalic(true);
    styled.setStrikeOut(true);
    prompter.answerFont(styled);
    trigger(QStringLiteral("mnuFontSize"));
    ASSERT_EQ(colourPattern(editor()).mid(0, 7), QStringLiteral("TTTRRRR"));

    // The file on disk is changed behind the editor's back, so the save must write it anew.
    writeFile(QStringLiteral("colours.htm"), "stale");
    prompter.answerMessage(PromptAnswer::Yes); // overwrite the other program's change
    trigger(QStringLiteral("mnuSave"));
    EXPECT_EQ(readFile(file), bytes);
}

// --- templates ----------------------------------------------------------------------------------------

TEST_F(ColorsAndTemplatesTest, DefaultTemplateOnAnEmptyDocumentInsertsTheSkeletonWithoutAsking)
{
    frmTemplate* d = newDocument();
    trigger(QStringLiteral("mnuDefault"));
    EXPECT_TRUE(prompter.requests.empty());
    const QString skeleton = kSkeleton.join(QLatin1Char('\n'));
    EXPECT_EQ(d->txtInput->wholeText(), skeleton);
    EXPECT_TRUE(d->isModified());
    EXPECT_EQ(patternOutsideLineBreaks(d->txtInput), tagPattern(skeleton));

    // What comes next at the caret is in the text colour.
    QGuiApplication::clipboard()->setText(QStringLiteral("z"));
    QTest::mouseClick(window->findChild<PictureButton*>(QStringLiteral("imgPaste")), Qt::LeftButton);
    EXPECT_EQ(d->txtInput->wholeText(), skeleton + QLatin1Char('z'));
    EXPECT_EQ(colourPattern(d->txtInput).back(), QLatin1Char('X'));

    // The editor font chosen since the window opened applies to the new page; Lower Case Tags
    // is for inserted tags only.
    frmTemplate* later = newDocument();
    window->preferences().fontName = QStringLiteral("Courier New");
    window->preferences().fontSize = QStringLiteral("14");
    window->preferences().fontBold = true;
    trigger(QStringLiteral("mnuLowerCase"));
    trigger(QStringLiteral("mnuDefault"));
    EXPECT_EQ(later->txtInput->wholeText(), skeleton);
    const QFont font = later->txtInput->baseFont();
    EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_TRUE(font.bold());
}

TEST_F(ColorsAndTemplatesTest, TemplatesAskBeforeOverwritingAndNoKeepsTheDocument)
{
    const QString mine = QStringLiteral("<P>mine</P>");
    newDocument(mine);
    trigger(QStringLiteral("mnuSetUserTemplate"));
    EXPECT_TRUE(prompter.requests.empty());

    const struct {
        const char* command;
        QString title;
        QString result;
    } cases[] = {
        {"mnuDefault", QStringLiteral("Overwrite!"), kSkeleton.join(QLatin1Char('\n'))},
        {"mnuUserTemplate", QStringLiteral("quillet"), mine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        frmTemplate* d = newDocument(QStringLiteral("keep me"));
        d->setModified(false);
        prompter.requests.clear();
        prompter.answerMessage(PromptAnswer::No);
        trigger(QLatin1String(c.command));
        ASSERT_EQ(prompter.requests.size(), 1u);
        expectMessage(prompter.last(), c.title, kOverwrite, PromptIcon::Exclamation, PromptButtons::YesNo);
        EXPECT_EQ(d->txtInput->wholeText(), QStringLiteral("keep me"));
        EXPECT_FALSE(d->isModified());

        prompter.answerMessage(PromptAnswer::Yes);
        trigger(QLatin1String(c.command));
        EXPECT_EQ(d->txtInput->wholeText(), c.result);
        EXPECT_TRUE(d->isModified());
        EXPECT_EQ(patternOutsideLineBreaks(d->txtInput), tagPattern(c.result));
    }
}

TEST_F(ColorsAndTemplatesTest, UserTemplateWithNoneSavedEmptiesTheDocument)
{
    frmTemplate* empty = newDocument();
    trigger(QStringLiteral("mnuUserTemplate"));
    EXPECT_TRUE(prompter.requests.empty()) << "nothing to overwrite, nothing asked";
    EXPECT_EQ(empty->txtInput->wholeText(), QString());

    frmTemplate* full = newDocument(QStringLiteral("something"));
    prompter.answerMessage(PromptAnswer::Yes);
    trigger(QStringLiteral("mnuUserTemplate"));
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().text, kOverwrite);
    EXPECT_EQ(full->txtInput->wholeText(), QString());
    EXPECT_TRUE(full->isModified());
}

TEST_F(ColorsAndTemplatesTest, WithoutADocumentOnlySaveTemplateSaysSo)
{
    window->preferences().userTemplate = QStringLiteral("<P>kept</P>");
    for (const char* quiet : {"mnuDefault", "mnuUserTemplate"}) {
        SCOPED_TRACE(quiet);
        trigger(QLatin1String(quiet));
        EXPECT_TRUE(prompter.requests.empty());
        EXPECT_TRUE(window->documents().isEmpty());
    }

    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuSetUserTemplate"));
    ASSERT_EQ(prompter.requests.size(), 1u);
    expectMessage(prompter.last(), kProgram, QStringLiteral("Load document first."), PromptIcon::Critical);
    EXPECT_EQ(window->preferences().userTemplate, QStringLiteral("<P>kept</P>"));
}

// Kept in the settings file, a template too large for it to be read back would lose every setting.
TEST_F(ColorsAndTemplatesTest, SaveTemplateRefusesADocumentTooLargeToKeep)
{
    window->preferences().userTemplate = QStringLiteral("<P>kept</P>");
    const QString largest(TemplateCommands::kMaxTemplateBytes, QLatin1Char('x'));
    frmTemplate* d = newDocument(largest + QLatin1Char('y'));
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuSetUserTemplate"));
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(window->preferences().userTemplate, QStringLiteral("<P>kept</P>"));

    d->txtInput->setWholeText(largest);
    trigger(QStringLiteral("mnuSetUserTemplate"));
    EXPECT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(window->preferences().userTemplate.size(), largest.size());
}

TEST_F(ColorsAndTemplatesTest, TheUserTemplateSurvivesARestart)
{
    const QString mine = QStringLiteral("<P>\r\nmine\n</P>\t\"quoted\" = caf\u00e9");
    newDocument(mine);
    trigger(QStringLiteral("mnuSetUserTemplate"));
    quit();
    EXPECT_EQ(stored("UserTemplate"), mine);

    start();
    frmTemplate* d = newDocument();
    trigger(QStringLiteral("mnuUserTemplate"));
    EXPECT_EQ(d->txtInput->wholeText(), mine);
    EXPECT_EQ(patternOutsideLineBreaks(d->txtInput), tagPattern(mine));
}

TEST_F(ColorsAndTemplatesTest, DefaultTemplateTakesTheDocumentsLineBreak)
{
    const struct {
        const char* bytes;
        const char* lineBreak;
    } cases[] = {{"x\r\ny\r\n", "\r\n"}, {"x\ny\n", "\n"}, {"x\ry\r", "\r"}};
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.lineBreak)));
        frmTemplate* d = open(writeFile(QStringLiteral("breaks%1.htm").arg(n++), c.bytes));
        prompter.answerMessage(PromptAnswer::Yes);
        trigger(QStringLiteral("mnuDefault"));
        EXPECT_EQ(d->txtInput->wholeText(), kSkeleton.join(QLatin1String(c.lineBreak)));
    }
}

TEST_F(ColorsAndTemplatesTest, NewButtonOpensTheUserTemplateOnceOneIsSaved)
{
    const QString mine = QStringLiteral("<HTML>\nown page\n</HTML>");
    frmTemplate* first = newDocument(mine);
    trigger(QStringLiteral("mnuSetUserTemplate"));
    first->txtInput->setWholeText(QStringLiteral("changed since"));

    QTest::mouseClick(window->findChild<PictureButton*>(QStringLiteral("imgNew")), Qt::LeftButton);
    ASSERT_EQ(window->documents().size(), 2);
    frmTemplate* made = window->activeDocument();
    ASSERT_NE(made, first);
    EXPECT_EQ(made->txtInput->wholeText(), mine);
    EXPECT_FALSE(made->isModified());
    EXPECT_EQ(patternOutsideLineBreaks(made->txtInput), tagPattern(mine));
    EXPECT_EQ(first->txtInput->wholeText(), QStringLiteral("changed since"));
    EXPECT_TRUE(prompter.requests.empty());
}

} // namespace
