// The preview window: opened by Reload with Local Preview on, rendering the saved document
// with the browser engine, read afresh on each Reload.

#include "PreviewTestSupport.h"

#include "app/Preferences.h"
#include "platform/HtmlView.h"
#include "preview/frmHTML.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// A page tall enough to scroll, saying text.
QByteArray tallPage(const char* text)
{
    return QByteArray("<html><body><p id=t>") + text + "</p><div style=\"height:5000px\"></div>"
           "<a id=next href=\"next.html\">next</a></body></html>";
}

} // namespace

class PreviewWindowTest : public PreviewAppTest {
protected:
    frmHTML* previewWindow() { return window->findChild<frmHTML*>(QStringLiteral("frmHTML")); }

    // Reload, then wait for the page it asked for.
    frmHTML* reloadAndWait()
    {
        frmHTML* open = previewWindow();
        std::unique_ptr<QSignalSpy> loaded;
        if (open)
            loaded = std::make_unique<QSignalSpy>(open->HTML1, &HtmlView::loadFinished);
        trigger(QStringLiteral("mnuReload"));
        frmHTML* shown = previewWindow();
        EXPECT_NE(shown, nullptr);
        if (!shown)
            return nullptr;
        if (!loaded)
            loaded = std::make_unique<QSignalSpy>(shown->HTML1, &HtmlView::loadFinished);
        EXPECT_TRUE(loaded->wait(20000)) << "the page never finished loading";
        return shown;
    }

    static QVariant evaluate(frmHTML* preview, const QString& script)
    {
        QVariant result;
        bool done = false;
        preview->HTML1->findChild<QWebEngineView*>()->page()->runJavaScript(script, [&](const QVariant& v) {
            result = v;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
        return result;
    }
};

TEST_F(PreviewWindowTest, ReloadShowsTheSavedDocumentAndShowsItsChangesAtTheSameScroll)
{
    start();
    const QString path = openSaved(QStringLiteral("my site #1/index.html"), tallPage("first"));
    editor()->setWholeText(QString::fromLatin1(tallPage("second")));
    frmHTML* preview = reloadAndWait();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(preview->HTML1->usesBrowserEngine());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("HTML Preview"));
    // The document was saved before it was shown.
    EXPECT_EQ(readFile(path), tallPage("second") + "\n");
    EXPECT_EQ(evaluate(preview, QStringLiteral("document.getElementById('t').textContent")).toString(), "second");
    EXPECT_EQ(preview->cboURL->currentText(), QUrl::fromLocalFile(path).toString());

    evaluate(preview, QStringLiteral("window.scrollTo(0, 1200)"));
    auto* page = preview->HTML1->findChild<QWebEngineView*>()->page();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->scrollPosition().y() >= 1199; }, 10000));

    editor()->setWholeText(QString::fromLatin1(tallPage("third")));
    EXPECT_EQ(reloadAndWait(), preview) << "one preview window";
    EXPECT_EQ(evaluate(preview, QStringLiteral("document.getElementById('t').textContent")).toString(), "third");
    EXPECT_EQ(evaluate(preview, QStringLiteral("window.scrollY")).toInt(), 1200);

    // A link followed inside the preview shows in the address box.
    writeFile(QStringLiteral("my site #1/next.html"), "<p>next page</p>");
    QSignalSpy loaded(preview->HTML1, &HtmlView::loadFinished);
    evaluate(preview, QStringLiteral("document.getElementById('next').click()"));
    ASSERT_TRUE(loaded.wait(20000));
    EXPECT_EQ(preview->cboURL->currentText(), QUrl::fromLocalFile(QFileInfo(path).path() + "/next.html").toString());
}

TEST_F(PreviewWindowTest, GeometryIsTheMainWindowsFirstThenWhereItWasClosed)
{
    start();
    openSaved(QStringLiteral("page.html"), "<p>x</p>");
    frmHTML* preview = reloadAndWait();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->pos(), window->pos());
    EXPECT_EQ(preview->size(), window->size());

    preview->move(30, 45);
    preview->resize(700, 500);
    preview->cmdBack->click(); // Return To Editing
    EXPECT_TRUE(isDeleted(QPointer<QObject>(preview)));
    const auto stored = [this](const char* key) {
        return store->read(settings::kApp, settings::kWindowOptions, QLatin1String(key));
    };
    EXPECT_EQ(stored("HTMLFormLeft"), "450");
    EXPECT_EQ(stored("HTMLFormTop"), "675");
    EXPECT_EQ(stored("HTMLFormWidth"), "10500");
    EXPECT_EQ(stored("HTMLFormHeight"), "7500");

    preview = reloadAndWait();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->pos(), QPoint(30, 45));
    EXPECT_EQ(preview->size(), QSize(700, 500));
}

TEST_F(PreviewWindowTest, ConnectFetchesTheTypedAddressAndListsEveryPress)
{
    start();
    openSaved(QStringLiteral("page.html"), "<p>x</p>");
    frmHTML* preview = reloadAndWait();
    ASSERT_NE(preview, nullptr);
    const QString other = QUrl::fromLocalFile(writeFile(QStringLiteral("other page.html"), "<p id=t>other</p>")).toString();
    QSignalSpy loaded(preview->HTML1, &HtmlView::loadFinished);
    for (int press = 1; press <= 2; ++press) {
        preview->cboURL->setEditText(other);
        preview->cmdConnect->click();
        ASSERT_TRUE(loaded.wait(20000));
        EXPECT_EQ(evaluate(preview, QStringLiteral("document.getElementById('t').textContent")).toString(), "other");
        EXPECT_EQ(preview->cboURL->count(), press) << "each press adds the address, duplicates too";
        EXPECT_EQ(preview->cboURL->itemText(press - 1), other);
    }
}

TEST_F(PreviewWindowTest, OpeningWithoutADocumentFileSaysItCouldNotLoad)
{
    start();
    for (const bool document : {false, true}) {
        SCOPED_TRACE(document ? "untitled document, Save As cancelled" : "no document");
        if (document) {
            trigger(QStringLiteral("mnuNew"));
            prompter.answerSave(std::nullopt);
        }
        prompter.answerMessage(PromptAnswer::Ok);
        trigger(QStringLiteral("mnuReload"));
        expectMessage(prompter.last(), kProgramTitle, QStringLiteral("An error occurred while trying to load this document"),
                      PromptIcon::Exclamation);
        ASSERT_NE(previewWindow(), nullptr);
        EXPECT_TRUE(previewWindow()->isVisible()) << "the window stays open";
        previewWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
