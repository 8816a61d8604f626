#pragma once

#include <QObject>

#include <deque>
#include <functional>

class QEvent;
class QMimeData;
class QWidget;

// Keys typed and texts pasted while the editor cannot take them yet (a long paste or a long
// file's text still going in, a key waiting for the text it moves to to be laid out) wait
// here and are played in the order they came once it can: a typed key is never lost. What
// comes while anything waits waits behind it, so the order holds.
class KeptInput : public QObject {
    Q_OBJECT
public:
    // `busy`: whether the view cannot take input now.
    KeptInput(QWidget* view, std::function<bool()> busy);

    // Whether `e` (a key or an input method's text) must wait; it is kept then, and the view
    // does nothing with it now.
    bool keep(const QEvent* e);
    // The same for a paste: `insert` puts a copy of `source` in when its turn comes.
    bool keep(const QMimeData* source, std::function<void(const QMimeData*)> insert);
    // The same for what a click does (the caret put where it was): `play` does it.
    bool keep(std::function<void()> play);
    // Keeps `play` in any case: it runs once control returns (and the view is not busy), what
    // comes meanwhile waiting behind it.
    void queue(std::function<void()> play);
    // Whether what comes now must wait.
    bool mustWait() const;
    // Whether anything waits: input the text does not hold yet.
    bool isHolding() const { return !m_kept.empty(); }

Q_SIGNALS:
    // Something started to wait, or all that waited has been played.
    void holdingChanged(bool holding);

public:
    // Once control returns, plays what waits for as long as the view is not busy.
    void playSoon();
    // The same now (the window is about to close); false when nothing could be played.
    bool playNow();

private:
    void add(std::function<void()> play);
    void play();
    // Tells holdingChanged when isHolding() changed since it was last told.
    void noteHolding();

    QWidget* m_view;
    std::function<bool()> m_busy;
    bool m_toldHolding = false;
    std::deque<std::function<void()>> m_kept;
    bool m_playing = false;
    bool m_queued = false;
};
