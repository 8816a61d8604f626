#include "editor/ui/KeptInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QWidget>

#include <memory>

namespace {

// A modifier alone changes nothing; the key it goes with is kept with it.
bool modifierAlone(const QEvent* e)
{
    if (e->type() != QEvent::KeyPress) return false;
    switch (static_cast<const QKeyEvent*>(e)->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta: return true;
    default: return false;
    }
}

} // namespace

KeptInput::KeptInput(QWidget* view, std::function<bool()> busy)
    : QObject(view),
      m_view(view),
      m_busy(std::move(busy))
{}

void KeptInput::noteHolding()
{
    if (isHolding() == m_toldHolding) return;
    m_toldHolding = isHolding();
    Q_EMIT holdingChanged(m_toldHolding);
}

bool KeptInput::mustWait() const
{
    // A key being played waits again only if the view became busy for it (a key that goes to
    // the end of a text still being laid out): then it goes back ahead of the others.
    return m_busy() || (!m_playing && !m_kept.empty());
}

void KeptInput::add(std::function<void()> play)
{
    if (m_playing)
        m_kept.push_front(std::move(play));
    else
        m_kept.push_back(std::move(play));
    // A key played and kept again is told about once the playing stops.
    if (!m_playing) noteHolding();
    playSoon();
}

bool KeptInput::keep(const QEvent* e)
{
    if (modifierAlone(e)) return false;
    if (!mustWait()) return false;
    std::shared_ptr<QEvent> copy(e->clone());
    // Sent as it came, through the view's event filters (Tab's snippets and suggestions).
    add([this, copy] { QCoreApplication::sendEvent(m_view, copy.get()); });
    return true;
}

bool KeptInput::keep(const QMimeData* source, std::function<void(const QMimeData*)> insert)
{
    if (!mustWait()) return false;
    // The clipboard may change before its turn: what was pasted is what goes in.
    auto copy = std::make_shared<QMimeData>();
    for (const QString& format : source->formats()) copy->setData(format, source->data(format));
    add([copy, insert = std::move(insert)] { insert(copy.get()); });
    return true;
}

bool KeptInput::keep(std::function<void()> play)
{
    if (!mustWait()) return false;
    add(std::move(play));
    return true;
}

void KeptInput::queue(std::function<void()> play)
{
    add(std::move(play));
}

void KeptInput::playSoon()
{
    if (m_queued || m_kept.empty() || m_busy()) return;
    m_queued = true;
    QMetaObject::invokeMethod(this, &KeptInput::play, Qt::QueuedConnection);
}

bool KeptInput::playNow()
{
    if (m_playing || m_kept.empty() || m_busy()) return false;
    play();
    return true;
}

void KeptInput::play()
{
    m_queued = false;
    if (m_playing) return; // a nested event loop: the outer play goes on
    // A key played may make the view busy again (a long paste): the rest waits for it.
    while (!m_kept.empty() && !m_busy()) {
        const std::function<void()> next = std::move(m_kept.front());
        m_kept.pop_front();
        m_playing = true;
        next();
        m_playing = false;
    }
    noteHolding();
}
