#pragma once

#include "editor/DocStats.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class QTextDocument;

// Builds the text document of a long text on a thread of its own, so that its window is made
// and shown meanwhile: putting a megabyte of text into a QTextDocument takes as long as
// making the window. The text is made there too (`make`: decoding a file's bytes, say; plain
// code over values it captured). The finished document belongs to the main thread; `ready`
// runs there, in the event loop, with `context` alive, once the build is done.
class TextDocumentBuild {
public:
    struct Built {
        QString text;                            // as the document holds it (asHeld)
        std::unique_ptr<QTextDocument> document; // nothing after it was taken
        DocStats lineCounts;                     // DocStats::countLines of the text
    };

    // `text` as a QTextDocument gives it back: the characters it turns into block breaks
    // read as line feeds.
    static QString asHeld(const QString& text);

    TextDocumentBuild(std::function<QString()> make, QObject* context, std::function<void()> ready);
    // Waits for the thread; a document not taken is deleted.
    ~TextDocumentBuild();
    TextDocumentBuild(const TextDocumentBuild&) = delete;
    TextDocumentBuild& operator=(const TextDocumentBuild&) = delete;

    bool isFinished() const;
    // Waits for the build if it is still going, then hands the text and the document over.
    Built take();

private:
    void build();

    std::function<QString()> m_make;
    QThread* m_mainThread;
    std::unique_ptr<QThread> m_thread;
    Built m_built;
    std::atomic<bool> m_done = false;
};
