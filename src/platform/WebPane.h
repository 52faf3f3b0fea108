#pragma once
// The browser engine's view, built into a module of its own: the engine's libraries are
// large, and loading them only when a page is first shown keeps start-up quick and small.
// The interface is plain C++ so the module needs nothing from the program but Qt.

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

class WebPane {
public:
    virtual ~WebPane() = default;
    virtual QWidget* widget() = 0;
    virtual void load(const QUrl& url) = 0;
    virtual void setHtml(const QString& html, const QUrl& baseUrl) = 0;
    // Reads the page on display afresh, past any cache, and scrolls back to where it was.
    virtual void reloadKeepingPlace() = 0;
    // The address of the page on display, which follows the links the reader clicks.
    virtual QUrl url() const = 0;

    std::function<void(bool ok)> loadFinished;
    // The renderer could not start or died: the view stays blank from now on.
    std::function<void()> rendererFailed;
};

// The module's one entry point, by this name.
using CreateWebPane = WebPane* (*)(QWidget* parent);
inline constexpr char kCreateWebPaneSymbol[] = "scrivantCreateWebPane";
