#pragma once
// Keeps a recovery file for each document with unsaved changes, written a few seconds after
// the typing pauses (and every ten pauses' time while it never pauses); removes it when the
// document is saved or closed. At start it offers the documents a crash or a kill left behind.

#include "app/DocumentWorkspace.h"
#include "document/RecoveryStore.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <chrono>
#include <memory>

class QTimer;
class frmTemplate;

struct RecoveryOptions {
    QString folder; // empty: no recovery files
    std::chrono::milliseconds pause{3000};
    // Typing that never pauses still gets a copy this often.
    int pausesAtMost = 10;
};

class DocumentRecovery : public QObject {
    Q_OBJECT
public:
    DocumentRecovery(DocumentWorkspace& workspace, RecoveryOptions options, QObject* parent = nullptr);
    ~DocumentRecovery() override;

    // A new document window, until it closes.
    void watch(frmTemplate* document);
    // Asks whether to reopen what earlier runs left behind; Yes opens each as a modified
    // document under its own file name, No deletes them.
    void offerLeftovers();

    RecoveryStore* store() { return store_.get(); }

private:
    struct Watched {
        QString name;
        QTimer* timer;
        QElapsedTimer waiting; // since the oldest change not yet copied
    };
    void changed(frmTemplate* document);
    void forget(frmTemplate* document);
    void writeNow(frmTemplate* document);

    DocumentWorkspace& workspace_;
    RecoveryOptions options_;
    std::unique_ptr<RecoveryStore> store_; // null when recovery is off
    QHash<frmTemplate*, Watched> watched_;
};
