// Long pastes into the editor: 10 and 50 MB of plain Markdown, 15 MB of HTML. Reported:
// the longest time the window's event loop served nothing (the freeze a user sees) until the
// paste was complete (the text in place, the caret after it, the view taking edits again)
// and after it until everything was styled and laid out, both times, whether the caret was
// still on screen then, and that one undo took all of it away.
#include "BenchEditor.h"

#include "commands/ui/TextViewCommands.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/LongPaste.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "render/HtmlToMarkdown.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

void largePaste(benchmark::State& state, QMimeData* data, qsizetype expectedUnits)
{
    EditorController controller;
    MarkdownEditorView editor;
    editor.resize(1100, 900);
    editor.setController(&controller);
    new TextViewCommands(editor.markdownTextView(), [] { return QString(); });
    // The status bar's counts follow a pause after the edit, as in a document window.
    QTimer counts;
    counts.setSingleShot(true);
    counts.setInterval(150);
    QObject::connect(&counts, &QTimer::timeout, &controller, &EditorController::updateCounts);
    QObject::connect(&editor, &EditorHost::textEdited, &counts, qOverload<>(&QTimer::start));
    if (!showExposed(&editor)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    MarkdownTextView* view = editor.markdownTextView();
    editor.loadText(QStringLiteral("Before.\n\nAfter.\n"));
    view->setSelectedRange({8, 0});
    QGuiApplication::clipboard()->setMimeData(data);
    const qsizetype before = view->coordinator()->length();
    double longestMs = 0, completeMs = 0, afterMs = 0, settledMs = 0;
    bool caretShown = false;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        view->paste();
        qint64 last = t.nsecsElapsed();
        longestMs = double(last) / 1e6;
        completeMs = serveWhile(
            t, last,
            [&] {
                return view->coordinator()->length() < before + expectedUnits || view->longPaste()->isActive()
                       || counts.isActive();
            },
            longestMs);
        settledMs = serveWhile(
            t, last, [&] { return view->coordinator()->isStylingPending() || view->pagedLayout()->isLayoutPending(); },
            afterMs);
        caretShown = view->viewport()->rect().contains(view->cursorRect());
    }
    const qsizetype pasted = view->coordinator()->length() - before;
    const bool caretAfter = view->selectedRange() == TextRange(int(8 + pasted), 0);
    view->undo();
    QCoreApplication::processEvents();
    state.counters["longest_stall_ms"] = longestMs;
    state.counters["complete_ms"] = completeMs;
    state.counters["styled_ms"] = settledMs;
    state.counters["longest_stall_after_ms"] = afterMs;
    state.counters["caret_shown"] = caretShown;
    state.counters["MB"] = double(expectedUnits) / 1e6;
    state.counters["stall_ms_per_10MB"] = longestMs / (double(expectedUnits) / 1e7);
    if (pasted != expectedUnits)
        state.SkipWithError("the paste did not arrive whole");
    else if (!caretAfter)
        state.SkipWithError("the caret is not after the paste");
    else if (view->coordinator()->length() != before)
        state.SkipWithError("one undo did not take the paste away");
}

void BM_PasteLargePlainText(benchmark::State& state)
{
    const QString text = mixedDocument(qsizetype(state.range(0)) * 1000 * 1000);
    auto* data = new QMimeData;
    data->setText(text);
    largePaste(state, data, text.size());
}
BENCHMARK(BM_PasteLargePlainText)->Arg(10)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PasteLargeHtml(benchmark::State& state)
{
    const QString unit = QStringLiteral(
        "<h2>Part</h2><p>Some <b>bold</b> and <i>slanted</i> words with <a href=\"https://example.net/x\">a link</a> "
        "and <code>code</code>.</p><ul><li>one</li><li>two &amp; three</li></ul>\n");
    QString html;
    const qsizetype units = qsizetype(state.range(0)) * 1000 * 1000;
    html.reserve(units + unit.size());
    while (html.size() < units) html += unit;
    auto* data = new QMimeData;
    data->setHtml(html);
    largePaste(state, data, HtmlToMarkdown::convert(html).size());
}
BENCHMARK(BM_PasteLargeHtml)->Arg(15)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
