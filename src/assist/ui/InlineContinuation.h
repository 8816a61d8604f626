#pragma once

#include "assist/Autocomplete.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class ChatCall;
class GhostText;

// Inline continuation for one text view: after a pause in typing (with "aiAutocomplete"
// on and a usable provider) or on request, asks the language model how the text at the
// caret goes on and shows the answer as the view's ghost text, only if nothing moved
// meanwhile.
class InlineContinuation : public QObject {
    Q_OBJECT
public:
    explicit InlineContinuation(GhostText* ghost, QObject* parent = nullptr);

    // Sends the request (the language-model client by default; tests replace it).
    using SuggestionSender =
        std::function<ChatCall*(const Autocomplete::Context&, QObject*, std::function<void(const QString&)>)>;
    SuggestionSender sendSuggestion;

    // Starts the pause after an edit (when automatic suggestions are on).
    void schedule();
    bool isScheduled() const { return m_timer.isActive(); }
    // Asks now; `manual` beeps when nothing can be asked.
    void request(bool manual);
    // Drops the pause and the request under way (Escape in the view): nothing is shown.
    void cancel();

private:
    GhostText* m_ghost;
    QTimer m_timer;
    QPointer<ChatCall> m_call;
    int m_requests = 0; // counts requests and cancellations: an answer shows only for the latest
};
