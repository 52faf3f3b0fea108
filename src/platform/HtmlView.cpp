#include "platform/HtmlView.h"

#include "platform/WebPane.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLibraryInfo>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTextBrowser>
#include <QTimer>

#include <unistd.h>

namespace {

// The engine's module lies beside the program in the build, and in the program's own library
// folder once installed.
CreateWebPane webPaneFactory()
{
    static const CreateWebPane factory = [] {
        const QString app = QCoreApplication::applicationDirPath();
        const QString name = QStringLiteral("scrivant-webengine");
        for (const QString& folder : {app, app + QStringLiteral("/.."), app + QStringLiteral("/" SCRIVANT_MODULE_DIR)}) {
            QLibrary module(QDir(folder).filePath(name));
            if (!module.load())
                continue;
            if (auto create = reinterpret_cast<CreateWebPane>(module.resolve(kCreateWebPaneSymbol)))
                return create; // stays loaded: QLibrary keeps it while the process lives
            module.unload();
        }
        return CreateWebPane(nullptr);
    }();
    return factory;
}

} // namespace

HtmlView::HtmlView(QWidget* parent, Engine engine) : QWidget(parent), stack_(new QStackedLayout(this))
{
    stack_->setContentsMargins(0, 0, 0, 0);
    if (engine == Engine::Simple || !browserEngineAvailable()) {
        useFallback();
        return;
    }
    web_.reset(webPaneFactory()(this));
    stack_->addWidget(web_->widget());
    web_->loadFinished = [this](bool ok) { emit loadFinished(ok); };
    // A renderer that cannot start or dies leaves a blank view: show the page the simple way.
    // Queued: the pane is still inside its own report, and the fallback deletes it.
    web_->rendererFailed = [this] {
        QMetaObject::invokeMethod(this, [this] {
            useFallback();
            showAgain();
        }, Qt::QueuedConnection);
    };
}

HtmlView::~HtmlView() = default;

bool HtmlView::browserEngineAvailable()
{
    static const bool available = [] {
        if (qgetenv("SCRIVANT_SIMPLE_HTML") == "1")
            return false;
        // As root the engine refuses to start its sandbox and aborts the program, unless the
        // sandbox was turned off on purpose.
        const QByteArray noSandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
        if (::geteuid() == 0 && (noSandbox.isEmpty() || noSandbox == "0")
            && !qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"))
            return false;
        // Without its helper process the engine aborts the whole program on first use.
        const QByteArray helper = qgetenv("QTWEBENGINEPROCESS_PATH");
        const QString helperPath = !helper.isEmpty() ? QString::fromLocal8Bit(helper)
                                                     : QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath)
                                                           + QStringLiteral("/QtWebEngineProcess");
        // Last, as it loads the engine's libraries.
        return QFileInfo(helperPath).isExecutable() && webPaneFactory();
    }();
    return available;
}

void HtmlView::useFallback()
{
    if (text_)
        return;
    if (web_) {
        stack_->removeWidget(web_->widget());
        web_.reset();
    }
    text_ = new QTextBrowser(this);
    text_->setOpenLinks(false);
    text_->setFrameShape(QFrame::NoFrame);
    connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { load(text_->source().resolved(link)); });
    stack_->addWidget(text_);
    stack_->setCurrentWidget(text_);
}

void HtmlView::showAgain()
{
    if (showingHtml_)
        setHtml(html_, baseUrl_);
    else if (!url_.isEmpty())
        load(url_);
}

void HtmlView::load(const QUrl& url)
{
    url_ = url;
    showingHtml_ = false;
    if (web_) {
        web_->load(url);
        return;
    }
    // The simple view loads at once; report it afterwards as the engine would.
    const bool ok = !url.isLocalFile() || QFileInfo(url.toLocalFile()).isFile();
    if (!ok)
        text_->clear();
    else if (text_->source() == url)
        text_->reload(); // the same page, rewritten since: setSource alone would keep the old one
    else
        text_->setSource(url, QTextDocument::HtmlResource);
    QTimer::singleShot(0, this, [this, ok] { emit loadFinished(ok); });
}

void HtmlView::refresh(const QUrl& url)
{
    // The engine writes addresses in its own encoding: compare them in one form.
    if (web_ && !showingHtml_ && web_->url().toString(QUrl::FullyEncoded) == url.toString(QUrl::FullyEncoded)) {
        url_ = url;
        web_->reloadKeepingPlace();
        return;
    }
    if (text_ && !showingHtml_ && text_->source() == url) {
        const int x = text_->horizontalScrollBar()->value();
        const int y = text_->verticalScrollBar()->value();
        load(url);
        text_->horizontalScrollBar()->setValue(x);
        text_->verticalScrollBar()->setValue(y);
        return;
    }
    load(url);
}

QUrl HtmlView::currentUrl() const
{
    if (showingHtml_)
        return {};
    return web_ ? web_->url() : text_->source();
}

void HtmlView::setHtml(const QString& html, const QUrl& baseUrl)
{
    url_.clear();
    html_ = html;
    baseUrl_ = baseUrl;
    showingHtml_ = true;
    if (web_) {
        web_->setHtml(html, baseUrl);
        return;
    }
    text_->document()->setBaseUrl(baseUrl);
    text_->setHtml(html);
    QTimer::singleShot(0, this, [this] { emit loadFinished(true); });
}

QSize HtmlView::sizeHint() const
{
    return {160, 160};
}
