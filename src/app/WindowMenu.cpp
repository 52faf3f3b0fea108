#include "app/WindowMenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

WindowMenu::WindowMenu(QMdiArea* area, QMenu* menu, QObject* parent) : QObject(parent), area_(area), menu_(menu)
{
    connect(menu_, &QMenu::aboutToShow, this, &WindowMenu::refreshList);
}

void WindowMenu::arrangeIcons()
{
    int x = 0;
    for (QMdiSubWindow* w : area_->subWindowList()) {
        if (!w->isMinimized())
            continue;
        w->move(x, area_->viewport()->height() - w->height());
        x += w->width();
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
