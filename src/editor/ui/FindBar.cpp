#include "editor/ui/FindBar.h"

#include "editor/EditorController.h"
#include "editor/TextFind.h"
#include "editor/ui/DocumentHost.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/Requests.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

FindBar::FindBar(EditorController* controller, QWidget* editor)
    : QWidget(editor),
      m_controller(controller),
      m_search(new QLineEdit(this)),
      m_replace(new QLineEdit(this)),
      m_count(new QLabel(this)),
      m_replaceRow(new QWidget(this)),
      m_recount(new QTimer(this))
{
    setObjectName(QStringLiteral("FindBar"));
    setAutoFillBackground(true);
    m_search->setPlaceholderText(tr("Find"));
    m_search->setAccessibleName(tr("Find"));
    m_search->setClearButtonEnabled(true);
    for (QToolButton* clear : m_search->findChildren<QToolButton*>()) clear->setAccessibleName(tr("Clear"));
    m_replace->setPlaceholderText(tr("Replace"));
    m_replace->setAccessibleName(tr("Replace with"));
    m_count->setMinimumWidth(QFontMetrics(m_count->font()).horizontalAdvance(tr("%n matches", nullptr, 999999)));

    addButtons();
    connect(m_search, &QLineEdit::returnPressed, this,
            [this] { (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) ? findPrevious() : findNext(); });
    connect(m_replace, &QLineEdit::returnPressed, this, &FindBar::replaceCurrent);
    connect(m_search, &QLineEdit::textEdited, this, &FindBar::searchEdited);

    m_recount->setSingleShot(true);
    m_recount->setInterval(200);
    connect(m_recount, &QTimer::timeout, this, &FindBar::updateCount);

    editor->installEventFilter(this);
    hide();
}

// The buttons of both rows, laid out beside the fields.
void FindBar::addButtons()
{
    auto* previous = new QPushButton(tr("Previous"), this);
    auto* next = new QPushButton(tr("Next"), this);
    auto* done = new QPushButton(tr("Done"), this);
    auto* replaceOne = new QPushButton(tr("Replace"), m_replaceRow);
    auto* replaceEvery = new QPushButton(tr("Replace All"), m_replaceRow);
    for (QPushButton* b : {previous, next, done, replaceOne, replaceEvery}) b->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->addWidget(m_search, 0, 0);
    grid->addWidget(m_count, 0, 1);
    grid->addWidget(previous, 0, 2);
    grid->addWidget(next, 0, 3);
    grid->addWidget(done, 0, 4);
    auto* row = new QGridLayout(m_replaceRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setHorizontalSpacing(6);
    row->addWidget(m_replace, 0, 0);
    row->addWidget(replaceOne, 0, 1);
    row->addWidget(replaceEvery, 0, 2);
    grid->addWidget(m_replaceRow, 1, 0, 1, 5);
    m_replaceRow->hide();

    connect(previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(done, &QPushButton::clicked, this, &FindBar::closeBar);
    connect(replaceOne, &QPushButton::clicked, this, &FindBar::replaceCurrent);
    connect(replaceEvery, &QPushButton::clicked, this, &FindBar::replaceAll);
}

// Typing in the field selects the first match from where the selection starts.
void FindBar::searchEdited()
{
    EditorTextView* view = m_controller->textView();
    if (!view) return;
    const TextFind find(m_search->text());
    const QString text = view->text();
    const TextRange sel = view->selectedRange();
    if (auto r = find.next(text, TextRange(sel.location, 0))) {
        view->setSelectedRange(*r);
        view->scrollRangeToVisible(*r);
    }
    updateCount();
}

void FindBar::attach(DocumentHost& host)
{
    auto* bar = new FindBar(host.editorController(), host.editorHost());
    QObject::connect(host.events(), &DocumentEvents::textChanged, bar, &FindBar::noteTextChanged);
    const QPointer<FindBar> guarded(bar);
    const auto on = [&host, guarded](QLatin1String request, Action action) {
        host.observeWhenKey(request, [guarded, action](const QVariant&) {
            if (guarded) guarded->perform(action);
        });
    };
    on(Requests::showFind, ShowFind);
    on(Requests::showFindAndReplace, ShowReplace);
    on(Requests::findNext, Next);
    on(Requests::findPrevious, Previous);
    on(Requests::useSelectionForFind, SetSearchFromSelection);
}

FindBar* FindBar::of(QWidget* window)
{
    return window ? window->findChild<FindBar*>(QStringLiteral("FindBar")) : nullptr;
}

void FindBar::perform(int action)
{
    switch (action) {
    case ShowFind: showBar(false); break;
    case ShowReplace: showBar(true); break;
    case Next: findNext(); break;
    case Previous: findPrevious(); break;
    case SetSearchFromSelection: useSelectionForFind(); break;
    default: break;
    }
}

void FindBar::showBar(bool withReplace)
{
    m_replaceRow->setVisible(withReplace);
    show();
    raise();
    place();
    m_search->setFocus();
    m_search->selectAll();
    updateCount();
}

bool FindBar::isReplaceShown() const
{
    return !m_replaceRow->isHidden();
}

void FindBar::place()
{
    const QWidget* editor = parentWidget();
    adjustSize();
    const int width = std::min(std::max(sizeHint().width(), 420), editor->width() - 16);
    resize(width, sizeHint().height());
    move(editor->width() - width - 24, 8);
    // A match scrolled into view goes below the bar, not under it.
    if (auto* view = dynamic_cast<MarkdownTextView*>(m_controller->textView()))
        view->setTopObstruction(view->viewport()->mapFromGlobal(mapToGlobal(QPoint(0, height()))).y());
}

void FindBar::hideEvent(QHideEvent* event)
{
    if (auto* view = dynamic_cast<MarkdownTextView*>(m_controller->textView())) view->setTopObstruction(0);
    QWidget::hideEvent(event);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) place();
    return QWidget::eventFilter(watched, event);
}

void FindBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        closeBar();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FindBar::closeBar()
{
    hide();
    if (EditorTextView* view = m_controller->textView()) view->focusEditor();
}

void FindBar::step(bool forward)
{
    EditorTextView* view = m_controller->textView();
    if (!view || m_search->text().isEmpty()) return;
    const TextFind find(m_search->text());
    const QString text = view->text();
    const auto r = forward ? find.next(text, view->selectedRange()) : find.previous(text, view->selectedRange());
    if (!r) {
        view->beep();
        return;
    }
    view->setSelectedRange(*r);
    view->scrollRangeToVisible(*r);
    if (isVisible()) updateCount();
}

void FindBar::findNext()
{
    step(true);
}
void FindBar::findPrevious()
{
    step(false);
}

void FindBar::replaceCurrent()
{
    EditorTextView* view = m_controller->textView();
    if (!view || m_search->text().isEmpty()) return;
    const TextFind find(m_search->text());
    const TextRange sel = view->selectedRange();
    // Only a selection that is a match is replaced; otherwise this finds the next one first.
    if (!sel.isNotFound() && find.matches(view->textInRange(sel))) {
        const QString with = m_replace->text();
        m_controller->replace(sel, with, TextRange(sel.location, int(with.size())));
    }
    findNext();
}

void FindBar::replaceAll()
{
    EditorTextView* view = m_controller->textView();
    if (!view || m_search->text().isEmpty()) return;
    const TextFind::Edit edit = TextFind(m_search->text()).replaceAll(view->text(), m_replace->text());
    if (edit.count == 0) {
        view->beep();
        return;
    }
    // One edit from the first match to the end of the last: one step to undo. The caret
    // goes after the last replacement; a selection over everything in between would be
    // replaced by the next key typed.
    m_controller->replace(edit.range, edit.replacement,
                          TextRange(edit.range.location + int(edit.replacement.size()), 0));
    updateCount();
}

void FindBar::useSelectionForFind()
{
    EditorTextView* view = m_controller->textView();
    if (!view) return;
    const TextRange sel = view->selectedRange();
    if (sel.isNotFound() || sel.isEmpty()) return;
    m_search->setText(view->textInRange(sel));
    if (isVisible()) updateCount();
}

void FindBar::noteTextChanged()
{
    if (isVisible()) m_recount->start();
}

void FindBar::updateCount()
{
    m_recount->stop();
    EditorTextView* view = m_controller->textView();
    if (!view || m_search->text().isEmpty()) {
        m_count->clear();
        return;
    }
    const TextFind find(m_search->text());
    const QString text = view->text();
    const TextRange sel = view->selectedRange();
    int total = 0, current = 0;
    for (auto r = find.findForward(text, 0); r; r = find.findForward(text, r->end())) {
        ++total;
        if (r->location == sel.location && r->length == sel.length) current = total;
    }
    if (total == 0)
        m_count->setText(tr("No matches"));
    else if (current > 0)
        m_count->setText(tr("%1 of %2").arg(current).arg(total));
    else
        // English has a text of its own for one; the count's forms are the translators'.
        m_count->setText(total == 1 ? tr("1 match") : tr("%n matches", nullptr, total));
}

QString FindBar::countText() const
{
    return m_count->text();
}
