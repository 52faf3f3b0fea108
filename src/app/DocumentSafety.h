#pragma once
// What keeps the user's work from being lost: recovery files for unsaved documents, and a watch
// on the files other programs change. The main window makes one and tells it of each new
// document.

#include "app/DocumentRecovery.h"
#include "app/ExternalChanges.h"

struct DocumentSafety {
    DocumentSafety(DocumentWorkspace& workspace, QMdiArea* area, QWidget* mainWindow, RecoveryOptions options)
        : recovery(workspace, std::move(options)), changes(workspace, area, mainWindow)
    {
    }
    DocumentRecovery recovery;
    ExternalChanges changes;
};
