#include "assist/ui/InlineContinuation.h"

#include "assist/LLMClient.h"
#include "editor/EditorTextView.h"
#include "editor/ui/GhostText.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

InlineContinuation::InlineContinuation(GhostText* ghost, QObject* parent)
    : QObject(parent),
      m_ghost(ghost)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(Autocomplete::kPauseMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { request(false); });
    connect(ghost, &GhostText::edited, this, &InlineContinuation::schedule);
    connect(ghost, &GhostText::escapePressed, this, &InlineContinuation::cancel);
}

void InlineContinuation::cancel()
{
    m_timer.stop();
    ++m_requests;
    if (m_call) m_call->abort();
}

void InlineContinuation::schedule()
{
    m_timer.stop();
    if (Settings::instance().boolean(PrefKey::aiAutocomplete) && LLMClient::config()) m_timer.start();
}

void InlineContinuation::request(bool manual)
{
    m_timer.stop();
    EditorTextView* view = m_ghost->textView();
    if (!LLMClient::config()) {
        if (manual) view->beep();
        return;
    }
    const TextRange sel = view->selectedRange();
    if (sel.length > 0 || m_ghost->isShown()) return;
    const int caret = sel.location;
    const Autocomplete::Context ctx = Autocomplete::context(view->text(), caret, Autocomplete::kContextChars);
    if (!Autocomplete::hasEnoughContext(ctx.before)) {
        if (manual) view->beep();
        return;
    }
    if (m_call) m_call->abort();
    // The document's revision stands for its text: any edit changes it.
    const int revision = m_ghost->revision();
    const int number = ++m_requests;
    auto onSuggestion = [this, revision, caret, number](const QString& suggestion) {
        const TextRange now = m_ghost->textView()->selectedRange();
        if (number != m_requests || m_ghost->revision() != revision || now.length > 0 || now.location != caret
            || !m_ghost->isInActiveWindow())
            return;
        m_ghost->show(suggestion);
    };
    m_call = sendSuggestion ? sendSuggestion(ctx, this, onSuggestion) : Autocomplete::request(ctx, this, onSuggestion);
}
