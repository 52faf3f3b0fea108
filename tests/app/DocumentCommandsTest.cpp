// File and edit commands of the main window, driven through its menu with the dialogs
// answered by the scripted prompter.

#include "support/FileSizeLimit.h"
#include "support/TestApp.h"

#include "document/DocumentEditor.h"
#include "document/DocumentFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTest>


namespace {

// Written out rather than taken from the code, so that a changed filter is noticed.
const QString kExpectedFilter = QStringLiteral(
    "All Files (*.*)|*.*|HTML Files (*.htm);(*.html);(*.shtml)|*.htm;*.html;*.shtml|Text Files (*.txt)|*.txt|");
constexpr int kHtmlFilesEntry = 1;

const QString kProgram = QStringLiteral("The Corvane Scrivant");

// Counts the page objects of a PDF written by Qt (its object dictionaries are not compressed).
int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int count = 0;
    auto it = page.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

class DocumentCommandsTest : public AppTest {
protected:
    void SetUp() override { start(); }
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    frmTemplate* document() const { return window->activeDocument(); }
    static QMdiSubWindow* subWindow(frmTemplate* d) { return qobject_cast<QMdiSubWindow*>(d->parentWidget()); }

    frmTemplate* open(const QString& file)
    {
        prompter.answerOpen(file);
        trigger(QStringLiteral("mnuOpen"));
        return document();
    }
    void typeInto(frmTemplate* d, const QString& text)
    {
        d->txtInput->setSelStart(d->txtInput->characterCount());
        QTest::keyClicks(d->txtInput, text);
    }
    void activate(frmTemplate* d) { window->mdiArea->setActiveSubWindow(subWindow(d)); }

    void expectFileDialog(const PromptRecord& r, const QString& kind, const QString& title, const QString& name)
    {
        EXPECT_EQ(r.kind, kind);
        EXPECT_EQ(r.title, title);
        EXPECT_EQ(r.fileName, name);
        EXPECT_EQ(r.filter, kExpectedFilter);
        EXPECT_EQ(r.initialFilter, kHtmlFilesEntry);
    }
    static void expectSaveQuestion(const PromptRecord& r)
    {
        expectMessage(r, QStringLiteral("Save Document?"), QStringLiteral("Do you want to save?"),
                      PromptIcon::Question, PromptButtons::YesNo);
    }
    static void expectOverwriteQuestion(const PromptRecord& r)
    {
        expectMessage(r, QStringLiteral("Overwrite"), QStringLiteral("Overwrite File?"), PromptIcon::Question,
                      PromptButtons::YesNo);
    }
    // A message of the program that names the file.
    void expectFileMessage(const PromptRecord& r, const QString& file)
    {
        EXPECT_EQ(r.kind, QStringLiteral("message"));
        EXPECT_EQ(r.title, kProgram);
        EXPECT_EQ(r.icon, PromptIcon::Exclamation);
        EXPECT_TRUE(r.text.contains(file)) << r.text.toStdString();
    }
    QString recent(int index) { return window->preferences().recent.at(index); }
};

// --- Open ------------------------------------------------------------------------------------

TEST_F(DocumentCommandsTest, OpenDialogStartsOnHtmlFilesWithTheNameChosenLast)
{
    const QString first = writeFile(QStringLiteral("first.htm"), "one");
    prompter.answerOpen(first);
    trigger(QStringLiteral("mnuOpen"));
    prompter.answerOpen(std::nullopt);
    trigger(QStringLiteral("mnuOpen"));

    ASSERT_EQ(prompter.requests.size(), 2u);
    expectFileDialog(prompter.requests[0], QStringLiteral("open"), QStringLiteral("Open"), QString());
    expectFileDialog(prompter.requests[1], QStringLiteral("open"), QStringLiteral("Open"), first);
    EXPECT_EQ(window->documents().size(), 1) << "Cancel must not open a window";
}

TEST_F(DocumentCommandsTest, OpenCancelChangesNothing)
{
    prompter.answerOpen(std::nullopt);
    trigger(QStringLiteral("mnuOpen"));
    EXPECT_TRUE(window->documents().isEmpty());
    EXPECT_TRUE(window->preferences().recent.isEmpty());
    EXPECT_EQ(window->openDocumentCount(), 0);
}

TEST_F(DocumentCommandsTest, OpenShowsTheWholeFileUnderItsPath)
{
    const QString file = writeFile(QStringLiteral("page.html"), "<HTML>\r\n<BODY>caf\xc3\xa9</BODY>\r\n</HTML>");
    frmTemplate* d = open(file);

    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->txtInput->wholeText(), QStringLiteral("<HTML>\r\n<BODY>café</BODY>\r\n</HTML>"));
    EXPECT_EQ(d->caption(), file);
    EXPECT_EQ(subWindow(d)->windowTitle(), file);
    EXPECT_FALSE(d->isModified());
    EXPECT_EQ(d->lineBreak(), QByteArray("\r\n"));
    EXPECT_EQ(recent(0), file);
    QAction* entry = action(QStringLiteral("mnuFileArray_0"));
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->text(), file);
}

TEST_F(DocumentCommandsTest, OpenOfAFileThatCannotBeReadNamesItAndOpensNoWindow)
{
    const QString folder = path(QStringLiteral("a folder.htm"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString huge = path(QStringLiteral("huge.htm"));
    {
        // Sparse: costs no disk space, yet is larger than the editor accepts.
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(kMaxDocumentSize + 1));
    }
    const struct {
        QString file;
        QString reason;
    } cases[] = {
        {folder, QStringLiteral("folder")},
        {path(QStringLiteral("missing.htm")), QStringLiteral("does not exist")},
        {huge, QStringLiteral("too large")},
        // A device that never ends must be refused, not read until memory runs out.
        {QStringLiteral("/dev/zero"), QStringLiteral("not a regular file")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        prompter.requests.clear();
        prompter.answerOpen(c.file);
        prompter.answerMessage(PromptAnswer::Ok);
        trigger(QStringLiteral("mnuOpen"));
        ASSERT_EQ(prompter.requests.size(), 2u);
        expectFileMessage(prompter.requests[1], c.file);
        EXPECT_TRUE(prompter.requests[1].text.contains(c.reason)) << prompter.requests[1].text.toStdString();
        EXPECT_TRUE(window->documents().isEmpty());
        EXPECT_EQ(window->openDocumentCount(), 0);
        EXPECT_TRUE(window->preferences().recent.isEmpty());
    }
}

// --- Save and Save As ------------------------------------------------------------------------

TEST_F(DocumentCommandsTest, SaveOfAnUntitledDocumentIsSaveAs)
{
    trigger(QStringLiteral("mnuNew"));
    typeInto(document(), QStringLiteral("abc"));
    const QString file = path(QStringLiteral("new.htm"));
    prompter.answerSave(file);
    trigger(QStringLiteral("mnuSave"));

    ASSERT_EQ(prompter.requests.size(), 1u);
    expectFileDialog(prompter.requests[0], QStringLiteral("save"), QStringLiteral("Save As"), QString());
    EXPECT_EQ(readFile(file), QByteArray("abc\n"));
    EXPECT_EQ(document()->caption(), file);
    EXPECT_EQ(subWindow(document())->windowTitle(), file);
    EXPECT_FALSE(document()->isModified());
    EXPECT_EQ(recent(0), file);
    EXPECT_EQ(action(QStringLiteral("mnuFileArray_0"))->text(), file);

    // Now titled: Save writes without a dialog, and a second save leaves the file as it was.
    trigger(QStringLiteral("mnuSave"));
    EXPECT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(readFile(file), QByteArray("abc\n"));

    // One dialog object serves them all: Open offers the name chosen in Save As.
    prompter.answerOpen(std::nullopt);
    trigger(QStringLiteral("mnuOpen"));
    EXPECT_EQ(prompter.last().fileName, file);
}

TEST_F(DocumentCommandsTest, SaveAddsTheDocumentsLineBreakOnlyWhenTheTextLacksOne)
{
    const struct {
        const char* name;
        QByteArray onDisk;
        QByteArray saved;
    } cases[] = {
        {"no line break", "abc", "abc\n"},
        {"CR LF", "a\r\nb", "a\r\nb\r\n"},
        {"CR", "a\rb", "a\rb\r"},
        {"LF", "a\nb", "a\nb\n"},
        {"ends with LF", "abc\n", "abc\n"},
        {"ends with CR LF", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"Latin-1 stays Latin-1", "caf\xe9", "caf\xe9\n"},
        {"NUL survives", QByteArray("a\0b", 3), QByteArray("a\0b\n", 4)},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = writeFile(QStringLiteral("doc%1.htm").arg(n++), c.onDisk);
        open(file);
        trigger(QStringLiteral("mnuSave"));
        EXPECT_EQ(readFile(file), c.saved);
        trigger(QStringLiteral("mnuSave"));
        EXPECT_EQ(readFile(file), c.saved) << "a second save must not grow the file";
    }
    EXPECT_EQ(prompter.requests.size(), std::size(cases)) << "Save of a titled document asks nothing";
}

TEST_F(DocumentCommandsTest, ALatinOneFileThatNoLongerFitsIsWrittenAsUtf8OnlyWhenAsked)
{
    const QString file = writeFile(QStringLiteral("latin.htm"), "caf\xe9\n");
    frmTemplate* d = open(file);
    d->txtInput->setSelStart(0);
    d->txtInput->replaceSelection(QStringLiteral("\u20ac "));
    for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        prompter.requests.clear();
        prompter.answerMessage(answer);
        trigger(QStringLiteral("mnuSave"));
        ASSERT_EQ(prompter.requests.size(), 1u);
        EXPECT_TRUE(prompter.last().text.contains(QStringLiteral("save it as UTF-8")));
        EXPECT_EQ(readFile(file), answer == PromptAnswer::Yes ? QByteArray("\xe2\x82\xac caf\xc3\xa9\n")
                                                              : QByteArray("caf\xe9\n"));
        EXPECT_EQ(d->isModified(), answer == PromptAnswer::No);
    }
    // UTF-8 from then on: nothing more to ask.
    prompter.requests.clear();
    trigger(QStringLiteral("mnuSave"));
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(DocumentCommandsTest, SaveAsOntoAFileWithContentAsksAndNoShowsTheDialogAgain)
{
    const QString file = writeFile(QStringLiteral("old.htm"), "old content");
    trigger(QStringLiteral("mnuNew"));
    typeInto(document(), QStringLiteral("new"));
    prompter.answerSave(file);
    prompter.answerMessage(PromptAnswer::No);
    prompter.answerSave(std::nullopt);
    trigger(QStringLiteral("mnuSaveAs"));

    ASSERT_EQ(prompter.requests.size(), 3u);
    expectFileDialog(prompter.requests[0], QStringLiteral("save"), QStringLiteral("Save As"), QString());
    expectOverwriteQuestion(prompter.requests[1]);
    expectFileDialog(prompter.requests[2], QStringLiteral("save"), QStringLiteral("Save As"), QString());
    EXPECT_EQ(readFile(file), QByteArray("old content"));
    EXPECT_TRUE(document()->caption().isEmpty());
    EXPECT_TRUE(document()->isModified());
    EXPECT_TRUE(window->preferences().recent.isEmpty());
}

TEST_F(DocumentCommandsTest, SaveAsOntoAFileWithContentReplacesItOnYes)
{
    const QString file = writeFile(QStringLiteral("old.htm"), "old content that is longer");
    trigger(QStringLiteral("mnuNew"));
    typeInto(document(), QStringLiteral("new"));
    prompter.answerSave(file);
    prompter.answerMessage(PromptAnswer::No);
    prompter.answerSave(file);
    prompter.answerMessage(PromptAnswer::Yes);
    trigger(QStringLiteral("mnuSaveAs"));

    ASSERT_EQ(prompter.requests.size(), 4u);
    expectOverwriteQuestion(prompter.requests[3]);
    EXPECT_EQ(readFile(file), QByteArray("new\n"));
    EXPECT_EQ(document()->caption(), file);
    EXPECT_FALSE(document()->isModified());
    EXPECT_EQ(recent(0), file);
}

TEST_F(DocumentCommandsTest, SaveAsOntoAnEmptyFileReplacesItWithoutAsking)
{
    const QString file = writeFile(QStringLiteral("empty.htm"), "");
    trigger(QStringLiteral("mnuNew"));
    typeInto(document(), QStringLiteral("text"));
    prompter.answerSave(file);
    trigger(QStringLiteral("mnuSaveAs"));

    EXPECT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(readFile(file), QByteArray("text\n"));
    EXPECT_EQ(document()->caption(), file);
}

TEST_F(DocumentCommandsTest, SaveAsOfATitledDocumentMovesItsCaptionAndRecentEntry)
{
    const QString first = writeFile(QStringLiteral("first.htm"), "body");
    open(first);
    const QString second = path(QStringLiteral("second.htm"));
    prompter.answerSave(second);
    trigger(QStringLiteral("mnuSaveAs"));

    EXPECT_EQ(document()->caption(), second);
    EXPECT_EQ(subWindow(document())->windowTitle(), second);
    EXPECT_EQ(recent(0), second);
    EXPECT_EQ(recent(1), first);
    EXPECT_EQ(readFile(second), QByteArray("body\n"));
    EXPECT_EQ(readFile(first), QByteArray("body")) << "the old file is left alone";
}

TEST_F(DocumentCommandsTest, SaveAsCancelChangesNothing)
{
    trigger(QStringLiteral("mnuNew"));
    typeInto(document(), QStringLiteral("x"));
    prompter.answerSave(std::nullopt);
    trigger(QStringLiteral("mnuSaveAs"));
    EXPECT_TRUE(document()->caption().isEmpty());
    EXPECT_TRUE(document()->isModified());
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}

TEST_F(DocumentCommandsTest, SaveAsIntoAPlaceThatCannotBeWrittenReportsItAndKeepsTheDocument)
{
    const QString folder = path(QStringLiteral("folder.htm"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString kept = writeFile(QStringLiteral("kept.htm"), "kept");
    const struct {
        QString target;
        const char* reason; // part of the system's wording where it is certain, else empty
    } cases[] = {
        {QStringLiteral("/dev/full"), "No space left on device"},
        {QStringLiteral("/proc/scrivant-cannot-create.htm"), ""}, // even root cannot create files here
        {folder, "folder"},
    };
    frmTemplate* d = open(kept);
    typeInto(d, QStringLiteral(" and changed"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        prompter.requests.clear();
        prompter.answerSave(c.target);
        prompter.answerMessage(PromptAnswer::Ok);
        trigger(QStringLiteral("mnuSaveAs"));

        ASSERT_EQ(prompter.requests.size(), 2u) << "no overwrite question for a device, a folder or a new name";
        expectFileMessage(prompter.requests[1], c.target);
        if (*c.reason) {
            EXPECT_TRUE(prompter.requests[1].text.contains(QLatin1String(c.reason)))
                << prompter.requests[1].text.toStdString();
        }
        EXPECT_EQ(d->caption(), kept);
        EXPECT_EQ(subWindow(d)->windowTitle(), kept);
        EXPECT_TRUE(d->isModified());
        EXPECT_EQ(recent(0), kept);
        EXPECT_TRUE(recent(1).isEmpty());
    }
    EXPECT_EQ(readFile(kept), QByteArray("kept"));
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/scrivant-cannot-create.htm")));
}

TEST_F(DocumentCommandsTest, FailedSaveLeavesTheOldFileIntact)
{
    const QByteArray old = "old content\n";
    const QString file = writeFile(QStringLiteral("page.htm"), old);
    frmTemplate* d = open(file);
    typeInto(d, QStringLiteral("x"));
    d->txtInput->setSelStart(d->txtInput->characterCount());
    d->txtInput->replaceSelection(QString(64 * 1024, QLatin1Char('y')));
    prompter.answerMessage(PromptAnswer::Ok);
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok());
        trigger(QStringLiteral("mnuSave"));
    }

    ASSERT_EQ(prompter.requests.size(), 2u);
    expectFileMessage(prompter.requests[1], file);
    EXPECT_EQ(readFile(file), old);
    EXPECT_TRUE(d->isModified());
    EXPECT_EQ(d->caption(), file);
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("page.htm")})
        << "no temporary file may be left behind";
}

// --- closing -----------------------------------------------------------------------------------

TEST_F(DocumentCommandsTest, NewGivesAnEmptyUnmodifiedUntitledWindow)
{
    trigger(QStringLiteral("mnuNew"));
    frmTemplate* d = document();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->txtInput->wholeText().isEmpty());
    EXPECT_FALSE(d->isModified());
    EXPECT_TRUE(d->caption().isEmpty());
    EXPECT_TRUE(subWindow(d)->windowTitle().isEmpty());
    EXPECT_EQ(window->openDocumentCount(), 1);

    // Untouched, it closes without a question.
    trigger(QStringLiteral("mnuClose"));
    QApplication::processEvents();
    EXPECT_TRUE(window->documents().isEmpty());
    EXPECT_EQ(window->openDocumentCount(), 0);
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(DocumentCommandsTest, ASavedDocumentClosesWithoutAQuestion)
{
    const QString file = writeFile(QStringLiteral("page.htm"), "text");
    typeInto(open(file), QStringLiteral("more"));
    trigger(QStringLiteral("mnuSave"));
    trigger(QStringLiteral("mnuClose"));
    EXPECT_TRUE(window->documents().isEmpty());
    EXPECT_EQ(prompter.requests.size(), 1u) << "only the open dialog";
}

TEST_F(DocumentCommandsTest, ClosingAModifiedDocumentAsksAndSavesOnlyOnYes)
{
    for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        const bool yes = answer == PromptAnswer::Yes;
        SCOPED_TRACE(yes ? "Yes" : "No");
        const QString file = writeFile(yes ? QStringLiteral("yes.htm") : QStringLiteral("no.htm"), "text");
        typeInto(open(file), QStringLiteral(" typed"));
        prompter.requests.clear();
        prompter.answerMessage(answer);
        trigger(QStringLiteral("mnuClose"));

        ASSERT_EQ(prompter.requests.size(), 1u);
        expectSaveQuestion(prompter.requests[0]);
        EXPECT_TRUE(window->documents().isEmpty());
        EXPECT_EQ(readFile(file), yes ? QByteArray("text typed\n") : QByteArray("text"));
    }
}

TEST_F(DocumentCommandsTest, YesForAnUntitledDocumentRunsSaveAs)
{
    trigger(QStringLiteral("mnuNew"));
    typeInto(document(), QStringLiteral("abc"));
    const QString file = path(QStringLiteral("chosen.htm"));
    prompter.answerMessage(PromptAnswer::Yes);
    prompter.answerSave(file);
    trigger(QStringLiteral("mnuClose"));
    EXPECT_EQ(readFile(file), QByteArray("abc\n"));
    EXPECT_TRUE(window->documents().isEmpty());
    EXPECT_EQ(recent(0), file);
}

TEST_F(DocumentCommandsTest, ClosingAnInactiveDocumentSavesThatDocument)
{
    const QString fileA = writeFile(QStringLiteral("a.htm"), "A");
    const QString fileB = writeFile(QStringLiteral("b.htm"), "B");
    frmTemplate* a = open(fileA);
    frmTemplate* b = open(fileB);
    typeInto(a, QStringLiteral("-edited"));
    typeInto(b, QStringLiteral("-edited too"));
    ASSERT_EQ(document(), b);

    prompter.answerMessage(PromptAnswer::Yes);
    subWindow(a)->close();
    QApplication::processEvents();

    EXPECT_EQ(readFile(fileA), QByteArray("A-edited\n"));
    EXPECT_EQ(readFile(fileB), QByteArray("B"));
    EXPECT_EQ(window->documents(), QList<frmTemplate*>{b});
    EXPECT_TRUE(b->isModified());
}

TEST_F(DocumentCommandsTest, ADocumentWhoseSaveFailsOrIsCancelledStaysOpen)
{
    // Yes to the question, then a file that cannot be written, or Save As cancelled.
    for (const bool cancelled : {false, true}) {
        SCOPED_TRACE(cancelled ? "Save As cancelled" : "save failed");
        trigger(QStringLiteral("mnuNew"));
        frmTemplate* kept = document();
        if (!cancelled)
            kept->setCaption(QStringLiteral("/dev/full"));
        typeInto(kept, QStringLiteral("text"));
        trigger(QStringLiteral("mnuNew"));
        frmTemplate* other = document();

        prompter.requests.clear();
        prompter.answerMessage(PromptAnswer::Yes);
        if (cancelled)
            prompter.answerSave(std::nullopt);
        else
            prompter.answerMessage(PromptAnswer::Ok);
        subWindow(kept)->close();
        QApplication::processEvents();

        ASSERT_EQ(prompter.requests.size(), 2u);
        expectSaveQuestion(prompter.requests[0]);
        if (!cancelled)
            expectFileMessage(prompter.requests[1], QStringLiteral("/dev/full"));
        EXPECT_TRUE(window->documents().contains(kept));
        EXPECT_TRUE(kept->isModified());
        EXPECT_EQ(kept->txtInput->wholeText(), QStringLiteral("text"));
        for (frmTemplate* d : {kept, other}) {
            d->setModified(false);
            subWindow(d)->close();
        }
        QApplication::processEvents();
    }
}

TEST_F(DocumentCommandsTest, ClosingTheMainWindowAsksForEachModifiedDocumentActiveFirst)
{
    const QString fileA = writeFile(QStringLiteral("a.htm"), "A");
    const QString fileB = writeFile(QStringLiteral("b.htm"), "B");
    const QString fileC = writeFile(QStringLiteral("c.htm"), "C");
    typeInto(open(fileA), QStringLiteral("1"));
    open(fileC); // unmodified: no question
    typeInto(open(fileB), QStringLiteral("2"));
    prompter.requests.clear();

    // The active document (B) is asked first: Yes saves B, No leaves A as it was.
    prompter.answerMessage(PromptAnswer::Yes);
    prompter.answerMessage(PromptAnswer::No);
    stop();

    ASSERT_EQ(prompter.requests.size(), 2u);
    expectSaveQuestion(prompter.requests[0]);
    expectSaveQuestion(prompter.requests[1]);
    EXPECT_EQ(readFile(fileB), QByteArray("B2\n"));
    EXPECT_EQ(readFile(fileA), QByteArray("A"));
    EXPECT_EQ(readFile(fileC), QByteArray("C"));
    // Then the settings were written: the recent list, newest first.
    const QString section = settings::kMenuArray;
    EXPECT_EQ(store->read(settings::kApp, section, settings::indexedKey(QStringLiteral("MenuArray("), 0)), fileB);
    EXPECT_EQ(store->read(settings::kApp, section, settings::indexedKey(QStringLiteral("MenuArray("), 1)), fileC);
    EXPECT_EQ(store->read(settings::kApp, section, settings::indexedKey(QStringLiteral("MenuArray("), 2)), fileA);
}

TEST_F(DocumentCommandsTest, TheNextDocumentOpensInTheStateTheLastOneClosedIn)
{
    trigger(QStringLiteral("mnuNew"));
    subWindow(document())->showMaximized();
    trigger(QStringLiteral("mnuClose"));
    trigger(QStringLiteral("mnuNew"));
    ASSERT_NE(document(), nullptr);
    EXPECT_TRUE(subWindow(document())->isMaximized());

    subWindow(document())->showNormal();
    trigger(QStringLiteral("mnuClose"));
    trigger(QStringLiteral("mnuNew"));
    EXPECT_FALSE(subWindow(document())->isMaximized());
    subWindow(document())->showMaximized();
    trigger(QStringLiteral("mnuClose"));

    // Kept for the next run too.
    stop();
    EXPECT_EQ(store->read(settings::kApp, settings::kWindowOptions, QStringLiteral("TemplateWindowState")),
              QStringLiteral("2"));
    start();
    trigger(QStringLiteral("mnuNew"));
    EXPECT_TRUE(subWindow(document())->isMaximized());
}

// --- print -------------------------------------------------------------------------------------

TEST_F(DocumentCommandsTest, PrintOffersTheSelectionAndPrintsWhatTheDialogChose)
{
    trigger(QStringLiteral("mnuNew"));
    QString text;
    for (int line = 1; line <= 300; ++line)
        text += QStringLiteral("Line %1 of a document long enough for several pages\n").arg(line);
    editor()->setWholeText(text);

    const struct {
        const char* name;
        int selectionLength;
        bool chooseAllPages; // the user switches the dialog from Selection to All
        bool selectionOffered;
        bool onePage;
    } cases[] = {
        {"selection", 10, false, true, true},
        {"no selection", 0, false, false, false},
        {"selection, all pages chosen", 10, true, true, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        editor()->setSelection(5, c.selectionLength);
        const QString pdf = path(QStringLiteral("print%1.pdf").arg(n++));
        prompter.answerPrinter([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            if (c.chooseAllPages)
                printer.setPrintRange(QPrinter::AllPages);
            return true;
        });
        trigger(QStringLiteral("mnuPrint"));
        ASSERT_EQ(prompter.last().kind, QStringLiteral("printer"));
        EXPECT_EQ(prompter.last().selectionChosen, c.selectionOffered);
        const QByteArray bytes = readFile(pdf);
        ASSERT_TRUE(bytes.startsWith("%PDF")) << "no PDF was printed";
        const int pages = pdfPageCount(bytes);
        if (c.onePage)
            EXPECT_EQ(pages, 1);
        else
            EXPECT_GT(pages, 1);
    }
    EXPECT_EQ(editor()->wholeText(), text) << "printing leaves the text alone";
}

TEST_F(DocumentCommandsTest, PrintCancelPrintsNothing)
{
    trigger(QStringLiteral("mnuNew"));
    typeInto(document(), QStringLiteral("text"));
    const QString pdf = path(QStringLiteral("cancelled.pdf"));
    prompter.answerPrinter([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    });
    trigger(QStringLiteral("mnuPrint"));
    EXPECT_EQ(prompter.requests.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(pdf));

    // Into a folder that is not there: said so, not passed over as printed.
    const QString nowhere = path(QStringLiteral("missing/out.pdf"));
    prompter.answerPrinter([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(nowhere);
        return true;
    });
    prompter.answerMessage(PromptAnswer::Ok);
    trigger(QStringLiteral("mnuPrint"));
    ASSERT_EQ(prompter.requests.size(), 3u);
    EXPECT_TRUE(prompter.last().text.contains(nowhere)) << prompter.last().text.toStdString();
}

// --- commands with no document and edit commands ----------------------------------------------------

TEST_F(DocumentCommandsTest, CommandsWithoutADocumentDoNothing)
{
    for (const char* name : {"mEdit_0", "mEdit_2", "mEdit_3", "mEdit_4", "mEdit_5", "mnuSelectAll", "mnuSave",
                             "mnuSaveAs", "mnuClose", "mnuPrint"}) {
        SCOPED_TRACE(name);
        trigger(QLatin1String(name));
        EXPECT_TRUE(window->documents().isEmpty());
    }
    EXPECT_TRUE(prompter.requests.empty());
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}

TEST_F(DocumentCommandsTest, EditCommandsActOnTheActiveDocument)
{
    trigger(QStringLiteral("mnuNew"));
    DocumentEditor* e = editor();
    typeInto(document(), QStringLiteral("hello world"));
    QApplication::clipboard()->clear();

    e->setSelection(6, 5);
    trigger(QStringLiteral("mEdit_3")); // Copy
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("world"));
    EXPECT_EQ(e->wholeText(), QStringLiteral("hello world"));

    trigger(QStringLiteral("mEdit_2")); // Cut
    EXPECT_EQ(e->wholeText(), QStringLiteral("hello "));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("world"));

    e->setSelStart(0);
    trigger(QStringLiteral("mEdit_4")); // Paste
    EXPECT_EQ(e->wholeText(), QStringLiteral("worldhello "));

    e->setSelection(5, 6);
    trigger(QStringLiteral("mEdit_5")); // Delete
    EXPECT_EQ(e->wholeText(), QStringLiteral("world"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("world")) << "Delete leaves the clipboard alone";

    trigger(QStringLiteral("mEdit_0")); // Undo
    EXPECT_EQ(e->wholeText(), QStringLiteral("worldhello "));

    e->setSelStart(2);
    trigger(QStringLiteral("mnuSelectAll"));
    EXPECT_EQ(e->selStart(), 0);
    EXPECT_EQ(e->selLength(), e->characterCount());
    EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(DocumentCommandsTest, EditCommandsFollowTheActiveDocument)
{
    trigger(QStringLiteral("mnuNew"));
    frmTemplate* first = document();
    typeInto(first, QStringLiteral("first"));
    trigger(QStringLiteral("mnuNew"));
    frmTemplate* second = document();
    typeInto(second, QStringLiteral("second"));

    activate(first);
    ASSERT_EQ(document(), first);
    first->txtInput->setSelection(0, 5);
    second->txtInput->setSelection(0, 6);
    trigger(QStringLiteral("mEdit_2"));
    EXPECT_TRUE(first->txtInput->wholeText().isEmpty());
    EXPECT_EQ(second->txtInput->wholeText(), QStringLiteral("second"));
}

} // namespace
