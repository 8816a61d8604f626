// The autosave after a pause, in the document window of a long file (1 and 20 MB; 100 MB
// when BW_BENCH_HUGE is set): the longest time the main thread is held up from the pause
// until the text is on disk (the first autosave after opening, then the next one), and the
// CPU per key of typing one key every 200 ms with a pause for an autosave after every ten
// keys (the main thread's, and the whole process's). Then a save with Ctrl+S (its menu row):
// the longest the main thread is held up from the key until the text is on disk.
#include "BenchWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

namespace {

QString longDocument(qsizetype units)
{
    return proseDocument(units, QStringLiteral("Some *plain* prose about the **paper** and its margins, a "
                                               "[link](https://example.net/x) and `code`, long enough to wrap once "
                                               "or twice on the page before it ends.\n\n"));
}

void key(QWidget* w, int k, const QString& text = {})
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
    deliverFrame();
}

// The longest the main thread was held up between two turns of its event loop: as time
// passed, and as its own CPU time (which a busy machine's scheduler does not stretch).
struct Stall {
    double wallMs = 0;
    double cpuMs = 0;
    void add(const Stall& o)
    {
        wallMs = std::max(wallMs, o.wallMs);
        cpuMs = std::max(cpuMs, o.cpuMs);
    }
};

// Runs the event loop until `done` or `ms` have passed.
Stall longestStall(const std::function<bool()>& done, qint64 ms)
{
    QElapsedTimer total, gap;
    total.start();
    gap.start();
    double cpu = threadCpuMs();
    Stall longest;
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const double now = threadCpuMs();
        longest.add({double(gap.nsecsElapsed()) / 1e6, now - cpu});
        gap.restart();
        cpu = now;
        if (done() || total.elapsed() >= ms) loop.quit();
    });
    tick.start();
    loop.exec();
    return longest;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void BM_WindowAutosave(benchmark::State& state)
{
    if (state.range(0) >= 100 && qEnvironmentVariableIsEmpty("BW_BENCH_HUGE")) {
        state.SkipWithError("set BW_BENCH_HUGE=1 to run the 100 MB case");
        return;
    }
    QTemporaryDir dir;
    DocumentWindow* w = openLaidOut(state, dir, "long.md", longDocument(state.range(0) * 1000 * 1000));
    if (!w) return;
    MarkdownTextView* text = textViewOf(w);
    text->setSelectedRange({text->textLength() / 2, 0});
    text->ensureCursorVisible();
    runFor(500);

    const auto saved = [w] { return !w->isWindowModified(); };
    // A key; the styling and layout it leaves to idle time done at once, so that only the
    // autosave holds the main thread up after it; the autosave, and the look at the file
    // that its own write sets off.
    const auto autosaveStall = [&](int k, const QString& t) {
        QElapsedTimer pause;
        pause.start();
        key(text, k, t);
        text->coordinator()->finishStyling();
        text->pagedLayout()->finishLayout();
        runFor(int(std::max<qint64>(0, DocumentWindow::autosaveDelayMs - 300 - pause.elapsed())));
        Stall stall = longestStall(saved, 120'000);
        stall.add(longestStall([] { return false; }, 400));
        return stall;
    };
    // Ctrl+S as the window's menu row runs it; the row's key itself is the toolkit's.
    QAction* saveRow = nullptr;
    for (QMenu* m : w->findChildren<QMenu*>())
        for (QAction* a : m->actions())
            if (a->text() == QStringLiteral("&Save")) saveRow = a;
    if (!saveRow) {
        state.SkipWithError("no Save row in the menus");
        return;
    }
    const auto saveStall = [&] {
        key(text, Qt::Key_A, QStringLiteral("a"));
        text->coordinator()->finishStyling();
        text->pagedLayout()->finishLayout();
        QElapsedTimer wall;
        wall.start();
        const double cpu = threadCpuMs();
        saveRow->trigger();
        Stall stall{double(wall.nsecsElapsed()) / 1e6, threadCpuMs() - cpu};
        stall.add(longestStall(saved, 120'000));
        stall.add(longestStall([] { return false; }, 400));
        return stall;
    };
    Stall stallFirst, stallAgain, stallSave;
    double mainPerKey = 0, cpuPerKey = 0;
    for (auto _ : state) {
        stallFirst = autosaveStall(Qt::Key_A, QStringLiteral("a"));
        stallAgain = autosaveStall(Qt::Key_Backspace, {});
        constexpr int rounds = 3, keys = 10;
        const double main0 = threadCpuMs(), cpu0 = processCpuMs();
        for (int r = 0; r < rounds; ++r) {
            for (int i = 0; i < keys; ++i) {
                key(text, i % 2 ? Qt::Key_Backspace : Qt::Key_A, i % 2 ? QString() : QStringLiteral("a"));
                runFor(200);
            }
            runFor(DocumentWindow::autosaveDelayMs);
            while (!saved()) runFor(50);
        }
        mainPerKey = (threadCpuMs() - main0) / (rounds * keys);
        cpuPerKey = (processCpuMs() - cpu0) / (rounds * keys);
        stallSave = saveStall();
    }
    state.counters["autosave_stall_ms"] = stallFirst.wallMs;
    state.counters["autosave_stall_cpu_ms"] = stallFirst.cpuMs;
    state.counters["autosave_again_stall_ms"] = stallAgain.wallMs;
    state.counters["autosave_again_stall_cpu_ms"] = stallAgain.cpuMs;
    state.counters["save_stall_ms"] = stallSave.wallMs;
    state.counters["save_stall_cpu_ms"] = stallSave.cpuMs;
    state.counters["main_cpu_ms_per_key"] = mainPerKey;
    state.counters["cpu_ms_per_key"] = cpuPerKey;
    state.counters["MB"] = double(state.range(0));
    closeAndForget(w);
}
BENCHMARK(BM_WindowAutosave)->Arg(1)->Arg(20)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
