#include "files/LineDiff.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

QString lines(int count, const QString& prefix, int changeEvery = 0)
{
    QStringList out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        const bool changed = changeEvery > 0 && i % changeEvery == changeEvery / 2;
        out << (changed ? QStringLiteral("edited line %1 of the document").arg(i)
                        : prefix + QStringLiteral(" line %1 of the document").arg(i));
    }
    return out.join(QLatin1Char('\n'));
}

// 20,000 lines with 1% of them changed, spread through the text.
void BM_LineDiffScatteredEdits(benchmark::State& state)
{
    const QString a = lines(20000, "a"), b = lines(20000, "a", 100);
    for (auto _ : state) benchmark::DoNotOptimize(LineDiff::compute(a, b));
}
BENCHMARK(BM_LineDiffScatteredEdits)->Unit(benchmark::kMillisecond);

// Two unrelated 5,000-line texts: past the table's cap, no shared line to align on.
void BM_LineDiffUnrelated(benchmark::State& state)
{
    const QString a = lines(5000, "a"), b = lines(5000, "b");
    for (auto _ : state) benchmark::DoNotOptimize(LineDiff::compute(a, b));
}
BENCHMARK(BM_LineDiffUnrelated)->Unit(benchmark::kMillisecond);

// The largest middle the table takes: 2,000 x 2,000 differing lines.
void BM_LineDiffFullTable(benchmark::State& state)
{
    const QString a = lines(2000, "a"), b = lines(2000, "b");
    for (auto _ : state) benchmark::DoNotOptimize(LineDiff::compute(a, b));
}
BENCHMARK(BM_LineDiffFullTable)->Unit(benchmark::kMillisecond);

} // namespace
