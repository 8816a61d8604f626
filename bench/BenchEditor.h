#pragma once
// What the editor benchmarks share: an exposed window (an unexposed one paints nothing,
// so a "frame" would cost nothing), frames delivered the way the event loop delivers them,
// a count of the paints that really happened, memory figures and generated documents.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

// Shows `w` and waits (at most two seconds) until the platform reports it exposed.
inline bool showExposed(QWidget* w)
{
    w->show();
    QElapsedTimer t;
    t.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && t.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
    return w->windowHandle() && w->windowHandle()->isExposed();
}

// Delivers what an input event left queued (the editor's queued follow-ups, the update
// requests) without running timers: the update requests paint the dirty regions.
inline void deliverFrame()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// Serves the event loop while `going()` holds (and at most `limitMs` after `t` started), noting
// in `longestMs` the longest gap between two turns, the first measured from `last`; `last` is
// left at the last turn. Gives the milliseconds since `t` started.
template <typename Going>
double serveWhile(const QElapsedTimer& t, qint64& last, Going going, double& longestMs, qint64 limitMs = 300000)
{
    while (going() && t.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 now = t.nsecsElapsed();
        longestMs = std::max(longestMs, double(now - last) / 1e6);
        last = now;
    }
    return double(t.nsecsElapsed()) / 1e6;
}

// Counts the paint events a widget receives and the area they covered.
class PaintCounter : public QObject {
public:
    void watch(QWidget* w) { w->installEventFilter(this); }
    void reset()
    {
        paints = 0;
        pixels = 0;
    }
    int paints = 0;
    double pixels = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) pixels += double(r.width()) * r.height();
        }
        return QObject::eventFilter(o, e);
    }
};

// Paints per frame and painted pixels per frame; a run that painted nothing measured no
// frame at all and fails.
inline void reportPaints(benchmark::State& state, const PaintCounter& c, int frames)
{
    if (frames <= 0) return;
    state.counters["paints_per_frame"] = double(c.paints) / frames;
    state.counters["painted_kpx_per_frame"] = c.pixels / frames / 1000.0;
    if (c.paints == 0) state.SkipWithError("no frame was painted: the window is not exposed");
}

inline double statusMegabytes(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}
inline double residentMegabytes()
{
    return statusMegabytes("VmRSS:");
}

// CPU time of the whole process so far, in milliseconds.
inline double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// CPU time of the calling thread so far, in milliseconds.
inline double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// `paragraph` again and again, with a heading before every twelfth, up to `units`.
inline QString proseDocument(qsizetype units, const QString& paragraph)
{
    QString s;
    s.reserve(units + paragraph.size() + 64);
    for (int i = 0; s.size() < units; ++i) {
        if (i % 12 == 0) s += QStringLiteral("## Section %1\n\n").arg(i);
        s += paragraph;
    }
    return s;
}

// Generated documents, the same for every run: a fixed linear congruential sequence.
inline quint32 g_seed = 2024;
inline int roll(int n)
{
    g_seed = g_seed * 1103515245u + 12345u;
    return int((g_seed >> 16) % quint32(n));
}

inline QString words(int n)
{
    static const char* const vocab[] = {"paper",  "margin", "ruler", "sheet",  "desk",  "ink",
                                        "column", "caret",  "folio", "gutter", "serif", "quire"};
    QString s;
    for (int i = 0; i < n; ++i) {
        QString w = QString::fromLatin1(vocab[roll(12)]);
        switch (roll(12)) {
        case 0: w = "**" + w + "**"; break;
        case 1: w = "_" + w + "_"; break;
        case 2: w = "`" + w + "`"; break;
        case 3: w = "[" + w + "](https://example.net/" + w + ")"; break;
        default: break;
        }
        s += (i ? " " : "") + w;
    }
    return s;
}

// Mixed Markdown (headings, paragraphs, lists, quotes, fenced code, tables).
inline QString mixedDocument(qsizetype units)
{
    g_seed = 12345;
    QString s;
    s.reserve(units + 4096);
    for (int i = 0; s.size() < units; ++i) {
        switch (i % 8) {
        case 0: s += "## Section " + QString::number(i) + "\n\n"; break;
        case 1:
        case 2: s += words(40) + "\n\n"; break;
        case 3: s += "- " + words(6) + "\n- " + words(5) + "\n1. " + words(4) + "\n\n"; break;
        case 4: s += "> " + words(20) + "\n\n"; break;
        case 5: s += "```js\nlet x = 1; // note\nconsole.log(\"x\", x);\n```\n\n"; break;
        case 6:
            s += "| a | b |\n|---|--:|\n";
            for (int r = 0; r < 4; ++r) s += "| " + words(2) + " | " + QString::number(roll(999)) + " |\n";
            s += "\n";
            break;
        default: s += words(25) + "\n" + words(15) + "\n\n"; break;
        }
    }
    return s;
}
