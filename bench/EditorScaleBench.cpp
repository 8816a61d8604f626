// How the editor's costs grow with the document: a keystroke in a 1 MiB task list without
// blank lines (restyle alone and to the painted frame), CPU per key when typing with a
// pause after every key (the work the pauses start), and opening, typing and memory at
// 1, 20 and 100 MB. The 100 MB case takes about a minute: it runs when BW_BENCH_HUGE is set.
#include "BenchEditor.h"

#include "editor/EditorController.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "styling/MarkdownStyler.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// One task per line and not one blank line: the shape that made every keystroke restyle
// the whole text as one paragraph.
QString taskList(qsizetype units)
{
    g_seed = 7;
    QString s;
    s.reserve(units + 200);
    for (int i = 0; s.size() < units; ++i)
        s += QStringLiteral("- [%1] Task %2: ").arg(i % 3 ? ' ' : 'x').arg(i) + words(6) + '\n';
    return s;
}

void press(QWidget* w, int k, const QString& text = {})
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

double median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// An editor view as a document window holds it: with its controller and the statistics
// recount that a pause in typing starts.
struct Window {
    MarkdownEditorView view;
    EditorController controller;
    QTimer counts;
    PaintCounter painted;

    Window()
    {
        view.resize(1100, 900);
        view.setController(&controller);
        counts.setSingleShot(true);
        counts.setInterval(150);
        QObject::connect(&counts, &QTimer::timeout, &controller, &EditorController::updateCounts);
        QObject::connect(&view, &EditorHost::textEdited, &counts, qOverload<>(&QTimer::start));
    }
    MarkdownTextView* text() { return view.markdownTextView(); }
    // Opens `doc` and returns the time to the first painted screen.
    double open(const QString& doc)
    {
        QElapsedTimer t;
        t.start();
        view.loadText(doc);
        deliverFrame();
        return double(t.nsecsElapsed()) / 1e6;
    }
    double rssStyled = 0;
    // Styling and layout that the idle slices do after the first screen.
    double finish()
    {
        QElapsedTimer t;
        t.start();
        text()->coordinator()->finishStyling();
        rssStyled = residentMegabytes();
        text()->pagedLayout()->finishLayout();
        deliverFrame();
        return double(t.nsecsElapsed()) / 1e6;
    }
    // Typing `a` and Backspace in turn at `caret`, each to its painted frame.
    std::vector<double> type(int caret, int keys)
    {
        text()->setSelectedRange({caret, 0});
        text()->ensureCursorVisible();
        deliverFrame();
        painted.reset();
        std::vector<double> ms;
        QElapsedTimer t;
        for (int i = 0; i < keys; ++i) {
            t.start();
            if (i % 2 == 0)
                press(text(), Qt::Key_A, QStringLiteral("a"));
            else
                press(text(), Qt::Key_Backspace);
            deliverFrame();
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        return ms;
    }
};

// The styler alone: one character typed and erased in the middle of the task list.
void BM_StylerKeystrokeTaskList(benchmark::State& state)
{
    const QString doc = taskList(1 << 20);
    AttributedText text(doc);
    MarkdownStyler styler;
    styler.concealMarkers = true;
    styler.highlight(text, std::nullopt);
    const int at = int(doc.indexOf(u'\n', doc.size() / 2)) - 3;
    std::vector<double> ms;
    bool typed = false;
    int scope = 0;
    for (auto _ : state) {
        text.replaceCharacters(TextRange(at, typed ? 1 : 0), typed ? u"" : u"x");
        typed = !typed;
        QElapsedTimer t;
        t.start();
        scope = styler.highlight(text, TextRange(at, typed ? 1 : 0)).length;
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    state.counters["restyle_median_ms"] = median(ms);
    state.counters["scope_chars"] = scope;
    state.counters["chars"] = double(doc.size());
}
BENCHMARK(BM_StylerKeystrokeTaskList)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The styler alone: one character typed and erased in the middle of a 512 KiB fenced
// block of code.
void BM_StylerKeystrokeInLargeFence(benchmark::State& state)
{
    QString doc = "Some text\n\n```js\n";
    for (int i = 0; doc.size() < (512 << 10); ++i)
        doc += QStringLiteral("let value%1 = compute(%1, 'label'); /* step */ // note\n").arg(i);
    doc += "```\n\nAfter.\n";
    AttributedText text(doc);
    MarkdownStyler styler;
    styler.highlight(text, std::nullopt);
    const int at = int(doc.indexOf(u'\n', doc.size() / 2)) - 3;
    std::vector<double> ms;
    bool typed = false;
    int scope = 0;
    for (auto _ : state) {
        text.replaceCharacters(TextRange(at, typed ? 1 : 0), typed ? u"" : u"x");
        typed = !typed;
        QElapsedTimer t;
        t.start();
        scope = styler.highlight(text, TextRange(at, typed ? 1 : 0)).length;
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    state.counters["restyle_median_ms"] = median(ms);
    state.counters["scope_chars"] = scope;
    state.counters["block_chars"] = double(doc.size());
}
BENCHMARK(BM_StylerKeystrokeInLargeFence)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The whole editor: keystroke to painted frame in the middle of the task list.
void BM_EditorTaskListKeystrokeToFrame(benchmark::State& state)
{
    Window w;
    if (!showExposed(&w.view)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    w.painted.watch(w.text()->viewport());
    const QString doc = taskList(1 << 20);
    w.open(doc);
    w.finish();
    const int at = int(doc.indexOf(u'\n', doc.size() / 2)) - 3;
    std::vector<double> ms;
    for (auto _ : state) ms = w.type(at, 400);
    state.counters["median_ms"] = median(ms);
    std::sort(ms.begin(), ms.end());
    state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
    reportPaints(state, w.painted, int(ms.size()));
}
BENCHMARK(BM_EditorTaskListKeystrokeToFrame)->Iterations(1)->Unit(benchmark::kMillisecond);

// Typing with a pause after every key (one key per 200 ms, the event loop running in
// between, the minimap shown): the process's CPU time per key, whatever runs.
void BM_EditorPacedTypingCpuPerKey(benchmark::State& state)
{
    const qsizetype units = qsizetype(state.range(0)) << 20;
    Window w;
    if (!showExposed(&w.view)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    w.painted.watch(w.text()->viewport());
    w.view.setMinimapVisible(true);
    const QString doc = mixedDocument(units);
    w.open(doc);
    w.finish();
    QApplication::processEvents();
    w.text()->setSelectedRange({int(doc.indexOf("\n\n", doc.size() / 2)) - 5, 0});
    w.text()->ensureCursorVisible();
    // Whatever earlier benchmarks left pending (settings applied after a pause) runs first.
    QEventLoop settle;
    QTimer::singleShot(600, &settle, &QEventLoop::quit);
    settle.exec();
    constexpr int keys = 40;
    double cpuPerKey = 0;
    for (auto _ : state) {
        w.painted.reset();
        const double cpu0 = processCpuMs();
        for (int i = 0; i < keys; ++i) {
            if (i % 2 == 0)
                press(w.text(), Qt::Key_A, QStringLiteral("a"));
            else
                press(w.text(), Qt::Key_Backspace);
            QEventLoop pause;
            QTimer::singleShot(200, &pause, &QEventLoop::quit);
            pause.exec();
        }
        cpuPerKey = (processCpuMs() - cpu0) / keys;
    }
    state.counters["cpu_ms_per_key"] = cpuPerKey;
    state.counters["MiB"] = double(state.range(0));
    reportPaints(state, w.painted, keys);
}
BENCHMARK(BM_EditorPacedTypingCpuPerKey)->Arg(1)->Arg(5)->Iterations(1)->Unit(benchmark::kMillisecond);

// Opening to the first painted screen, the styling and layout left to the idle slices,
// a keystroke to its frame in the middle, and the memory the document took (resident
// set after the open and full layout, against the file's UTF-8 size).
void BM_EditorDocumentSize(benchmark::State& state)
{
    const qsizetype units = qsizetype(state.range(0)) * 1000 * 1000;
    if (state.range(0) >= 100 && qEnvironmentVariableIsEmpty("BW_BENCH_HUGE")) {
        state.SkipWithError("set BW_BENCH_HUGE=1 to run the 100 MB case");
        return;
    }
    const QString doc = mixedDocument(units);
    const double fileMB = double(doc.toUtf8().size()) / 1e6;
    const double rss0 = residentMegabytes();
    auto w = std::make_unique<Window>();
    if (!showExposed(&w->view)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    w->painted.watch(w->text()->viewport());
    double openMs = 0, restMs = 0;
    std::vector<double> keys;
    double rssOpen = 0;
    for (auto _ : state) {
        openMs = w->open(doc);
        rssOpen = residentMegabytes() - rss0;
        restMs = w->finish();
        keys = w->type(int(doc.indexOf("\n\n", doc.size() / 2)) - 5,
                       qEnvironmentVariableIntValue("BWKEYS") > 0 ? qEnvironmentVariableIntValue("BWKEYS") : 200);
    }
    const double rss = residentMegabytes() - rss0;
    state.counters["open_to_first_screen_ms"] = openMs;
    state.counters["rest_styled_and_laid_out_ms"] = restMs;
    state.counters["key_median_ms"] = median(keys);
    state.counters["file_MB"] = fileMB;
    state.counters["rss_MB"] = rss;
    state.counters["rss_at_first_screen_MB"] = rssOpen;
    state.counters["rss_styled_MB"] = w->rssStyled - rss0;
    state.counters["rss_per_file_byte"] = rss / fileMB;
    reportPaints(state, w->painted, int(keys.size()));
}
BENCHMARK(BM_EditorDocumentSize)->Arg(1)->Arg(20)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

// One line of `ab` repeated, without a space, opened to the first painted screen: such a
// run (a pasted hash list, padding, generated data) has no place to break but between its
// letters. BW_UNBROKEN_UNITS sets another length.
void BM_EditorOpenUnbrokenLine(benchmark::State& state)
{
    const int units = qEnvironmentVariableIntValue("BW_UNBROKEN_UNITS") > 0
                          ? qEnvironmentVariableIntValue("BW_UNBROKEN_UNITS")
                          : 1000 * 1000;
    const QString doc = QStringLiteral("ab").repeated(units / 2) + u'\n';
    Window w;
    if (!showExposed(&w.view)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    w.painted.watch(w.text()->viewport());
    double openMs = 0;
    std::vector<double> keys;
    for (auto _ : state) {
        openMs = w.open(doc);
        // Typing at the end of the line, which breaks all of it again.
        keys = w.type(int(doc.size()) - 1,
                      qEnvironmentVariableIntValue("BWKEYS") > 0 ? qEnvironmentVariableIntValue("BWKEYS") : 6);
    }
    state.counters["open_to_first_screen_ms"] = openMs;
    state.counters["key_at_its_end_median_ms"] = median(keys);
    state.counters["chars"] = double(doc.size());
    reportPaints(state, w.painted, int(keys.size()));
}
BENCHMARK(BM_EditorOpenUnbrokenLine)->Iterations(1)->Unit(benchmark::kMillisecond);

// The longest the event loop serves nothing over `ms` of idle time, in milliseconds.
double longestIdleStall(int ms)
{
    QElapsedTimer t;
    t.start();
    qint64 last = t.nsecsElapsed();
    double longest = 0;
    serveWhile(
        t, last, [] { return true; }, longest, ms);
    return longest;
}

// One line of a million emphasised words (`*a* `), opened to the first painted screen: every
// word is three runs of its own (two hidden markers and the italic letter).
void BM_EditorOpenEmphasisLine(benchmark::State& state)
{
    const int words = qEnvironmentVariableIntValue("BW_EMPHASIS_WORDS") > 0
                          ? qEnvironmentVariableIntValue("BW_EMPHASIS_WORDS")
                          : 250000;
    const QString doc = QStringLiteral("*a* ").repeated(words) + u'\n';
    Window w;
    if (!showExposed(&w.view)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    w.painted.watch(w.text()->viewport());
    double openMs = 0, stallMs = 0;
    for (auto _ : state) {
        openMs = w.open(doc);
        stallMs = longestIdleStall(1000);
    }
    state.counters["open_to_first_screen_ms"] = openMs;
    state.counters["longest_stall_ms"] = stallMs;
    reportPaints(state, w.painted, 1);
}
BENCHMARK(BM_EditorOpenEmphasisLine)->Iterations(1)->Unit(benchmark::kMillisecond);

// A table whose header row is one line of a megabyte (250,000 cells), opened and then left
// idle with the caret blinking in it for five seconds: the longest the window stops
// answering after its first screen.
void BM_EditorOpenTableRowLine(benchmark::State& state)
{
    const QString doc = QStringLiteral("| a ").repeated(250000) + QStringLiteral("|\n|---|---|\n");
    Window w;
    if (!showExposed(&w.view)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    w.view.activateWindow();
    w.text()->setFocus();
    w.painted.watch(w.text()->viewport());
    double openMs = 0, stallMs = 0;
    for (auto _ : state) {
        openMs = w.open(doc);
        w.painted.reset();
        stallMs = longestIdleStall(5000);
    }
    state.counters["open_to_first_screen_ms"] = openMs;
    state.counters["longest_stall_ms"] = stallMs;
    state.counters["idle_paints"] = w.painted.paints;
    if (w.painted.paints == 0) state.SkipWithError("nothing was painted while idle: the caret does not blink");
}
BENCHMARK(BM_EditorOpenTableRowLine)->Iterations(1)->Unit(benchmark::kMillisecond);

// A fenced block typed key by key in the middle of an 8 MiB document, each key to its painted
// frame, the event loop running for 30 ms after each as between a person's keys: a fence line
// pairs every fence below it again, and a block left open runs to the end of the text. The
// document's second half has no fenced code, so that the block typed there stays open until
// it is closed. Typed at three places, from the last one up.
void BM_EditorFenceKeyInTheMiddleToFrame(benchmark::State& state)
{
    Window w;
    if (!showExposed(&w.view)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    w.painted.watch(w.text()->viewport());
    QString doc = mixedDocument(8 << 20);
    doc = doc.left(doc.size() / 2) + doc.mid(doc.size() / 2).replace(QStringLiteral("```"), QStringLiteral("~~~"));
    w.open(doc);
    w.finish();
    const QString typed = QStringLiteral("```js\nlet x = 1;\n```\n");
    std::vector<double> ms;
    double longestPause = 0;
    for (auto _ : state) {
        for (const double at : {0.7, 0.5, 0.3}) {
            w.text()->setSelectedRange({int(doc.indexOf("\n\n", qsizetype(double(doc.size()) * at))) + 1, 0});
            w.text()->ensureCursorVisible();
            deliverFrame();
            w.painted.reset();
            for (const QChar c : typed) {
                QElapsedTimer t;
                t.start();
                if (c == u'\n')
                    press(w.text(), Qt::Key_Return, QStringLiteral("\r"));
                else
                    press(w.text(), c == u'`' ? Qt::Key_QuoteLeft : Qt::Key_A, QString(c));
                deliverFrame();
                ms.push_back(double(t.nsecsElapsed()) / 1e6);
                // What the pause runs, in turns of the event loop: the longest holds the window.
                QElapsedTimer pause;
                pause.start();
                while (pause.elapsed() < 30) {
                    QElapsedTimer turn;
                    turn.start();
                    QApplication::processEvents(QEventLoop::AllEvents, 5);
                    longestPause = std::max(longestPause, double(turn.nsecsElapsed()) / 1e6);
                }
            }
        }
    }
    state.counters["median_ms"] = median(ms);
    state.counters["max_ms"] = *std::max_element(ms.begin(), ms.end());
    state.counters["longest_turn_between_keys_ms"] = longestPause;
    reportPaints(state, w.painted, int(typed.size()));
}
BENCHMARK(BM_EditorFenceKeyInTheMiddleToFrame)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
