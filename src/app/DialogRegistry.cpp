#include "app/DialogRegistry.h"

#include <QDialog>
#include <QStringList>

namespace {

// Closed first at shutdown, in this order; then the active document, then frmFTP.
const QStringList kBeforeDocuments = {
    QStringLiteral("frmBody"), QStringLiteral("frmEmbed"), QStringLiteral("frmFont"),
    QStringLiteral("frmForm"), QStringLiteral("frmFrame"), QStringLiteral("frmGraphicLink"),
    QStringLiteral("frmHRInput"), QStringLiteral("frmInfo"), QStringLiteral("frmJava"),
    QStringLiteral("frmLinks"), QStringLiteral("frmParam"), QStringLiteral("frmReplace"),
    QStringLiteral("frmTable"), QStringLiteral("frmTime"), QStringLiteral("frmToolBar"),
};

void bringForward(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void DialogRegistry::show(const QString& name, const std::function<QDialog*()>& create)
{
    // A dialog that finished waits for its deletion; one that is only hidden (the form dialog
    // while its list box is open) is still the open one and comes back rather than a second.
    for (const QPointer<QWidget>& w : std::as_const(windows_)) {
        if (w && w->objectName() == name && !w->property("finished").toBool()) {
            bringForward(w);
            return;
        }
    }
    QDialog* dialog = create();
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] { dialog->setProperty("finished", true); });
    add(dialog);
    bringForward(dialog);
}

void DialogRegistry::add(QWidget* window)
{
    windows_.removeAll(nullptr);
    if (!windows_.contains(window))
        windows_ << window;
}

bool DialogRegistry::close(const QString& name)
{
    const QList<QPointer<QWidget>> windows = windows_; // closing may open or forget others
    bool closed = true;
    for (const QPointer<QWidget>& w : windows)
        if (w && w->objectName() == name && !w->close())
            closed = false;
    return closed;
}

void DialogRegistry::closeBeforeDocuments()
{
    for (const QString& name : kBeforeDocuments)
        close(name);
}

void DialogRegistry::closeAll()
{
    const QList<QPointer<QWidget>> windows = windows_;
    for (const QPointer<QWidget>& w : windows)
        if (w)
            w->close();
}
