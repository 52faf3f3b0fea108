#include "app/DocumentRecovery.h"

#include "document/DocumentEditor.h"
#include "document/frmTemplate.h"
#include "platform/Prompter.h"

#include <QTimer>

DocumentRecovery::DocumentRecovery(DocumentWorkspace& workspace, RecoveryOptions options, QObject* parent)
    : QObject(parent), workspace_(workspace), options_(std::move(options))
{
    if (!options_.folder.isEmpty())
        store_ = std::make_unique<RecoveryStore>(options_.folder);
}

DocumentRecovery::~DocumentRecovery() = default;

void DocumentRecovery::watch(frmTemplate* document)
{
    if (!store_)
        return;
    auto* timer = new QTimer(document);
    timer->setSingleShot(true);
    timer->setInterval(options_.pause);
    watched_.insert(document, {store_->newName(), timer, {}});
    connect(timer, &QTimer::timeout, this, [this, document] { writeNow(document); });
    connect(document, &QObject::destroyed, this, [this, document] { watched_.remove(document); });
    connect(document, &frmTemplate::closed, this, [this, document] { forget(document); });
    // Restarting a timer is all a keystroke costs; the text is copied once the typing pauses.
    connect(document->txtInput, &QsciScintillaBase::SCN_UPDATEUI, this, [this, document](int updated) {
        if (updated & QsciScintillaBase::SC_UPDATE_CONTENT)
            changed(document);
    });
    connect(document, &frmTemplate::modifiedChanged, this, [this, document](bool modified) {
        if (modified) {
            changed(document);
        } else if (watched_.contains(document)) {
            watched_[document].timer->stop();
            store_->remove(watched_[document].name);
        }
    });
}

void DocumentRecovery::forget(frmTemplate* document)
{
    const auto it = watched_.constFind(document);
    if (it == watched_.cend())
        return;
    it->timer->stop();
    store_->remove(it->name);
    watched_.erase(it);
}

void DocumentRecovery::changed(frmTemplate* document)
{
    if (!document->isModified() || !watched_.contains(document))
        return;
    Watched& w = watched_[document];
    if (!w.timer->isActive())
        w.waiting.start();
    else if (w.waiting.elapsed() >= options_.pause.count() * options_.pausesAtMost)
        return; // let it run out
    w.timer->start();
}

void DocumentRecovery::writeNow(frmTemplate* document)
{
    if (!document->isModified() || !watched_.contains(document))
        return;
    RecoveryRecord record;
    record.path = document->caption();
    record.content.utf8 = document->txtInput->textBytes();
    record.content.encoding = document->encoding();
    record.content.lineBreak = document->lineBreak();
    record.stamp = document->diskStamp();
    store_->save(watched_[document].name, std::move(record));
}

void DocumentRecovery::offerLeftovers()
{
    // Names carry the process and the time, so two copies of the program never share a file;
    // only the one holding the folder offers (or deletes) what the others left.
    if (!store_ || !store_->claimLeftovers())
        return;
    std::vector<RecoveryStore::Entry> entries = store_->leftovers();
    if (entries.empty())
        return;
    QStringList names;
    for (const RecoveryStore::Entry& e : entries)
        names << (e.record.path.isEmpty() ? QStringLiteral("(untitled)") : e.record.path);
    const QString text = QStringLiteral("Recover unsaved documents?\r\r") + names.join(QLatin1Char('\r'))
                         + QStringLiteral("\r\rNo discards them; Cancel keeps them for the next start.");
    const PromptAnswer answer = workspace_.prompter().message(
        workspace_.dialogParent(), {kProgramTitle, text, PromptIcon::Question, PromptButtons::YesNoCancel});
    // Only a clear No loses them: closing the question or Esc leaves them for later.
    if (answer != PromptAnswer::Yes && answer != PromptAnswer::No)
        return;
    for (RecoveryStore::Entry& e : entries) {
        if (answer != PromptAnswer::Yes) {
            store_->remove(e.name);
            continue;
        }
        frmTemplate* document = workspace_.newDocument();
        document->loadContent(e.record.content);
        document->setCaption(e.record.path);
        document->setDiskStamp(e.record.stamp);
        workspace_.documentLoaded(document);
        // The document keeps the file it came back from until it is saved or closed.
        watched_[document].name = e.name;
        document->setModified(true);
    }
}
