#include "editor/ui/FindBar.h"

#include "editor/EditorController.h"
#include "editor/TextFind.h"
#include "editor/ui/DocumentHost.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/Requests.h"

#include <QDeadlineTimer>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

// So long, and so many parts of the text read (2 Mi units), whichever ends first.
struct FindBar::Slice {
    QDeadlineTimer until{8};
    int parts = 32;
    // Leave to read one part more; false when the slice is used up.
    bool takePart() { return parts-- > 0 && !until.hasExpired(); }
};

FindBar::FindBar(EditorController* controller, QWidget* editor)
    : QWidget(editor),
      m_controller(controller),
      m_search(new QLineEdit(this)),
      m_replace(new QLineEdit(this)),
      m_count(new QLabel(this)),
      m_replaceRow(new QWidget(this)),
      m_recount(new QTimer(this)),
      m_slices(new QTimer(this))
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
    connect(m_recount, &QTimer::timeout, this, &FindBar::startCount);
    m_slices->setSingleShot(true);
    connect(m_slices, &QTimer::timeout, this, &FindBar::runSlices);

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

// Typing in the field selects the first match from where the selection starts; the matches
// are counted after a pause in typing.
void FindBar::searchEdited()
{
    EditorTextView* view = m_controller->textView();
    if (!view) return;
    stopWork();
    m_count->clear();
    m_recount->start();
    lookFrom(view->selectedRange().location, true);
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
    startCount();
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
    // A match arriving after the bar closed would take the caret from where the user went; a
    // count due after the last key would go through the text for no one (showing counts again).
    stopWork();
    m_recount->stop();
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
    stopWork();
    const TextRange sel = view->selectedRange();
    if (forward)
        lookFrom(sel.isNotFound() ? 0 : sel.end(), false);
    else
        lookFrom(sel.isNotFound() ? view->textLength() : sel.location, false, true);
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
    // In turn with the keys typed in the text before it, as every command.
    m_controller->inTurn([self = QPointer<FindBar>(this)] {
        if (self) self->replaceCurrentNow();
    });
}

void FindBar::replaceCurrentNow()
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
    m_controller->inTurn([self = QPointer<FindBar>(this)] {
        if (self) self->startReplacingAll();
    });
}

void FindBar::startReplacingAll()
{
    EditorTextView* view = m_controller->textView();
    if (!view || m_search->text().isEmpty()) return;
    // What is typed or given meanwhile (a save) follows the replacements.
    if (!m_replacing) view->holdTurns(true);
    m_replacing = Replacing{FindScan::whole(TextFind(m_search->text()), view->textLength()),
                            view->textRevision(),
                            view->selectedRange(),
                            m_replace->text(),
                            {}};
    Slice slice;
    if (!replaceOn(*view, slice)) m_slices->start();
}

bool FindBar::replaceOn(EditorTextView& view, Slice& slice)
{
    Replacing& r = *m_replacing;
    if (view.textRevision() != r.revision) {
        // Found in a text that is no longer there: gathered again from the text as it is.
        r.scan = FindScan::whole(TextFind(r.scan.needle()), view.textLength());
        r.revision = view.textRevision();
        r.matches.clear();
    }
    const auto read = [&view](TextRange range) { return view.copyOfRange(range); };
    while (!r.scan.isOver() && slice.takePart()) {
        qsizetype budget = FindScan::kPartUnits;
        while (const auto m = r.scan.next(read, budget)) r.matches << *m;
    }
    if (!r.scan.isOver()) return false;
    const Replacing done = std::move(r);
    m_replacing.reset();
    replaceGathered(view, done);
    view.holdTurns(false);
    return true;
}

void FindBar::replaceGathered(EditorTextView& view, const Replacing& r)
{
    if (r.matches.isEmpty()) {
        view.beep();
        return;
    }
    // The caret goes after the last replacement (a selection over everything in between would
    // be replaced by the next key typed), unless it was moved meanwhile.
    int shift = 0;
    for (const TextRange& m : r.matches) shift += int(r.with.size()) - m.length;
    const TextRange after(r.matches.last().end() + shift, 0);
    const bool moved = view.selectedRange() != r.selection;
    // A view that takes no edits now (a long paste going in) says so.
    if (!m_controller->replaceMatches(r.matches, r.with, moved ? std::nullopt : std::optional<TextRange>(after))) {
        view.beep();
        return;
    }
    if (isVisible()) startCount();
}

void FindBar::useSelectionForFind()
{
    EditorTextView* view = m_controller->textView();
    if (!view) return;
    const TextRange sel = view->selectedRange();
    if (sel.isNotFound() || sel.isEmpty()) return;
    m_search->setText(view->textInRange(sel));
    if (isVisible()) startCount();
}

void FindBar::noteTextChanged()
{
    if (!isVisible()) return;
    // The count was for the text before: it is made again after the pause.
    m_counting.reset();
    m_count->clear();
    m_recount->start();
}

void FindBar::startCount()
{
    m_recount->stop();
    m_counting.reset();
    EditorTextView* view = m_controller->textView();
    if (!view || m_search->text().isEmpty()) {
        m_count->clear();
        return;
    }
    m_counting = Counting{FindScan::whole(TextFind(m_search->text()), view->textLength()), view->textRevision(),
                          view->selectedRange()};
    Slice slice;
    if (countOn(*view, slice)) return;
    m_count->clear();
    m_slices->start();
}

void FindBar::showCount(int total, int current)
{
    if (total == 0)
        m_count->setText(tr("No matches"));
    else if (current > 0)
        m_count->setText(tr("%1 of %2").arg(current).arg(total));
    else
        // English has a text of its own for one; the count's forms are the translators'.
        m_count->setText(total == 1 ? tr("1 match") : tr("%n matches", nullptr, total));
}

void FindBar::lookFrom(int from, bool typed, bool back)
{
    EditorTextView* view = m_controller->textView();
    if (!view) return;
    const TextFind find(m_search->text());
    m_looking = Looking{back ? FindScan::wrappingBack(find, from, view->textLength())
                             : FindScan::wrapping(find, from, view->textLength()),
                        view->textRevision(), view->selectedRange(), typed};
    Slice slice;
    if (!lookOn(*view, slice)) m_slices->start();
}

void FindBar::runSlices()
{
    EditorTextView* view = m_controller->textView();
    if (!view) {
        m_replacing.reset();
        stopWork();
        return;
    }
    Slice slice;
    if (m_replacing && !replaceOn(*view, slice)) {
        m_slices->start();
        return;
    }
    if (m_looking && !lookOn(*view, slice)) {
        m_slices->start();
        return;
    }
    if (m_counting && !countOn(*view, slice)) m_slices->start();
}

bool FindBar::lookOn(EditorTextView& view, Slice& slice)
{
    Looking& l = *m_looking;
    // A match found for an older search or text, or after the user moved the selection, is
    // not shown.
    if (!stillFor(l.scan, l.revision) || view.selectedRange() != l.selection) {
        m_looking.reset();
        return true;
    }
    const auto read = [&view](TextRange r) { return view.copyOfRange(r); };
    std::optional<TextRange> found;
    while (!found && !l.scan.isOver() && slice.takePart()) {
        qsizetype budget = FindScan::kPartUnits;
        found = l.scan.next(read, budget);
    }
    if (!found && !l.scan.isOver()) return false;
    const bool typed = l.typed;
    m_looking.reset();
    if (found) {
        showMatch(*found);
        // The count under way, or shown, says which match was selected before; while typing
        // it waits for the pause.
        if (isVisible() && !(typed && m_recount->isActive())) startCount();
    } else if (!typed) {
        view.beep();
    }
    return true;
}

bool FindBar::countOn(EditorTextView& view, Slice& slice)
{
    Counting& c = *m_counting;
    if (!stillFor(c.scan, c.revision)) {
        // Counted again for what is there now, after the pause.
        m_counting.reset();
        m_recount->start();
        return true;
    }
    const auto read = [&view](TextRange r) { return view.copyOfRange(r); };
    while (!c.scan.isOver() && slice.takePart()) {
        qsizetype budget = FindScan::kPartUnits;
        while (const auto r = c.scan.next(read, budget)) {
            ++c.total;
            if (*r == c.selection) c.current = c.total;
        }
    }
    if (!c.scan.isOver()) return false;
    // The selection moved while the matches were counted: which one it is, is counted again.
    if (view.selectedRange() != c.selection) {
        startCount();
        return true;
    }
    showCount(c.total, c.current);
    m_counting.reset();
    return true;
}

bool FindBar::stillFor(const FindScan& scan, std::uint64_t revision) const
{
    const EditorTextView* view = m_controller->textView();
    return view && view->textRevision() == revision && scan.needle() == m_search->text();
}

void FindBar::showMatch(TextRange match)
{
    EditorTextView* view = m_controller->textView();
    if (!view) return;
    view->setSelectedRange(match);
    view->scrollRangeToVisible(match);
}

void FindBar::stopWork()
{
    m_looking.reset();
    m_counting.reset();
    // Replace All, once asked, goes on (with its own search) whatever is looked for next.
    if (!m_replacing) m_slices->stop();
}

QString FindBar::countText() const
{
    return m_count->text();
}
