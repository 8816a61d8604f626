// The settings window: opening it, a Tab expansion over a long snippet list, and dragging
// the text size across its range with a 1 MiB document open (the longest stall of the
// main thread while dragging, and how long after the last step the final look shows), and
// switching the look with two long documents open.
#include "BenchWindow.h"

#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "settings/SnippetStore.h"
#include "settings/ui/SettingsWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void BM_SettingsWindowOpen(benchmark::State& state)
{
    for (auto _ : state) {
        SettingsWindow* w = SettingsWindow::showShared();
        QCoreApplication::processEvents();
        state.PauseTiming();
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SettingsWindowOpen)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SnippetTabExpansionWith1000Snippets(benchmark::State& state)
{
    QJsonArray list;
    for (int i = 0; i < 1000; ++i)
        list.append(QJsonObject{{"id", QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()},
                                {"trigger", QStringLiteral("t%1").arg(i)},
                                {"body", QStringLiteral("Body number %1 with $| and $date").arg(i)}});
    Settings::instance().setValue(PrefKey::userSnippets, QJsonDocument(list).toJson(QJsonDocument::Compact));
    const QString text = QStringLiteral("Some words and then t999");
    for (auto _ : state) benchmark::DoNotOptimize(SnippetStore::tabEdit(text, int(text.size()), "7 Dec 2026"));
    Settings::instance().remove(PrefKey::userSnippets);
}
BENCHMARK(BM_SnippetTabExpansionWith1000Snippets)->Unit(benchmark::kMillisecond);

QString megabyteDocument()
{
    QString s;
    for (int i = 0; s.size() < (1 << 20); ++i)
        s += QStringLiteral("## Part %1\n\nA paragraph with **bold**, _italic_ and `code` words, long enough to wrap "
                            "across the page at least once or twice.\n\n- item\n- [ ] task\n\n")
                 .arg(i);
    return s;
}

void BM_TextSizeDragWithMegabyteOpen(benchmark::State& state)
{
    Settings& settings = Settings::instance();
    MarkdownEditorView view;
    view.resize(1000, 800);
    view.show();
    view.loadText(megabyteDocument());
    QCoreApplication::processEvents();
    double worstStall = 0, settle = 0;
    for (auto _ : state) {
        worstStall = 0;
        // One step every 16 ms, end to end, as a mouse drag delivers them.
        for (int size = 11; size <= 26; ++size) {
            settings.setValue("editorFontSize", double(size));
            QElapsedTimer frame;
            frame.start();
            while (frame.elapsed() < 16) {
                QElapsedTimer slice;
                slice.start();
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                worstStall = std::max(worstStall, slice.nsecsElapsed() / 1e6);
            }
        }
        // Released: how long until the last size is the one applied.
        const auto* coordinator = static_cast<MarkdownTextView*>(view.textView())->coordinator();
        QElapsedTimer after;
        after.start();
        while (after.elapsed() < 3000
               && !(coordinator->appliedConfig() && coordinator->appliedConfig()->fontSize == 26)) {
            QElapsedTimer slice;
            slice.start();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            worstStall = std::max(worstStall, slice.nsecsElapsed() / 1e6);
        }
        settle = after.elapsed();
        settings.setValue("editorFontSize", 15.0);
        QCoreApplication::processEvents();
    }
    state.counters["worst_stall_ms"] = worstStall;
    state.counters["settle_ms"] = settle;
}
BENCHMARK(BM_TextSizeDragWithMegabyteOpen)->Unit(benchmark::kMillisecond)->Iterations(1);

// Two windows of 20 MiB each, their look switched to light and back to dark in the settings:
// the longest the main thread serves nothing until both show the new look, styled and laid
// out whole.
void BM_AppearanceChangeLarge(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString text = mixedDocument(qsizetype(20) << 20);
    DocumentWindow* first = openLaidOut(state, dir, QStringLiteral("first.md"), text);
    if (!first) return;
    // The second in the same settings (opening another would set them up anew under the first).
    QFile file(dir.filePath(QStringLiteral("second.md")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) return state.SkipWithError("not written");
    file.close();
    DocumentWindow* second = DocumentController::instance().openDocument(file.fileName());
    if (!second || !showExposed(second)) return state.SkipWithError("the second window was never exposed");
    second->resize(960, 820);
    second->finishLoading();
    Settings& settings = Settings::instance();
    settings.setValue(PrefKey::editorAppearance, QStringLiteral("dark"));
    QCoreApplication::processEvents();
    for (DocumentWindow* w : {first, second}) {
        textViewOf(w)->coordinator()->finishStyling();
        textViewOf(w)->pagedLayout()->finishLayout();
    }
    const auto settled = [&](const QString& look) {
        for (DocumentWindow* w : {first, second}) {
            MarkdownTextView* v = textViewOf(w);
            const auto& applied = v->coordinator()->appliedConfig();
            if (!applied || applied->appearanceMode != look || v->coordinator()->isStylingPending()
                || v->pagedLayout()->isLayoutPending())
                return false;
        }
        return true;
    };
    double longest = 0, settleMs = 0;
    for (auto _ : state) {
        for (const QString& look : {QStringLiteral("light"), QStringLiteral("dark")}) {
            QElapsedTimer t;
            t.start();
            settings.setValue(PrefKey::editorAppearance, look);
            qint64 last = t.nsecsElapsed();
            settleMs = std::max(settleMs, serveWhile(
                                              t, last, [&] { return !settled(look); }, longest, 120000));
        }
    }
    state.counters["longest_stall_ms"] = longest;
    state.counters["settled_ms"] = settleMs;
    closeAndForget(first);
    closeAndForget(second);
}
BENCHMARK(BM_AppearanceChangeLarge)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
