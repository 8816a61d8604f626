#include "app/ui/PlainEditorHost.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
// The widget's document separates blocks with U+2029; the document text uses LF.
// (toPlainText would also turn no-break spaces into spaces, losing them on save.)
QString fromRaw(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return raw;
}
} // namespace

PlainEditorHost::PlainEditorHost(QWidget* parent) : EditorHost(parent), m_edit(new QPlainTextEdit(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setTabChangesFocus(false);
    m_baseFontSize = m_edit->font().pointSizeF();

    QTextDocument* doc = m_edit->document();
    connect(doc, &QTextDocument::contentsChanged, this, &EditorHost::textEdited);
    connect(doc, &QTextDocument::modificationChanged, this, &EditorHost::modificationChanged);
    connect(m_edit, &QPlainTextEdit::cursorPositionChanged, this, &EditorHost::selectionMoved);
    connect(m_edit, &QPlainTextEdit::selectionChanged, this, &EditorHost::selectionMoved);
    connect(m_edit, &QPlainTextEdit::undoAvailable, this, &EditorHost::undoAvailable);
    connect(m_edit, &QPlainTextEdit::redoAvailable, this, &EditorHost::redoAvailable);
    connect(m_edit, &QPlainTextEdit::copyAvailable, this, &EditorHost::copyAvailable);
}

void PlainEditorHost::loadText(const QString& text)
{
    m_edit->setPlainText(text); // also clears the undo history and the modified flag
    m_edit->document()->setModified(false);
    m_edit->moveCursor(QTextCursor::Start);
}

bool PlainEditorHost::isModified() const { return m_edit->document()->isModified(); }
void PlainEditorHost::setModified(bool modified) { m_edit->document()->setModified(modified); }
void PlainEditorHost::undo() { m_edit->undo(); }
void PlainEditorHost::redo() { m_edit->redo(); }
void PlainEditorHost::cut() { m_edit->cut(); }
void PlainEditorHost::copy() { m_edit->copy(); }
void PlainEditorHost::paste() { m_edit->paste(); }
void PlainEditorHost::selectAll() { m_edit->selectAll(); }

QString PlainEditorHost::text() const { return fromRaw(m_edit->document()->toRawText()); }

int PlainEditorHost::textLength() const
{
    // The document counts one extra position after the last block.
    return m_edit->document()->characterCount() - 1;
}

QTextCursor PlainEditorHost::cursorFor(TextRange range) const
{
    const int n = textLength();
    const int from = qBound(0, range.location, n);
    const int to = qBound(from, range.location + qMax(0, range.length), n);
    QTextCursor c(m_edit->document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    return c;
}

QString PlainEditorHost::textInRange(TextRange range) const { return fromRaw(cursorFor(range).selectedText()); }

TextRange PlainEditorHost::selectedRange() const
{
    const QTextCursor c = m_edit->textCursor();
    return {c.selectionStart(), c.selectionEnd() - c.selectionStart()};
}

void PlainEditorHost::setSelectedRange(TextRange range)
{
    if (range.isNotFound()) return;
    m_edit->setTextCursor(cursorFor(range));
}

bool PlainEditorHost::replaceRange(TextRange range, const QString& replacement)
{
    if (range.location < 0 || range.length < 0 || range.end() > textLength()) return false;
    QTextCursor c(m_edit->document());
    c.setPosition(range.location);
    c.setPosition(range.end(), QTextCursor::KeepAnchor);
    c.beginEditBlock(); // one undo step, however many lines the text has
    c.insertText(replacement);
    c.endEditBlock();
    m_edit->setTextCursor(c); // like typing: the caret ends after the inserted text
    return true;
}

void PlainEditorHost::scrollRangeToVisible(TextRange range)
{
    if (range.isNotFound()) return;
    QTextCursor c(m_edit->document());
    c.setPosition(qBound(0, range.location, textLength()));
    const QRect r = m_edit->cursorRect(c);
    if (m_edit->viewport()->rect().contains(r)) return;
    // The vertical scroll bar of a plain text edit counts layout lines.
    const QTextBlock block = c.block();
    const int lineInBlock = block.layout() ? block.layout()->lineForTextPosition(c.positionInBlock()).lineNumber() : 0;
    const int visibleLines = qMax(1, m_edit->viewport()->height() / qMax(1, m_edit->fontMetrics().lineSpacing()));
    m_edit->verticalScrollBar()->setValue(qMax(0, block.firstLineNumber() + qMax(0, lineInBlock) - visibleLines / 2));
}

void PlainEditorHost::focusEditor() { m_edit->setFocus(Qt::OtherFocusReason); }

void PlainEditorHost::beep() { QApplication::beep(); }

QSizeF PlainEditorHost::viewportSize() const { return m_edit->viewport()->size(); }

double PlainEditorHost::verticalScrollerWidth() const
{
    const QScrollBar* sb = m_edit->verticalScrollBar();
    return sb->isVisible() ? sb->width() : 0;
}

void PlainEditorHost::setMagnification(double factor, bool animated)
{
    Q_UNUSED(animated);
    QFont f = m_edit->font();
    f.setPointSizeF(m_baseFontSize * factor);
    m_edit->setFont(f);
}
