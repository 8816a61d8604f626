// The settings window: opening it, a Tab expansion over a long snippet list, and dragging
// the text size across its range with a 1 MiB document open (the longest stall of the
// main thread while dragging, and how long after the last step the final look shows).
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

} // namespace
