// Built alone into the module scrivant-webengine, loaded on first use by HtmlView.
#include "platform/WebPane.h"

#include <QPointF>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <optional>

namespace {

class WebEnginePane final : public WebPane {
public:
    explicit WebEnginePane(QWidget* parent) : view_(new QWebEngineView(parent))
    {
        view_->setContextMenuPolicy(Qt::NoContextMenu);
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
            if (restoreScroll_) {
                const QPointF at = *restoreScroll_;
                restoreScroll_.reset();
                view_->page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2)").arg(at.x()).arg(at.y()));
            }
            if (loadFinished)
                loadFinished(ok);
        });
        QObject::connect(view_->page(), &QWebEnginePage::renderProcessTerminated, view_,
                         [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                             if (status != QWebEnginePage::NormalTerminationStatus && rendererFailed)
                                 rendererFailed();
                         });
    }
    ~WebEnginePane() override
    {
        // The view may be inside one of its own signals: it goes once that is over, and
        // says nothing more to this object.
        QObject::disconnect(view_, nullptr, view_, nullptr);
        QObject::disconnect(view_->page(), nullptr, view_, nullptr);
        view_->hide();
        view_->deleteLater();
    }

    QWidget* widget() override { return view_; }
    void load(const QUrl& url) override
    {
        restoreScroll_.reset();
        view_->load(url);
    }
    void setHtml(const QString& html, const QUrl& baseUrl) override
    {
        restoreScroll_.reset();
        view_->setHtml(html, baseUrl);
    }
    void reloadKeepingPlace() override
    {
        restoreScroll_ = view_->page()->scrollPosition();
        view_->page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    }
    QUrl url() const override { return view_->url(); }

private:
    QWebEngineView* view_;
    std::optional<QPointF> restoreScroll_; // where a reloaded page goes back to once loaded
};

} // namespace

extern "C" Q_DECL_EXPORT WebPane* scrivantCreateWebPane(QWidget* parent)
{
    return new WebEnginePane(parent);
}
