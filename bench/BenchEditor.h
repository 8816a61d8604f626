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
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

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
