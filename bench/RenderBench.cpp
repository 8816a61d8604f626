// Markdown-to-HTML throughput: a deterministic corpus in the subset of Markdown that this
// renderer, md4c and cmark-gfm agree on, at four sizes, plus hostile 1 MiB inputs; and the
// renderer's targets against the two: CPU at 1, 5 and 20 MiB (at most cmark-gfm's and three
// times md4c's) and peak memory at 20 MiB (at most twice md4c's).
#include "BenchEditor.h"

#include "render/MarkdownHTMLRenderer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QString>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>

#ifdef BW_HAVE_MD4C
#include <md4c-html.h>
#endif
#ifdef BW_HAVE_CMARK_GFM
#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm-extension_api.h>
#include <cmark-gfm.h>
#endif

namespace {

struct Lcg {
    uint32_t s = 12345;
    uint32_t next(uint32_t n)
    {
        s = s * 1103515245u + 12345u;
        return (s >> 16) % n;
    }
};

const char* const kWords[] = {"alpha", "beta", "gamma", "delta", "render", "markdown", "table",  "quote",
                              "list",  "code", "line",  "page",  "simple", "text",     "editor", "window"};

QByteArray words(Lcg& r, int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i) {
        if (i) out += ' ';
        const char* w = kWords[r.next(16)];
        switch (r.next(12)) {
        case 0: out += QByteArray("*") + w + '*'; break;
        case 1: out += QByteArray("**") + w + "**"; break;
        case 2: out += QByteArray("`") + w + '`'; break;
        case 3: out += QByteArray("[") + w + "](https://example.com/" + w + ")"; break;
        case 4: out += QByteArray("~~") + w + "~~"; break;
        default: out += w;
        }
    }
    return out;
}

// Headings, paragraphs, emphasis, code spans, fences without info string, links, images,
// one-line lists, quotes, pipe tables, strikethrough and task lists.
QByteArray corpus(qsizetype bytes)
{
    Lcg r;
    QByteArray out;
    out.reserve(bytes + 4096);
    int section = 0;
    while (out.size() < bytes) {
        switch (section++ % 8) {
        case 0: out += "## Section " + QByteArray::number(section) + "\n\n"; break;
        case 1: out += words(r, 60) + "\n" + words(r, 40) + "\n\n"; break;
        case 2:
            for (int i = 0; i < 5; ++i) out += (i % 2 ? "- [ ] " : "- ") + words(r, 8) + "\n";
            out += "\n";
            break;
        case 3: out += "> " + words(r, 30) + "\n\n"; break;
        case 4: out += "```\nint x = 1;\nreturn x < 2;\n```\n\n"; break;
        case 5:
            out += "| name | value | note |\n|---|---|---|\n";
            for (int i = 0; i < 6; ++i)
                out += "| " + words(r, 2) + " | " + QByteArray::number(r.next(1000)) + " | " + words(r, 4) + " |\n";
            out += "\n";
            break;
        case 6: out += "![figure](img/figure" + QByteArray::number(section) + ".png) " + words(r, 20) + "\n\n"; break;
        default: out += "1. " + words(r, 6) + "\n2. " + words(r, 6) + "\n\n";
        }
    }
    return out;
}

const QByteArray& corpusOf(qsizetype bytes)
{
    static std::map<qsizetype, QByteArray> cache;
    auto it = cache.find(bytes);
    if (it == cache.end()) it = cache.emplace(bytes, corpus(bytes)).first;
    return it->second;
}

void renderBodyOn(benchmark::State& state, const QByteArray& md)
{
    const QString text = QString::fromUtf8(md);
    for (auto _ : state) benchmark::DoNotOptimize(MarkdownHTMLRenderer::renderBody(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * md.size());
}

void BM_RenderBody(benchmark::State& state)
{
    renderBodyOn(state, corpusOf(state.range(0)));
}

#ifdef BW_HAVE_MD4C
void md4cHtml(const QByteArray& md)
{
    QByteArray html;
    md_html(
        md.constData(), MD_SIZE(md.size()),
        [](const MD_CHAR* s, MD_SIZE n, void* out) { static_cast<QByteArray*>(out)->append(s, qsizetype(n)); }, &html,
        MD_DIALECT_GITHUB, 0);
    benchmark::DoNotOptimize(html);
}

void BM_Md4cHtml(benchmark::State& state)
{
    const QByteArray& md = corpusOf(state.range(0));
    for (auto _ : state) md4cHtml(md);
    state.SetBytesProcessed(int64_t(state.iterations()) * md.size());
}
#endif

#ifdef BW_HAVE_CMARK_GFM
void cmarkGfmHtml(const QByteArray& md)
{
    cmark_gfm_core_extensions_ensure_registered();
    cmark_parser* parser = cmark_parser_new(CMARK_OPT_DEFAULT);
    for (const char* name : {"table", "strikethrough", "tasklist", "autolink"})
        cmark_parser_attach_syntax_extension(parser, cmark_find_syntax_extension(name));
    cmark_parser_feed(parser, md.constData(), size_t(md.size()));
    cmark_node* doc = cmark_parser_finish(parser);
    char* html = cmark_render_html(doc, CMARK_OPT_DEFAULT, cmark_parser_get_syntax_extensions(parser));
    benchmark::DoNotOptimize(html);
    std::free(html);
    cmark_node_free(doc);
    cmark_parser_free(parser);
}

void BM_CmarkGfm(benchmark::State& state)
{
    const QByteArray& md = corpusOf(state.range(0));
    for (auto _ : state) cmarkGfmHtml(md);
    state.SetBytesProcessed(int64_t(state.iterations()) * md.size());
}
#endif

constexpr qsizetype kMiB = 1024 * 1024;

QByteArray repeatedTo(const QByteArray& unit, qsizetype bytes)
{
    QByteArray out;
    while (out.size() < bytes) out += unit;
    return out;
}

QByteArray densePara()
{
    QByteArray p;
    const char* pieces[] = {"*a ", "_b ", "$c ", "`d ", "**e ", "__f ", "x* ", "y_ ", "$ ", "` "};
    for (int i = 0; p.size() < 50000; ++i) p += pieces[(i * 7) % 10];
    return p + "\n\n";
}

QByteArray footnotes()
{
    QByteArray refs, defs;
    for (int i = 0; i < 5000; ++i) {
        refs += "Claim number " + QByteArray::number(i) + " needs support[^n" + QByteArray::number(i) + "] here.\n";
        defs += "[^n" + QByteArray::number(i) + "]: Source " + QByteArray::number(i)
                + " with a long enough explanation to make the document big, and then some more words.\n";
    }
    return refs + "\n" + defs + repeatedTo("Filler paragraph text.\n\n", kMiB - refs.size() - defs.size());
}

QByteArray headings()
{
    QByteArray out;
    for (int i = 0; i < 10000; ++i) out += "## Same Heading\n\n" + QByteArray(80, 'x') + "\n\n";
    return out;
}

QByteArray bigTable()
{
    QByteArray out = "| a | b | c | d |\n|---|:-:|--:|:--|\n";
    for (int i = 0; i < 10000; ++i)
        out += "| cell " + QByteArray::number(i) + " with **bold** | `code` | 12345 | some more text here ok |\n";
    return out;
}

QByteArray deepNesting()
{
    QByteArray quotes = QByteArray("> ").repeated(10000) + "deep\n";
    QByteArray lists;
    for (int i = 0; i < 1000; ++i) lists += QByteArray(i, ' ') + "- item\n";
    return repeatedTo(quotes + "\n" + lists + "\n", kMiB);
}

void BM_Hostile(benchmark::State& state, QByteArray (*make)())
{
    renderBodyOn(state, make());
}

void oursHtml(const QString& text)
{
    const QString html = MarkdownHTMLRenderer::renderBody(text);
    benchmark::DoNotOptimize(html);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The CPU targets: the three renderers in turn on the same corpus, round after round so
// that a busy machine slows them alike; the median of each, and their ratios.
void BM_RenderTargets(benchmark::State& state)
{
    const QByteArray& md = corpusOf(state.range(0));
    const QString text = QString::fromUtf8(md);
    const int rounds = state.range(0) >= 20 * kMiB ? 3 : 5;
    std::vector<double> ours, md4c, cmark;
    for (auto _ : state) {
        for (int r = 0; r < rounds; ++r) {
            double t = threadCpuMs();
            oursHtml(text);
            ours.push_back(threadCpuMs() - t);
#ifdef BW_HAVE_MD4C
            t = threadCpuMs();
            md4cHtml(md);
            md4c.push_back(threadCpuMs() - t);
#endif
#ifdef BW_HAVE_CMARK_GFM
            t = threadCpuMs();
            cmarkGfmHtml(md);
            cmark.push_back(threadCpuMs() - t);
#endif
        }
    }
    const double o = median(ours), m = median(md4c), c = median(cmark);
    state.counters["ours_cpu_ms"] = o;
    QString label;
    if (m > 0) {
        state.counters["md4c_cpu_ms"] = m;
        state.counters["x_md4c"] = o / m;
        label += QStringLiteral("x md4c %1 (target <= 3.0) ").arg(o / m, 0, 'f', 2);
    }
    if (c > 0) {
        state.counters["cmark_gfm_cpu_ms"] = c;
        state.counters["x_cmark_gfm"] = o / c;
        label += QStringLiteral("x cmark-gfm %1 (target <= 1.0)").arg(o / c, 0, 'f', 2);
    }
    state.SetLabel(label.isEmpty() ? "no reference renderer: make bench-deps" : label.toStdString());
}

// Peak memory, each renderer in a fresh process of its own (see renderPeakChild): the
// resident peak above what the process held before it made its input.
double childPeakMegabytes(const char* who, qsizetype bytes)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--render-peak=%1:%2").arg(QLatin1String(who)).arg(bytes)});
    if (!child.waitForFinished(300000) || child.exitCode() != 0) return -1;
    return child.readAllStandardOutput().trimmed().toDouble();
}

void BM_RenderPeakMemory(benchmark::State& state)
{
    double ours = 0, md4c = 0, cmark = 0;
    for (auto _ : state) {
        ours = childPeakMegabytes("ours", state.range(0));
#ifdef BW_HAVE_MD4C
        md4c = childPeakMegabytes("md4c", state.range(0));
#endif
#ifdef BW_HAVE_CMARK_GFM
        cmark = childPeakMegabytes("cmark-gfm", state.range(0));
#endif
    }
    if (ours < 0) state.SkipWithError("the measuring process failed");
    state.counters["ours_peak_MB"] = ours;
    if (md4c > 0) {
        state.counters["md4c_peak_MB"] = md4c;
        state.counters["x_md4c"] = ours / md4c;
        state.SetLabel(QStringLiteral("x md4c %1 (target <= 2.0)").arg(ours / md4c, 0, 'f', 2).toStdString());
    }
    if (cmark > 0) state.counters["cmark_gfm_peak_MB"] = cmark;
}

} // namespace

#define SIZES ->Arg(100 * 1024)->Arg(kMiB)->Arg(5 * kMiB)->Arg(20 * kMiB)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_RenderBody) SIZES;
#ifdef BW_HAVE_MD4C
BENCHMARK(BM_Md4cHtml) SIZES;
#endif
#ifdef BW_HAVE_CMARK_GFM
BENCHMARK(BM_CmarkGfm) SIZES;
#endif
#undef SIZES
BENCHMARK(BM_RenderTargets)->Arg(kMiB)->Arg(5 * kMiB)->Arg(20 * kMiB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPeakMemory)->Arg(20 * kMiB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hostile, densePara1MiB, [] {
    return repeatedTo(densePara(), kMiB);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hostile, unmatchedMarkers1MiB, [] {
    return repeatedTo(QByteArray("*a _b ").repeated(8000) + "\n\n", kMiB);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hostile, footnotes5000, footnotes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hostile, headings10000, headings)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hostile, tableRows10000, bigTable)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hostile, nesting10000, deepNesting)->Unit(benchmark::kMillisecond);

// The measuring process of BM_RenderPeakMemory ("ours:BYTES", "md4c:BYTES" or
// "cmark-gfm:BYTES"): makes the corpus, renders it as each renderer takes it (this one a
// QString, the others UTF-8) and prints the resident peak above the starting point in MB.
int renderPeakChild(const char* request)
{
    const QByteArray arg(request);
    const qsizetype colon = arg.indexOf(':');
    const QByteArray who = arg.left(colon);
    const double start = statusMegabytes("VmRSS:");
    QByteArray md = corpus(arg.mid(colon + 1).toLongLong());
    if (who == "ours") {
        const QString text = QString::fromUtf8(md);
        md = QByteArray();
        oursHtml(text);
#ifdef BW_HAVE_MD4C
    } else if (who == "md4c") {
        md4cHtml(md);
#endif
#ifdef BW_HAVE_CMARK_GFM
    } else if (who == "cmark-gfm") {
        cmarkGfmHtml(md);
#endif
    } else {
        return 1;
    }
    std::printf("%.1f\n", statusMegabytes("VmHWM:") - start);
    return 0;
}
