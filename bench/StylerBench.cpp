// The live styler on a deterministic 1 MiB mixed Markdown document: full styling,
// and restyling the edited scope after one typed character (what every keystroke costs).
#include "styling/MarkdownStyler.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#ifdef BW_HAVE_MD4C
#include <md4c-html.h>
#endif

namespace {

// A small deterministic generator, so every run styles the same text.
struct Dice {
    quint64 state = 0x9E3779B97F4A7C15ull;
    int roll(int n)
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return int(state % quint64(n));
    }
};

QString phrase(Dice& d, int words)
{
    static const char* const vocab[] = {"style", "scope",  "marker",  "glyph",   "caret",  "fence", "table",
                                        "pixel", "ledger", "harbour", "lantern", "meadow", "quill", "saffron"};
    QString out;
    for (int i = 0; i < words; ++i) {
        const QString w = QString::fromLatin1(vocab[d.roll(14)]);
        if (i) out += ' ';
        switch (d.roll(14)) {
        case 0: out += "**" + w + "**"; break;
        case 1: out += "*" + w + "*"; break;
        case 2: out += "`" + w + "`"; break;
        case 3: out += "[" + w + "](https://example.org/" + w + ")"; break;
        case 4: out += "[[" + w + "]]"; break;
        case 5: out += w + "[^" + QString::number(d.roll(9)) + "]"; break;
        case 6: out += "~~" + w + "~~"; break;
        default: out += w;
        }
    }
    return out;
}

// Headings, paragraphs, lists, quotes, fenced code with languages, tables, footnote
// definitions and alignment directives, up to 1 MiB of UTF-16 units.
const QString& document()
{
    static const QString doc = [] {
        Dice d;
        QString s;
        const int target = 1 << 20;
        s.reserve(target + 4096);
        for (int block = 0; s.size() < target; ++block) {
            switch (block % 9) {
            case 0: s += QString(1 + block % 3, '#') + " Chapter " + QString::number(block) + "\n\n"; break;
            case 1:
            case 2: s += phrase(d, 45) + "\n" + phrase(d, 30) + "\n\n"; break;
            case 3:
                for (int i = 0; i < 4; ++i) s += (i % 2 ? "1. " : "- ") + phrase(d, 7) + "\n";
                s += "\n";
                break;
            case 4: s += "> " + phrase(d, 25) + "\n\n"; break;
            case 5: s += "```python\ndef f(x):\n    # twice\n    return x * 2  \"done\"\n```\n\n"; break;
            case 6:
                s += "| key | value | remark |\n|:---|---:|:---:|\n";
                for (int i = 0; i < 5; ++i)
                    s += "| " + phrase(d, 2) + " | " + QString::number(d.roll(500)) + " | " + phrase(d, 3) + " |\n";
                s += "\n";
                break;
            case 7: s += "{.center}\n" + phrase(d, 12) + "\n\n"; break;
            default: s += "[^" + QString::number(d.roll(9)) + "]: " + phrase(d, 10) + "\n\n";
            }
        }
        return s;
    }();
    return doc;
}

// A place to type near the middle of the document: inside a paragraph line, a
// table row or a fenced block's code.
int middleEditPoint(const QString& s, int kind)
{
    const int mid = int(s.size() / 2);
    if (kind == 1) return int(s.indexOf("\n| ", mid)) + 3;
    if (kind == 2) return int(s.indexOf("    # twice", mid)) + 6;
    int at = int(s.indexOf("\n\n", mid)) + 2;
    while (!s.at(at).isLetter()) at = int(s.indexOf("\n\n", at)) + 2;
    return at + 10;
}

void BM_StylerFullDocument(benchmark::State& state)
{
    const QString& doc = document();
    for (auto _ : state) {
        state.PauseTiming();
        AttributedText text(doc);
        MarkdownStyler styler;
        styler.concealMarkers = state.range(0) != 0;
        state.ResumeTiming();
        benchmark::DoNotOptimize(styler.highlight(text, std::nullopt));
    }
    state.SetLabel(state.range(0) ? "wysiwyg" : "source");
    state.counters["chars"] = double(doc.size());
}
BENCHMARK(BM_StylerFullDocument)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// One character typed and then deleted again in the middle of the document; each
// step restyles that line's scope the way the editor does after a keystroke.
void BM_StylerKeystroke(benchmark::State& state)
{
    const QString& doc = document();
    AttributedText text(doc);
    MarkdownStyler styler;
    styler.concealMarkers = true;
    styler.highlight(text, std::nullopt);
    const int line = middleEditPoint(doc, int(state.range(0)));
    std::vector<double> samples, restyles;
    bool typed = false;
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        if (typed)
            text.replaceCharacters(TextRange(line, 1), u"");
        else
            text.replaceCharacters(TextRange(line, 0), u"x");
        typed = !typed;
        const auto t1 = Clock::now();
        styler.revealRange = TextRange(line, 1);
        const TextRange scope = styler.highlight(text, TextRange(line, typed ? 1 : 0));
        benchmark::DoNotOptimize(scope);
        const auto t2 = Clock::now();
        const double sec = std::chrono::duration<double>(t2 - t0).count();
        state.SetIterationTime(sec);
        samples.push_back(sec);
        restyles.push_back(std::chrono::duration<double>(t2 - t1).count());
    }
    auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2] * 1e3;
    };
    if (!samples.empty()) {
        state.counters["median_ms"] = median(samples);
        state.counters["p99_ms"] = samples[samples.size() * 99 / 100] * 1e3;
        state.counters["restyle_median_ms"] = median(restyles);
    }
    static const char* const kinds[] = {"paragraph", "table row", "fenced code"};
    state.SetLabel(kinds[state.range(0)]);
}
BENCHMARK(BM_StylerKeystroke)->Arg(0)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(2000);

#ifdef BW_HAVE_MD4C
// The yardstick: md4c turning the same document into HTML (output discarded).
void BM_Md4cSameDocument(benchmark::State& state)
{
    const QByteArray utf8 = document().toUtf8();
    for (auto _ : state) {
        int sink = 0;
        md_html(
            utf8.constData(), MD_SIZE(utf8.size()),
            [](const MD_CHAR*, MD_SIZE n, void* u) { *static_cast<int*>(u) += int(n); }, &sink, MD_DIALECT_GITHUB, 0);
        benchmark::DoNotOptimize(sink);
    }
}
BENCHMARK(BM_Md4cSameDocument)->Unit(benchmark::kMillisecond);
#endif

} // namespace
