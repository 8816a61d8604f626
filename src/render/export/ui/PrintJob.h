#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSizeF>

#include <functional>
#include <memory>

class QBuffer;
class QImage;
class QPainter;
class QPdfDocument;
class QPrinter;
class QProgressDialog;
class QRectF;
class QWidget;

// Puts the pages of a PDF on a printer, one page per turn of the event loop, each
// rendered at the printer's resolution (at most 300 dpi) and fitted, centred, onto the
// paper. A progress dialog shows the pages done and can cancel the job.
class PrintJob : public QObject {
    Q_OBJECT
public:
    static constexpr int maxDpi = 300;
    static constexpr int stripRows = 600; // rows of a page image handed to the printer at once

    explicit PrintJob(const QByteArray& pdf, QObject* parent = nullptr);
    ~PrintJob() override;

    int pageCount() const;

    // Starts printing the printer's page range (all pages when it has none). From here on
    // the job owns itself: it is deleted after `finished` tells how it ended.
    void start(QPrinter& printer, QWidget* window);

Q_SIGNALS:
    void finished(bool completed);

private:
    void printNext();
    void drawPage(const QImage& image, QSizeF pagePoints);
    void drawStrip(const QImage& image, const QRectF& where, int firstRow);
    void end(bool completed);

    QByteArray m_bytes;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QPdfDocument> m_doc;
    std::unique_ptr<QPainter> m_painter;
    QPrinter* m_printer = nullptr;
    QPointer<QProgressDialog> m_progress;
    std::shared_ptr<void> m_renderer; // renders pages on a worker thread
    int m_next = 0;
    int m_last = 0;
    int m_printed = 0;
};
