#pragma once

struct ExportRequest;

// The interactive export of one document, from its request to the file:
//   1. the request (ExportRequest, built from the window);
//   2. the page (Exporter::htmlDocument, or PrintPage for a PDF);
//   3. the writer for the format (ExportWriter off the main thread, or PrintController::writePDF);
//   4. the save panel (ExportDialogs), and the atomic write (SafeWrite), or the clipboard for
//      copyHTML. A failure is shown in an alert naming the file and the reason.
// Panels and alerts are window-modal on the request's window, application-modal without one.
namespace DocumentExport {

// How long a PDF is made before its window shows the progress, with Cancel.
constexpr int progressDelayMs = 1000;

void run(const ExportRequest& request);

} // namespace DocumentExport
