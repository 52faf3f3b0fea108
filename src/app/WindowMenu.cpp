#include "app/WindowMenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <algorithm>

void releaseMenuKeys(QMdiSubWindow* window, const QList<QKeySequence>& menuKeys)
{
    if (QMenu* system = window->systemMenu())
        for (QAction* a : system->actions()) {
            QList<QKeySequence> keys = a->shortcuts(); // Close has Ctrl+F4 and Ctrl+W
            keys.removeIf([&](const QKeySequence& key) { return menuKeys.contains(key); });
            a->setShortcuts(keys);
        }
}

WindowMenu::WindowMenu(QMdiArea* area, QMenu* menu, QObject* parent) : QObject(parent), area_(area), menu_(menu)
{
    connect(menu_, &QMenu::aboutToShow, this, &WindowMenu::refreshList);
}

void WindowMenu::tileHorizontally()
{
    QList<QMdiSubWindow*> windows;
    int iconRow = 0;
    const QList<QMdiSubWindow*> recent = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = recent.crbegin(); it != recent.crend(); ++it) {
        if ((*it)->isMinimized())
            iconRow = std::max(iconRow, (*it)->height());
        else
            windows << *it;
    }
    if (windows.isEmpty())
        return;
    const QSize client = area_->viewport()->size();
    const int height = std::max(1, (client.height() - iconRow) / int(windows.size()));
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized())
            w->showNormal();
        w->setGeometry(0, i * height, client.width(), height);
    }
}

void WindowMenu::arrangeIcons()
{
    // Along the bottom, a new row above when one is full, so that every icon stays in reach.
    const QSize client = area_->viewport()->size();
    int x = 0;
    int bottom = client.height();
    int rowHeight = 0;
    for (QMdiSubWindow* w : area_->subWindowList()) {
        if (!w->isMinimized())
            continue;
        if (x > 0 && x + w->width() > client.width()) {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        w->move(x, bottom - w->height());
        x += w->width();
        rowHeight = std::max(rowHeight, w->height());
    }
}

void WindowMenu::refreshList()
{
    qDeleteAll(listed_); // a deleted action leaves its menu by itself
    listed_.clear();
    const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    listed_ << menu_->addSeparator();
    int number = 1;
    for (QMdiSubWindow* w : windows) {
        QString title = w->windowTitle().isEmpty() ? QStringLiteral("(untitled)") : w->windowTitle();
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* a = menu_->addAction(number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                                  : QStringLiteral("%1 %2").arg(number).arg(title));
        a->setCheckable(true);
        a->setChecked(w == area_->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, w = QPointer<QMdiSubWindow>(w)] {
            if (w)
                area_->setActiveSubWindow(w);
        });
        listed_ << a;
        ++number;
    }
}
