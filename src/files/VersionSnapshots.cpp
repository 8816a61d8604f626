#include "files/VersionSnapshots.h"

#include <QCoreApplication>
#include <QEventLoopLocker>
#include <QThread>

#include <deque>
#include <memory>

namespace {

struct Job {
    VersionSnapshots::Request request;
    QString folder; // where the versions go, worked out when asked for
    VersionSnapshots::Done done;
    std::optional<Snapshot> made;
    QString error;
    // Closing the last window does not end the program before the snapshot that closing took
    // has landed and its failure, if any, is on screen.
    QEventLoopLocker keepRunning;
};

// The snapshots asked for, the first running on `thread`; a number that tells the end of
// the running one from an earlier one's. Touched on the main thread only.
struct Queue {
    std::deque<std::unique_ptr<Job>> jobs;
    QThread* thread = nullptr;
    quint64 serial = 0;
};

// Never destroyed: what is left at the end is written by writeRemaining.
Queue& queue()
{
    static auto* q = new Queue;
    return *q;
}

void run(Job& job)
{
    QString text = job.request.pieces.join(QString());
    job.request.pieces.clear();
    if (job.request.prepare) text = job.request.prepare(text);
    job.made = VersionStore::snapshotInto(job.folder, text, job.request.filePath, job.request.date, &job.error);
}

// The application object goes without the quit having waited (a test program's end): the
// snapshots asked for are still written whole, but nobody is told any more, and their
// records are not freed (the process is ending; the application object no longer is one).
void writeRemaining()
{
    Queue& q = queue();
    if (q.thread) {
        q.thread->wait();
        delete q.thread;
        q.thread = nullptr;
        (void)q.jobs.front().release();
        q.jobs.pop_front();
    }
    for (std::unique_ptr<Job>& job : q.jobs) run(*job.release());
    q.jobs.clear();
}

void landFirst();

void startNext()
{
    Queue& q = queue();
    if (q.thread || q.jobs.empty()) return;
    q.thread = QThread::create([job = q.jobs.front().get()] { run(*job); });
    QObject::connect(q.thread, &QThread::finished, QCoreApplication::instance(), [serial = ++q.serial] {
        if (serial == queue().serial) landFirst();
    });
    q.thread->start();
}

// Waits for the running snapshot, starts the next and tells the caller of this one.
void landFirst()
{
    Queue& q = queue();
    if (!q.thread) return;
    q.thread->wait();
    delete q.thread;
    q.thread = nullptr;
    const std::unique_ptr<Job> job = std::move(q.jobs.front());
    q.jobs.pop_front();
    startNext();
    if (job->done) job->done(job->made, job->error);
}

} // namespace

namespace VersionSnapshots {

void take(Request request, Done done)
{
    static const bool atTheEnd = (qAddPostRoutine(&writeRemaining), true);
    Q_UNUSED(atTheEnd);
    auto job = std::make_unique<Job>();
    job->folder = VersionStore::folder(request.filePath);
    job->request = std::move(request);
    job->done = std::move(done);
    queue().jobs.push_back(std::move(job));
    startNext();
}

void finish()
{
    while (queue().thread) landFirst();
}

} // namespace VersionSnapshots
