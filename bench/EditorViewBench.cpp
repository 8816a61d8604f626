// The editor view on a deterministic 1 MiB Markdown document: opening to the first
// painted page, keystroke to painted frame (median and 99th percentile), switching
// between WYSIWYG and source and between themes, and the process's peak memory.
#include "editor/SpellChecker.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextDocument>

#include "BenchEditor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

// Mixed Markdown from a fixed linear congruential sequence, up to 1 MiB of UTF-16 units.
const QString& editorDocument()
{
    static const QString doc = mixedDocument(1 << 20);
    return doc;
}

double peakMegabytes()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

struct Editor {
    MarkdownEditorView view;
    PaintCounter painted;
    MarkdownTextView* text() { return view.markdownTextView(); }
    // Everything the key left queued, then the frame: the update requests paint what
    // was marked dirty, as the event loop would.
    void paint() { deliverFrame(); }
};

Editor& openEditor(double* openMs = nullptr, double* restMs = nullptr)
{
    static Editor* editor = nullptr;
    if (!editor) {
        QElapsedTimer t;
        t.start();
        editor = new Editor;
        editor->view.resize(1100, 900);
        showExposed(&editor->view);
        editor->painted.watch(editor->text()->viewport());
        editor->view.loadText(editorDocument());
        editor->paint();
        if (openMs) *openMs = double(t.nsecsElapsed()) / 1e6;
        // What the idle slices do after the first page: the rest of the layout.
        t.start();
        editor->text()->pagedLayout()->finishLayout();
        if (restMs) *restMs = double(t.nsecsElapsed()) / 1e6;
    }
    return *editor;
}

void report(benchmark::State& state, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return;
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    state.counters["max_ms"] = ms.back();
}

void key(MarkdownTextView* v, int k, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(v, &press);
}

void BM_EditorOpenToFirstPage(benchmark::State& state)
{
    double openMs = 0, restMs = 0;
    for (auto _ : state) openEditor(&openMs, &restMs);
    state.counters["open_ms"] = openMs;
    state.counters["rest_of_layout_ms"] = restMs;
    state.counters["chars"] = double(editorDocument().size());
    state.counters["pages"] = openEditor().text()->document()->pageCount();
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_EditorOpenToFirstPage)->Iterations(1)->Unit(benchmark::kMillisecond);

// Alternates `first` and Backspace at `caret`, each to a painted frame. The caret's line is
// in the middle of the view, as where one reads and types; at the end of the text the view
// shows the foot of the last sheet, as Ctrl+End does.
void typeAndErase(benchmark::State& state, int caret, int first, const QString& text)
{
    Editor& e = openEditor();
    MarkdownTextView* v = e.text();
    v->setSelectedRange({caret, 0});
    v->ensureCursorVisible();
    QScrollBar* bar = v->verticalScrollBar();
    if (caret >= v->textLength())
        bar->setValue(bar->maximum());
    else
        bar->setValue(bar->value() + v->cursorRect().center().y() - v->viewport()->height() / 2);
    e.paint();
    std::vector<double> ms;
    QElapsedTimer t;
    int i = 0;
    e.painted.reset();
    for (auto _ : state) {
        t.start();
        if (i++ % 2 == 0)
            key(v, first, text);
        else
            key(v, Qt::Key_Backspace);
        e.paint();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report(state, ms);
    reportPaints(state, e.painted, i);
}

// Typing in the middle of the document.
void BM_EditorKeystrokeToFrame(benchmark::State& state)
{
    typeAndErase(state, int(editorDocument().size() / 2), Qt::Key_A, QStringLiteral("a"));
}
BENCHMARK(BM_EditorKeystrokeToFrame)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Typing at the end of the document, below which the last sheet is blank.
void BM_EditorKeystrokeAtEndToFrame(benchmark::State& state)
{
    typeAndErase(state, int(editorDocument().size()), Qt::Key_A, QStringLiteral("a"));
}
BENCHMARK(BM_EditorKeystrokeAtEndToFrame)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Return near the top moves every later line: the worst case of the incremental layout.
void BM_EditorReturnNearTopToFrame(benchmark::State& state)
{
    typeAndErase(state, 200, Qt::Key_Return, QStringLiteral("\r"));
}
BENCHMARK(BM_EditorReturnNearTopToFrame)->Iterations(200)->Unit(benchmark::kMicrosecond);

// A key typed in the line above a 10,000-row grid that fills the screen, to a painted
// frame: the grid's rows are placed from their lines and only those in the painted
// region are drawn.
void BM_EditorKeystrokeAboveALargeGridToFrame(benchmark::State& state)
{
    static Editor* editor = nullptr;
    if (!editor) {
        editor = new Editor;
        editor->view.resize(1100, 900);
        showExposed(&editor->view);
        editor->painted.watch(editor->text()->viewport());
        QString doc = QStringLiteral("A line above the grid.\n\n| Item | Count | Note |\n|---|--:|---|\n");
        for (int r = 0; r < 10000; ++r)
            doc += QStringLiteral("| item %1 | %2 | a note about item %1 |\n").arg(r).arg(r * 7 % 1000);
        editor->view.loadText(doc);
        editor->text()->pagedLayout()->finishLayout();
        editor->paint();
    }
    MarkdownTextView* v = editor->text();
    v->setSelectedRange({10, 0});
    v->ensureCursorVisible();
    editor->paint();
    std::vector<double> ms;
    QElapsedTimer t;
    int i = 0;
    editor->painted.reset();
    for (auto _ : state) {
        t.start();
        if (i++ % 2 == 0)
            key(v, Qt::Key_X, QStringLiteral("x"));
        else
            key(v, Qt::Key_Backspace);
        editor->paint();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report(state, ms);
    reportPaints(state, editor->painted, i);
}
BENCHMARK(BM_EditorKeystrokeAboveALargeGridToFrame)->Iterations(200)->Unit(benchmark::kMicrosecond);

// Focus mode: the caret moving to another line (Down and Up in turn) and a keystroke,
// each to a painted frame; only the lines whose dimming changes are restyled.
void BM_EditorFocusModeCaretMoveToFrame(benchmark::State& state)
{
    Editor& e = openEditor();
    MarkdownTextView* v = e.text();
    EditorConfig c = MarkdownEditorView::configFromSettings();
    c.focusMode = true;
    e.view.applyConfig(c);
    v->pagedLayout()->finishLayout();
    v->setSelectedRange({int(editorDocument().size() / 2), 0});
    v->ensureCursorVisible();
    e.paint();
    std::vector<double> moves, keys;
    QElapsedTimer t;
    int i = 0;
    for (auto _ : state) {
        t.start();
        key(v, i++ % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
        e.paint();
        moves.push_back(double(t.nsecsElapsed()) / 1e6);
        t.start();
        key(v, Qt::Key_A, QStringLiteral("a"));
        key(v, Qt::Key_Backspace);
        e.paint();
        keys.push_back(double(t.nsecsElapsed()) / 1e6 / 2);
    }
    report(state, moves);
    std::sort(keys.begin(), keys.end());
    state.counters["key_median_ms"] = keys[keys.size() / 2];
    c.focusMode = false;
    e.view.applyConfig(c);
    v->pagedLayout()->finishLayout();
}
BENCHMARK(BM_EditorFocusModeCaretMoveToFrame)->Iterations(200)->Unit(benchmark::kMicrosecond);

void BM_EditorSwitchModeAndTheme(benchmark::State& state)
{
    Editor& e = openEditor();
    EditorConfig c = MarkdownEditorView::configFromSettings();
    double modeMax = 0, themeMax = 0;
    // Applies the changed settings and returns the time to the painted frame; the rest
    // of the layout (idle slices) is finished outside the measurement.
    auto timed = [&](auto&& change) {
        QElapsedTimer t;
        t.start();
        change();
        e.view.applyConfig(c);
        e.paint();
        const double ms = double(t.nsecsElapsed()) / 1e6;
        e.text()->pagedLayout()->finishLayout();
        return ms;
    };
    int i = 0;
    for (auto _ : state) {
        const bool odd = i++ % 2;
        modeMax = std::max(modeMax, timed([&] { c.viewMode = odd ? "wysiwyg" : "source"; }));
        themeMax = std::max(themeMax, timed([&] { c.appearanceMode = odd ? "light" : "dark"; }));
    }
    state.counters["mode_max_ms"] = modeMax;
    state.counters["theme_max_ms"] = themeMax;
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_EditorSwitchModeAndTheme)->Iterations(4)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Continuous spell checking over the whole document (what a full restyle adds when
// "editorSpellCheck" is on) and over one paragraph (what a keystroke adds).
void BM_EditorSpellCheck(benchmark::State& state)
{
    SpellChecker& sc = SpellChecker::shared();
    sc.setLanguage(QStringLiteral("en_US"));
    if (!sc.isAvailable()) {
        state.SkipWithError("no dictionary");
        return;
    }
    const QString& doc = editorDocument();
    const TextRange all(0, int(doc.size()));
    const TextRange paragraph(int(doc.size() / 2), 400);
    double wholeMs = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        benchmark::DoNotOptimize(sc.misspelled(doc, all));
        wholeMs = double(t.nsecsElapsed()) / 1e6;
        benchmark::DoNotOptimize(sc.misspelled(doc, paragraph));
    }
    state.counters["whole_document_ms"] = wholeMs;
}
BENCHMARK(BM_EditorSpellCheck)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
