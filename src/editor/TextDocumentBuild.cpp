#include "editor/TextDocumentBuild.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <algorithm>
#include <future>
#include <iterator>

QString TextDocumentBuild::asHeld(const QString& text)
{
    constexpr char16_t breaks[] = {u'\r', u'\x2029', u'\xfdd0', u'\xfdd1'};
    // Looked for a piece at a time, so that the four searches read it from the cache.
    constexpr qsizetype piece = 16 * 1024;
    bool any = false;
    for (qsizetype i = 0; !any && i < text.size(); i += piece) {
        const QStringView part = QStringView(text).sliced(i, std::min(piece, text.size() - i));
        any = std::any_of(std::begin(breaks), std::end(breaks), [&](char16_t c) { return part.contains(QChar(c)); });
    }
    if (!any) return text;
    QString s = text;
    for (char16_t c : breaks) s.replace(QChar(c), u'\n');
    return s;
}

TextDocumentBuild::TextDocumentBuild(std::function<QString()> make, QObject* context, std::function<void()> ready)
    : m_make(std::move(make)),
      m_mainThread(QCoreApplication::instance()->thread())
{
    m_thread.reset(QThread::create([this, context, ready] {
        build();
        // The owner waits for this thread before it goes, so the context is alive here; the
        // call is dropped if the context is gone by the time the main thread gets to it.
        QMetaObject::invokeMethod(context, ready, Qt::QueuedConnection);
    }));
    m_thread->start();
    if (!m_thread->isRunning() && !m_thread->isFinished()) {
        // No thread to be had: built here, then.
        build();
        QMetaObject::invokeMethod(context, ready, Qt::QueuedConnection);
    }
}

TextDocumentBuild::~TextDocumentBuild()
{
    m_thread->wait();
}

void TextDocumentBuild::build()
{
    const QString text = asHeld(m_make());
    // Counted meanwhile on another core: the counts a window shows after the first pause
    // would otherwise take the main thread through the whole text.
    std::future<DocStats> counts = std::async(std::launch::async, [text] { return DocStats::countLines(text); });
    auto doc = std::make_unique<QTextDocument>();
    // Nothing to undo in a text just opened.
    doc->setUndoRedoEnabled(false);
    doc->setPlainText(text);
    doc->moveToThread(m_mainThread);
    m_built = {text, std::move(doc), counts.get()};
    m_done = true;
}

bool TextDocumentBuild::isFinished() const
{
    return m_done;
}

TextDocumentBuild::Built TextDocumentBuild::take()
{
    m_thread->wait();
    return std::move(m_built);
}
