#pragma once
// The main window's modeless windows: one of each name is open at a time, asking for it again
// brings it forward, and shutdown closes them in a fixed order.

#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

class DialogRegistry {
public:
    // Brings the open window of that name forward, else shows the one create makes.
    void show(const QString& name, const std::function<QDialog*()>& create);
    // A window opened some other way, so that shutdown closes it too.
    void add(QWidget* window);
    // False when a window refused to close (an upload still running).
    bool close(const QString& name);
    // The windows that close before the documents, in their order.
    void closeBeforeDocuments();
    void closeAll();

private:
    QList<QPointer<QWidget>> windows_;
};
