// A version snapshot of a long document whose accents are decomposed (20 MiB), taken with
// Snapshot Now in a real document window after a one-letter edit (the edit already
// autosaved, as it is by the time the periodic snapshot comes): the longest the main thread
// is held up between two turns of its event loop, and the main thread's CPU in all, from the
// request until the new version is on disk and its outcome taken in.
#include "BenchWindow.h"
#include "files/LineDiff.h"
#include "files/ui/VersionHistoryView.h"
#include "platform/NotificationBus.h"
#include "platform/Requests.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

namespace {

// Prose with an accented letter in every paragraph, written as a letter and a combining
// mark, so that no stretch of it is in composed form. (Denser accents would not change the
// time taken now, but normalising the whole text, as was done, would take hours.)
QString decomposedDocument(qsizetype units)
{
    return proseDocument(units, QStringLiteral("Some *plain* prose about the **paper** and its margins, a "
                                               "[link](https://example.net/x), the cafe\u0301 and `code`, long "
                                               "enough to wrap once or twice on the page before it ends.\n\n"));
}

// What the main thread did over a stretch of time: its longest stretch between two turns of
// the event loop (as time passed, and as its own CPU time), and its CPU time in all.
struct Busy {
    double longestMs = 0;
    double longestCpuMs = 0;
    double totalCpuMs = 0;
    void add(double wallMs, double cpuMs)
    {
        longestMs = std::max(longestMs, wallMs);
        longestCpuMs = std::max(longestCpuMs, cpuMs);
        totalCpuMs += cpuMs;
    }
};

// Runs the event loop, looking every 5 ms (sleeping in between, so that the looking costs
// next to nothing), until `done` has held for `after` ms more or `ms` have passed.
void watchMainThread(Busy& busy, const std::function<bool()>& done, qint64 ms, qint64 after)
{
    constexpr int kTickMs = 5;
    QElapsedTimer total, gap, since;
    total.start();
    gap.start();
    double cpu = threadCpuMs();
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(kTickMs);
    int ticks = 0;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const double now = threadCpuMs();
        busy.add(std::max(0.0, double(gap.nsecsElapsed()) / 1e6 - kTickMs), now - cpu);
        gap.restart();
        cpu = now;
        if (!since.isValid() && ++ticks % 10 == 0 && done()) since.start();
        if ((since.isValid() && since.elapsed() >= after) || total.elapsed() >= ms) loop.quit();
    });
    tick.start();
    loop.exec();
}

void post(Busy& busy, const QString& request)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = threadCpuMs();
    NotificationBus::instance().post(NotificationBus::name(request));
    busy.add(double(wall.nsecsElapsed()) / 1e6, threadCpuMs() - cpu);
}

void BM_VersionSnapshotDecomposed(benchmark::State& state)
{
    QTemporaryDir dir;
    DocumentWindow* w = openLaidOut(state, dir, "accents.md", decomposedDocument(state.range(0) << 20));
    if (!w) return;
    QApplication::setActiveWindow(w);
    MarkdownTextView* text = textViewOf(w);
    const QString path = w->filePath();
    // Looked at through the list alone: without it, listing reads every version to make it again.
    const QString manifest = VersionStore::folder(path) + QStringLiteral("/manifest.json");
    const auto versionsOnDisk = [&](int n) {
        return [&, n] { return QFile::exists(manifest) && VersionStore::list(path).size() >= n; };
    };

    Busy idle, first, again;
    for (auto _ : state) {
        // What the window still does after opening, so that it is not taken for the snapshot's.
        watchMainThread(
            idle, [] { return false; }, 2000, 0);
        post(first, Requests::snapshotNow);
        watchMainThread(first, versionsOnDisk(1), 120'000, 300);
        // One letter in the middle, autosaved before the snapshot comes.
        text->setSelectedRange({text->textLength() / 2, 0});
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(text, &press);
        deliverFrame();
        text->coordinator()->finishStyling();
        text->pagedLayout()->finishLayout();
        Busy autosave;
        watchMainThread(
            autosave, [w] { return !w->isWindowModified(); }, 120'000, 300);

        post(again, Requests::snapshotNow);
        watchMainThread(again, versionsOnDisk(2), 120'000, 300);
    }
    if (VersionStore::list(path).size() != 2) state.SkipWithError("the edited text was not stored as a second version");
    state.counters["stall_ms"] = again.longestMs;
    state.counters["stall_cpu_ms"] = again.longestCpuMs;
    state.counters["main_cpu_ms"] = again.totalCpuMs;
    state.counters["first_stall_ms"] = first.longestMs;
    state.counters["first_main_cpu_ms"] = first.totalCpuMs;
    state.counters["idle_stall_ms"] = idle.longestMs;
    state.counters["idle_main_cpu_ms"] = idle.totalCpuMs;
    state.counters["MiB"] = double(state.range(0));
    closeAndForget(w);
}
BENCHMARK(BM_VersionSnapshotDecomposed)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);

// The history sheet of a long document with two versions: opened (the newest version, equal
// to the text, previewed as its diff), then the older version picked, until the frame that
// shows its diff. Reported: the longest the main thread is held up between two turns of its
// event loop over both, and how long the older version's diff took to show.
void BM_VersionHistoryOpenLarge(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString now = decomposedDocument(state.range(0) << 20);
    DocumentWindow* w = openLaidOut(state, dir, "history.md", now);
    if (!w) return;
    QApplication::setActiveWindow(w);
    const QString path = w->filePath();
    // The older version: a paragraph more near the start, one line other near the end.
    QString older = now;
    older.insert(older.indexOf(QStringLiteral("\n\n"), older.size() / 4) + 2,
                 QStringLiteral("An older paragraph.\n\n"));
    const qsizetype late = older.indexOf(QStringLiteral("Some"), older.size() * 3 / 4);
    older.replace(late, 4, QStringLiteral("Other"));
    const QDateTime t0 = QDateTime::currentDateTime().addSecs(-60);
    if (!VersionStore::snapshot(older, path, t0) || !VersionStore::snapshot(now, path, t0.addSecs(30))) {
        state.SkipWithError("the versions could not be stored");
        closeAndForget(w);
        return;
    }
    const auto counts = LineDiff::counts(LineDiff::compute(older, now));
    const QString olderCounts = QStringLiteral("+%1 \u2212%2").arg(counts.added).arg(counts.removed);

    Busy idle, busy;
    double diffShownMs = 0;
    for (auto _ : state) {
        watchMainThread(
            idle, [] { return false; }, 2000, 0);
        post(busy, Requests::showVersionHistory);
        auto* sheet = w->findChild<VersionHistoryView*>();
        if (!sheet || sheet->list()->count() != 2) {
            state.SkipWithError("the sheet did not show both versions");
            break;
        }
        watchMainThread(
            busy, [sheet] { return sheet->countsText() == QStringLiteral("No changes"); }, 120'000, 300);
        QElapsedTimer shown;
        shown.start();
        QElapsedTimer wall;
        wall.start();
        const double cpu = threadCpuMs();
        sheet->list()->setCurrentRow(1);
        busy.add(double(wall.nsecsElapsed()) / 1e6, threadCpuMs() - cpu);
        bool done = false;
        watchMainThread(
            busy,
            [&] {
                if (!done && sheet->countsText() == olderCounts) {
                    done = true;
                    diffShownMs = double(shown.elapsed());
                }
                return done;
            },
            120'000, 300);
        if (!done) state.SkipWithError("the older version's diff was never shown");
        sheet->reject();
    }
    state.counters["longest_stall_ms"] = busy.longestMs;
    state.counters["longest_stall_cpu_ms"] = busy.longestCpuMs;
    state.counters["main_cpu_ms"] = busy.totalCpuMs;
    state.counters["diff_shown_ms"] = diffShownMs;
    state.counters["idle_stall_ms"] = idle.longestMs;
    state.counters["MiB"] = double(state.range(0));
    closeAndForget(w);
}
BENCHMARK(BM_VersionHistoryOpenLarge)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);

// Runs `action` on the main thread, its time counted as one stretch without a turn of the
// event loop.
void timed(Busy& busy, const std::function<void()>& action)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = threadCpuMs();
    action();
    busy.add(double(wall.nsecsElapsed()) / 1e6, threadCpuMs() - cpu);
}

// The text with a paragraph more at `at` (a fraction of its length) and the word after
// `changeAt` named otherwise: one way each version differs from the others.
QString changedAt(QString text, double at, double changeAt, const QString& word)
{
    text.insert(text.indexOf(QStringLiteral("\n\n"), qsizetype(double(text.size()) * at)) + 2,
                QStringLiteral("A paragraph of its own.\n\n"));
    text.replace(text.indexOf(QStringLiteral("Section"), qsizetype(double(text.size()) * changeAt)), 7, word);
    return text;
}

// The history sheet of a long document of short lines (a preview's blocks and lines are what
// take long to free) with three versions, all unlike the text and each other: opened (the
// newest version's diff shown), the oldest row picked, then the next, each until its diff
// shows, then the sheet closed until it has gone. Each pick lets go of
// the preview shown before, and closing of the last one and of the sheet's copy of the text.
// Reported: the longest the main thread is held up between two turns of its event loop.
void BM_VersionHistoryPickRowsLarge(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString now = mixedDocument(state.range(0) << 20);
    DocumentWindow* w = openLaidOut(state, dir, "rows.md", now);
    if (!w) return;
    QApplication::setActiveWindow(w);
    const QString path = w->filePath();
    const QList<QString> versions{changedAt(now, 0.2, 0.9, QStringLiteral("Oldest")),
                                  changedAt(now, 0.4, 0.7, QStringLiteral("Middle")),
                                  changedAt(now, 0.6, 0.5, QStringLiteral("Newest"))};
    QList<QString> counts;
    const QDateTime t0 = QDateTime::currentDateTime().addSecs(-60);
    for (qsizetype i = 0; i < versions.size(); ++i) {
        const auto c = LineDiff::counts(LineDiff::compute(versions[i], now));
        counts.prepend(QStringLiteral("+%1 \u2212%2").arg(c.added).arg(c.removed)); // the rows go newest first
        if (!VersionStore::snapshot(versions[i], path, t0.addSecs(10 * i))) {
            state.SkipWithError("the versions could not be stored");
            closeAndForget(w);
            return;
        }
    }

    Busy idle, busy;
    for (auto _ : state) {
        watchMainThread(
            idle, [] { return false; }, 2000, 0);
        post(busy, Requests::showVersionHistory);
        QPointer<VersionHistoryView> sheet = w->findChild<VersionHistoryView*>();
        if (!sheet || sheet->list()->count() != 3) {
            state.SkipWithError("the sheet did not show the three versions");
            break;
        }
        for (int row : {0, 2, 1}) {
            if (row != 0) timed(busy, [&] { sheet->list()->setCurrentRow(row); });
            watchMainThread(
                busy, [&] { return sheet->countsText() == counts[row]; }, 120'000, 300);
            if (sheet->countsText() != counts[row]) state.SkipWithError("a version's diff was never shown");
        }
        timed(busy, [&] { sheet->reject(); });
        // Gone at the next turn of the event loop (this one is nested in none).
        timed(busy, [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); });
        watchMainThread(
            busy, [&] { return sheet.isNull(); }, 120'000, 300);
        if (sheet) state.SkipWithError("the sheet never went");
    }
    state.counters["longest_stall_ms"] = busy.longestMs;
    state.counters["longest_stall_cpu_ms"] = busy.longestCpuMs;
    state.counters["main_cpu_ms"] = busy.totalCpuMs;
    state.counters["idle_stall_ms"] = idle.longestMs;
    state.counters["MiB"] = double(state.range(0));
    closeAndForget(w);
}
BENCHMARK(BM_VersionHistoryPickRowsLarge)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
