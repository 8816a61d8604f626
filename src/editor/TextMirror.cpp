#include "editor/TextMirror.h"

#include "editor/EditorTextView.h"

#include <algorithm>

bool TextMirror::catchUp(const EditorTextView& view, qsizetype budget)
{
    // A view that keeps no history cannot say what changed between steps: copied whole.
    if (view.textRevision() == 0) {
        m_pieces = {view.text()};
        m_copied = m_pieces.first().size();
        m_started = m_complete = false;
        return true;
    }
    if (m_started) {
        if (const auto change = view.textChangeSince(m_revision)) {
            if (m_complete && !change->whole && change->newEnd - change->start <= budget) {
                patch(view, *change);
                m_revision = view.textRevision();
                return true;
            }
            // What lies before the first changed unit is still right.
            truncate(change->whole ? 0 : change->start);
        } else if (m_complete) {
            return true;
        }
    }
    m_started = true;
    m_revision = view.textRevision();
    const qsizetype length = view.textLength();
    while (budget > 0 && m_copied < length) {
        if (m_pieces.isEmpty() || m_pieces.last().size() >= kPieceUnits) m_pieces.append(QString());
        const qsizetype n = std::min({kPieceUnits - m_pieces.last().size(), budget, length - m_copied});
        m_pieces.last().append(view.copyOfRange(TextRange(int(m_copied), int(n))));
        m_copied += n;
        budget -= n;
    }
    m_complete = m_copied == length;
    return m_complete;
}

void TextMirror::truncate(qsizetype at)
{
    m_complete = false;
    if (at >= m_copied) return;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < m_pieces.size() && start + m_pieces[i].size() <= at) start += m_pieces[i++].size();
    if (i < m_pieces.size()) {
        m_pieces[i].truncate(at - start);
        m_pieces.resize(m_pieces[i].isEmpty() ? i : i + 1);
    }
    m_copied = at;
}

void TextMirror::patch(const EditorTextView& view, const AttributedText::TextChange& change)
{
    if (m_pieces.isEmpty()) m_pieces.append(QString());
    // Piece i holds the change's start, piece j its old end (each may be at a piece's end).
    qsizetype i = 0, iStart = 0;
    while (i + 1 < m_pieces.size() && iStart + m_pieces[i].size() <= change.start) iStart += m_pieces[i++].size();
    qsizetype j = i, jStart = iStart;
    while (j + 1 < m_pieces.size() && jStart + m_pieces[j].size() < change.oldEnd) jStart += m_pieces[j++].size();

    const QString inserted = view.copyOfRange(TextRange(change.start, change.newEnd - change.start));
    const QStringView before = QStringView(m_pieces[i]).first(change.start - iStart);
    const QStringView after = QStringView(m_pieces[j]).sliced(change.oldEnd - jStart);
    QString middle;
    middle.reserve(before.size() + inserted.size() + after.size());
    middle.append(before).append(inserted).append(after);
    QList<QString> cut;
    for (qsizetype at = 0; at < middle.size(); at += kPieceUnits) cut.append(middle.mid(at, kPieceUnits));
    m_pieces.remove(i, j - i + 1);
    for (qsizetype k = 0; k < cut.size(); ++k) m_pieces.insert(i + k, cut[k]);
    m_copied += change.newEnd - change.oldEnd;
}

QString TextMirror::join(const QList<QString>& pieces)
{
    if (pieces.size() == 1) return pieces.first();
    qsizetype size = 0;
    for (const QString& p : pieces) size += p.size();
    QString text;
    text.reserve(size);
    for (const QString& p : pieces) text += p;
    return text;
}
