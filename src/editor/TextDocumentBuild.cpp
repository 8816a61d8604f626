#include "editor/TextDocumentBuild.h"

#include <QCoreApplication>
#include <QTextDocument>

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
    QString text = m_make();
    auto doc = std::make_unique<QTextDocument>();
    // Nothing to undo in a text just opened.
    doc->setUndoRedoEnabled(false);
    doc->setPlainText(text);
    doc->moveToThread(m_mainThread);
    m_built = {std::move(text), std::move(doc)};
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
