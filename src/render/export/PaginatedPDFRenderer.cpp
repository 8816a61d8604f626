#include "render/export/PaginatedPDFRenderer.h"

#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "render/MarkdownHTMLRenderer.h"
#include "render/PrintPage.h"
#include "render/export/PDFStamper.h"
#include "render/export/PageFiles.h"
#include "render/export/WebEngineSetup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryFile>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {

class RequestGate : public QWebEngineUrlRequestInterceptor {
public:
    RequestGate(ImageAccess images, QString pageFile, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent),
          m_images(std::move(images)),
          m_pageFile(std::move(pageFile))
    {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        if (!allowed(info.requestUrl())) info.block(true);
    }

private:
    bool allowed(const QUrl& url) const
    {
        const QString scheme = url.scheme();
        if (scheme == QLatin1String("data")) return true;
        if (scheme == QLatin1String("file")) {
            const QString path = url.toLocalFile();
            if (!m_pageFile.isEmpty() && QFileInfo(path).absoluteFilePath() == m_pageFile) return true;
            return m_images.allows(path);
        }
        return false;
    }

    ImageAccess m_images;
    QString m_pageFile;
};

// Pages that printed well wait here for the next document: a new page starts a process of
// the web engine, a kept one only loads. A page is kept for documents of the folder it
// loaded from, so nothing its process may still hold from one folder reaches a document
// of another; a few at most, and only while PDFs keep coming.
class PagePool : public QObject {
public:
    static constexpr int maxIdle = 3; // as many as the print queue uses at once
    static constexpr int keepMs = 2000;

    static PagePool& instance()
    {
        static PagePool* pool = new PagePool(QCoreApplication::instance());
        return *pool;
    }

    QWebEnginePage* take(const QString& key)
    {
        for (qsizetype i = m_idle.size() - 1; i >= 0; --i) {
            if (m_idle[i].key != key) continue;
            QWebEnginePage* page = m_idle.takeAt(i).page;
            page->disconnect(this);
            return page;
        }
        return new QWebEnginePage(PaginatedPDFRenderer::profile());
    }

    void giveBack(QWebEnginePage* page, const QString& key)
    {
        if (m_idle.size() >= maxIdle) m_idle.takeFirst().page->deleteLater();
        // Its history would hold every page it loaded, each up to 2 MiB.
        page->history()->clear();
        // A page whose process ends while it waits is not handed out.
        connect(page, &QWebEnginePage::renderProcessTerminated, this, [this, page] {
            m_idle.removeIf([page](const Idle& idle) { return idle.page == page; });
            page->deleteLater();
        });
        m_idle.append({page, key});
        m_release.start(keepMs);
    }

    // The engine may not go while a page of it lives: at exit, before the engine's own
    // clean-up (routines added later run earlier), the kept pages go.
    static void releaseAll()
    {
        for (const Idle& idle : std::exchange(instance().m_idle, {})) delete idle.page;
    }

private:
    struct Idle {
        QWebEnginePage* page;
        QString key;
    };

    explicit PagePool(QObject* parent)
        : QObject(parent)
    {
        m_release.setSingleShot(true);
        connect(&m_release, &QTimer::timeout, this, [this] {
            for (const Idle& idle : std::exchange(m_idle, {})) idle.page->deleteLater();
        });
    }

    QList<Idle> m_idle;
    QTimer m_release;
};

} // namespace

PaginatedPDFRenderer::PaginatedPDFRenderer(QObject* parent)
    : QObject(parent)
{}

PaginatedPDFRenderer::~PaginatedPDFRenderer()
{
    // A page deleted mid-print may still answer: nothing may reach this half-gone renderer.
    m_finished = true;
    m_done = nullptr;
    delete m_page;
}

QWebEngineProfile* PaginatedPDFRenderer::profile()
{
    // A profile without a storage name is off the record: no cache, cookies or history
    // reach the disk.
    static QWebEngineProfile* shared = [] {
        readyWebEngine();
        auto* p = new QWebEngineProfile(QCoreApplication::instance());
        qAddPostRoutine(&PagePool::releaseAll);
        p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        return p;
    }();
    return shared;
}

bool PaginatedPDFRenderer::fitsInline(const QByteArray& utf8Page)
{
    // Every byte becomes one to three characters: count before encoding the whole page.
    if (utf8Page.size() * 3 < inlinePageLimit - 64) return true;
    if (utf8Page.size() > inlinePageLimit) return false;
    return utf8Page.toPercentEncoding().size() + 64 <= inlinePageLimit;
}

QString PaginatedPDFRenderer::pdfPage(const PdfRequest& request)
{
    return PrintPage::html(MarkdownHTMLRenderer::renderBody(request.text), request.title, request.themeCSS,
                           request.userCSS);
}

// The page as the engine will load it: inline, or from a temporary file.
struct PaginatedPDFRenderer::PreparedPage {
    QString html;                         // for setHtml when `file` is null
    std::unique_ptr<QTemporaryFile> file; // holds the page when it is too large to go inline
    bool failed = false;
};

namespace {

using PreparedPage = PaginatedPDFRenderer::PreparedPage;

PreparedPage preparePage(const PdfRequest& request, const QUrl& base)
{
    PreparedPage prepared;
    QString page = PaginatedPDFRenderer::pdfPage(request);
    if (PaginatedPDFRenderer::fitsInline(page.toUtf8())) {
        prepared.html = std::move(page);
        return prepared;
    }
    // Such a page loads from a file, with a <base> so its images still resolve against the
    // document's folder.
    if (base.isValid()) {
        const qsizetype head = page.indexOf(QLatin1String("<head>"));
        if (head >= 0)
            page.insert(head + 6, QStringLiteral("\n<base href=\"%1\">").arg(base.toString(QUrl::FullyEncoded)));
    }
    const QString folder = PageFiles::folder();
    auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/page-XXXXXX.html"));
    const QByteArray bytes = page.toUtf8();
    if (folder.isEmpty() || !file->open() || file->write(bytes) != bytes.size() || !file->flush()) {
        prepared.failed = true;
        return prepared;
    }
    file->close();
    file->moveToThread(QCoreApplication::instance()->thread());
    prepared.file = std::move(file);
    return prepared;
}

} // namespace

void PaginatedPDFRenderer::render(const PdfRequest& request, Completion done)
{
    m_request = request;
    m_done = std::move(done);
    Settings& settings = Settings::instance();
    const QVariantHash& defaults = PrefKey::defaults();
    m_header = settings.string(PrefKey::printHeaderTemplate, defaults.value(PrefKey::printHeaderTemplate).toString());
    m_footer = settings.string(PrefKey::printFooterTemplate, defaults.value(PrefKey::printFooterTemplate).toString());
    // The grants are read here, on the main thread; the gate asks the copy on any thread.
    const ImageAccess images = ImageAccess::forDocument(request.baseDir);
    const QString folder = images.documentFolder();
    const QUrl base = folder.isEmpty() ? QUrl() : QUrl::fromLocalFile(folder + u'/');

    // Rendering a long text and writing its page take a while: off the main thread.
    auto* watcher = new QFutureWatcher<std::shared_ptr<PreparedPage>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, images, base] {
        std::shared_ptr<PreparedPage> prepared = watcher->result();
        watcher->deleteLater();
        if (m_finished) return;
        if (prepared->failed) {
            finish({});
            return;
        }
        m_file = std::move(prepared->file);
        load(*prepared, images, base);
    });
    watcher->setFuture(
        QtConcurrent::run([request, base] { return std::make_shared<PreparedPage>(preparePage(request, base)); }));
}

void PaginatedPDFRenderer::load(const PreparedPage& prepared, const ImageAccess& images, const QUrl& base)
{
    const QString pageFile = m_file ? QFileInfo(m_file->fileName()).absoluteFilePath() : QString();
    m_poolKey = images.key();
    m_page = PagePool::instance().take(m_poolKey);
    // The gate of the document the page held before goes with it.
    const QList<QWebEngineUrlRequestInterceptor*> earlier =
        m_page->findChildren<QWebEngineUrlRequestInterceptor*>(Qt::FindDirectChildrenOnly);
    m_page->setUrlRequestInterceptor(new RequestGate(images, pageFile, m_page));
    qDeleteAll(earlier);
    // No script runs, whatever the page holds (user CSS may close its style element and
    // open a script): the page is laid out and printed as it stands.
    QWebEngineSettings* s = m_page->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::PrintElementBackgrounds, true);
    connect(m_page, &QWebEnginePage::loadFinished, this, &PaginatedPDFRenderer::onLoadFinished);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, [this] { finish({}); });

    m_timeout = new QTimer(this);
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, [this] { finish({}); });
    m_timeout->start(loadTimeoutMs);

    if (pageFile.isEmpty())
        m_page->setHtml(prepared.html, base);
    else
        m_page->load(QUrl::fromLocalFile(pageFile));
}

void PaginatedPDFRenderer::onLoadFinished(bool ok)
{
    if (m_finished) return;
    if (!ok) {
        finish({});
        return;
    }
    m_timeout->start(printTimeoutMs);
    print();
}

void PaginatedPDFRenderer::print()
{
    if (m_finished) return;
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(72, 72, 72, 72),
                             QPageLayout::Point);
    QPointer<PaginatedPDFRenderer> self(this);
    m_page->printToPdf(
        [self](const QByteArray& pdf) {
            if (!self || self->m_finished) return;
            if (pdf.isEmpty()) {
                self->finish({});
                return;
            }
            // The page has done its part: the next document may use it while this one is stamped.
            self->m_page->disconnect(self);
            PagePool::instance().giveBack(std::exchange(self->m_page, nullptr), self->m_poolKey);
            self->m_pagePrinted = true;
            Q_EMIT self->pageReleased();
            // Stamping a long document takes a while: off the main thread.
            auto* watcher = new QFutureWatcher<QByteArray>(self);
            QObject::connect(watcher, &QFutureWatcher<QByteArray>::finished, self, [self, watcher, pdf] {
                const QByteArray stamped = watcher->result();
                watcher->deleteLater();
                // Stamping that fails leaves the pages as the engine made them.
                self->finish(stamped.isEmpty() ? pdf : stamped);
            });
            watcher->setFuture(
                QtConcurrent::run([pdf, title = self->m_request.title, header = self->m_header,
                                   footer = self->m_footer] { return PDFStamper::stamp(pdf, title, header, footer); }));
        },
        letter);
}

void PaginatedPDFRenderer::abandon()
{
    if (m_finished) {
        deleteLater();
        return;
    }
    m_done = [this](const QByteArray&) { deleteLater(); };
}

void PaginatedPDFRenderer::finish(const QByteArray& pdf)
{
    if (m_finished) return;
    m_finished = true;
    if (m_timeout) m_timeout->stop();
    Completion done = std::move(m_done);
    m_done = nullptr;
    if (m_page) {
        m_page->deleteLater();
        m_page = nullptr;
    }
    m_file.reset();
    if (done) done(pdf);
}
