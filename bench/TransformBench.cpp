// Remove Tags on 20 MB holding over a million tags, and each line-ending conversion on 20 MB,
// against a plain byte replace of the same text.
#include "BenchSupport.h"
#include "document/DocumentEditor.h"
#include "document/TextTransforms.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kTwentyMegabytes = 20 * 1024 * 1024;

// Times command on a new editor holding text, each time.
template <typename Command> void timeOnFreshEditor(benchmark::State& state, const QByteArray& text, Command command)
{
    SilentPrompter prompter;
    for (auto _ : state) {
        state.PauseTiming();
        DocumentEditor editor;
        editor.setTextBytes(text);
        state.ResumeTiming();
        command(TransformTarget{&editor, QStringLiteral("0"), prompter, nullptr});
        benchmark::DoNotOptimize(editor.byteLength());
    }
}

void BM_RemoveTags20MB(benchmark::State& state)
{
    // 18 bytes and two tags a line: 2.3 million tags.
    timeOnFreshEditor(state, repeatedText("<B>word</B> text.\n", kTwentyMegabytes), removeTags);
}
BENCHMARK(BM_RemoveTags20MB)->Unit(benchmark::kMillisecond)->Iterations(3);

struct Conversion {
    LineEndingConversion kind;
    const char* lineBreak; // what the text holds before it
    const char* name;
};
const Conversion kConversions[] = {
    {LineEndingConversion::FromMac, "\r", "FROM Macintosh"},
    {LineEndingConversion::ToMac, "\r\n", "TO Macintosh"},
    {LineEndingConversion::FromUnix, "\n", "FROM UNIX"},
    {LineEndingConversion::ToUnix, "\r\n", "TO UNIX"},
};

QByteArray lineText(const char* lineBreak)
{
    return repeatedText(QByteArray("<P>Some <B>bold</B> text and more words.</P>") + lineBreak, kTwentyMegabytes);
}

// The same replacement of a byte string, with nothing else around it.
void BM_ConversionBaseline20MB(benchmark::State& state)
{
    const Conversion& c = kConversions[state.range(0)];
    const QByteArray text = lineText(c.lineBreak);
    const ConversionRule rule = conversionRule(c.kind);
    for (auto _ : state)
        benchmark::DoNotOptimize(replaceLoop(text, rule.find.toLatin1(), rule.replacement.toLatin1()));
    state.SetLabel(c.name);
}
BENCHMARK(BM_ConversionBaseline20MB)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_Conversion20MB(benchmark::State& state)
{
    const Conversion& c = kConversions[state.range(0)];
    timeOnFreshEditor(state, lineText(c.lineBreak),
                      [&](const TransformTarget& target) { convertLineEndings(target, c.kind); });
    state.SetLabel(c.name);
}
BENCHMARK(BM_Conversion20MB)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
