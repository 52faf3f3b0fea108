// Recovery files of unsaved documents, and files changed or deleted by another program.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace {

class RecoveryTest : public AppTest {
protected:
    RecoveryTest() { recovery = {config.filePath(QStringLiteral("recovery")), std::chrono::milliseconds(10)}; }

    std::vector<RecoveryStore::Entry> stored()
    {
        window->recovery().store()->finish();
        return window->recovery().store()->stored();
    }
    // As when the user comes back to the editor from another program.
    void activate()
    {
        QEvent event(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &event);
        QApplication::processEvents();
    }
};

TEST_F(RecoveryTest, FileAppearsWhenTypingPausesAndGoesOnSaveOrClose)
{
    start();
    const QString page = writeFile(QStringLiteral("page.html"), "<p>old</p>\n");
    window->openFiles({page});
    QTest::keyClicks(editor(), QStringLiteral("new "));
    QTRY_COMPARE(stored().size(), 1u);
    EXPECT_EQ(stored()[0].record.path, page);
    EXPECT_EQ(stored()[0].record.content.utf8, QByteArray("new <p>old</p>\n"));
    trigger(QStringLiteral("mnuSave"));
    EXPECT_TRUE(stored().empty());

    // Typing faster than the pause, without end, still gets copied.
    trigger(QStringLiteral("mnuNew"));
    for (int i = 0; i < 200 && stored().empty(); ++i) {
        QTest::keyClick(editor(), Qt::Key_D);
        QTest::qWait(2);
    }
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].record.path, QString());
    prompter.answerMessage(PromptAnswer::No); // Do you want to save?
    trigger(QStringLiteral("mnuClose"));
    EXPECT_TRUE(stored().empty());
}

TEST_F(RecoveryTest, LeftoversAreReopenedAsModifiedOrDeleted)
{
    const QString page = writeFile(QStringLiteral("page.html"), "caf\xe9\r\n");
    RecoveryRecord saved;
    saved.path = page;
    saved.content = {"caf\xc3\xa9 au lait\r\n", TextEncoding::Latin1, "\r\n", false};
    RecoveryRecord untitled;
    untitled.content.utf8 = "<p>draft</p>";
    for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel}) {
        {
            RecoveryStore left(recovery.folder);
            left.save(left.newName(), saved);
            left.save(left.newName(), untitled);
        }
        start();
        prompter.answerMessage(answer);
        window->recovery().offerLeftovers();
        expectMessage(prompter.last(), QStringLiteral("The Corvane Scrivant"),
                      QStringLiteral("Recover unsaved documents?\r\r") + page
                          + QStringLiteral("\r(untitled)\r\rNo discards them; Cancel keeps them for the next start."),
                      PromptIcon::Question, PromptButtons::YesNoCancel);
        const QList<frmTemplate*> docs = window->documents();
        if (answer == PromptAnswer::Yes) {
            ASSERT_EQ(docs.size(), 2);
            EXPECT_EQ(docs[0]->caption(), page);
            EXPECT_EQ(docs[0]->txtInput->textBytes(), saved.content.utf8);
            EXPECT_EQ(docs[0]->encoding(), TextEncoding::Latin1);
            EXPECT_EQ(docs[0]->lineBreak(), QByteArray("\r\n"));
            EXPECT_EQ(docs[1]->caption(), QString());
            EXPECT_EQ(docs[1]->txtInput->textBytes(), untitled.content.utf8);
            EXPECT_TRUE(docs[0]->isModified() && docs[1]->isModified());
            // Still unsaved: the files stay until then, without a second copy.
            EXPECT_EQ(stored().size(), 2u);
            closeDocuments();
        } else {
            EXPECT_TRUE(docs.isEmpty());
        }
        EXPECT_EQ(stored().size(), answer == PromptAnswer::Cancel ? 2u : 0u);
        stop();
    }
}

TEST_F(RecoveryTest, ChangedFileIsReloadedOrNotOverwrittenUnasked)
{
    start();
    const QString page = writeFile(QStringLiteral("page.html"), "<p>one</p>\n");
    window->openFiles({page});
    writeFile(QStringLiteral("page.html"), "<p>two, from elsewhere</p>\n");
    prompter.answerMessage(PromptAnswer::Yes);
    activate();
    expectMessage(prompter.last(), kProgramTitle,
                  QStringLiteral("The file \"%1\" was changed by another program.\rDo you want to reload it?").arg(page),
                  PromptIcon::Question, PromptButtons::YesNo);
    EXPECT_EQ(editor()->textBytes(), QByteArray("<p>two, from elsewhere</p>\n"));
    EXPECT_FALSE(window->activeDocument()->isModified());
    activate(); // nothing more to ask

    QTest::keyClicks(editor(), QStringLiteral("mine "));
    writeFile(QStringLiteral("page.html"), "<p>three</p>\n");
    prompter.answerMessage(PromptAnswer::Ok);
    activate();
    expectMessage(prompter.last(), kProgramTitle,
                  QStringLiteral("The file \"%1\" was changed by another program.\r"
                                 "Saving this document will overwrite that change.").arg(page),
                  PromptIcon::Exclamation);
    activate(); // told once
    const QString overwrite = QStringLiteral("The file \"%1\" was changed by another program since it was opened or "
                                             "saved here.\rDo you want to overwrite it?").arg(page);
    prompter.answerMessage(PromptAnswer::No);
    trigger(QStringLiteral("mnuSave"));
    expectMessage(prompter.last(), kProgramTitle, overwrite, PromptIcon::Exclamation, PromptButtons::YesNo);
    EXPECT_EQ(readFile(page), QByteArray("<p>three</p>\n"));
    EXPECT_TRUE(window->activeDocument()->isModified());
    prompter.answerMessage(PromptAnswer::Yes);
    trigger(QStringLiteral("mnuSave"));
    EXPECT_EQ(readFile(page), QByteArray("mine <p>two, from elsewhere</p>\n"));
    EXPECT_FALSE(window->activeDocument()->isModified());
}

TEST_F(RecoveryTest, DeletedFileKeepsTheTextAsUnsaved)
{
    start();
    const QString page = writeFile(QStringLiteral("page.html"), "<p>keep me</p>\n");
    window->openFiles({page});
    ASSERT_TRUE(QFile::remove(page));
    prompter.answerMessage(PromptAnswer::Ok);
    activate();
    expectMessage(prompter.last(), kProgramTitle,
                  QStringLiteral("The file \"%1\" was deleted by another program.\r"
                                 "The document keeps its text; save it to write the file again.").arg(page),
                  PromptIcon::Exclamation);
    EXPECT_EQ(editor()->textBytes(), QByteArray("<p>keep me</p>\n"));
    EXPECT_TRUE(window->activeDocument()->isModified());
    QTRY_COMPARE(stored().size(), 1u); // and it is kept safe as any unsaved text
    trigger(QStringLiteral("mnuSave")); // writes it again, asking nothing
    EXPECT_EQ(readFile(page), QByteArray("<p>keep me</p>\n"));
    EXPECT_TRUE(stored().empty());

    // Deleted while another window is active: closing it still asks.
    const QString other = writeFile(QStringLiteral("other.html"), "<p>other</p>\n");
    window->openFiles({other});
    ASSERT_TRUE(QFile::remove(page));
    prompter.requests.clear();
    prompter.answerMessage(PromptAnswer::Yes);
    window->documents().first()->close();
    QApplication::processEvents();
    ASSERT_EQ(prompter.requests.size(), 1u);
    EXPECT_EQ(prompter.last().text, QStringLiteral("Do you want to save?"));
    EXPECT_EQ(readFile(page), QByteArray("<p>keep me</p>\n"));
}

} // namespace
