#pragma once

#include "render/ImageAccess.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QTemporaryFile;
class QUrl;
class QTimer;
class QWebEnginePage;
class QWebEngineProfile;

// What one PDF is made of.
struct PdfRequest {
    QString text;    // Markdown
    QString title;   // the page title and "{title}"
    QString baseDir; // the folder relative images resolve against; empty for none
    QString themeCSS;
    QString userCSS; // as Exporter::userCSS settles it; empty: none
};

// One PDF: the document's page laid out by the web engine on Letter pages with 72-point
// margins, 468 points of text width, and stamped with the header and footer templates.
//
// The page holds no script reference and runs no script; it may load only data: URLs and the
// images ImageAccess allows (the document's folder and granted folders), so no PDF or print
// reaches the network. Completes exactly
// once: with the stamped PDF, or with no bytes when the page cannot be laid out or printed.
class PaginatedPDFRenderer : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(const QByteArray& pdf)>;

    static constexpr int loadTimeoutMs = 60000;   // a page that never finishes loading fails
    static constexpr int printTimeoutMs = 300000; // as does one the engine never prints
    // setHtml hands the page over as a percent-encoded data: URL, which may not exceed
    // 2 MiB; a page that would loads from a temporary file instead.
    static constexpr qsizetype inlinePageLimit = 2 * 1024 * 1024;
    static bool fitsInline(const QByteArray& utf8Page);

    explicit PaginatedPDFRenderer(QObject* parent = nullptr);
    ~PaginatedPDFRenderer() override;

    // Starts the request; `done` is called later on this thread. Once per renderer.
    void render(const PdfRequest& request, Completion done);

    // Whether the page has printed and gone back for the next document; only stamping is
    // left then, off the main thread.
    bool pagePrinted() const { return m_pagePrinted; }
    // The caller is gone: the PDF under way is still finished (a page torn down in the
    // middle of loading or printing can bring the web engine down with it), then dropped,
    // and the renderer deletes itself.
    void abandon();

Q_SIGNALS:
    void pageReleased();

public:
    // The page the web engine prints (PrintPage).
    static QString pdfPage(const PdfRequest& request);

    // The off-the-record profile every renderer shares.
    static QWebEngineProfile* profile();

    // The page ready to load, made off the main thread.
    struct PreparedPage;

private:
    void load(const PreparedPage& prepared, const ImageAccess& images, const QUrl& base);
    void onLoadFinished(bool ok);
    void print();
    void finish(const QByteArray& pdf);

    PdfRequest m_request;
    QString m_header;
    QString m_footer;
    QString m_poolKey; // which documents may use the page after this one (ImageAccess::key)
    Completion m_done;
    QWebEnginePage* m_page = nullptr;
    QTimer* m_timeout = nullptr;
    std::unique_ptr<QTemporaryFile> m_file;
    bool m_finished = false;
    bool m_pagePrinted = false;
};
