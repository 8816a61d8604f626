#include "editor/DocStats.h"
#include "files/MarkdownDocument.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

// About 1 MiB of Markdown: headings, prose with some non-ASCII, lists, a table.
QString sampleMarkdown()
{
    QString block = QStringLiteral(
        "## Section heading\n\n"
        "Prose with caf\u00e9, na\u00efve words and an emoji \U0001F44D. A second sentence follows! Does it?\n"
        "- item one\n- item two\n\n| a | b |\n| --- | --- |\n| 1 | 2 |\n\n");
    QString out;
    while (out.size() < (1 << 20)) out += block;
    return out;
}

// The statistics are recounted over the whole text after a pause in typing.
void BM_DocStatsOneMiB(benchmark::State& state)
{
    const QString text = sampleMarkdown();
    for (auto _ : state) benchmark::DoNotOptimize(DocStats::compute(text));
}
BENCHMARK(BM_DocStatsOneMiB)->Unit(benchmark::kMillisecond);

// Opening: strict UTF-8 validation and decoding of a 1 MiB file.
void BM_DocumentDecodeOneMiB(benchmark::State& state)
{
    const QByteArray bytes = sampleMarkdown().toUtf8();
    for (auto _ : state) benchmark::DoNotOptimize(MarkdownDocument::fromBytes(bytes));
}
BENCHMARK(BM_DocumentDecodeOneMiB)->Unit(benchmark::kMillisecond);

// Saving a 1 MiB file whose line breaks are mixed, after one line was edited: each line is
// written with its own break. Runs on each autosave of such a file, never per keystroke.
void BM_MixedLineEndingsOneMiB(benchmark::State& state)
{
    const QString lineFeeds = sampleMarkdown();
    QString original = lineFeeds;
    original.replace(u'\n', QStringLiteral("\r\n"));
    original.replace(original.indexOf(QStringLiteral("\r\n")), 2, QStringLiteral("\n"));
    QString edited = lineFeeds;
    edited.insert(edited.size() / 2, QStringLiteral("edit"));
    for (auto _ : state) benchmark::DoNotOptimize(MarkdownDocument::withLineEndingsOf(edited, original));
}
BENCHMARK(BM_MixedLineEndingsOneMiB)->Unit(benchmark::kMillisecond);

} // namespace
