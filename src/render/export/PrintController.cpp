#include "render/export/PrintController.h"

#include "platform/SafeWrite.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <deque>

namespace {

struct Pending {
    PdfRequest request;
    QPointer<QObject> context;
    bool hadContext = false;
    std::function<void(const QByteArray&)> done;
    PaginatedPDFRenderer* renderer = nullptr; // while it is being made
    bool made = false;
    QByteArray pdf;

    bool abandoned() const { return hadContext && !context; }
};

// A few PDFs at a time, each on its own page, so a batch keeps several of the engine's
// processes busy; never more, as each page is heavy. Completions still run in the order
// the requests came.
class PdfQueue : public QObject {
public:
    static constexpr qsizetype concurrentTextLimit = 1024 * 1024; // characters of Markdown

    static PdfQueue& instance()
    {
        static PdfQueue* queue = new PdfQueue(QCoreApplication::instance());
        return *queue;
    }

    void add(Pending p)
    {
        auto job = std::make_shared<Pending>(std::move(p));
        if (job->context) {
            // A window that closes frees its place at once: its page stops being made.
            connect(job->context, &QObject::destroyed, this, [this] { schedule(); });
        }
        m_jobs.push_back(std::move(job));
        schedule();
    }

    int size() const { return int(m_jobs.size()); }

private:
    using QObject::QObject;

    void schedule()
    {
        if (m_scheduled) return;
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_scheduled = false;
            pump();
        });
    }

    void pump()
    {
        // Requests whose caller is gone: nothing to make, no one to tell.
        for (auto it = m_jobs.begin(); it != m_jobs.end();) {
            if ((*it)->abandoned()) {
                stop(**it);
                it = m_jobs.erase(it);
            } else {
                ++it;
            }
        }
        // Made PDFs go to their callers in request order.
        while (!m_jobs.empty() && m_jobs.front()->made) {
            const std::shared_ptr<Pending> job = std::move(m_jobs.front());
            m_jobs.pop_front();
            if (!job->abandoned()) job->done(job->pdf);
        }
        // Start more, bounded in pages at work, in the text they lay out together (a page's
        // memory grows with its text: a long document is made alone) and in made PDFs held
        // for an earlier, slower request.
        int working = 0;
        int started = 0;
        qsizetype text = 0;
        for (const auto& job : m_jobs) {
            if (job->renderer && !job->renderer->pagePrinted()) {
                ++working;
                text += job->request.text.size();
            }
            started += job->renderer || job->made ? 1 : 0;
        }
        for (const auto& job : m_jobs) {
            if (job->renderer || job->made) continue;
            if (working >= PrintController::concurrentPages() || started >= 2 * PrintController::concurrentPages())
                break;
            if (working > 0 && text + job->request.text.size() > concurrentTextLimit) break;
            start(job);
            ++working;
            ++started;
            text += job->request.text.size();
        }
    }

    void start(const std::shared_ptr<Pending>& job)
    {
        job->renderer = new PaginatedPDFRenderer(this);
        // A page that has printed frees its place while its PDF is stamped.
        connect(job->renderer, &PaginatedPDFRenderer::pageReleased, this, [this] { schedule(); });
        std::weak_ptr<Pending> weak = job;
        job->renderer->render(job->request, [this, weak](const QByteArray& pdf) {
            const std::shared_ptr<Pending> done = weak.lock();
            if (!done) return;
            done->renderer->deleteLater();
            done->renderer = nullptr;
            done->made = true;
            done->pdf = pdf;
            schedule();
        });
    }

    static void stop(Pending& job)
    {
        // What the renderer was still to report reaches no one, as the request has left the
        // queue; it goes once its page is done.
        if (job.renderer) job.renderer->abandon();
        job.renderer = nullptr;
    }

    std::deque<std::shared_ptr<Pending>> m_jobs; // in request order, until delivered
    bool m_scheduled = false;
};

} // namespace

int PrintController::concurrentPages()
{
    // Each page has a process of its own; half the cores keeps the rest of the machine
    // (and this program's main thread) responsive.
    static const int n = std::clamp(QThread::idealThreadCount() / 2, 1, 3);
    return n;
}

void PrintController::render(const PdfRequest& request, QObject* context, std::function<void(const QByteArray&)> done)
{
    Pending p;
    p.request = request;
    p.context = context;
    p.hadContext = context != nullptr;
    p.done = std::move(done);
    PdfQueue::instance().add(std::move(p));
}

int PrintController::pendingRequests()
{
    return PdfQueue::instance().size();
}

QString PrintController::notMadeText()
{
    return QCoreApplication::translate("PrintController", "The PDF could not be made.");
}

void PrintController::writePDF(const PdfRequest& request, const QString& path, QObject* context,
                               std::function<void(bool, const QString&)> done)
{
    render(request, context, [path, done = std::move(done)](const QByteArray& pdf) {
        if (pdf.isEmpty()) {
            done(false, notMadeText());
            return;
        }
        QString why;
        if (!SafeWrite::replace(path, pdf, &why)) {
            done(false, why);
            return;
        }
        done(true, QString());
    });
}
