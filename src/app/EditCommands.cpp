#include "app/EditCommands.h"

#include "app/CommandRouter.h"
#include "app/MenuTree.h"
#include "dialogs/DialogHost.h"
#include "document/DocumentEditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

namespace {

using EditorCommand = void (QsciScintilla::*)();

std::function<void()> onEditor(DialogHost& host, EditorCommand command)
{
    return [&host, command] {
        DocumentEditor* editor = host.activeEditor();
        if (!editor) {
            QApplication::beep();
            return;
        }
        (editor->*command)();
    };
}

void updateEditMenu(DialogHost& host, const BuiltMenus& menus)
{
    const auto enable = [&menus](const char* name, bool on) { menus.actions.value(QLatin1String(name))->setEnabled(on); };
    DocumentEditor* editor = host.activeEditor();
    const bool hasSelection = editor && editor->selLength() != 0;
    enable("mEdit_0", editor && editor->canUndo());
    enable("mEdit_2", hasSelection);
    enable("mEdit_3", hasSelection);
    enable("mEdit_5", hasSelection);
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    enable("mEdit_4", editor && clip && clip->hasText());
}

void selectAll(DialogHost& host)
{
    // Whichever control has the focus selects its own text, if it can.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != host.ownerWindow() && focus->metaObject()->indexOfMethod("selectAll()") >= 0
        && QMetaObject::invokeMethod(focus, "selectAll"))
        return;
    if (DocumentEditor* editor = host.activeEditor())
        editor->selectAll();
}

} // namespace

void wireEditCommands(CommandRouter& router, DialogHost& host, const BuiltMenus& menus)
{
    router.route(QStringLiteral("mEdit_0"), onEditor(host, &QsciScintilla::undo));
    router.route(QStringLiteral("mEdit_2"), onEditor(host, &QsciScintilla::cut));
    router.route(QStringLiteral("mEdit_3"), onEditor(host, &QsciScintilla::copy));
    router.route(QStringLiteral("mEdit_4"), onEditor(host, &QsciScintilla::paste));
    router.route(QStringLiteral("mEdit_5"), onEditor(host, &QsciScintilla::removeSelectedText));
    router.route(QStringLiteral("mnuSelectAll"), [&host] { selectAll(host); });
    router.routeButton(QStringLiteral("imgCut"), onEditor(host, &QsciScintilla::cut));
    router.routeButton(QStringLiteral("imgCopy"), onEditor(host, &QsciScintilla::copy));
    router.routeButton(QStringLiteral("imgPaste"), onEditor(host, &QsciScintilla::paste));
    QMenu* edit = menus.menus.value(QStringLiteral("mMain"));
    QObject::connect(edit, &QMenu::aboutToShow, edit, [&host, &menus] { updateEditMenu(host, menus); });
}
