#include "files/VersionSnapshots.h"

#include <QCoreApplication>
#include <QEventLoopLocker>
#include <QThread>

#include <deque>
#include <memory>
#include <utility>

namespace {

struct Job {
    std::function<void()> work; // on the snapshots' thread
    std::function<void()> done; // on the main thread
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
    if (job.work) std::exchange(job.work, nullptr)();
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
    if (job->done) job->done();
}

void queueJob(std::unique_ptr<Job> job)
{
    static const bool atTheEnd = (qAddPostRoutine(&writeRemaining), true);
    Q_UNUSED(atTheEnd);
    queue().jobs.push_back(std::move(job));
    startNext();
}

} // namespace

namespace VersionSnapshots {

void take(Request request, Done done)
{
    struct Outcome {
        std::optional<Snapshot> made;
        QString error;
    };
    auto outcome = std::make_shared<Outcome>();
    auto job = std::make_unique<Job>();
    job->work = [outcome, folder = VersionStore::folder(request.filePath), request = std::move(request)]() mutable {
        QString text = request.pieces.join(QString());
        request.pieces.clear();
        if (request.prepare) text = request.prepare(text);
        outcome->made = VersionStore::snapshotInto(folder, text, request.filePath, request.date, &outcome->error);
    };
    if (done) job->done = [outcome, done = std::move(done)] { done(outcome->made, outcome->error); };
    queueJob(std::move(job));
}

void after(std::function<void()> work, std::function<void()> done)
{
    auto job = std::make_unique<Job>();
    job->work = std::move(work);
    job->done = std::move(done);
    queueJob(std::move(job));
}

bool isBusy()
{
    return !queue().jobs.empty();
}

void finish()
{
    while (queue().thread) landFirst();
}

} // namespace VersionSnapshots
