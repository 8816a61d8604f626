// Export and print: stamped PDFs of 100 KiB and 1 MiB of Markdown (with the pages made,
// the memory of the web engine's processes and the longest stall of the main thread),
// Rich Text, Word and OpenDocument of 1 MiB and of many bookmarks, and printing in pages per
// second.
#include "render/Exporter.h"
#include "render/export/PrintController.h"
#include "render/export/ui/DocumentExport.h"
#include "render/export/ui/ExportDialogs.h"
#include "render/export/ui/ExportRequest.h"
#include "render/export/ui/PrintJob.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

QString corpus(qsizetype bytes)
{
    QString text;
    for (int n = 1; text.size() < bytes; ++n) {
        if (n % 40 == 1) text += QStringLiteral("## Section %1\n\n").arg(n);
        text += QStringLiteral("Paragraph %1 has **bold**, *italic* and `code` words, long enough to wrap "
                               "across the width of a Letter page at least once or twice.\n\n")
                    .arg(n);
        if (n % 25 == 0)
            text += QStringLiteral("- item one\n- item two\n  - nested\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\n");
    }
    return text;
}

// The parent of a process, from /proc (0 when unknown).
qint64 parentOf(const QString& pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray line = stat.readAll();
    // "pid (name) state ppid ...": the name may hold spaces; read after its closing parenthesis.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : 0;
}

// Memory of this process's web engine helpers (its descendants; other programs' engines
// are not counted), in MB: proportional set sizes, so shared pages count once.
double engineMegabytes()
{
    const qint64 self = QCoreApplication::applicationPid();
    double kb = 0;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric) continue;
        QFile cmd(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmd.open(QIODevice::ReadOnly) || !cmd.readAll().contains("QtWebEngineProcess")) continue;
        bool ours = false;
        QString p = pid;
        for (int depth = 0; depth < 8 && !ours; ++depth) {
            const qint64 parent = parentOf(p);
            if (parent <= 1) break;
            ours = parent == self;
            p = QString::number(parent);
        }
        if (!ours) continue;
        QFile status(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!status.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("Pss:")) kb += line.mid(4).trimmed().split(' ').first().toDouble();
    }
    return kb / 1024;
}

// Runs the loop until `done`, noting the longest gap between 10 ms ticks of the main
// thread (a stall) and the most memory the engine held.
struct Watch {
    double maxStallMs = 0;
    double peakEngineMb = 0;
    template <typename F> void until(F done)
    {
        QElapsedTimer tick;
        tick.start();
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { maxStallMs = std::max(maxStallMs, double(tick.restart()) - 10); });
        ticker.start(10);
        // Sampled on a thread of its own: reading /proc must not stall the thread measured.
        std::atomic<bool> stop = false;
        std::atomic<double> peak = peakEngineMb;
        std::thread sampler([&] {
            while (!stop) {
                peak = std::max(peak.load(), engineMegabytes());
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
            }
        });
        while (!done()) {
            QEventLoop loop;
            QTimer::singleShot(5, &loop, &QEventLoop::quit);
            loop.exec();
        }
        stop = true;
        sampler.join();
        peakEngineMb = peak;
    }
};

QByteArray makePdf(const QString& text, Watch* watch = nullptr)
{
    QByteArray pdf;
    bool done = false;
    PrintController::render({text, QStringLiteral("Bench"), {}, {}, {}}, nullptr, [&](const QByteArray& b) {
        pdf = b;
        done = true;
    });
    Watch local;
    (watch ? *watch : local).until([&] { return done; });
    return pdf;
}

int pagesOf(const QByteArray& pdf)
{
    QByteArray bytes = pdf;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument doc;
    doc.load(&buffer);
    return doc.pageCount();
}

// Makes a PDF of `text` once per iteration, each timed by hand (the engine works on other
// threads); gives the pages of the last and, in `seconds`, how long it took.
int timedPdfs(benchmark::State& state, const QString& text, Watch& watch, double* seconds = nullptr)
{
    makePdf(QStringLiteral("# warm")); // the engine's first start is not the export's cost
    int pages = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        pages = pagesOf(makePdf(text, &watch));
        const double s = double(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(s);
        if (seconds) *seconds = s;
    }
    return pages;
}

void BM_StampedPdf(benchmark::State& state)
{
    Watch watch;
    const int pages = timedPdfs(state, corpus(state.range(0) * 1024), watch);
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["max_main_stall_ms"] = watch.maxStallMs;
    state.counters["engine_peak_MB"] = watch.peakEngineMb;
}
BENCHMARK(BM_StampedPdf)->Arg(100)->Arg(1024)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

// A PDF of many short blocks: task items in one list, or headings. The engine goes through an
// element's children for every page it prints; the time per page stays the same from 10,000
// to 40,000 blocks when that is bounded.
void BM_PdfOfManyBlocks(benchmark::State& state)
{
    const bool headings = state.range(0) != 0;
    const QString text = QString(headings ? "# a\n\n" : "- [ ] a\n").repeated(int(state.range(1)));
    double seconds = 0;
    Watch watch;
    const int pages = timedPdfs(state, text, watch, &seconds);
    state.SetLabel(std::string(headings ? "headings" : "task items"));
    state.counters["pages"] = pages;
    state.counters["ms_per_page"] = pages > 0 ? seconds * 1000 / pages : 0;
}
BENCHMARK(BM_PdfOfManyBlocks)
    ->ArgsProduct({{0, 1}, {10000, 40000}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_Convert(benchmark::State& state)
{
    const auto format = ExportFormat(state.range(0));
    const QString text = corpus(1024 * 1024);
    qsizetype size = 0;
    for (auto _ : state) {
        const auto bytes = ExportWriter::bytes(format, text, QStringLiteral("Bench"), {}, {}, {});
        size = bytes ? bytes->size() : 0;
    }
    state.SetLabel(ExportFormats::id(format).toStdString() + " of 1 MiB");
    state.counters["output_KB"] = double(size) / 1024;
}
BENCHMARK(BM_Convert)
    ->Arg(int(ExportFormat::rtf))
    ->Arg(int(ExportFormat::docx))
    ->Arg(int(ExportFormat::odt))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// Word, OpenDocument and Rich Text of a document of headings, each with a footnote that
// cites the next one: every heading, note and citation is a bookmark or a link to one. The
// time per heading stays the same from 5,000 to 20,000 headings when the conversion is linear.
void BM_ConvertBookmarks(benchmark::State& state)
{
    const auto format = ExportFormat(state.range(0));
    const int headings = int(state.range(1));
    QString text;
    for (int n = 0; n < headings; ++n)
        text += QStringLiteral("# Heading %1\n\nA line of text under it, with a note.[^n%1]\n\n").arg(n);
    for (int n = 0; n < headings; ++n)
        text += QStringLiteral("[^n%1]: The note of heading %1; see also [^n%2].\n").arg(n).arg((n + 1) % headings);
    qsizetype size = 0;
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        const auto bytes = ExportWriter::bytes(format, text, QStringLiteral("Bench"), {}, {}, {});
        size = bytes ? bytes->size() : 0;
    }
    state.SetLabel(ExportFormats::id(format).toStdString() + " of " + std::to_string(headings) + " headings");
    state.counters["output_KB"] = double(size) / 1024;
    state.counters["us_per_heading"] = double(clock.nsecsElapsed()) / 1e3 / double(state.iterations()) / headings;
}
BENCHMARK(BM_ConvertBookmarks)
    ->ArgsProduct({{int(ExportFormat::rtf), int(ExportFormat::docx), int(ExportFormat::odt)}, {5000, 20000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The whole interactive export of 1 MiB to Word: conversion, panel (answered at once), write;
// the main thread keeps ticking meanwhile.
void BM_ExportDocumentStall(benchmark::State& state)
{
    const QString text = corpus(1024 * 1024);
    QTemporaryDir dir;
    ExportDialogs::Hooks saved = ExportDialogs::hooks();
    bool written = false;
    ExportDialogs::hooks().chooseSavePath = [&](QWidget*, const QString& name, const QString&, ExportFormat,
                                                std::function<void(const QString&)> done) {
        done(dir.filePath(name));
        written = true;
    };
    Watch watch;
    for (auto _ : state) {
        written = false;
        DocumentExport::run(
            {ExportFormat(state.range(0)), text, nullptr, QStringLiteral("Bench"), {}, {}, std::nullopt});
        watch.until([&] { return written; });
    }
    ExportDialogs::hooks() = saved;
    state.SetLabel(ExportFormats::id(ExportFormat(state.range(0))).toStdString() + " of 1 MiB");
    state.counters["max_main_stall_ms"] = watch.maxStallMs;
}
BENCHMARK(BM_ExportDocumentStall)
    ->Arg(int(ExportFormat::docx))
    ->Arg(int(ExportFormat::odt))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_PrintPages(benchmark::State& state)
{
    const QByteArray pdf = makePdf(corpus(100 * 1024));
    const int pages = pagesOf(pdf);
    QTemporaryDir dir;
    Watch watch;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        printer.setFullPage(true);
        printer.setResolution(300);
        auto* job = new PrintJob(pdf);
        bool finished = false;
        QObject::connect(job, &PrintJob::finished, [&](bool) { finished = true; });
        job->start(printer, nullptr);
        watch.until([&] { return finished; });
    }
    state.counters["max_main_stall_ms"] = watch.maxStallMs;
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PrintPages)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
