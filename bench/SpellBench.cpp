// Spell Check over a 5 MB document whose words are all known (a vocabulary of some thousands
// of dictionary words, tags between sentences), against a plain pass that only splits the same
// text into words; the time from the command to the question about the first misspelled word
// of a 5 MB document; reading the dictionary and finding suggestions, for scale.
#include "BenchSupport.h"
#include "dialogs/DialogHost.h"
#include "document/DocumentEditor.h"
#include "platform/HunspellChecker.h"
#include "utilities/SpellCommand.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <benchmark/benchmark.h>
#include <hunspell.hxx>

namespace {

// Dictionary words of small letters only, every seventh one.
QList<QByteArray> vocabulary()
{
    QList<QByteArray> words;
    QFile dic(HunspellChecker::dictionaryPath());
    if (!dic.open(QIODevice::ReadOnly))
        return words;
    int n = 0;
    while (!dic.atEnd()) {
        const QByteArray word = dic.readLine().split('/').front().trimmed();
        bool plain = word.size() > 1;
        for (char c : word)
            plain = plain && c >= 'a' && c <= 'z';
        if (plain && ++n % 7 == 0)
            words << word;
    }
    return words;
}

QByteArray knownDocument(qsizetype bytes, const QByteArray& start = {})
{
    static const QList<QByteArray> words = vocabulary();
    QByteArray out = start;
    out.reserve(bytes + 200);
    quint32 seed = 12345;
    while (out.size() < bytes) {
        out += "<P>";
        for (int i = 0; i < 12; ++i) {
            seed = seed * 1103515245u + 12345u;
            out += words.at(int((seed >> 8) % quint32(words.size())));
            out += i == 5 ? " <B>" : i == 6 ? "</B> " : i == 11 ? "." : " ";
        }
        out += "</P>\n";
    }
    return out;
}

class BenchHost : public DialogHost {
public:
    BenchHost(DocumentEditor& editor, Prompter& prompter) : editor_(editor), prompter_(prompter) {}
    void InsertText(const QString&, const QString&) override {}
    std::optional<QString> activeDocumentPath() const override { return std::nullopt; }
    DocumentEditor* activeEditor() const override { return &editor_; }
    QByteArray activeLineBreak() const override { return "\n"; }
    QString textColor() const override { return QStringLiteral("0"); }
    Prompter& prompter() override { return prompter_; }
    QString imageFolder() const override { return {}; }
    void setImageFolder(const QString&) override {}
    QWidget* ownerWindow() override { return nullptr; }

private:
    DocumentEditor& editor_;
    Prompter& prompter_;
};

// Notes when the spelling window has first painted, and cancels it.
class QuestionPrompter : public SilentPrompter, public QObject {
public:
    int modal(QDialog& dialog) override
    {
        painted_ = false;
        dialog.installEventFilter(this);
        dialog.show();
        while (!painted_)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        dialog.hide();
        return 0;
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            askedAfterMs = clock.nsecsElapsed() / 1e6;
        }
        return false;
    }
    QElapsedTimer clock;
    double askedAfterMs = -1;

private:
    bool painted_ = false;
};

HunspellChecker& checker()
{
    static HunspellChecker c(HunspellChecker::dictionary(), QString());
    return c;
}

void BM_SpellBaselineSplitWords5MB(benchmark::State& state)
{
    const QString text = QString::fromUtf8(knownDocument(5 * 1024 * 1024));
    for (auto _ : state) {
        size_t hash = 0, words = 0;
        bool inWord = false;
        for (QChar c : text) {
            const bool letter = c.isLetter();
            words += letter && !inWord;
            hash = hash * 31 + c.unicode();
            inWord = letter;
        }
        benchmark::DoNotOptimize(hash + words);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_SpellBaselineSplitWords5MB)->Unit(benchmark::kMillisecond);

void BM_SpellCheckKnownWords5MB(benchmark::State& state)
{
    DocumentEditor editor;
    editor.setTextBytes(knownDocument(5 * 1024 * 1024));
    QuestionPrompter prompter;
    BenchHost host(editor, prompter);
    for (auto _ : state) {
        // A fresh checker each time: every word of the vocabulary goes to the dictionary once.
        HunspellChecker fresh(HunspellChecker::dictionary(), QString());
        SpellCommand command(host, [&fresh] { return &fresh; });
        command.SpellCheckDocument();
    }
    if (prompter.askedAfterMs >= 0)
        state.SkipWithError("a word of the document was not known");
    state.SetBytesProcessed(state.iterations() * editor.byteLength());
}
BENCHMARK(BM_SpellCheckKnownWords5MB)->Unit(benchmark::kMillisecond);

void BM_SpellFirstQuestion5MB(benchmark::State& state)
{
    DocumentEditor editor;
    editor.setTextBytes(knownDocument(5 * 1024 * 1024, "<HTML><BODY><P>Some wrods first.</P>\n"));
    QuestionPrompter prompter;
    BenchHost host(editor, prompter);
    SpellCommand command(host, [] { return &checker(); });
    double worst = 0;
    for (auto _ : state) {
        prompter.clock.start();
        command.SpellCheckDocument();
        worst = std::max(worst, prompter.askedAfterMs);
    }
    state.counters["asked_after_ms_worst"] = worst;
}
BENCHMARK(BM_SpellFirstQuestion5MB)->Unit(benchmark::kMillisecond);

void BM_SpellReadDictionary(benchmark::State& state)
{
    const QByteArray dic = QFile::encodeName(HunspellChecker::dictionaryPath());
    const QByteArray aff = dic.left(dic.size() - 4) + ".aff";
    for (auto _ : state)
        Hunspell h(aff.constData(), dic.constData());
}
BENCHMARK(BM_SpellReadDictionary)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SpellSuggestions(benchmark::State& state)
{
    const char* const misspelt[] = {"wrod", "recieve", "definately", "accomodation", "teh"};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(checker().suggestions(QString::fromLatin1(misspelt[i++ % 5])));
}
BENCHMARK(BM_SpellSuggestions)->Unit(benchmark::kMillisecond);

} // namespace
