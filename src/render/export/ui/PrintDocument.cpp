// Printing: the same stamped PDF that export writes, put on paper page by page.
#include "render/Exporter.h"
#include "render/export/PrintController.h"
#include "render/export/ui/BusyCursor.h"
#include "render/export/ui/PrintJob.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfDocument>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

QPrinter& PrintController::sharedPrinter()
{
    // Lives as long as the process: Page Setup and every print job share it.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageSize(QPageSize(QPageSize::Letter));
        return p;
    }();
    return *printer;
}

void PrintController::print(const QString& text, const QString& title, const QString& baseDir, QWidget* window)
{
    const QPointer<QWidget> guard(window);
    const bool hadWindow = window != nullptr;
    render({text, title, baseDir, QString(), Exporter::userCSS(std::nullopt)}, window,
           [=, busy = BusyCursor::start()](const QByteArray& pdf) {
               if (pdf.isEmpty() || (hadWindow && !guard)) return;
               QPrinter& printer = sharedPrinter();
               // Set before the dialog is built: it proposes its output file from these.
               printer.setDocName(title);
               if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
                   // The printer is shared: printing to a file again proposes this document's name in the
                   // folder used last, not the previous document's file.
                   const QFileInfo last(printer.outputFileName());
                   printer.setOutputFileName(last.dir().filePath(title + QStringLiteral(".pdf")));
               }
               auto* dialog = new QPrintDialog(&printer, guard);
               dialog->setAttribute(Qt::WA_DeleteOnClose);
               // The job belongs to the dialog until printing starts, so a cancelled dialog takes it along.
               auto* job = new PrintJob(pdf, dialog);
               if (job->pageCount() < 1) {
                   delete dialog;
                   return;
               }
               printer.setFullPage(true);
               printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
               printer.setFromTo(0, 0);
               dialog->setMinMax(1, job->pageCount());
               dialog->setWindowModality(guard ? Qt::WindowModal : Qt::ApplicationModal);
               QPointer<PrintJob> pending(job);
               QObject::connect(dialog, &QDialog::accepted, dialog, [pending, guard, hadWindow] {
                   if (!pending || (hadWindow && !guard)) return;
                   pending->start(sharedPrinter(), guard);
               });
               dialog->open();
           });
}
