#include "app/RecentFiles.h"

#include <QAction>

#include <algorithm>

bool RecentFiles::isEmpty() const
{
    return std::all_of(entries_.begin(), entries_.end(), [](const QString& e) { return e.isEmpty(); });
}

bool RecentFiles::add(const QString& path)
{
    if (path.isEmpty() || std::find(entries_.begin(), entries_.end(), path) != entries_.end())
        return false;
    std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_[0] = path;
    return true;
}

void showRecentFiles(const RecentFiles& list, const QHash<QString, QAction*>& actions)
{
    // At start-up the separator follows the first entry alone, as it always has.
    actions.value(QStringLiteral("mnuSep10"))->setVisible(!list.at(0).isEmpty());
    for (int i = 0; i < RecentFiles::kCount; ++i) {
        QAction* a = actions.value(QStringLiteral("mnuFileArray_%1").arg(i));
        const QString& path = list.at(i);
        // The path is shown as it is: "&" must not turn into an access key.
        a->setText(QString(path).replace(QLatin1Char('&'), QLatin1String("&&")));
        a->setData(path);
        a->setVisible(!path.isEmpty());
    }
}
