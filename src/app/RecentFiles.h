#pragma once
// The eight most recent document paths of the File menu, newest first.

#include <QHash>
#include <QString>
#include <array>

class QAction;

class RecentFiles {
public:
    static constexpr int kCount = 8;

    const QString& at(int index) const { return entries_[size_t(index)]; }
    void set(int index, const QString& path) { entries_[size_t(index)] = path; }
    bool isEmpty() const;

    // Puts path first, shifting the others down; a path already listed (exact text) keeps
    // its place. Returns whether the list changed.
    bool add(const QString& path);

private:
    std::array<QString, kCount> entries_;
};

// Shows the list in the File menu's items mnuFileArray_0 to _7 and the separator mnuSep10,
// which follows the first entry.
void showRecentFiles(const RecentFiles& list, const QHash<QString, QAction*>& actions);
