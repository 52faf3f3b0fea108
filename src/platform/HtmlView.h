#pragma once
// Shows an HTML page or a local file in a real browser engine. Where the engine cannot run
// (its helper process is missing, it would need a sandbox it cannot have as root, or its
// renderer dies) a simple rich-text view takes over, which still shows plain pages and local
// pictures.

#include <QUrl>
#include <QWidget>
#include <memory>

class QStackedLayout;
class QTextBrowser;
class WebPane;

class HtmlView : public QWidget {
    Q_OBJECT
public:
    enum class Engine { Automatic, Simple };
    // Automatic takes the browser engine where it can run; Simple always the rich-text view.
    explicit HtmlView(QWidget* parent = nullptr, Engine engine = Engine::Automatic);
    ~HtmlView() override;

    // Requests the document at url (a file:/// address for local pages).
    void load(const QUrl& url);
    void setHtml(const QString& html, const QUrl& baseUrl = QUrl());
    // Loads url; when it is the page on display, reads it afresh from disk (no cached copy)
    // and scrolls back to where the reader was.
    void refresh(const QUrl& url);
    // The address last requested (empty after setHtml and at first).
    QUrl url() const { return url_; }
    // The address of the page on display, which follows the links the reader clicks.
    QUrl currentUrl() const;

    // Whether the browser engine shows the pages, rather than the rich-text fallback.
    bool usesBrowserEngine() const { return web_ != nullptr; }
    // Whether a browser engine can be used in this process at all: its module and helper
    // process are installed and it can start here. Setting the environment variable
    // SCRIVANT_SIMPLE_HTML to 1 turns it off.
    static bool browserEngineAvailable();

    QSize sizeHint() const override;

Q_SIGNALS:
    // The requested page has been shown (ok) or could not be (not ok).
    void loadFinished(bool ok);

private:
    void useFallback();
    void showAgain();

    QStackedLayout* stack_;
    std::unique_ptr<WebPane> web_;
    QTextBrowser* text_ = nullptr;
    QUrl url_;
    QString html_;
    QUrl baseUrl_;
    bool showingHtml_ = false;
};
