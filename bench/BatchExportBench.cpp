// Batch export of a folder of 200 Markdown files of 5 to 20 KiB in each format: the whole
// run, the longest time the main thread was busy at once (the window must stay responsive),
// and how many files a Cancel lets through after it is pressed.
#include "render/export/ui/BatchExporter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void writeFolder(const QString& folder)
{
    quint32 seed = 7;
    const auto next = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % quint32(n));
    };
    for (int i = 0; i < 200; ++i) {
        const int target = 5 * 1024 + next(15 * 1024);
        QString text = QStringLiteral("# Document %1\n\n").arg(i);
        for (int p = 0; text.size() < target; ++p) {
            if (p % 6 == 5)
                text += QStringLiteral("| a | b |\n|---|---|\n| %1 | cell |\n\n").arg(p);
            else if (p % 6 == 3)
                text += QStringLiteral("- item **%1**\n- item _two_\n\n").arg(p);
            else
                text +=
                    QStringLiteral("A paragraph of plain words with `code` and a [link](x.md) number %1.\n\n").arg(p);
        }
        QFile f(QStringLiteral("%1/doc%2.md").arg(folder).arg(i, 3, 10, QLatin1Char('0')));
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
    }
}

// The longest the main thread was away from its event loop: a 5 ms heartbeat timer that
// notes the largest gap between its ticks, less its own period.
class Heartbeat {
public:
    Heartbeat()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_worst = std::max(m_worst, m_since.nsecsElapsed() / 1e6 - 5);
            m_since.restart();
        });
        m_since.start();
        m_timer.start();
    }
    double worst() const { return m_worst; }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    double m_worst = 0;
};

// Runs one batch, watching the main thread's responsiveness.
void runBatch(benchmark::State& state, ExportFormat format)
{
    BatchExporter::hooks().confirmReplace = [](QWidget*, const QStringList&, std::function<void(bool)> done) {
        done(true);
    };
    BatchExporter::hooks().report = [](QWidget*, const BatchExport::ReportText&) {};
    double worstStall = 0;
    int written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        writeFolder(dir.path());
        state.ResumeTiming();
        bool done = false;
        Heartbeat heartbeat;
        BatchExporter::exportFolder(dir.path(), format, nullptr, [&](const BatchExport::Report& r) {
            done = true;
            written = r.written;
        });
        while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        worstStall = std::max(worstStall, heartbeat.worst());
    }
    state.counters["written"] = written;
    state.counters["worst_stall_ms"] = worstStall;
}

void BM_BatchExport200_HTML(benchmark::State& s)
{
    runBatch(s, ExportFormat::html);
}
void BM_BatchExport200_RTF(benchmark::State& s)
{
    runBatch(s, ExportFormat::rtf);
}
void BM_BatchExport200_DOCX(benchmark::State& s)
{
    runBatch(s, ExportFormat::docx);
}
void BM_BatchExport200_ODT(benchmark::State& s)
{
    runBatch(s, ExportFormat::odt);
}
void BM_BatchExport200_PDF(benchmark::State& s)
{
    runBatch(s, ExportFormat::pdf);
}
BENCHMARK(BM_BatchExport200_HTML)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_BatchExport200_RTF)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_BatchExport200_DOCX)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_BatchExport200_ODT)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_BatchExport200_PDF)->Unit(benchmark::kSecond)->Iterations(1);

// Cancel pressed after the tenth file: how many more files are written. PDFs are made a few
// at a time, so they are measured too.
void runCancel(benchmark::State& state, ExportFormat format, const QString& pattern)
{
    BatchExporter::hooks().report = [](QWidget*, const BatchExport::ReportText&) {};
    int after = 0;
    for (auto _ : state) {
        QTemporaryDir dir;
        writeFolder(dir.path());
        bool done = false;
        int written = 0, atCancel = -1;
        BatchExporter::exportFolder(dir.path(), format, nullptr, [&](const BatchExport::Report& r) {
            done = true;
            written = r.written;
        });
        while (!done) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
            if (atCancel < 0 && QDir(dir.path()).entryList({pattern}).size() >= 10) {
                atCancel = int(QDir(dir.path()).entryList({pattern}).size());
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* p = qobject_cast<QProgressDialog*>(w)) Q_EMIT p->canceled(); // the Cancel button
            }
        }
        after = written - atCancel;
    }
    state.counters["files_after_cancel"] = after;
}

void BM_BatchExportCancel(benchmark::State& state)
{
    runCancel(state, ExportFormat::docx, QStringLiteral("*.docx"));
}
void BM_BatchExportCancel_PDF(benchmark::State& state)
{
    runCancel(state, ExportFormat::pdf, QStringLiteral("*.pdf"));
}
BENCHMARK(BM_BatchExportCancel)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BatchExportCancel_PDF)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
