// The mouse in the text view: clicks (on a sheet not laid out yet too), Control-clicks on wiki
// links, double-clicks in the header and footer bands, the wheel's zoom and the right-click
// menu with its spelling suggestions.
#include "editor/ui/MarkdownTextView.h"

#include "editor/EditorController.h"
#include "editor/SpellChecker.h"
#include "editor/WikiLinks.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/GridTableInteraction.h"
#include "editor/ui/KeptInput.h"
#include "editor/ui/LayoutWait.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "platform/NotificationBus.h"
#include "platform/Requests.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

bool MarkdownTextView::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == viewport() && e->type() == QEvent::MouseButtonPress) {
        m_ghost->dismiss();
        auto* press = static_cast<QMouseEvent*>(e);
        const QPointF doc = press->position() + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
        return followWikiLink(press)
               || (press->button() == Qt::LeftButton && placeCaretAhead(doc, press->modifiers() & Qt::ShiftModifier));
    }
    return QTextEdit::eventFilter(watched, e);
}

bool MarkdownTextView::followWikiLink(QMouseEvent* e)
{
    // Control-click follows a wiki link to the file beside the document.
    if (e->button() != Qt::LeftButton || e->modifiers() != Qt::ControlModifier) return false;
    const QPointF doc = e->position() + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int index = m_layout->hitTest(doc, Qt::ExactHit);
    // A link lies within its line: the clicked block is read, not the whole text.
    const QTextBlock block = document()->findBlock(index);
    const QString target =
        index >= 0 && block.isValid() ? WikiLinks::targetAt(block.text(), index - block.position()) : QString();
    if (target.isEmpty()) return false;
    const QString path = WikiLinks::resolve(target, documentPath());
    if (!path.isEmpty()) NotificationBus::instance().post(NotificationBus::name(Requests::openWikiLink), path);
    return true;
}

void MarkdownTextView::wheelEvent(QWheelEvent* e)
{
    // Control with the wheel zooms the pages, not the text edit's own font.
    if (e->modifiers() & Qt::ControlModifier) {
        const double steps = e->angleDelta().y() / 120.0;
        if (steps != 0) setMagnification(EditorController::stepZoom(magnification(), 0.1 * steps), false);
        e->accept();
        return;
    }
    QTextEdit::wheelEvent(e);
}

void MarkdownTextView::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPointF p = e->position() + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const double band = m_layout->geometry().marginBand * m_layout->geometry().scale;
    for (int i = 0; i < m_layout->pageCount(); ++i) {
        const QRectF r = m_layout->sheetRect(i);
        if (p.y() < r.top()) break;
        if (p.x() < r.left() || p.x() > r.right()) continue;
        if ((p.y() >= r.top() && p.y() <= r.top() + band) || (p.y() >= r.bottom() - band && p.y() <= r.bottom())) {
            NotificationBus::instance().post(NotificationBus::name(Requests::editHeaderFooter));
            return;
        }
    }
    // The second click on a sheet not laid out yet: the first one waits for it already.
    if (e->button() == Qt::LeftButton && placeCaretAhead(p, e->modifiers() & Qt::ShiftModifier)) return;
    QTextEdit::mouseDoubleClickEvent(e);
}

void MarkdownTextView::contextMenuEvent(QContextMenuEvent* e)
{
    // On a grid cell: the table commands for that cell's row and column.
    const auto hit = m_tableActions.isEmpty() ? std::nullopt : m_grid->cellHitAt(e->pos());
    if (!hit) {
        // The text edit's own menu, with the spelling of the word under the pointer above it.
        QMenu* menu = createStandardContextMenu(e->pos());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const int pos = e->reason() == QContextMenuEvent::Keyboard ? selectedRange().location
                                                                   : cursorForPosition(e->pos()).position();
        addSpellingItems(menu, pos);
        menu->popup(e->globalPos());
        return;
    }
    m_grid->endCellEdit(true);
    m_grid->frameCell(hit->source);
    QMenu menu(this);
    menu.addActions(m_tableActions);
    menu.exec(e->globalPos());
}

void MarkdownTextView::addSpellingItems(QMenu* menu, int pos)
{
    const TextRange word = m_coordinator->misspelledWordAt(pos);
    if (word.isNotFound()) return;
    const QString was = textInRange(word);
    SpellChecker& speller = SpellChecker::shared();
    QList<QAction*> items;
    for (const QString& guess : speller.suggestions(was)) {
        auto* a = new QAction(QString(guess).replace(u'&', QStringLiteral("&&")), menu);
        QFont bold = a->font();
        bold.setBold(true);
        a->setFont(bold);
        connect(a, &QAction::triggered, this, [this, word, was, guess] { correctWord(word, was, guess); });
        items.append(a);
    }
    if (items.isEmpty()) {
        auto* none = new QAction(tr("No Guesses Found"), menu);
        none->setEnabled(false);
        items.append(none);
    }
    auto separator = [menu] {
        auto* s = new QAction(menu);
        s->setSeparator(true);
        return s;
    };
    items.append(separator());
    auto* ignore = new QAction(tr("&Ignore Spelling"), menu);
    connect(ignore, &QAction::triggered, this, [was] { SpellChecker::shared().ignore(was); });
    auto* add = new QAction(tr("&Add to Dictionary"), menu);
    connect(add, &QAction::triggered, this, [this, was] {
        QString why;
        if (!SpellChecker::shared().addToDictionary(was, &why))
            QMessageBox::warning(
                this, tr("The word could not be added to the dictionary"),
                tr("“%1” is accepted until the program quits, but it could not be kept: %2").arg(was, why));
    });
    items << ignore << add << separator();
    menu->insertActions(menu->actions().value(0), items);
}

void MarkdownTextView::correctWord(TextRange word, const QString& was, const QString& with)
{
    if (word.end() > textLength() || textInRange(word) != was) return;
    const TextRange caret(word.location + int(with.size()), 0);
    if (m_controller) {
        m_controller->replace(word, with, caret);
    } else if (replaceRange(word, with)) {
        setSelectedRange(caret);
    }
}

bool MarkdownTextView::placeCaretAhead(QPointF doc, bool extend)
{
    // The text there is not laid out yet: Qt would put the caret at the end of the part that
    // is, far from the click, and what is typed next there, out of sight.
    if (!m_layout->waitsAt(doc.y() - m_layout->textOrigin().y())) return false;
    if (!m_wait->isWaiting()) m_wait->forPoint(doc.y() - m_layout->textOrigin().y());
    m_kept->keep([this, doc, extend] { placeCaret(doc, extend); });
    return true;
}

void MarkdownTextView::placeCaret(QPointF doc, bool extend)
{
    if (placeCaretAhead(doc, extend)) return; // not there yet: it waits again, first in line
    QTextCursor c = textCursor();
    c.setPosition(std::max(0, m_layout->hitTest(doc, Qt::FuzzyHit)),
                  extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(c);
    holdCaretLine();
}
