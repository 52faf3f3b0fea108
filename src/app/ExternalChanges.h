#pragma once
// Notices, when the editor or a document window is next activated, that another program
// changed or deleted the active document's file: an unchanged document is offered a reload,
// a changed one is warned that saving will overwrite the other program's work, and the text
// of a deleted file stays in the editor, marked as unsaved.

#include "app/DocumentWorkspace.h"
#include "document/DiskStamp.h"

#include <QHash>
#include <QObject>

class QMdiArea;
class frmTemplate;

class ExternalChanges : public QObject {
    Q_OBJECT
public:
    // Watches the main window's activation for as long as this lives.
    ExternalChanges(DocumentWorkspace& workspace, QMdiArea* area, QWidget* mainWindow);

    // Looks at the active document's file now.
    void check();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkLater();
    void reload(frmTemplate* document);

    DocumentWorkspace& workspace_;
    // The state of each file the user was last told about, so that one change asks once.
    QHash<frmTemplate*, DiskStamp> told_;
    bool pending_ = false;
};
