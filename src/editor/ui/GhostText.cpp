#include "editor/ui/GhostText.h"

#include "editor/EditorTextView.h"
#include "editor/StyledBlocks.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>

namespace {

// The block-relative styling of `block` with `length` units of inserted display text
// at `at` (the suggestion), and the suggestion's own dimmed look over them.
QList<QTextLayout::FormatRange> formatsAroundGhost(const QTextBlock& block, int at, int length, const QColor& dim)
{
    QList<QTextLayout::FormatRange> out;
    for (QTextLayout::FormatRange r : StyledBlocks::formatsOf(block)) {
        if (r.start >= at) {
            r.start += length;
            out.append(r);
        } else if (r.start + r.length > at) {
            QTextLayout::FormatRange tail = r;
            r.length = at - r.start;
            tail.start = at + length;
            tail.length -= r.length;
            out.append(r);
            out.append(tail);
        } else {
            out.append(r);
        }
    }
    QTextLayout::FormatRange ghost{at, length, {}};
    ghost.format.setForeground(dim);
    out.append(ghost);
    return out;
}

} // namespace

GhostText::GhostText(QTextEdit* view, EditorTextView* text)
    : QObject(view),
      m_view(view),
      m_textView(text)
{
    // A suggestion belongs to the caret where it was shown.
    connect(view, &QTextEdit::cursorPositionChanged, this, [this] {
        if (isShown() && m_view->textCursor().position() != m_anchor) dismiss();
    });
}

int GhostText::revision() const
{
    return m_view->document()->revision();
}

bool GhostText::isInActiveWindow() const
{
    return m_view->window() && m_view->window()->isActiveWindow();
}

void GhostText::show(const QString& suggestion)
{
    dismiss();
    if (suggestion.isEmpty() || m_textView->textLength() == 0 || m_view->textCursor().hasSelection()) return;
    m_text = suggestion;
    m_cursor = m_view->textCursor();
    m_anchor = m_cursor.position();
    // Shown as display text of the caret's line (the layout's pre-edit area), so the
    // rest of the line moves aside; the document never holds it.
    const QTextBlock b = m_cursor.block();
    const int at = m_anchor - b.position();
    QColor dim = m_view->palette().color(QPalette::Text);
    dim.setAlphaF(0.4f);
    b.layout()->setPreeditArea(at, suggestion);
    b.layout()->setFormats(formatsAroundGhost(b, at, int(suggestion.size()), dim));
    m_view->document()->markContentsDirty(b.position(), b.length());
    m_view->viewport()->update();
}

bool GhostText::dismiss()
{
    if (!isShown()) return false;
    m_text.clear();
    m_anchor = -1;
    const QTextBlock b = m_cursor.block();
    m_cursor = QTextCursor();
    if (b.isValid()) {
        b.layout()->setPreeditArea(-1, QString());
        b.layout()->setFormats(StyledBlocks::formatsOf(b));
        m_view->document()->markContentsDirty(b.position(), b.length());
    }
    m_view->viewport()->update();
    return true;
}

void GhostText::accept()
{
    if (!isShown()) return;
    const QString text = m_text;
    const int at = std::min(m_anchor, m_textView->textLength());
    dismiss();
    if (m_textView->replaceRange({at, 0}, text)) m_textView->setSelectedRange({at + int(text.size()), 0});
}

bool GhostText::handleKey(QKeyEvent* e)
{
    const int key = e->key();
    if (!isShown()) {
        if (key == Qt::Key_Escape) Q_EMIT escapePressed();
        return false;
    }
    const bool plainMods = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (key == Qt::Key_Tab && plainMods && !(e->modifiers() & Qt::ShiftModifier)) {
        accept();
        return true;
    }
    if (key == Qt::Key_Escape) {
        dismiss();
        return true;
    }
    if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta) dismiss();
    return false;
}
