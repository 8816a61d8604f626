#pragma once

#include "editor/EditorTextView.h"

#include <QList>
#include <QString>

// A text view double for editing tests: plain text, a selection, an undo stack that
// restores text and selection exactly, and a switch to refuse changes.
class FakeTextView : public EditorTextView {
public:
    explicit FakeTextView(QString text = {}, TextRange sel = {0, 0})
        : m_text(std::move(text)),
          m_sel(sel)
    {}

    QString text() const override { return m_text; }
    TextRange selectedRange() const override { return m_sel; }
    void setSelectedRange(TextRange r) override { m_sel = r; }

    bool replaceRange(TextRange range, const QString& replacement) override
    {
        ++changeRequests;
        if (refuseChanges > 0) {
            --refuseChanges;
            return false;
        }
        if (range.location < 0 || range.end() > m_text.size()) return false;
        m_undo.append({m_text, m_sel});
        m_redo.clear();
        m_text.replace(range.location, range.length, replacement);
        // Like a real text view: the caret lands after the inserted text.
        m_sel = TextRange(range.location + int(replacement.size()), 0);
        ++changes;
        return true;
    }

    void scrollRangeToVisible(TextRange r) override { lastScrolled = r; }
    void focusEditor() override { ++focusCount; }
    void beep() override { ++beeps; }

    bool undo()
    {
        if (m_undo.isEmpty()) return false;
        m_redo.append({m_text, m_sel});
        const auto s = m_undo.takeLast();
        m_text = s.text;
        m_sel = s.sel;
        return true;
    }
    bool redo()
    {
        if (m_redo.isEmpty()) return false;
        m_undo.append({m_text, m_sel});
        const auto s = m_redo.takeLast();
        m_text = s.text;
        m_sel = s.sel;
        return true;
    }
    int undoDepth() const { return int(m_undo.size()); }

    int refuseChanges = 0; // refuse this many change requests
    int changeRequests = 0;
    int changes = 0;
    int beeps = 0;
    int focusCount = 0;
    TextRange lastScrolled = TextRange::notFound();

private:
    struct State {
        QString text;
        TextRange sel;
    };
    QString m_text;
    TextRange m_sel;
    QList<State> m_undo, m_redo;
};
