#include "utilities/SpellCommand.h"

#include "dialogs/DialogHost.h"
#include "document/AccentedEntities.h"
#include "document/DocumentEditor.h"
#include "document/frmTemplate.h"
#include "platform/HunspellChecker.h"
#include "platform/Prompter.h"
#include "platform/SpellChecker.h"
#include "utilities/SpellStretches.h"
#include "utilities/frmSpell.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QRect>
#include <optional>

namespace {

constexpr int kTextChanges = QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT;

frmTemplate* documentOf(QWidget* editor)
{
    for (QWidget* w = editor; w; w = w->parentWidget())
        if (auto* document = qobject_cast<frmTemplate*>(w))
            return document;
    return nullptr;
}

QString lowerFirst(const QString& word)
{
    return word.left(1).toLower() + word.mid(1);
}

// A word written with entities gets its accented letters written as entities too.
QString asWritten(const QString& text)
{
    QString out;
    for (QChar c : text) {
        const QString entity = accentedEntity(c);
        out += entity.isEmpty() ? QString(c) : entity;
    }
    return out;
}

// Where the text from start to end shows on the screen (its first line, when it wraps).
QRect screenArea(DocumentEditor& editor, int start, int end)
{
    const long from = editor.toBytePosition(start);
    const long to = editor.toBytePosition(end);
    auto x = [&](long at) { return int(editor.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, at)); };
    const int y = int(editor.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, from));
    const long line = editor.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, from);
    const int height = int(editor.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, line));
    QWidget* view = editor.viewport();
    const QPoint topLeft = view->mapToGlobal(QPoint(x(from), y));
    return QRect(topLeft, QSize(std::max(1, x(to) - x(from)), height));
}

} // namespace

SpellCommand::SpellCommand(DialogHost& host, std::function<SpellChecker*()> checker, QObject* parent)
    : QObject(parent), host_(host), checker_(std::move(checker))
{
}

void SpellCommand::SpellCheckDocument()
{
    // One check at a time: the command can arrive again while a check lets events run.
    if (running_)
        return;
    running_ = true;
    checked_ = 0;
    replaced_ = 0;
    ignored_.clear();
    changeAll_.clear();
    DocumentEditor* editor = host_.activeEditor();
    const Outcome outcome = editor ? checkDocument(*editor) : Outcome::Completed;
    running_ = false;

    MessageRequest message;
    switch (outcome) {
    case Outcome::Completed:
        message.text = QStringLiteral("Spellcheck complete!\n%1 Words Checked\n%2 Words Replaced").arg(checked_).arg(replaced_);
        break;
    case Outcome::Canceled:
        message.text = QStringLiteral("Canceled");
        break;
    case Outcome::DocumentChanged:
        message = {kProgramTitle, QStringLiteral("The document was changed during the spell check, so the check stopped."),
                   PromptIcon::Exclamation};
        break;
    case Outcome::NoDictionary:
        message = {kProgramTitle,
                   QStringLiteral("The dictionary %1 cannot be read, so the spelling cannot be checked.")
                       .arg(HunspellChecker::dictionaryPath()),
                   PromptIcon::Exclamation};
        break;
    case Outcome::DocumentClosed:
        return;
    }
    host_.prompter().message(host_.ownerWindow(), message);
}

SpellCommand::Outcome SpellCommand::checkDocument(DocumentEditor& document)
{
    SpellChecker* checker = checker_();
    if (!checker)
        return Outcome::NoDictionary;
    QPointer<DocumentEditor> editor = &document;
    QPointer<frmTemplate> window = documentOf(&document);
    bool changed = false;
    const QMetaObject::Connection watch = connect(&document, &QsciScintillaBase::SCN_MODIFIED, this,
        [this, &changed](int, int type) {
            if (!writing_ && (type & kTextChanges))
                changed = true;
        });
    // The editor reports no changes, as each report costs a count of the text: it reports them
    // while other code may run, which is while events run and while the spelling window is open.
    auto reportingChanges = [&](auto&& run) {
        const long before = editor->SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
        editor->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, before | kTextChanges);
        run();
        if (editor)
            editor->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, before);
    };
    // Events run while the check goes on: the document may be changed or closed meanwhile.
    auto interrupted = [&]() -> std::optional<Outcome> {
        if (!editor || (window && window->isClosed()))
            return Outcome::DocumentClosed;
        if (changed)
            return Outcome::DocumentChanged;
        return std::nullopt;
    };
    auto finish = [&](Outcome outcome) {
        disconnect(watch);
        return outcome;
    };

    const QString text = editor->wholeText();
    // Corrections change lengths: later words move by the difference.
    qsizetype shift = 0;
    QElapsedTimer slice;
    slice.start();
    for (const TextStretch& stretch : spellStretches(text)) {
        for (const SpellWord& word : spellWords(QStringView(text).mid(stretch.start, stretch.length))) {
            if (slice.elapsed() >= sliceMs_) {
                reportingChanges([] { QCoreApplication::processEvents(); });
                slice.restart();
                if (auto stop = interrupted())
                    return finish(*stop);
            }
            ++checked_;
            if (isKnown(*checker, word))
                continue;
            const qsizetype position = stretch.start + word.start + shift;
            if (auto change = changeAll_.constFind(word.word); change != changeAll_.constEnd()) {
                shift += correct(*editor, position, word, *change);
                continue;
            }
            editor->setSelection(int(position), int(word.length));
            frmSpell dialog(word.word, [checker, w = word.word] { return checker->suggestions(w); }, host_.ownerWindow());
            dialog.keepClear(screenArea(*editor, int(position), int(position + word.length)));
            reportingChanges([&] { host_.prompter().modal(dialog); });
            if (auto stop = interrupted())
                return finish(*stop);
            frmSpell::Choice choice = dialog.choice();
            // Changing a word into itself is leaving it.
            if (dialog.replacement() == word.word && choice == frmSpell::Choice::Change)
                choice = frmSpell::Choice::Ignore;
            else if (dialog.replacement() == word.word && choice == frmSpell::Choice::ChangeAll)
                choice = frmSpell::Choice::IgnoreAll;
            switch (choice) {
            case frmSpell::Choice::Cancel:
                return finish(Outcome::Canceled);
            case frmSpell::Choice::Ignore:
                break;
            case frmSpell::Choice::IgnoreAll:
                ignored_.insert(word.word);
                break;
            case frmSpell::Choice::Add:
                if (const auto failure = checker->addWord(word.word))
                    host_.prompter().message(host_.ownerWindow(),
                        {kProgramTitle, QStringLiteral("\"%1\" could not be added to your word list: %2").arg(word.word, *failure),
                         PromptIcon::Exclamation});
                break;
            case frmSpell::Choice::ChangeAll:
                changeAll_.insert(word.word, dialog.replacement());
                [[fallthrough]];
            case frmSpell::Choice::Change:
                shift += correct(*editor, position, word, dialog.replacement());
                break;
            }
        }
    }
    return finish(Outcome::Completed);
}

bool SpellCommand::isKnown(SpellChecker& checker, const SpellWord& word) const
{
    if (ignored_.contains(word.word) || checker.isKnown(word.word))
        return true;
    // A capital at the start of a sentence says nothing about how the word is spelt.
    if (!word.sentenceStart)
        return false;
    const QString lower = lowerFirst(word.word);
    return lower != word.word && (ignored_.contains(lower) || checker.isKnown(lower));
}

qsizetype SpellCommand::correct(DocumentEditor& editor, qsizetype position, const SpellWord& word, QString replacement)
{
    if (word.hasEntity)
        replacement = asWritten(replacement);
    writing_ = true;
    editor.beginUndoStep();
    editor.setSelection(int(position), int(word.length));
    editor.replaceSelection(replacement);
    editor.endUndoStep();
    writing_ = false;
    ++replaced_;
    return replacement.size() - word.length;
}
