#include "editor/ui/LayoutWait.h"

#include "editor/ui/PagedDocumentLayout.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

// Each slice's budget: the window paints and takes input between them.
constexpr double sliceMs = 100;

} // namespace

LayoutWait::LayoutWait(QObject* parent, std::function<PagedDocumentLayout*()> layout)
    : QObject(parent),
      m_layout(std::move(layout)),
      m_slices(new QTimer(this))
{
    m_slices->setInterval(0);
    connect(m_slices, &QTimer::timeout, this, [this] { slice(sliceMs); });
}

LayoutWait::~LayoutWait()
{
    if (isWaiting()) QGuiApplication::restoreOverrideCursor();
}

bool LayoutWait::isWaiting() const
{
    return m_slices->isActive();
}

void LayoutWait::forPosition(int position, std::function<void()> then)
{
    start(std::max(0, position), 0, std::move(then));
}

void LayoutWait::forPoint(double y, std::function<void()> then)
{
    start(-1, y, std::move(then));
}

void LayoutWait::start(int position, double y, std::function<void()> then)
{
    m_position = position;
    m_y = y;
    m_then = std::move(then);
    // Seen wherever the pointer is: what was asked for is not lost, the window is at work.
    if (!isWaiting()) QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    m_slices->start();
}

void LayoutWait::stop()
{
    if (isWaiting()) QGuiApplication::restoreOverrideCursor();
    m_slices->stop();
}

void LayoutWait::cancel()
{
    const bool was = isWaiting();
    stop();
    m_then = nullptr;
    // What waited behind the wait (keys typed meanwhile) goes on without it.
    if (was && arrived) arrived();
}

void LayoutWait::finishNow()
{
    if (!isWaiting()) return;
    slice(std::numeric_limits<double>::infinity());
    if (!isWaiting()) return;
    // No step led there (the place lies past what the steps reach): everything is laid out.
    m_layout()->finishLayout();
    arrive();
}

void LayoutWait::slice(double budgetMs)
{
    PagedDocumentLayout* layout = m_layout();
    // The text may have grown shorter meanwhile.
    const int last = layout->document()->characterCount() - 1;
    const bool there =
        m_position >= 0 ? layout->layOutToward(std::min(m_position, last), budgetMs) : layout->layOutAt(m_y, budgetMs);
    if (!there) return; // the next slice runs once the window has had its turn
    arrive();
}

void LayoutWait::arrive()
{
    stop();
    if (const std::function<void()> then = std::exchange(m_then, nullptr)) then();
    if (arrived) arrived();
}
