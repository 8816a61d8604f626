#pragma once

#include "render/export/PaginatedPDFRenderer.h"

#include <QObject>

#include <functional>

class QPrinter;
class QWidget;

// Every PDF of the program passes here. Requests are queued and made a few at a time; each
// caller's completion runs exactly once, in request order, unless the `context` it named is
// gone by then (a closed window is never touched; its PDF stops being made).
namespace PrintController {

// How many PDFs are made at once, each by its own page of the web engine.
int concurrentPages();

// Makes the stamped PDF of a request. `done` receives the bytes, empty on failure.
void render(const PdfRequest& request, QObject* context, std::function<void(const QByteArray& pdf)> done);

// Makes the PDF and writes it to `path` atomically: a failed or cancelled export leaves
// what was there. `done` receives whether the file was written, and why not.
void writePDF(const PdfRequest& request, const QString& path, QObject* context,
              std::function<void(bool ok, const QString& error)> done);

// Why a PDF is missing when `render` gives no bytes, as the user reads it.
QString notMadeText();

// The number of requests queued or in flight (tests and the busy indicator).
int pendingRequests();

// The printer that printing and Page Setup share for the whole process.
QPrinter& sharedPrinter();

// Prints a document: its PDF made as for export (no theme, the stored export CSS), then the
// print dialog, window-modal on `window`; each page rendered at the printer's resolution
// (at most 300 dpi) under a progress dialog that can cancel. No PDF, or one without pages,
// ends silently.
void print(const QString& text, const QString& title, const QString& baseDir, QWidget* window);

} // namespace PrintController
