#include "render/export/ui/DocumentExport.h"

#include "platform/SafeWrite.h"
#include "render/Exporter.h"
#include "render/export/ExportWriter.h"
#include "render/export/PrintController.h"
#include "render/export/ui/BusyCursor.h"
#include "render/export/ui/ExportDialogs.h"
#include "render/export/ui/ExportRequest.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFutureWatcher>
#include <QMimeData>
#include <QPointer>
#include <QProgressDialog>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Exporter)
};

// The words of a folder's export, which a long PDF's progress shares.
struct BatchTr {
    Q_DECLARE_TR_FUNCTIONS(BatchExporter)
};

// One export under way: the request with its name and CSS settled, and its window, which may
// close meanwhile.
struct Job {
    ExportRequest request;
    QString name;
    QString css;
    QPointer<QWidget> window;
    bool hadWindow = false;

    QString fileName() const { return name + u'.' + ExportFormats::extension(request.format); }

    // A window closed meanwhile gets no sheet; the failure is still told.
    void alert(const QString& message, const QString& detail) const
    {
        ExportDialogs::hooks().alert(hadWindow && window ? window.data() : nullptr, message, detail);
    }
    void alertFailed(const QString& message, const QString& path, const QString& reason) const
    {
        alert(message.arg(name), QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), reason));
    }
};

void copyToClipboard(const Job& job)
{
    const ExportRequest& r = job.request;
    const QByteArray page = *ExportWriter::bytes(ExportFormat::html, r.text, job.name, {}, r.themeCSS, job.css);
    auto* data = new QMimeData;
    data->setHtml(QString::fromUtf8(page));
    data->setText(QString::fromUtf8(page));
    QGuiApplication::clipboard()->setMimeData(data);
}

// A PDF: the panel first, then the pages from the web engine, written atomically. The file
// is written even when the window closes meanwhile: the user asked for it. A PDF that takes
// more than a moment shows its progress on the window, whose Cancel stops it and leaves what
// was there.
void exportPdf(const Job& job)
{
    ExportDialogs::hooks().chooseSavePath(
        job.window, job.fileName(), job.request.baseDir, ExportFormat::pdf, [job](const QString& chosen) {
            if (chosen.isEmpty()) return;
            const QString path = ExportFormats::withExtension(chosen, ExportFormat::pdf);
            const ExportRequest& r = job.request;
            // The request lives while this does: Cancel deletes it, and the queue drops the PDF.
            auto* request = new QObject(qApp);
            QPointer<QProgressDialog> progress;
            if (job.window) {
                progress = new QProgressDialog(BatchTr::tr("Exporting…"), BatchTr::tr("Cancel"), 0, 0, job.window);
                progress->setWindowModality(Qt::WindowModal);
                progress->setMinimumDuration(DocumentExport::progressDelayMs);
                progress->setAutoClose(false);
                progress->setAutoReset(false);
                progress->setValue(0); // starts the delay after which it shows
                QObject::connect(progress, &QProgressDialog::canceled, progress,
                                 [request = QPointer<QObject>(request), dialog = progress.data()] {
                                     delete request.data();
                                     dialog->deleteLater();
                                 });
            }
            PrintController::writePDF(
                {r.text, job.name, r.baseDir, r.themeCSS, job.css}, path, request,
                [job, path, request, progress, busy = BusyCursor::start()](bool ok, const QString& error) {
                    if (progress) progress->deleteLater();
                    request->deleteLater();
                    if (!ok) job.alertFailed(Tr::tr("The document “%1” could not be exported as PDF."), path, error);
                });
        });
}

void saveFile(const Job& job, const QByteArray& bytes)
{
    ExportDialogs::hooks().chooseSavePath(
        job.window, job.fileName(), job.request.baseDir, job.request.format, [job, bytes](const QString& chosen) {
            if (chosen.isEmpty()) return;
            const QString path = ExportFormats::withExtension(chosen, job.request.format);
            QString why;
            if (!SafeWrite::replace(path, bytes, &why))
                job.alertFailed(Tr::tr("The document “%1” could not be exported."), path, why);
        });
}

// HTML, Rich Text, Word and OpenDocument: the bytes first, off the main thread (a long text
// takes a while to convert), then the panel and the write.
void exportFile(const Job& job)
{
    using Result = std::pair<std::optional<QByteArray>, QString>;
    auto* watcher = new QFutureWatcher<Result>();
    QObject::connect(watcher, &QFutureWatcherBase::finished, qApp, [job, watcher] {
        const auto [bytes, error] = watcher->result();
        watcher->deleteLater();
        if (job.hadWindow && !job.window) return; // the window is gone; nobody waits for a panel
        if (!bytes) {
            job.alert(Tr::tr("The document “%1” could not be converted.").arg(job.name), error);
            return;
        }
        saveFile(job, *bytes);
    });
    // The grants are read here, on the main thread; the writer gets a copy.
    watcher->setFuture(
        QtConcurrent::run([r = job.request, name = job.name, css = job.css, write = ExportDialogs::hooks().convert,
                           images = ImageAccess::forDocument(job.request.baseDir)]() -> Result {
            QString error;
            std::optional<QByteArray> bytes = write(r.format, r.text, name, images, r.themeCSS, css, &error);
            return {bytes, error};
        }));
}

} // namespace

void DocumentExport::run(const ExportRequest& request)
{
    const Job job{request, Exporter::exportName(request.suggestedName), Exporter::userCSS(request.extraCSS),
                  request.window, request.window != nullptr};
    switch (request.format) {
    case ExportFormat::copyHTML: return copyToClipboard(job);
    case ExportFormat::pdf: return exportPdf(job);
    case ExportFormat::html:
    case ExportFormat::rtf:
    case ExportFormat::docx:
    case ExportFormat::odt: return exportFile(job);
    }
}
