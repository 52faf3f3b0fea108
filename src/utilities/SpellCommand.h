#pragma once
// Spell Check: reads the active document's text between its tags word by word, asks about
// each word the spell checker does not know in the spelling window, and writes the
// corrections into the document, one undo step each.

#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>

class DialogHost;
class DocumentEditor;
class SpellChecker;
struct SpellWord;

class SpellCommand : public QObject {
    Q_OBJECT
public:
    // checker: the spell checker, made when the first check needs it; null when there is no
    // dictionary.
    SpellCommand(DialogHost& host, std::function<SpellChecker*()> checker, QObject* parent = nullptr);

    void SpellCheckDocument();

    // Pending window events run at least this often (milliseconds) while words are read;
    // 0 lets them run after every word.
    void setSlice(int ms) { sliceMs_ = ms; }

private:
    enum class Outcome { Completed, Canceled, DocumentChanged, DocumentClosed, NoDictionary };
    Outcome checkDocument(DocumentEditor& editor);
    bool isKnown(SpellChecker& checker, const SpellWord& word) const;
    // Writes the replacement over the word at position; returns the change in length.
    qsizetype correct(DocumentEditor& editor, qsizetype position, const SpellWord& word, QString replacement);

    DialogHost& host_;
    std::function<SpellChecker*()> checker_;
    int sliceMs_ = 20;
    bool running_ = false;
    bool writing_ = false; // the document changes by the check's own hand
    int checked_ = 0;
    int replaced_ = 0;
    // Ignore All and Change All hold until the check ends: a word changed without a question
    // stays in the document it was chosen for.
    QSet<QString> ignored_;
    QHash<QString, QString> changeAll_;
};
