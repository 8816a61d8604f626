#pragma once

#include "styling/AttributedText.h"

#include <QList>
#include <QString>

#include <cstdint>

class EditorTextView;

// A copy of a view's text for whole-text work on another thread (an autosave). It is kept
// in pieces and brought up to date from the view's edits: catching up after some typing
// copies about what was typed, not the whole text, and never moves the view's storage.
// Catching up goes in steps of at most `budget` units, so no step holds up the main thread
// however long the text; an edit between steps is followed (what was copied before the
// edit's start is kept). A snapshot's pieces never change afterwards: it may be read on
// any thread while the copy goes on.
class TextMirror {
public:
    static constexpr qsizetype kPieceUnits = qsizetype(1) << 16;

    struct Snapshot {
        QList<QString> pieces;
        std::uint64_t revision = 0; // the view's textRevision() that the pieces show
    };

    // One step towards the view's current text; true when the copy equals it.
    bool catchUp(const EditorTextView& view, qsizetype budget);
    // The copy as of the last step that returned true.
    Snapshot snapshot() const { return {m_pieces, m_revision}; }

    static QString join(const QList<QString>& pieces);

private:
    // Keeps [0, at) of the copy and forgets the rest.
    void truncate(qsizetype at);
    // Replaces the changed span with the view's text for it: the pieces around it are cut
    // and joined with the new text, and cut again at kPieceUnits.
    void patch(const EditorTextView& view, const AttributedText::TextChange& change);

    QList<QString> m_pieces;
    qsizetype m_copied = 0; // units of the view's text (at m_revision) held, from its start
    std::uint64_t m_revision = 0;
    bool m_started = false;
    bool m_complete = false;
};
