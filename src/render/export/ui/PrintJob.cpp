#include "render/export/ui/PrintJob.h"

#include <QBuffer>
#include <QFutureWatcher>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

PrintJob::PrintJob(const QByteArray& pdf, QObject* parent)
    : QObject(parent),
      m_bytes(pdf),
      m_buffer(std::make_unique<QBuffer>(&m_bytes)),
      m_doc(std::make_unique<QPdfDocument>())
{
    m_buffer->open(QIODevice::ReadOnly);
    m_doc->load(m_buffer.get());
}

PrintJob::~PrintJob()
{
    if (m_progress) m_progress->deleteLater();
}

int PrintJob::pageCount() const
{
    return m_doc->status() == QPdfDocument::Status::Ready ? m_doc->pageCount() : 0;
}

void PrintJob::start(QPrinter& printer, QWidget* window)
{
    m_printer = &printer;
    const int count = pageCount();
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    m_next = range ? std::clamp(printer.fromPage(), 1, count) - 1 : 0;
    m_last = range ? std::clamp(printer.toPage() > 0 ? printer.toPage() : count, m_next + 1, count) - 1 : count - 1;
    setParent(nullptr);
    m_painter = std::make_unique<QPainter>();
    if (count < 1 || !m_painter->begin(&printer)) {
        end(false);
        return;
    }
    m_progress = new QProgressDialog(tr("Printing…"), tr("Cancel"), 0, m_last - m_next + 1, window);
    m_progress->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    m_progress->setMinimumDuration(500);
    m_progress->setAutoReset(false);
    QTimer::singleShot(0, this, &PrintJob::printNext);
}

namespace {

// The pages rendered off the main thread, one at a time, from a document of their own.
struct PageRenderer {
    explicit PageRenderer(QByteArray pdf)
        : bytes(std::move(pdf))
    {}
    QImage render(int page, QSize pixels)
    {
        if (!doc) {
            buffer = std::make_unique<QBuffer>(&bytes);
            buffer->open(QIODevice::ReadOnly);
            doc = std::make_unique<QPdfDocument>();
            doc->load(buffer.get());
        }
        // The engine leaves the margins transparent: paper is white, and an opaque image
        // needs no soft mask in the print stream.
        QImage paper(pixels, QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        painter.drawImage(0, 0, doc->render(page, pixels));
        return paper;
    }
    QByteArray bytes;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QPdfDocument> doc;
};

} // namespace

void PrintJob::printNext()
{
    if (m_progress && m_progress->wasCanceled()) {
        m_printer->abort();
        end(false);
        return;
    }
    const QSizeF pagePoints = m_doc->pagePointSize(m_next);
    const int dpi = std::min(maxDpi, m_printer->resolution());
    const QSize pixels = (pagePoints * dpi / 72.0).toSize();
    if (!m_renderer) m_renderer = std::make_shared<PageRenderer>(m_bytes);
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, pagePoints] {
        const QImage image = watcher->result();
        watcher->deleteLater();
        drawPage(image, pagePoints);
    });
    // One page at a time: the next starts only after this one is drawn.
    watcher->setFuture(QtConcurrent::run([renderer = std::static_pointer_cast<PageRenderer>(m_renderer), page = m_next,
                                          pixels] { return renderer->render(page, pixels); }));
}

void PrintJob::drawPage(const QImage& image, QSizeF pagePoints)
{
    const QRectF paper = m_printer->paperRect(QPrinter::DevicePixel);
    // Fitted and centred: the PDF's own margins stay as they are.
    QSizeF target = pagePoints;
    target.scale(paper.size(), Qt::KeepAspectRatio);
    const QRectF where(paper.left() + (paper.width() - target.width()) / 2,
                       paper.top() + (paper.height() - target.height()) / 2, target.width(), target.height());
    drawStrip(image, where, 0);
}

void PrintJob::drawStrip(const QImage& image, const QRectF& where, int firstRow)
{
    if (m_progress && m_progress->wasCanceled()) {
        m_printer->abort();
        end(false);
        return;
    }
    // The print engine compresses what it is given at once: a whole 300 dpi page held the
    // main thread for well over 100 ms, so the page goes in bands, one per turn of the loop.
    const int rows = std::min(stripRows, image.height() - firstRow);
    const double scale = where.height() / std::max(1, image.height());
    const QRectF band(where.left(), where.top() + firstRow * scale, where.width(), rows * scale);
    m_painter->drawImage(band, image.copy(0, firstRow, image.width(), rows));
    if (firstRow + rows < image.height()) {
        QTimer::singleShot(0, this, [this, image, where, next = firstRow + rows] { drawStrip(image, where, next); });
        return;
    }
    ++m_printed;
    if (m_progress) m_progress->setValue(m_printed);
    if (m_next >= m_last) {
        end(true);
        return;
    }
    ++m_next;
    m_printer->newPage();
    QTimer::singleShot(0, this, &PrintJob::printNext);
}

void PrintJob::end(bool completed)
{
    if (m_painter && m_painter->isActive()) m_painter->end();
    if (m_progress) m_progress->close();
    Q_EMIT finished(completed);
    deleteLater();
}
