#pragma once

#include <QObject>

#include <functional>

class PagedDocumentLayout;
class QTimer;

// A place far down a long text that the view waits for the layout to reach before it goes
// on: a text position (the end for Ctrl+End, a match found, the caret after a zoom or an
// undo) or a point on a blank sheet (a click where the text is not laid out yet). Laying out
// everything above it at once held the window for tens of seconds at 100 MiB: the layout
// works towards it in slices short enough that the window still paints, scrolls and takes
// (and keeps) keys, the pointer showing the window at work; once there, the step that waited
// runs and `arrived` is told.
class LayoutWait : public QObject {
public:
    // `layout` gives the view's layout now (it changes with the document).
    LayoutWait(QObject* parent, std::function<PagedDocumentLayout*()> layout);
    ~LayoutWait() override;

    bool isWaiting() const;
    // Waits for the block holding `position`, or for text-area `y`, to be laid out; `then`
    // runs once it is. A wait takes the place of one under way.
    void forPosition(int position, std::function<void()> then = {});
    void forPoint(double y, std::function<void()> then = {});
    // Gives the wait up (the text it waited in went), `then` with it; `arrived` is told all
    // the same, for what waited behind it goes on.
    void cancel();
    // Lays out the rest of the way at once and goes on as a last slice would (the window is
    // about to close, and what waited must land in the text before it is written).
    void finishNow();
    std::function<void()> arrived;

private:
    void start(int position, double y, std::function<void()> then);
    void stop();
    void slice(double budgetMs);
    void arrive();

    std::function<PagedDocumentLayout*()> m_layout;
    QTimer* m_slices;
    int m_position = -1;
    double m_y = 0;
    std::function<void()> m_then;
};
