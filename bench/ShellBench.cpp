// The application shell: opening a file of 1, 5 and 20 MiB, typing in a window whose 1 MiB
// document starts with a front-matter block that never closes, re-reading that front matter
// after a pause, the find bar's count for a new search over 1 MiB, find as you type over
// 20 MiB, Replace All of 10,000 matches, of 25 spread over 20 MiB and of 50,000 there, and a second launch handing a link to the running
// program.
#include "app/SingleInstance.h"
#include "app/ui/AppShell.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/Features.h"
#include "editor/EditorController.h"
#include "editor/TextFind.h"
#include "editor/WindowConfig.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/FindBar.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include "BenchEditor.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace {

// About 1 MiB of prose whose every line holds `needle` `perLine` times.
QString prose(int lines, const QString& needle, int perLine)
{
    QString s;
    for (int i = 0; s.size() < (1 << 20) && i < lines; ++i) {
        s += QStringLiteral("Line %1 of the sample text, with words to search through").arg(i);
        for (int k = 0; k < perLine; ++k) s += u' ' + needle;
        s += QStringLiteral(" and some more words after them.\n");
    }
    return s;
}

QString unclosedFrontMatterDocument()
{
    QString s = QStringLiteral("---\ntitle: Never closed\nmode: source\n");
    while (s.size() < (1 << 20)) s += QStringLiteral("key: value line that looks like front matter but never ends\n");
    return s;
}

QTemporaryDir& folders()
{
    static QTemporaryDir dir;
    static bool ready = [] {
        Settings::useFile(dir.filePath(QStringLiteral("settings.ini")));
        PrefKey::registerAll(Settings::instance());
        Settings::instance().setValue(QStringLiteral("reopenLastSession"), false);
        DocumentController::instance().setAutosaveStore(AutosaveStore(dir.filePath(QStringLiteral("Autosave"))));
        installWindowFeatures();
        return true;
    }();
    (void)ready;
    return dir;
}

DocumentWindow* window(const QString& text)
{
    folders();
    DocumentWindow* w = AppShell::newDocumentWithText(text);
    w->resize(1100, 900);
    showExposed(w);
    w->finishLoading(); // the text whole before the first key
    static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView()->pagedLayout();
    deliverFrame();
    return w;
}

void closeWindows()
{
    for (DocumentWindow* w : DocumentController::instance().windows()) {
        w->editorHost()->setModified(false);
        w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void report(benchmark::State& state, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return;
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    state.counters["max_ms"] = ms.back();
}

// Runs the event loop until `done` holds (checked every 10 ms), without spinning.
template <typename F> void runUntil(F done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(10);
    if (!done()) loop.exec();
}

// Runs events until `done` holds, waiting for each next event instead of polling: the
// moment measured is the one the condition became true, not the next poll's.
template <typename F> void pumpUntil(F done)
{
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// What a plain Qt editor takes to show the same text: a QPlainTextEdit as large as a document
// window, given the text and shown, until its first frame is painted.
double plainEditorTextOnScreenMs(const QString& text, QSize size)
{
    QElapsedTimer t;
    t.start();
    QPlainTextEdit edit;
    edit.resize(size);
    edit.setPlainText(text);
    edit.show();
    pumpUntil([&] { return edit.windowHandle() && edit.windowHandle()->isExposed(); });
    deliverFrame();
    return double(t.nsecsElapsed()) / 1e6;
}

// Opening a file of 1, 5 and 20 MiB (100 MiB with BW_BENCH_HUGE) of mixed Markdown through the
// document controller, as a launch does: the time until the window is first exposed and until
// its text is on screen (against the same text put into a bare QTextDocument, and against a
// plain QPlainTextEdit window of the same size showing it), the process's CPU time until
// everything the open started has finished (idle slices of styling and layout, the counts and outline after
// the pause), the longest the main thread was kept busy at a stretch meanwhile, and how many
// times each block's lines were broken on the way: every break shapes the block's text again.
void BM_ShellOpenFileToIdle(benchmark::State& state)
{
    if (state.range(0) >= 100 && qEnvironmentVariableIsEmpty("BW_BENCH_HUGE")) {
        state.SkipWithError("set BW_BENCH_HUGE=1 to run the 100 MiB case");
        return;
    }
    folders();
    // Opening is measured with no other window at work: one left by an earlier benchmark
    // would restyle and lay out its own text meanwhile (the settings changed under it).
    closeWindows();
    {
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
    }
    const QString text = mixedDocument(qsizetype(state.range(0)) << 20);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("open.md"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0) {
            state.SkipWithError("could not write the file");
            return;
        }
    }
    double plainMs = 0;
    {
        QTextDocument bare;
        QElapsedTimer t;
        t.start();
        bare.setPlainText(text);
        plainMs = double(t.nsecsElapsed()) / 1e6;
    }
    double shownMs = 0, textMs = 0, cpuMs = 0, breaksPerBlock = 0, plainEditorMs = 0;
    PaintCounter painted;
    // The moment a window is first exposed: as soon as the platform shows it, before any
    // later work of the same event-loop pass.
    struct Exposure : QObject {
        QElapsedTimer* clock = nullptr;
        double ms = -1;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Expose && ms < 0 && qobject_cast<QWindow*>(o)
                && static_cast<QWindow*>(o)->isExposed())
                ms = double(clock->nsecsElapsed()) / 1e6;
            return QObject::eventFilter(o, e);
        }
    } exposure;
    qApp->installEventFilter(&exposure);
    double longestBlockMs = 0;
    for (auto _ : state) {
        const double cpu0 = processCpuMs();
        QElapsedTimer t;
        t.start();
        exposure.clock = &t;
        exposure.ms = -1;
        // The longest the event loop was kept from turning while the file opened: the window
        // being made, the text going in, any slice of styling or layout.
        QTimer tick;
        qint64 lastTickNs = t.nsecsElapsed();
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = t.nsecsElapsed();
            longestBlockMs = std::max(longestBlockMs, double(now - lastTickNs) / 1e6);
            lastTickNs = now;
        });
        tick.start(1);
        DocumentWindow* w = DocumentController::instance().openDocument(path);
        if (!w) {
            state.SkipWithError("the file did not open");
            return;
        }
        pumpUntil([w] { return w->windowHandle() && w->windowHandle()->isExposed(); });
        shownMs = exposure.ms;
        MarkdownTextView* v = static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
        painted.watch(v->viewport());
        pumpUntil([v] { return v->textLength() > 0; });
        deliverFrame();
        textMs = double(t.nsecsElapsed()) / 1e6;
        runUntil([v] { return !v->coordinator()->isStylingPending() && !v->pagedLayout()->isLayoutPending(); });
        breaksPerBlock = double(v->pagedLayout()->linesBrokenCount()) / v->document()->blockCount();
        // What a pause starts: the counts, the outline.
        QEventLoop pause;
        QTimer::singleShot(500, &pause, &QEventLoop::quit);
        pause.exec();
        cpuMs = processCpuMs() - cpu0;
        tick.stop();
        const QSize size = w->size();
        closeWindows();
        plainEditorMs = plainEditorTextOnScreenMs(text, size);
    }
    qApp->removeEventFilter(&exposure);
    state.counters["MiB"] = double(state.range(0));
    state.counters["window_shown_ms"] = shownMs;
    state.counters["text_on_screen_ms"] = textMs;
    state.counters["bare_setPlainText_ms"] = plainMs;
    state.counters["text_vs_setPlainText"] = textMs / plainMs;
    state.counters["plain_editor_text_on_screen_ms"] = plainEditorMs;
    state.counters["text_vs_plain_editor"] = textMs / plainEditorMs;
    state.counters["cpu_to_idle_s"] = cpuMs / 1000;
    state.counters["longest_main_thread_block_ms"] = longestBlockMs;
    state.counters["line_breaks_per_block"] = breaksPerBlock;
    state.counters["paints_while_opening"] = painted.paints;
    state.counters["painted_Mpx_while_opening"] = painted.pixels / 1e6;
}
BENCHMARK(BM_ShellOpenFileToIdle)->Arg(1)->Arg(5)->Arg(20)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

// Typing in the middle of a window (every feature attached) whose document starts with "---"
// and never closes it: nothing on the keystroke path may read the front matter.
void BM_ShellKeystrokeUnclosedFrontMatter(benchmark::State& state)
{
    DocumentWindow* w = window(unclosedFrontMatterDocument());
    MarkdownTextView* v = static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
    PaintCounter painted;
    painted.watch(v->viewport());
    v->setSelectedRange({v->textLength() / 2, 0});
    v->ensureCursorVisible();
    deliverFrame();
    std::vector<double> ms;
    QElapsedTimer t;
    int i = 0;
    for (auto _ : state) {
        t.start();
        QKeyEvent press(QEvent::KeyPress, i % 2 == 0 ? Qt::Key_A : Qt::Key_Backspace, Qt::NoModifier,
                        i % 2 == 0 ? QStringLiteral("a") : QString());
        ++i;
        QApplication::sendEvent(v, &press);
        deliverFrame();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report(state, ms);
    reportPaints(state, painted, i);
    closeWindows();
}
BENCHMARK(BM_ShellKeystrokeUnclosedFrontMatter)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// The work after a pause in typing in that document: its configuration built again.
void BM_ShellFrontMatterAfterPause(benchmark::State& state)
{
    folders();
    const QString text = unclosedFrontMatterDocument();
    for (auto _ : state) benchmark::DoNotOptimize(WindowConfig::forDocument(Settings::instance(), text));
}
BENCHMARK(BM_ShellFrontMatterAfterPause)->Unit(benchmark::kMillisecond);

// A new search typed into the find bar over 1 MiB: every match counted, until the count is
// shown.
void BM_ShellFindCountNewSearch(benchmark::State& state)
{
    DocumentWindow* w = window(prose(1 << 20, QStringLiteral("Needle"), 1));
    FindBar* bar = FindBar::of(w);
    int n = 0;
    for (auto _ : state) {
        bar->searchField()->setText(n++ % 2 ? QStringLiteral("needle") : QStringLiteral("NEEDLE"));
        bar->showBar(false); // counts
        pumpUntil([bar] { return !bar->countText().isEmpty(); });
    }
    state.counters["chars"] = double(w->editorController()->textView()->textLength());
    state.counters["matches"] = TextFind(QStringLiteral("needle")).count(w->editorController()->textView()->text());
    closeWindows();
}
BENCHMARK(BM_ShellFindCountNewSearch)->Unit(benchmark::kMillisecond);

// Find as you type in a window on a 20 MiB document: an 11-letter word typed into the find
// field key by key, each key to its painted frame, with a typist's pause after each in which
// the window runs as usual (whatever the find bar left to do runs there); then how long after
// the last key the count arrives. The word's first letters stand near the caret and the whole
// word nowhere, so each later key looks through all of the text. Also reported: the longest
// the window went without answering during the pauses (a 5 ms probe's longest gap).
void BM_FindAsYouTypeToFrame(benchmark::State& state)
{
    DocumentWindow* w = window(mixedDocument(qsizetype(20) << 20));
    MarkdownTextView* v = static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
    FindBar* bar = FindBar::of(w);
    const QString word = QStringLiteral("marginalias");
    QElapsedTimer sinceProbe;
    double longestGapMs = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, double(sinceProbe.nsecsElapsed()) / 1e6);
        sinceProbe.start();
    });
    const auto pause = [&](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        sinceProbe.start();
        probe.start(5);
        loop.exec();
        probe.stop();
    };
    std::vector<double> ms;
    double countMs = 0;
    for (auto _ : state) {
        v->setSelectedRange({0, 0});
        bar->searchField()->clear();
        bar->showBar(false);
        deliverFrame();
        for (const QChar c : word) {
            QElapsedTimer t;
            t.start();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (c.unicode() - u'a'), Qt::NoModifier, QString(c));
            QApplication::sendEvent(bar->searchField(), &press);
            deliverFrame();
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            pause(150);
        }
        QElapsedTimer t;
        t.start();
        pumpUntil([&] { return !bar->countText().isEmpty(); });
        countMs = double(t.nsecsElapsed()) / 1e6;
        if (bar->countText() != QStringLiteral("No matches")) state.SkipWithError("the count is wrong");
    }
    report(state, ms);
    state.counters["count_after_last_key_ms"] = countMs;
    state.counters["longest_unanswered_ms"] = longestGapMs;
    closeWindows();
}
BENCHMARK(BM_FindAsYouTypeToFrame)->Iterations(3)->Unit(benchmark::kMillisecond);

// Replace All of 10,000 matches in the editor, to the painted frame; one undo step restores
// the text.
void BM_ShellReplaceAll10000(benchmark::State& state)
{
    const QString original = prose(2500, QStringLiteral("cat"), 4);
    DocumentWindow* w = window(original);
    FindBar* bar = FindBar::of(w);
    bar->showBar(true);
    EditorTextView* view = w->editorController()->textView();
    std::vector<double> ms;
    bool oneStep = true;
    for (auto _ : state) {
        bar->searchField()->setText(QStringLiteral("cat"));
        bar->replaceField()->setText(QStringLiteral("dog"));
        QElapsedTimer t;
        t.start();
        bar->replaceAll();
        deliverFrame();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        w->editorHost()->undo();
        oneStep = oneStep && view->text() == original;
        deliverFrame();
        state.ResumeTiming();
    }
    report(state, ms);
    state.counters["matches"] = TextFind(QStringLiteral("cat")).count(original);
    state.counters["undone_in_one_step"] = oneStep ? 1 : 0;
    closeWindows();
}
BENCHMARK(BM_ShellReplaceAll10000)->Iterations(5)->Unit(benchmark::kMillisecond);

// A window on `text` styled and laid out, its find bar set to replace "zephyrine" with
// "breeze", the caret at the start: what the Replace All benchmarks click on.
FindBar* replacingWindow(const QString& text, MarkdownTextView*& v)
{
    // A copy of its own, as a file read would give: sharing `text` would have the first edit
    // copy the whole text.
    DocumentWindow* w = window(QString(text.constData(), text.size()));
    v = static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
    v->coordinator()->finishStyling();
    v->pagedLayout()->finishLayout();
    deliverFrame();
    FindBar* bar = FindBar::of(w);
    bar->showBar(true);
    bar->searchField()->setText(QStringLiteral("zephyrine"));
    bar->replaceField()->setText(QStringLiteral("breeze"));
    v->setSelectedRange({0, 0});
    deliverFrame();
    return bar;
}

// Replace All in a window on `original` styled and laid out, then its undo and its redo, each
// served until the text is in and everything styled and laid out again. Reported: the longest
// the window's event loop served nothing over all three (and over each), the time from the
// click to the last edit in (`done_ms`), the same for the undo and the redo, and whether each
// gave the text byte for byte.
void replaceUndoRedo(benchmark::State& state, const QString& original)
{
    QString expected = original;
    expected.replace(QStringLiteral("zephyrine"), QStringLiteral("breeze"), Qt::CaseInsensitive);
    MarkdownTextView* v = nullptr;
    FindBar* bar = replacingWindow(original, v);
    // Busy while a part is still to go in, or the text to be styled or laid out.
    const auto busy = [v] {
        return v->isReadOnly() || v->coordinator()->isStylingPending() || v->pagedLayout()->isLayoutPending();
    };
    double longestMs = 0, settledMs = 0;
    // Runs `step`, then serves the loop until it changed the text and all is settled again;
    // gives the milliseconds to its last change of the text.
    const auto measure = [&](const std::function<void()>& step) {
        const std::uint64_t revision = v->textRevision();
        std::uint64_t seen = revision;
        QElapsedTimer t;
        t.start();
        step();
        deliverFrame();
        qint64 last = t.nsecsElapsed();
        longestMs = std::max(longestMs, double(last) / 1e6);
        double changedMs = v->textRevision() != revision ? double(last) / 1e6 : 0;
        settledMs = serveWhile(
            t, last,
            [&] {
                if (v->textRevision() != seen) {
                    seen = v->textRevision();
                    changedMs = double(t.nsecsElapsed()) / 1e6;
                }
                return seen == revision || busy();
            },
            longestMs);
        return changedMs;
    };
    double doneMs = 0, undoMs = 0, redoMs = 0, replaceStallMs = 0, undoStallMs = 0;
    bool replaced = false, undone = false, redone = false;
    for (auto _ : state) {
        doneMs = measure([bar] { bar->replaceAll(); });
        state.counters["settled_ms"] = settledMs;
        replaceStallMs = std::exchange(longestMs, 0);
        replaced = v->text() == expected;
        undoMs = measure([v] { v->undo(); });
        undoStallMs = std::exchange(longestMs, 0);
        undone = v->text() == original;
        redoMs = measure([v] { v->redo(); });
        redone = v->text() == expected;
    }
    state.counters["redo_longest_stall_ms"] = longestMs;
    state.counters["undo_longest_stall_ms"] = undoStallMs;
    state.counters["replace_longest_stall_ms"] = replaceStallMs;
    longestMs = std::max({longestMs, replaceStallMs, undoStallMs});
    state.counters["longest_stall_ms"] = longestMs;
    state.counters["done_ms"] = doneMs;
    state.counters["undo_done_ms"] = undoMs;
    state.counters["redo_done_ms"] = redoMs;
    if (!replaced || !undone || !redone)
        state.SkipWithError(!replaced ? "the text was not replaced as expected"
                            : !undone ? "one undo did not give the text back"
                                      : "the redo did not replace the text again");
    closeWindows();
}

// Replace All of a rare word in a window on 20 MiB (or 100 MiB), 25 matches spread through the
// text, then its undo and its redo, measured as replaceUndoRedo says.
void BM_ReplaceAllRareLarge(benchmark::State& state)
{
    if (state.range(0) >= 100 && qEnvironmentVariableIsEmpty("BW_BENCH_HUGE")) {
        state.SkipWithError("set BW_BENCH_HUGE=1 to run the 100 MiB case");
        return;
    }
    QString original = mixedDocument(qsizetype(state.range(0)) << 20);
    constexpr int kMatches = 25;
    for (int i = kMatches - 1; i >= 0; --i) {
        const qsizetype at =
            original.indexOf(u'\n', original.size() / kMatches * i + original.size() / (2 * kMatches)) + 1;
        original.insert(at, QStringLiteral("Zephyrine "));
    }
    replaceUndoRedo(state, original);
    state.counters["matches"] = kMatches;
}
BENCHMARK(BM_ReplaceAllRareLarge)->Arg(20)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

// Replace All of a word at the start of a line about every 400 units of a window on 20 MiB
// (about 54,000 matches; or 100 MiB, about 270,000), measured as replaceUndoRedo says.
void BM_ReplaceAllDenseLarge(benchmark::State& state)
{
    if (state.range(0) >= 100 && qEnvironmentVariableIsEmpty("BW_BENCH_HUGE")) {
        state.SkipWithError("set BW_BENCH_HUGE=1 to run the 100 MiB case");
        return;
    }
    const QString mixed = mixedDocument(qsizetype(state.range(0)) << 20);
    QString original;
    original.reserve(mixed.size() + mixed.size() / 32);
    int matches = 0;
    for (qsizetype from = 0; from < mixed.size();) {
        const qsizetype lf = mixed.indexOf(u'\n', from + 200);
        const qsizetype to = lf < 0 ? mixed.size() : lf + 1;
        original += QStringView(mixed).sliced(from, to - from);
        from = to;
        // Not in front of a fence or a table row, which would change what the rest is.
        if (to < mixed.size() && mixed[to] != u'`' && mixed[to] != u'|') {
            original += QStringLiteral("Zephyrine ");
            ++matches;
        }
    }
    replaceUndoRedo(state, original);
    state.counters["matches"] = matches;
}
BENCHMARK(BM_ReplaceAllDenseLarge)->Arg(20)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

// A second launch of the built program handing a link over: process start to its exit, with
// this process answering as the running program.
void BM_ShellSecondLaunchHandOff(benchmark::State& state)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../brindlewick");
    QTemporaryDir runtime;
    SingleInstance server(runtime.path());
    if (server.start({}) != SingleInstance::Outcome::Server) {
        state.SkipWithError("could not listen");
        return;
    }
    int received = 0;
    QObject::connect(&server, &SingleInstance::messageReceived, [&received](const QStringList&) { ++received; });
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    std::vector<double> ms;
    for (auto _ : state) {
        QProcess second;
        second.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        second.start(program, {QStringLiteral("brindlewick://new?text=Hi")});
        while (second.state() != QProcess::NotRunning && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        if (second.exitCode() != 0) state.SkipWithError("the second launch did not hand over");
    }
    report(state, ms);
    state.counters["handed_over"] = received;
}
BENCHMARK(BM_ShellSecondLaunchHandOff)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
