#include "platform/HtmlView.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
bool engineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}
} // namespace

// The engine's libraries are large: a program that never shows a page must not load them.
TEST(HtmlViewModule, theBrowserEngineIsLoadedOnlyWhenAViewNeedsIt)
{
    ASSERT_FALSE(engineLoaded());
    {
        HtmlView simple(nullptr, HtmlView::Engine::Simple);
        EXPECT_FALSE(simple.usesBrowserEngine());
    }
    EXPECT_FALSE(engineLoaded());
    HtmlView view;
    EXPECT_EQ(view.usesBrowserEngine(), HtmlView::browserEngineAvailable());
    EXPECT_EQ(engineLoaded(), view.usesBrowserEngine());
}
