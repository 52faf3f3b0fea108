// Find Next in a 50 MB document (Down to a match near its end, Up to one near its start), against
// memchr and memmem over the same bytes; Replace All of 200,000 matches in a 20 MB document,
// against a plain byte replace.
#include "BenchSupport.h"
#include "document/DocumentEditor.h"
#include "platform/Prompter.h"
#include "search/FindNext.h"

#include <benchmark/benchmark.h>
#include <cstring>

namespace {

const QByteArray kLine = "<P>Some <B>bold</B> text with an <A HREF=\"page.html\">anchor</A> and more words.</P>\n";
// "~" occurs nowhere else. One line 64 KB after the start, one 64 KB before the end.
const QByteArray kNearStart = "<P>The </A> and yak~Quillet.</P>\n";
const QByteArray kNearEnd = "<P>The </A> and zebra~Quillet.</P>\n";

const QByteArray& fiftyMegabytes()
{
    static const QByteArray text = [] {
        QByteArray out;
        const qsizetype size = 50 * 1024 * 1024;
        out.reserve(size + 2 * kLine.size() + kNearStart.size() + kNearEnd.size());
        while (out.size() < 64 * 1024)
            out += kLine;
        out += kNearStart;
        while (out.size() < size - 64 * 1024)
            out += kLine;
        out += kNearEnd;
        while (out.size() < size)
            out += kLine;
        return out;
    }();
    return text;
}

DocumentEditor& fiftyMegabyteEditor()
{
    static DocumentEditor* editor = [] {
        auto* e = new DocumentEditor;
        e->setTextBytes(fiftyMegabytes());
        return e;
    }();
    return *editor;
}

void BM_SearchBaselineMemchr50MB(benchmark::State& state)
{
    const DocumentEditor& editor = fiftyMegabyteEditor();
    const char* text = editor.characterPointer();
    const auto size = size_t(editor.byteLength());
    const char* near = static_cast<const char*>(std::memchr(text, '~', size));
    for (auto _ : state) {
        // The last "~": the first one from the start is too near it.
        benchmark::DoNotOptimize(std::memchr(near + 1, '~', size - size_t(near + 1 - text)));
    }
    state.SetBytesProcessed(state.iterations() * editor.byteLength());
}
BENCHMARK(BM_SearchBaselineMemchr50MB)->Unit(benchmark::kMillisecond);

void BM_SearchBaselineMemmem50MB(benchmark::State& state)
{
    const DocumentEditor& editor = fiftyMegabyteEditor();
    const char* needle = "</A> and zebra";
    for (auto _ : state) {
        const char* text = editor.characterPointer();
        benchmark::DoNotOptimize(memmem(text, size_t(editor.byteLength()), needle, std::strlen(needle)));
    }
    state.SetBytesProcessed(state.iterations() * editor.byteLength());
}
BENCHMARK(BM_SearchBaselineMemmem50MB)->Unit(benchmark::kMillisecond);

// Arguments: search text (0: a rare first letter; 1: its first nine characters on every line),
// Match Case (0/1), direction (1: Down from the start to the match near the end; 0: Up from the
// end to the match near the start). Ignoring case, the search text is given in other cases.
void BM_SearchFindNext50MB(benchmark::State& state)
{
    static const char* const kTexts[2][2] = {{"yak~Quillet", "zebra~Quillet"}, {"</A> and yak", "</A> and zebra"}};
    DocumentEditor& editor = fiftyMegabyteEditor();
    SilentPrompter prompter;
    const int matchCase = int(state.range(1));
    const int direction = int(state.range(2));
    const QByteArray exact = kTexts[state.range(0)][direction];
    const int expected = int(fiftyMegabytes().indexOf(exact)); // ASCII before it: bytes are characters
    const QString text = matchCase ? QString::fromLatin1(exact) : QString::fromLatin1(exact).toUpper();
    const int caret = direction ? 0 : editor.characterCount();
    for (auto _ : state) {
        editor.setSelStart(caret);
        SearchState search{text, matchCase, direction, std::nullopt};
        FindNext(search, &editor, prompter, nullptr);
    }
    if (prompter.messages || editor.selStart() != expected)
        state.SkipWithError("the match was not found");
    state.SetBytesProcessed(state.iterations() * editor.byteLength());
}
BENCHMARK(BM_SearchFindNext50MB)
    ->ArgNames({"common", "case", "down"})
    ->ArgsProduct({{0, 1}, {0, 1}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

// 200,000 lines of about 100 bytes, each with one "Zebra": 20 MB.
const QByteArray& twentyMegabytesOfMatches()
{
    static const QByteArray text = [] {
        const QByteArray line =
            "<P>Some <B>bold</B> text with a Zebra in an <A HREF=\"page.html\">anchor</A> and words.</P>\n";
        QByteArray out;
        out.reserve(200000 * line.size());
        for (int i = 0; i < 200000; ++i)
            out += line;
        return out;
    }();
    return text;
}

void BM_SearchBaselineByteReplace20MB(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray copy = twentyMegabytesOfMatches();
        copy.replace("Zebra", "Quillet");
        benchmark::DoNotOptimize(copy.constData());
    }
    state.SetBytesProcessed(state.iterations() * twentyMegabytesOfMatches().size());
}
BENCHMARK(BM_SearchBaselineByteReplace20MB)->Unit(benchmark::kMillisecond);

void BM_SearchReplaceAll20MB(benchmark::State& state)
{
    DocumentEditor editor;
    qsizetype replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.setTextBytes(twentyMegabytesOfMatches());
        state.ResumeTiming();
        replaced = replaceAllInEditor(editor, QStringLiteral("zebra"), QStringLiteral("Quillet"), 0);
    }
    if (replaced != 200000)
        state.SkipWithError("not every match was replaced");
    state.counters["matches"] = double(replaced);
    state.SetBytesProcessed(state.iterations() * twentyMegabytesOfMatches().size());
}
BENCHMARK(BM_SearchReplaceAll20MB)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
