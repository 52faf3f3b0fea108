#include "app/ColorPass.h"

#include "document/ColorText.h"
#include "document/DocumentEditor.h"
#include "document/TagColoring.h"

#include <QApplication>
#include <QStatusBar>

void runColorPass(DocumentEditor* editor, const QString& tagColor, QStatusBar* status)
{
    editor->setEnabled(false);
    // Painting the editor between slices would lay out a long line anew each time: it is
    // painted once, coloured, when the pass is over.
    editor->setUpdatesEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    status->showMessage(QStringLiteral("Adding Color To HTML Tags"));
    status->repaint();
    if (const std::optional<QColor> tag = colorFromText(tagColor)) {
        // The rest of the window repaints between slices; input waits until the pass is over.
        colorTagRuns(editor, *tag, [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    }
    status->clearMessage();
    status->repaint();
    QApplication::restoreOverrideCursor();
    editor->setUpdatesEnabled(true);
    editor->setEnabled(true);
    editor->setFocus();
    editor->setSelStart(1);
}
