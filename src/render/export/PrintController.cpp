#include "render/export/PrintController.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

#include <deque>

namespace {

struct Pending {
    PdfRequest request;
    QPointer<QObject> context;
    bool hadContext = false;
    std::function<void(const QByteArray&)> done;
};

// One PDF at a time: the web engine's pages are heavy, and a batch must not race itself.
class PdfQueue : public QObject {
public:
    static PdfQueue& instance()
    {
        static PdfQueue* queue = new PdfQueue(QCoreApplication::instance());
        return *queue;
    }

    void add(Pending p)
    {
        m_pending.push_back(std::move(p));
        startNext();
    }

    int size() const { return int(m_pending.size()) + (m_active ? 1 : 0); }

private:
    using QObject::QObject;

    void startNext()
    {
        if (m_active || m_pending.empty()) return;
        Pending p = std::move(m_pending.front());
        m_pending.pop_front();
        if (p.hadContext && !p.context) {
            // Its window closed while it waited: nothing to make, no one to tell.
            QTimer::singleShot(0, this, [this] { startNext(); });
            return;
        }
        m_active = new PaginatedPDFRenderer(this);
        auto shared = std::make_shared<Pending>(std::move(p));
        m_active->render(shared->request, [this, shared](const QByteArray& pdf) {
            PaginatedPDFRenderer* finished = m_active;
            m_active = nullptr;
            finished->deleteLater();
            if (!shared->hadContext || shared->context) shared->done(pdf);
            startNext();
        });
    }

    std::deque<Pending> m_pending;
    PaginatedPDFRenderer* m_active = nullptr;
};

} // namespace

void PrintController::render(const PdfRequest& request, QObject* context, std::function<void(const QByteArray&)> done)
{
    PdfQueue::instance().add({request, context, context != nullptr, std::move(done)});
}

int PrintController::pendingRequests()
{
    return PdfQueue::instance().size();
}

void PrintController::writePDF(const PdfRequest& request, const QString& path, QObject* context,
                               std::function<void(bool, const QString&)> done)
{
    render(request, context, [path, done = std::move(done)](const QByteArray& pdf) {
        if (pdf.isEmpty()) {
            done(false, QCoreApplication::translate("PrintController", "The PDF could not be made."));
            return;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
            done(false, file.errorString());
            return;
        }
        done(true, QString());
    });
}
