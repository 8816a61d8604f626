#include "styling/AttributedText.h"
#include "styling/MarkdownCleaner.h"
#include "styling/MarkdownStyler.h"
#include "styling/TableGrid.h"
#include "styling/TableStyling.h"
#include "styling/TableTools.h"

#include <QFont>

#include <benchmark/benchmark.h>

namespace {

// A 10,000-row pipe table with unaligned cells and keys in scrambled order.
QString tenThousandRows()
{
    QString t = QStringLiteral("Intro paragraph.\n\n| id | name | price |\n|---|:---:|--:|\n");
    for (int i = 0; i < 10000; ++i)
        t += QStringLiteral("| %1 | item number %2 | %3.%4 |\n").arg((i * 7919) % 10000).arg(i).arg(i % 97).arg(i % 10);
    return t + QStringLiteral("\nOutro.\n");
}

void BM_TableFormat10k(benchmark::State& state)
{
    const QString text = tenThousandRows();
    const int caret = int(text.indexOf(QStringLiteral("| 5000 ")));
    for (auto _ : state) benchmark::DoNotOptimize(TableTools::apply(TableTools::Op::format, text, caret));
}
BENCHMARK(BM_TableFormat10k)->Unit(benchmark::kMillisecond);

void BM_TableInsertRow10k(benchmark::State& state)
{
    const QString text = tenThousandRows();
    const int caret = int(text.indexOf(QStringLiteral("| 5000 ")));
    for (auto _ : state) benchmark::DoNotOptimize(TableTools::apply(TableTools::Op::insertRowBelow, text, caret));
}
BENCHMARK(BM_TableInsertRow10k)->Unit(benchmark::kMillisecond);

void BM_TableSortNumeric10k(benchmark::State& state)
{
    const QString text = tenThousandRows();
    const int start = int(text.indexOf(QStringLiteral("| id")));
    for (auto _ : state) benchmark::DoNotOptimize(TableTools::sortTable(text, start, 0));
}
BENCHMARK(BM_TableSortNumeric10k)->Unit(benchmark::kMillisecond);

void BM_TableSortText10k(benchmark::State& state)
{
    const QString text = tenThousandRows();
    const int start = int(text.indexOf(QStringLiteral("| id")));
    for (auto _ : state) benchmark::DoNotOptimize(TableTools::sortTable(text, start, 1));
}
BENCHMARK(BM_TableSortText10k)->Unit(benchmark::kMillisecond);

void BM_CleanUp10k(benchmark::State& state)
{
    const QString text = tenThousandRows();
    for (auto _ : state) benchmark::DoNotOptimize(MarkdownCleaner::clean(text));
}
BENCHMARK(BM_CleanUp10k)->Unit(benchmark::kMillisecond);

void BM_GridLayout10k(benchmark::State& state)
{
    const QString text = tenThousandRows();
    const auto block = TableTools::tableRange(text, int(text.indexOf(QStringLiteral("| id"))));
    QList<TableModel::Row> rows;
    int start = block->range.location;
    for (const QString& l : block->lines) {
        if (!TableTools::isAlignmentRow(l)) rows.append(TableModel::row(start, l, rows.isEmpty()));
        start += int(l.size()) + 1;
    }
    // Cold: a new font size every time, so nothing is measured before. Warm: the
    // same font again, as when a keystroke in the table restyles all of it.
    const bool cold = state.range(0) != 0;
    QFont font;
    font.setPointSizeF(15);
    double size = 15;
    for (auto _ : state) {
        if (cold) font.setPointSizeF(size += 0.01);
        benchmark::DoNotOptimize(TableGridRenderer::layout(rows, 3, font, 660));
    }
}
BENCHMARK(BM_GridLayout10k)->Arg(0)->Arg(1)->ArgName("cold")->Unit(benchmark::kMillisecond);

} // namespace

namespace {

void BM_TableStylingGrid10k(benchmark::State& state)
{
    const QString text = tenThousandRows();
    EditorTheme theme;
    for (auto _ : state) {
        AttributedText storage(text);
        TableStyling::styleTables(storage, storage.string(), TextRange(0, storage.length()), {}, theme, true, 660);
        benchmark::DoNotOptimize(storage.runCount());
    }
}
BENCHMARK(BM_TableStylingGrid10k)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// One character typed into (then deleted from) a cell in the middle of a 10,000-row grid
// table: the whole restyle the editor runs after that keystroke, table pass included.
// Arg 0 types into a narrow cell (column widths stay), arg 1 into the widest cell of
// its column (the column widens and narrows again).
void BM_TableKeystroke10k(benchmark::State& state)
{
    const QString doc = tenThousandRows();
    AttributedText text(doc);
    MarkdownStyler styler;
    styler.concealMarkers = true;
    styler.highlight(text, std::nullopt);
    const int at = state.range(0) ? int(doc.indexOf(QStringLiteral("item number 5000 "))) + 5
                                  : int(doc.indexOf(QStringLiteral("\n| 5 |"))) + 4;
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            text.replaceCharacters(TextRange(at, 1), u"");
        else
            text.replaceCharacters(TextRange(at, 0), u"x");
        typed = !typed;
        benchmark::DoNotOptimize(styler.highlight(text, TextRange(at, typed ? 1 : 0)));
    }
}
BENCHMARK(BM_TableKeystroke10k)->Arg(0)->Arg(1)->ArgName("widest")->Unit(benchmark::kMillisecond);

} // namespace
