// Multi-file replace of one word across 2,000 files of 50 KB, against one `sed -i` over the same
// files in the same run; and what waiting for the disk after each file would cost instead.
#include "document/DocumentFile.h"
#include "search/MultiFileReplace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 2000;
constexpr qsizetype kFileSize = 50 * 1024;

QByteArray sampleFile()
{
    const QByteArray line = "<P>Some <B>bold</B> text with an <A HREF=\"page.html\">anchor</A> and more words.</P>\n";
    QByteArray out;
    while (out.size() + line.size() <= kFileSize)
        out += line;
    return out;
}

QStringList makeFiles(const QTemporaryDir& dir, const char* prefix, int count)
{
    const QByteArray bytes = sampleFile();
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = dir.filePath(QStringLiteral("%1%2.htm").arg(QLatin1String(prefix)).arg(i));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return {};
        paths << path;
    }
    return paths;
}

// Each round our run changes "anchor" to "ANCHOR" in one set of files and sed changes it in the
// other, then both change it back, so that every round has the same work.
void BM_MultiFileReplace2000FilesVsSed(benchmark::State& state)
{
    QTemporaryDir dir;
    const QStringList ours = makeFiles(dir, "ours", kFiles);
    const QStringList theirs = makeFiles(dir, "sed", kFiles);
    if (ours.size() != kFiles || theirs.size() != kFiles) {
        state.SkipWithError("cannot write the sample files");
        return;
    }
    double oursSeconds = 0;
    double sedSeconds = 0;
    bool forward = true;
    qsizetype replaced = 0;
    for (auto _ : state) {
        const QString from = forward ? QStringLiteral("anchor") : QStringLiteral("ANCHOR");
        const QString to = forward ? QStringLiteral("ANCHOR") : QStringLiteral("anchor");
        forward = !forward;

        QElapsedTimer clock;
        clock.start();
        const MultiFileReplaceReport report = replaceInFiles(ours, from, to);
        const double oursNow = double(clock.nsecsElapsed()) / 1e9;
        if (report.filesChanged != kFiles || !report.failures.isEmpty()) {
            state.SkipWithError("the run did not change every file");
            return;
        }
        replaced = report.replacements;

        QProcess sed;
        clock.restart();
        sed.start(QStringLiteral("sed"),
                  QStringList{QStringLiteral("-i"), QStringLiteral("s/%1/%2/g").arg(from, to)} + theirs);
        if (!sed.waitForFinished(-1) || sed.exitCode() != 0) {
            state.SkipWithError("sed failed");
            return;
        }
        const double sedNow = double(clock.nsecsElapsed()) / 1e9;

        state.SetIterationTime(oursNow);
        oursSeconds += oursNow;
        sedSeconds += sedNow;
    }
    state.counters["sed_ms"] = benchmark::Counter(sedSeconds * 1000 / double(state.iterations()));
    state.counters["ratio_to_sed"] = oursSeconds / sedSeconds;
    state.counters["replacements"] = double(replaced);
    state.SetBytesProcessed(state.iterations() * kFiles * sampleFile().size());
}
BENCHMARK(BM_MultiFileReplace2000FilesVsSed)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

// The same rewrite of 200 files, each waiting until its bytes are on the disk before the rename
// (as Save does), against leaving the flush to the system as the multi-file run does.
void BM_MultiFileWrite200Files(benchmark::State& state)
{
    QTemporaryDir dir;
    const QStringList paths = makeFiles(dir, "durable", 200);
    const QByteArray bytes = sampleFile();
    const WriteSync sync = state.range(0) ? WriteSync::Durable : WriteSync::Deferred;
    for (auto _ : state) {
        for (const QString& path : paths) {
            if (!writeFileSafely(path, bytes, sync).isEmpty()) {
                state.SkipWithError("cannot write");
                return;
            }
        }
    }
    state.SetLabel(sync == WriteSync::Durable ? "durable" : "deferred");
}
BENCHMARK(BM_MultiFileWrite200Files)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
