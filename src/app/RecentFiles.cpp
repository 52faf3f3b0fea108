#include "app/RecentFiles.h"

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
