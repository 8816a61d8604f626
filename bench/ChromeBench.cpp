// The document window with its chrome on a 1 MiB document of about 5,000 headings:
// keystroke to painted frame with the toolbar, outline, status bar and minimap shown; the
// outline's parse after a pause; and the quick-open filter over 10,000 names per keystroke.
#include "app/QuickOpenFilter.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/Features.h"
#include "app/ui/OutlineSidebar.h"
#include "app/ui/QuickOpenSheet.h"
#include "editor/OutlineParser.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "files/MarkdownDocument.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>

#include "BenchEditor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

// About 1 MiB with a heading every ~210 characters (some in fences, which the outline skips).
QString headingDocument()
{
    static const QString doc = [] {
        QString s;
        for (int i = 0; s.size() < (1 << 20); ++i) {
            s += QString(i % 7 == 0 ? "# " : i % 3 == 0 ? "### " : "## ") + "Heading " + QString::number(i) + "\n\n";
            s += "Some text about item " + QString::number(i)
                 + " with **strong** words, a [link](https://x.net) and "
                   "plain prose that fills the line to a usual length. A second sentence follows."
                   "\n\n";
            if (i % 50 == 0) s += "```\n# not a heading\n```\n\n";
        }
        return s;
    }();
    return doc;
}

void report(benchmark::State& state, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return;
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    state.counters["max_ms"] = ms.back();
}

struct ChromeWindow {
    QTemporaryDir dir;
    QPointer<DocumentWindow> window; // another benchmark may have closed it
    PaintCounter painted;
    MarkdownTextView* text() { return static_cast<MarkdownEditorView*>(window->editorHost())->markdownTextView(); }
};

ChromeWindow& openWindow()
{
    static ChromeWindow* w = nullptr;
    if (!w || !w->window) {
        delete w;
        w = new ChromeWindow;
        Settings::useFile(w->dir.filePath("settings.ini"));
        PrefKey::registerAll(Settings::instance());
        for (const char* key : {"showOutline", "editorShowMinimap"}) Settings::instance().setValue(key, true);
        DocumentController::instance().setAutosaveStore(AutosaveStore(w->dir.filePath("Autosave")));
        installWindowFeatures();
        w->window = DocumentController::instance().newDocument();
        w->window->resize(1400, 900);
        showExposed(w->window);
        w->window->setDocumentText(headingDocument());
        w->text()->pagedLayout()->finishLayout();
        deliverFrame();
        // The outline and the counts, after the pause.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 400) QApplication::processEvents(QEventLoop::AllEvents, 20);
        w->painted.watch(w->text()->viewport());
    }
    return *w;
}

void key(QWidget* v, int k, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(v, &press);
}

void BM_ChromeWindowKeystrokeToFrame(benchmark::State& state)
{
    ChromeWindow& w = openWindow();
    MarkdownTextView* v = w.text();
    v->setSelectedRange({int(headingDocument().size() / 2), 0});
    v->ensureCursorVisible();
    deliverFrame();
    std::vector<double> ms;
    QElapsedTimer t;
    int i = 0;
    w.painted.reset();
    for (auto _ : state) {
        t.start();
        if (i++ % 2 == 0)
            key(v, Qt::Key_A, QStringLiteral("a"));
        else
            key(v, Qt::Key_Backspace);
        deliverFrame();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report(state, ms);
    reportPaints(state, w.painted, i);
    const auto* outline = static_cast<OutlineSidebar*>(w.window->panel(DocumentHost::Panel::Outline));
    state.counters["headings"] = outline ? outline->model()->rowCount() : 0;
}
BENCHMARK(BM_ChromeWindowKeystrokeToFrame)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// Select-all and back to a caret, each to a painted frame: the selection is counted after a
// pause, never on the way to the frame.
void BM_ChromeWindowSelectAllToFrame(benchmark::State& state)
{
    ChromeWindow& w = openWindow();
    MarkdownTextView* v = w.text();
    std::vector<double> ms;
    QElapsedTimer t;
    int i = 0;
    for (auto _ : state) {
        t.start();
        if (i++ % 2 == 0)
            v->selectAll();
        else
            v->setSelectedRange({int(headingDocument().size() / 2), 0});
        deliverFrame();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report(state, ms);
}
BENCHMARK(BM_ChromeWindowSelectAllToFrame)->Iterations(40)->Unit(benchmark::kMillisecond);

// What the pause after typing costs while the outline is shown: the parse and the new rows.
void BM_OutlineReparseAfterPause(benchmark::State& state)
{
    ChromeWindow& w = openWindow();
    auto* outline = static_cast<OutlineSidebar*>(w.window->panel(DocumentHost::Panel::Outline));
    const QString text = w.text()->text();
    std::vector<double> ms;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        outline->setItems(OutlineParser::headings(text));
        deliverFrame();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report(state, ms);
    state.counters["headings"] = outline->model()->rowCount();
}
BENCHMARK(BM_OutlineReparseAfterPause)->Iterations(50)->Unit(benchmark::kMillisecond);

QStringList syntheticPaths()
{
    QStringList paths;
    static const char* const stems[] = {"readme", "notes", "roadmap", "draft", "chapter", "minutes", "ideas", "todo"};
    for (int i = 0; i < 10000; ++i)
        paths << QStringLiteral("/home/user/docs/project-%1/%2-%3.md").arg(i % 97).arg(stems[i % 8]).arg(i);
    return paths;
}

// One keystroke in the quick-open field with 10,000 recent names: filter and list refresh.
void BM_QuickOpenKeystroke10k(benchmark::State& state)
{
    const QStringList paths = syntheticPaths();
    QuickOpenSheet sheet([&paths] { return paths; }, [](const QString&) {});
    sheet.show();
    QLineEdit* field = sheet.field();
    static const QString queries[] = {QStringLiteral("r"),    QStringLiteral("rd"),  QStringLiteral("rdm"),
                                      QStringLiteral("rdm1"), QStringLiteral("rdm"), QStringLiteral("rd")};
    std::vector<double> ms;
    QElapsedTimer t;
    int i = 0;
    for (auto _ : state) {
        t.start();
        field->setText(queries[i++ % 6]);
        deliverFrame();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report(state, ms);
    state.counters["results_last"] = double(sheet.results().size());
}
BENCHMARK(BM_QuickOpenKeystroke10k)->Iterations(60)->Unit(benchmark::kMillisecond);

// The matching alone, on names already normalized.
void BM_QuickOpenFilter10k(benchmark::State& state)
{
    QStringList names;
    for (const QString& p : syntheticPaths()) names << QuickOpenFilter::normalizedName(p.section(u'/', -1));
    const QString query = QuickOpenFilter::normalizedQuery(QStringLiteral("rdm"));
    for (auto _ : state) benchmark::DoNotOptimize(QuickOpenFilter::filter(query, names));
}
BENCHMARK(BM_QuickOpenFilter10k)->Unit(benchmark::kMillisecond);

} // namespace
