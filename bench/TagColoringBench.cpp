// The colouring pass against a plain scan that finds the same tag runs over the same bytes.
#include "BenchSupport.h"
#include "document/DocumentEditor.h"
#include "document/TagColoring.h"

#include <benchmark/benchmark.h>

namespace {

// About 20 bytes a tag: 20 MB holds a million tags.
QByteArray taggedText(qsizetype megabytes)
{
    return repeatedText("<B>word</B> text.\n", megabytes * 1024 * 1024);
}

void BM_PlainTagScan(benchmark::State& state)
{
    const QByteArray text = taggedText(state.range(0));
    for (auto _ : state) {
        qsizetype covered = 0;
        forEachTagRun(text.constData(), text.size(), [&](qsizetype p, qsizetype q) { covered += q - p + 1; });
        benchmark::DoNotOptimize(covered);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_PlainTagScan)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_ColorAllTags(benchmark::State& state)
{
    DocumentEditor editor;
    const QByteArray text = taggedText(state.range(0));
    const QColor blue(0, 0, 255);
    for (auto _ : state) {
        // As after opening a file: the pass meets freshly loaded text.
        state.PauseTiming();
        editor.setTextBytes(text);
        state.ResumeTiming();
        colorTagRuns(&editor, blue, [] {});
    }
    state.SetBytesProcessed(state.iterations() * editor.byteLength());
}
BENCHMARK(BM_ColorAllTags)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

// A second pass over text already coloured reads every old style back first.
void BM_ColorAllTagsAgain(benchmark::State& state)
{
    DocumentEditor editor;
    editor.setTextBytes(taggedText(state.range(0)));
    const QColor blue(0, 0, 255);
    colorTagRuns(&editor, blue, [] {});
    for (auto _ : state)
        colorTagRuns(&editor, blue, [] {});
    state.SetBytesProcessed(state.iterations() * editor.byteLength());
}
BENCHMARK(BM_ColorAllTagsAgain)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace
