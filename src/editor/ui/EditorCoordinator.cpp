#include "editor/ui/EditorCoordinator.h"

#include "editor/SpellChecker.h"
#include "editor/TextDocumentBuild.h"
#include "editor/TypingRules.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "platform/TextUtil.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

QString documentText(QTextDocument* doc, int from, int length)
{
    QTextCursor c(doc);
    c.setPosition(from);
    c.setPosition(from + length, QTextCursor::KeepAnchor);
    QString s = c.selectedText();
    s.replace(QChar::ParagraphSeparator, u'\n');
    return s;
}

// Follows a range through the replacement of `removed` units at `from` by `added`: after
// the edit it moves, before it stays, and across it it grows to cover the new text.
void followEdit(TextRange& r, int from, int removed, int added)
{
    if (r.isNotFound() || r.end() < from) return;
    if (r.location > from + removed) {
        r.location += added - removed;
        return;
    }
    const int start = std::min(r.location, from);
    const int end = std::max(r.end() + added - removed, from + added);
    r = TextRange(start, std::max(0, end - start));
}

// A change larger than this is styled in slices: the first screen at once, the rest
// when idle (a slice takes a few milliseconds).
constexpr int progressiveUnits = 256 * 1024;
constexpr int firstSliceUnits = 24 * 1024;
constexpr int sliceUnits = 48 * 1024;
constexpr int sliceLines = 800;
constexpr int minSliceUnits = 1024;
constexpr double sliceMs = 10;
// How long an opened text's slices wait for its first frame at most.
constexpr int frameWaitMs = 100;
// Text between the change and the caret's line beyond which the two are styled apart.
constexpr int farUnits = 4 * 1024;

} // namespace

TextRange EditorCoordinator::withoutBreak(TextRange line) const
{
    // A window ending after a line's break ends where the next line starts, and so takes
    // in that line too (and, when it is blank, a whole table below it): the caret's line
    // is its text.
    const QStringView t = through(line.end());
    int end = line.end();
    if (end > line.location && end <= t.size() && TextUtil::isLineTerminator(t[end - 1])) {
        --end;
        if (end > line.location && t[end] == u'\n' && t[end - 1] == u'\r') --end;
    }
    return TextRange(line.location, end - line.location);
}

EditorCoordinator::EditorCoordinator(MarkdownTextView* view)
    : QObject(view),
      m_view(view),
      m_doc(nullptr)
{
    m_styler.focusWindowed = true; // restyle() puts the old and the new focus lines in its window
    attachDocument(view->document());
    connect(view, &QTextEdit::cursorPositionChanged, this, &EditorCoordinator::onSelectionChanged);
    connect(view, &QTextEdit::selectionChanged, this, &EditorCoordinator::onSelectionChanged);
    m_sliceTimer = new QTimer(this);
    m_sliceTimer->setSingleShot(true);
    m_sliceTimer->setInterval(0);
    connect(m_sliceTimer, &QTimer::timeout, this, [this] {
        if (m_stylingHeld) return;
        // The slices are sized to take about sliceMs each, from what the last ones over
        // text like it took: a slice that restyles text laid out already lays it out again
        // too. One cheap slice (blank lines) grows the next one no more than twice.
        int& units = m_view->pagedLayout()->isPlaced(m_unstyledFrom) ? m_laidOutSliceUnits : m_sliceUnits;
        QElapsedTimer t;
        t.start();
        styleSlice(units);
        const double ms = std::max(0.5, double(t.nsecsElapsed()) / 1e6);
        units = std::clamp(std::min(2 * units, int(units * sliceMs / ms)), minSliceUnits, sliceUnits);
    });
    connect(&SpellChecker::shared().events(), &SpellingEvents::accepted, this, &EditorCoordinator::respell);
}

void EditorCoordinator::attachDocument(QTextDocument* doc)
{
    if (m_doc) disconnect(m_doc, nullptr, this, nullptr);
    m_doc = doc;
    connect(doc, &QTextDocument::contentsChange, this, &EditorCoordinator::onContentsChange, Qt::DirectConnection);
    StyledBlocks::setFormatSource(doc, [this](const QTextBlock& b) { return formatsOf(b); });
    // The layout waits for the slices; a block it must lay out sooner is styled on demand.
    m_view->pagedLayout()->styleThrough = [this](int position) {
        while (m_unstyledFrom >= 0 && m_unstyledFrom < position) styleSlice(sliceUnits);
    };
    m_view->pagedLayout()->styleNear = [this](int position) { styleAround(position); };
    m_view->pagedLayout()->styleShown = [this](int from, int to) { return styleAhead(from, to); };
}

void EditorCoordinator::setConfig(const EditorConfig& config)
{
    m_config = config;
    EditorTheme& theme = m_styler.theme;
    theme.baseSize = config.fontSize;
    theme.fontFamily = config.fontFamily;
    theme.lineSpacing = config.lineSpacing;
    theme.appearanceMode = config.appearanceMode;
    theme.custom = config.customTheme;
    theme.focusMode = config.focusMode;
    m_styler.concealMarkers = config.viewMode == u"wysiwyg";
    if (config.spellCheck) SpellChecker::shared().setLanguage(config.spellLanguage);
}

TextRange EditorCoordinator::clampToText(TextRange r) const
{
    const int n = m_storage.length();
    if (r.isNotFound()) return {0, 0};
    const int loc = std::clamp(r.location, 0, n);
    return {loc, std::clamp(r.length, 0, n - loc)};
}

void EditorCoordinator::prepare()
{
    const TextRange sel = m_view->selectedRange();
    m_styler.caretLine = m_apartCaretLine ? *m_apartCaretLine : TextUtil::lineRange(through(sel.end()), sel);
    const bool reveal = m_config && m_config->revealMarkers;
    m_styler.revealRange = m_styler.concealMarkers && reveal ? m_styler.caretLine : TextRange::notFound();
    m_styler.theme.focusRange = m_styler.theme.focusMode ? m_styler.caretLine : TextRange::notFound();
    const PagedDocumentLayout* layout = m_view->pagedLayout();
    m_styler.contentWidth = layout->textWidth() / m_view->gridScale();
}

TextRange EditorCoordinator::restyle(std::optional<TextRange> changed, TextRange* editScope, TextRange bound)
{
    prepare();
    std::optional<TextRange> window;
    const bool focus = m_styler.theme.focusMode;
    if (changed) {
        const TextRange edit = clampToText(*changed);
        // The caret stays where it was: its line and the focus keep their styling.
        if (m_apartCaretLine) return styleWindow(edit, bound, editScope);
        const TextRange caret = withoutBreak(clampToText(m_styler.caretLine));
        window = edit.united(caret);
        // A caret line far from the change (at the end of a long paste) is styled on its
        // own: one window over both would take in all the text between them at once.
        if (!focus && window->length > edit.length + caret.length + farUnits) {
            const TextRange styled = styleWindow(edit, bound, editScope);
            // A construct around the change (a long table) may already hold the caret.
            if (caret.location >= styled.location && caret.end() <= styled.end()) return styled;
            return styled.united(styleWindow(caret, bound));
        }
    }
    if (window && focus) {
        // Dimming changes only where the focus was and where it is now.
        if (m_focusShown.isNotFound())
            window.reset();
        else
            window = window->united(clampToText(m_focusShown));
    }
    const TextRange styled = styleWindow(window, bound, editScope);
    if (!window) {
        // Everything is styled: no slice is left to do.
        m_unstyledFrom = -1;
        m_unstyledTo = -1;
        m_styledAhead = TextRange::notFound();
        m_sliceTimer->stop();
        m_view->pagedLayout()->setStyledUpTo(-1);
    }
    // The layout repaints the blocks whose styling changed; a whole restyle (settings)
    // repaints everything.
    if (!changed) m_view->viewport()->update();
    return styled;
}

TextRange EditorCoordinator::styleWindow(std::optional<TextRange> window, TextRange bound, TextRange* styledScope)
{
    const TextRange scope = m_styler.highlight(m_storage, window, bound);
    if (styledScope) *styledScope = scope;
    m_focusShown = m_styler.theme.focusMode ? clampToText(m_styler.theme.focusRange) : TextRange::notFound();
    const TextRange mirrored = mirrorToView(scope);
    leaveForSlices(m_styler.left(), scope);
    return mirrored;
}

TextRange EditorCoordinator::mirrorToView(TextRange scope)
{
    // Some passes write beyond the scope (directives, focus dimming): mirror those too,
    // in whole lines, since a block's formats are replaced as a whole.
    const TextRange touched = m_storage.takeChangedAttributesRange();
    const TextRange lines = clampToText(scope).united(touched.isNotFound() ? scope : clampToText(touched));
    const TextRange mirror = TextUtil::lineRange(through(lines.end()), lines);
    // A long range (everything, after a change of settings or zoom) is handed over some
    // lines at a time: one result for all of it would hold every run of a long text at once
    // (a hundred megabytes for 20 MB of Markdown).
    const QStringView t = through(mirror.end());
    for (int from = mirror.location;;) {
        int to = std::min(mirror.end(), from + sliceUnits);
        if (to < mirror.end()) {
            const qsizetype lf = t.indexOf(u'\n', to);
            to = lf < 0 || lf >= mirror.end() ? mirror.end() : int(lf) + 1;
        }
        const TextRange part(from, to - from);
        StyleResult result = convert(part);
        if (m_config && m_config->spellCheck) addSpellingMarks(result, part);
        StyledBlocks::apply(m_doc, result);
        if (to >= mirror.end()) break;
        from = to;
    }
    return mirror;
}

StyleResult EditorCoordinator::convert(TextRange lines)
{
    return m_bridge.convert(m_storage, lines, m_view->pagedLayout()->geometry().scale, m_view->gridUnit(),
                            m_doc->defaultFont());
}

QList<QTextLayout::FormatRange> EditorCoordinator::formatsOf(const QTextBlock& block)
{
    const TextRange line = clampToText(TextRange(block.position(), std::max(0, block.length() - 1)));
    StyleResult result = convert(line);
    if (m_config && m_config->spellCheck) addSpellingMarks(result, line);
    return StyledBlocks::formatsIn(result, block);
}

void EditorCoordinator::styleSlice(int units)
{
    const int n = m_storage.length();
    // What was styled ahead of the slices (the screen, shown before they got there) is not
    // styled again.
    if (m_unstyledFrom >= 0 && m_styledAhead.contains(m_unstyledFrom)) m_unstyledFrom = m_styledAhead.end();
    if (m_unstyledFrom < 0 || m_unstyledFrom >= n || (m_unstyledTo >= 0 && m_unstyledFrom >= m_unstyledTo)) {
        m_unstyledFrom = m_unstyledTo = -1;
        m_styledAhead = TextRange::notFound();
        m_view->pagedLayout()->setStyledUpTo(-1);
        return;
    }
    const int from = m_unstyledFrom;
    prepare();
    // A slice of some hundred lines at most: past a thousand changed blocks the layout takes
    // the change for a new text and lays everything after it out anew. What it changes
    // beyond them (the code tokens of a long block) the next slices restyle.
    const int lines = std::max(32, int(qint64(sliceLines) * units / sliceUnits));
    const int to = std::min({n, from + units, m_storage.lineEndFrom(from, lines)});
    const TextRange slice(from, to - from);
    const TextRange scope = m_styler.highlight(m_storage, slice, slice);
    mirrorToView(scope);
    const int next = std::max(scope.end(), from + 1);
    m_unstyledFrom = next < n && (m_unstyledTo < 0 || next < m_unstyledTo) ? next : -1;
    if (m_unstyledFrom < 0) {
        m_unstyledTo = -1;
        m_styledAhead = TextRange::notFound();
    }
    leaveForSlices(m_styler.left(), scope);
    if (m_unstyledFrom >= 0) m_sliceTimer->start();
    m_view->pagedLayout()->setStyledUpTo(m_unstyledFrom);
}

int EditorCoordinator::screenLines() const
{
    // Code is set a point below the base size; every other line is as high or higher.
    const double smallestLine = std::max(1.0, (m_styler.theme.baseSize - 1) * m_view->gridScale());
    return int(std::ceil(m_view->viewport()->height() / smallestLine)) + 1;
}

int EditorCoordinator::shownFrom() const
{
    const PagedDocumentLayout* layout = m_view->pagedLayout();
    const QTextBlock top = layout->blockAtY(m_view->verticalScrollBar()->value() - layout->textOrigin().y());
    return top.isValid() ? top.position() : 0;
}

int EditorCoordinator::firstScreenUnits(int from) const
{
    return std::min(firstSliceUnits, m_storage.lineEndFrom(from, screenLines()) - from);
}

TextRange EditorCoordinator::screenAround(const Edit& edit) const
{
    const int lines = screenLines();
    const int floor = std::max(0, edit.from - firstSliceUnits);
    int start = edit.from;
    for (int k = 0; k <= lines && start > floor; ++k)
        start = std::max(floor, m_storage.lastIndexOf(u'\n', start - 2, floor) + 1);
    const int editEnd = edit.from + edit.added;
    const int end =
        std::min(m_storage.lineEndFrom(editEnd, lines), std::min(m_storage.length(), editEnd + firstSliceUnits));
    return {start, end - start};
}

void EditorCoordinator::leaveForSlices(TextRange left, TextRange styled)
{
    if (left.isNotFound()) return;
    const int end = std::max(left.end(), left.location + 1);
    if (m_unstyledFrom < 0) {
        m_unstyledFrom = left.location;
        m_unstyledTo = end;
    } else {
        m_unstyledFrom = std::min(m_unstyledFrom, left.location);
        if (m_unstyledTo >= 0) m_unstyledTo = std::max(m_unstyledTo, end);
    }
    // What was styled ahead and is left now waits again; what this restyle styled past where
    // the slices start is not styled again.
    if (m_styledAhead.intersects(TextRange(left.location, end - left.location)))
        m_styledAhead = left.location > m_styledAhead.location
                            ? TextRange(m_styledAhead.location, left.location - m_styledAhead.location)
                            : TextRange::notFound();
    if (styled.location > m_unstyledFrom && styled.end() <= left.location) m_styledAhead = styled;
    // Text laid out already is laid out again as it is restyled: the slices start small.
    m_laidOutSliceUnits = std::min(m_laidOutSliceUnits, 4 * minSliceUnits);
    if (!m_stylingHeld) m_sliceTimer->start();
    m_view->pagedLayout()->setStyledUpTo(m_unstyledFrom);
}

void EditorCoordinator::slicesAfterFrame()
{
    // A view that paints nothing soon (hidden, or on another workspace) gets its slices
    // all the same.
    if (!m_view->isVisible()) {
        m_sliceTimer->start();
        return;
    }
    if (!m_slicesAfterFrame) m_view->viewport()->installEventFilter(this);
    m_slicesAfterFrame = true;
    QTimer::singleShot(frameWaitMs, this, &EditorCoordinator::startSlicesAfterFrame);
}

void EditorCoordinator::startSlicesAfterFrame()
{
    if (!m_slicesAfterFrame) return;
    m_slicesAfterFrame = false;
    m_view->viewport()->removeEventFilter(this);
    if (m_unstyledFrom >= 0 && !m_stylingHeld) m_sliceTimer->start();
}

bool EditorCoordinator::eventFilter(QObject* watched, QEvent* event)
{
    // The slice's zero timer fires once this paint is done.
    if (event->type() == QEvent::Paint && watched == m_view->viewport()) startSlicesAfterFrame();
    return QObject::eventFilter(watched, event);
}

void EditorCoordinator::restyleAll()
{
    // Restyled whole, two windows of 60 MB held the program for 15 s at each change of look.
    if (m_storage.length() <= progressiveUnits) {
        restyle(std::nullopt);
        return;
    }
    // All of it waits for the slices, as a new text does, but for the screen styled ahead.
    m_unstyledFrom = 0;
    m_unstyledTo = -1;
    m_styledAhead = TextRange::notFound();
    // Text laid out already is laid out again as it is restyled: the slices start small.
    m_laidOutSliceUnits = 4 * minSliceUnits;
    m_view->pagedLayout()->setStyledUpTo(0);
    const int from = shownFrom();
    styleAhead(from, from + firstScreenUnits(from));
    slicesAfterFrame();
    m_view->viewport()->update();
}

void EditorCoordinator::finishStyling()
{
    // Slice by slice all the same: one result for the whole rest would hold every run
    // of it at once.
    while (m_unstyledFrom >= 0) styleSlice(sliceUnits);
    m_sliceTimer->stop();
}

void EditorCoordinator::styleAround(int position)
{
    styleAhead(position - firstSliceUnits, position + firstSliceUnits);
}

bool EditorCoordinator::styleAhead(int from, int to)
{
    if (m_unstyledFrom < 0) return false;
    from = std::max(from, m_unstyledFrom);
    to = std::min(to, m_unstyledTo >= 0 ? m_unstyledTo : m_storage.length());
    if (from >= to || (from >= m_styledAhead.location && to <= m_styledAhead.end())) return false;
    // The slices restyle every block whose fence pairing the unstyled text changed; this
    // window alone is not to widen over all of them.
    m_styler.refreshFences(m_storage);
    // Only this window: the caret's line, which an edit's restyle takes in too, may be all of
    // the text (the selection Select All is making when it asks for the end).
    prepare();
    TextRange scope;
    const TextRange window(from, to - from);
    styleWindow(window, window, &scope);
    if (from == m_unstyledFrom && scope.location <= from) {
        // Styled on from where the slices were: they go on after it, and the layout with them.
        const bool done = scope.end() >= length() || (m_unstyledTo >= 0 && scope.end() >= m_unstyledTo);
        m_unstyledFrom = done ? -1 : scope.end();
        if (done) m_unstyledTo = -1;
        m_view->pagedLayout()->setStyledUpTo(m_unstyledFrom);
    } else {
        const bool joins = scope.location <= m_styledAhead.end() && scope.end() >= m_styledAhead.location;
        m_styledAhead = joins && !m_styledAhead.isNotFound() ? m_styledAhead.united(scope) : scope;
    }
    return true;
}

void EditorCoordinator::holdStyling(bool hold)
{
    m_stylingHeld = hold;
    if (hold || m_unstyledFrom < 0) return;
    m_styler.refreshFences(m_storage);
    m_sliceTimer->start();
}

DocStats EditorCoordinator::counts()
{
    if (!m_countsValid) {
        m_counts = DocStats::countLines(text());
        m_countsValid = true;
    }
    return m_counts.summed();
}

void EditorCoordinator::addSpellingMarks(StyleResult& result, TextRange range)
{
    const QList<TextRange> bad =
        SpellChecker::shared().misspelled(m_storage, clampToText(range), m_view->selectedRange().location);
    if (bad.isEmpty()) return;
    static const QTextCharFormat mark = [] {
        QTextCharFormat f;
        f.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        f.setUnderlineColor(Qt::red);
        return f;
    }();
    constexpr int spellingFormatId = -1; // never a look's number
    for (const TextRange& r : bad) result.runs.append({r.location, r.length, mark, spellingFormatId});
    std::stable_sort(result.runs.begin(), result.runs.end(),
                     [](const StyleRun& a, const StyleRun& b) { return a.start < b.start; });
}

TextRange EditorCoordinator::misspelledWordAt(int pos)
{
    if (!m_config || !m_config->spellCheck || pos < 0 || pos > m_storage.length()) return TextRange::notFound();
    const TextRange line = withoutBreak(TextUtil::lineRange(through(pos), pos));
    for (const TextRange& r : SpellChecker::shared().misspelled(m_storage, line))
        if (pos >= r.location && pos <= r.end()) return r;
    return TextRange::notFound();
}

void EditorCoordinator::respell(const QString& word)
{
    if (!m_config || !m_config->spellCheck || word.isEmpty()) return;
    // Away from the keys: one search through the whole text, then only its lines.
    QList<TextRange> lines;
    const QString& t = m_storage.string();
    for (qsizetype at = t.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = t.indexOf(word, at + word.size(), Qt::CaseInsensitive)) {
        const TextRange line = TextUtil::lineRange(t, int(at));
        if (!lines.isEmpty() && line.location <= lines.last().end())
            lines.last() = lines.last().united(line);
        else
            lines.append(line);
    }
    for (const TextRange& r : lines) mirrorToView(r);
}

void EditorCoordinator::onContentsChange(int from, int removed, int added)
{
    // Mirror the edit into the storage and the counts, then style after it.
    const Edit edit = mirrorEdit(from, removed, added);
    m_view->textWillChangeByEdit();
    // Restyle now, before Qt lays the changed blocks out, so each is laid out once.
    m_isEditing = true;
    switch (stylingOf(edit)) {
    case EditStyling::Held: holdStylingFrom(edit.from); break;
    case EditStyling::FirstScreenThenSlices: styleFirstScreen(edit.from, edit.added); break;
    case EditStyling::AtTheEdit: styleAtTheEdit(edit); break;
    }
    // Told before the layout hears of the change: it lays out only what is styled.
    m_view->pagedLayout()->setStyledUpTo(m_unstyledFrom);
    m_isEditing = false;
    if (!m_afterEditQueued) {
        m_afterEditQueued = true;
        // The rest runs once the edit (and the text edit's own bookkeeping) is complete.
        QMetaObject::invokeMethod(this, &EditorCoordinator::afterEdit, Qt::QueuedConnection);
    }
    Q_EMIT textEdited();
}

EditorCoordinator::Edit EditorCoordinator::mirrorEdit(int from, int removed, int added)
{
    // The document's last paragraph separator is not part of the text.
    const int n = m_storage.length();
    const int docLen = m_doc->characterCount() - 1;
    from = std::clamp(from, 0, n);
    removed = std::clamp(removed, 0, n - from);
    added = std::clamp(added, 0, std::max(0, docLen - from));
    // The counts change by those of the whole lines the edit replaced and wrote; a new
    // text is counted when the counts are next asked for.
    const bool recount = m_countsValid && std::max(removed, added) < progressiveUnits;
    if (recount) m_counts -= DocStats::countLines(touchedLines(from, from + removed));
    m_countsValid = recount;
    replaceInStorage(from, removed, added);
    if (recount) m_counts += DocStats::countLines(touchedLines(from, from + added));
    followEdit(m_focusShown, from, removed, added);
    followEdit(m_lastCaretLine, from, removed, added);
    if (m_apartCaretLine) followEdit(*m_apartCaretLine, from, removed, added);
    if (m_unstyledFrom >= 0 && from <= m_unstyledFrom)
        m_unstyledFrom = std::max(from, m_unstyledFrom + added - removed);
    if (m_unstyledTo >= 0 && from <= m_unstyledTo)
        m_unstyledTo = std::max(from + added, m_unstyledTo + added - removed);
    followEdit(m_styledAhead, from, removed, added);
    return {from, removed, added};
}

QStringView EditorCoordinator::touchedLines(int from, int to) const
{
    const int start = from > 0 ? m_storage.lastIndexOf(u'\n', from - 1) + 1 : 0;
    const int lf = m_storage.indexOf(u'\n', to);
    const int end = lf < 0 ? m_storage.length() : lf + 1;
    return m_storage.textUpTo(end).mid(start, end - start);
}

void EditorCoordinator::replaceInStorage(int from, int removed, int added)
{
    const int n = m_storage.length();
    // The load's own change (it may follow a change that takes the old text out).
    if (m_loading && from == 0 && removed == n && added == m_loading->size()) {
        const QString text = *std::exchange(m_loading, std::nullopt);
        m_storage.replaceCharacters({0, n}, m_loadingCounts ? text : TextDocumentBuild::asHeld(text));
        if (m_loadingCounts && n == 0) {
            m_counts = *m_loadingCounts;
            m_countsValid = true;
        }
    } else
        m_storage.replaceCharacters({from, removed}, documentText(m_doc, from, added));
}

EditorCoordinator::EditStyling EditorCoordinator::stylingOf(const Edit& edit) const
{
    if (m_stylingHeld) return EditStyling::Held;
    if (edit.added > progressiveUnits && !m_styler.theme.focusMode) return EditStyling::FirstScreenThenSlices;
    return EditStyling::AtTheEdit;
}

void EditorCoordinator::holdStylingFrom(int from)
{
    // A long text going in part by part: styled where it is seen and by the slices once
    // it is in, not part by part.
    const int line = from > 0 ? m_storage.lastIndexOf(u'\n', from - 1) + 1 : 0;
    m_unstyledFrom = m_unstyledFrom >= 0 ? std::min(m_unstyledFrom, line) : line;
    m_unstyledTo = -1;
    m_styledAhead = TextRange::notFound(); // the text it puts in may pair the fences below anew
    // Released, the slices lay out again what they restyle of the text laid out: they start
    // small there.
    m_laidOutSliceUnits = std::min(m_laidOutSliceUnits, 4 * minSliceUnits);
}

void EditorCoordinator::styleAtTheEdit(const Edit& edit)
{
    // The lines the edit touched, and what it changed on the screen around them (a fence line
    // typed pairs every block below it anew): the rest of that is left to the slices.
    restyle(TextRange(edit.from, std::max(edit.removed, edit.added)), nullptr, screenAround(edit));
}

void EditorCoordinator::styleFirstScreen(int from, int added)
{
    // A new text (opening a file): its first screen now, the rest in slices, so the
    // window shows the document before the whole of it is styled.
    // The first screen is the one at the caret: the start of an opened file, the end
    // of a long paste. (Styling from the start would reach the caret's line at the end
    // of the paste and so style everything at once.)
    m_styler.refreshFences(m_storage);
    const int caret = std::clamp(m_view->selectedRange().location, from, from + added);
    // An opened file shows its start: only what fills the view is styled (and so laid
    // out) before its first frame; the slices do the rest.
    const int firstUnits = caret == from ? firstScreenUnits(from) : firstSliceUnits;
    const int firstFrom = std::max(from, caret - firstUnits);
    TextRange firstScope;
    const TextRange first(firstFrom, std::min(from + added - firstFrom, firstUnits));
    // Bounded to it: what it changes beyond (the tokens of a long block) the slices style.
    restyle(first, &firstScope, first);
    // That styled the caret's line as well: the selection change that follows has
    // nothing left to reveal or hide (in a long table it would restyle all of it).
    m_lastCaretLine = m_styler.caretLine;
    int styledTo = firstFrom > from ? from : clampToText(TextRange(from, std::min(added, firstUnits))).end();
    // A construct styled whole from there on (a pasted table) is not styled again.
    if (firstScope.location <= styledTo) styledTo = std::max(styledTo, firstScope.end());
    m_unstyledFrom = m_unstyledFrom >= 0 ? std::min(m_unstyledFrom, styledTo) : styledTo;
    m_unstyledTo = -1;
    m_styledAhead = TextRange::notFound();
    if (m_unstyledFrom >= m_storage.length())
        m_unstyledFrom = -1;
    else if (caret == from)
        slicesAfterFrame();
    else
        m_sliceTimer->start();
}

void EditorCoordinator::beginEditsApart()
{
    // Read from a copy of its lines: reading it in place would bring the storage's gap to
    // the caret, and the next edit, far from it, would move the gap all the way back.
    const TextRange sel = clampToText(m_view->selectedRange());
    const int start = sel.location > 0 ? m_storage.lastIndexOf(u'\n', sel.location - 1) + 1 : 0;
    const QString lines = m_storage.copyText(start, m_storage.lineEndFrom(sel.end()));
    const TextRange line = TextUtil::lineRange(lines, TextRange(sel.location - start, sel.length));
    m_apartCaretLine = TextRange(start + line.location, line.length);
}

void EditorCoordinator::endEditsApart()
{
    m_apartCaretLine.reset();
}

void EditorCoordinator::afterEdit()
{
    m_afterEditQueued = false;
    centerCaret();
    m_view->editSettled();
}

void EditorCoordinator::onSelectionChanged()
{
    if (m_isEditing) return;
    centerCaret();
    // Only revealed markers and the focus dimming depend on where the selection is; without
    // them a selection change restyles nothing (select-all would restyle the whole text).
    const bool reveals = m_styler.concealMarkers && m_config && m_config->revealMarkers;
    if (!reveals && !m_styler.theme.focusMode) return;
    const TextRange sel = m_view->selectedRange();
    const TextRange line = TextUtil::lineRange(through(sel.end()), sel);
    if (line != m_lastCaretLine || (m_styler.theme.focusMode && line != m_focusShown)) {
        TextRange previous = clampToText(m_lastCaretLine.isNotFound() ? line : m_lastCaretLine);
        m_lastCaretLine = line;
        // The caret's old line has grown around a long paste: its own text is only at the
        // two ends (the paste between is styled by the edit), so those are restyled.
        if (previous.length > farUnits && !m_styler.theme.focusMode) {
            const TextRange styled = restyle(TextUtil::lineRange(through(previous.location), previous.location));
            previous = TextUtil::lineRange(through(previous.end()), previous.end()).united(line);
            if (previous.location >= styled.location && previous.end() <= styled.end()) return;
            restyle(previous);
            return;
        }
        // A jump (to the end of the text): the old line and the new one are restyled each
        // on its own, not everything between them.
        if (!m_styler.theme.focusMode && previous.united(line).length > previous.length + line.length + farUnits) {
            restyle(withoutBreak(previous)); // styles the caret's far line apart
            return;
        }
        restyle(withoutBreak(previous).united(withoutBreak(line)));
    }
}

void EditorCoordinator::centerCaret()
{
    if (!m_config || !m_config->typewriter) return;
    const QRect caret = m_view->cursorRect();
    QScrollBar* bar = m_view->verticalScrollBar();
    const int target = bar->value() + caret.center().y() - m_view->viewport()->height() / 2;
    bar->setValue(std::max(0, target));
}

bool EditorCoordinator::handleNewline()
{
    const TextRange sel = m_view->selectedRange();
    if (sel.length != 0) return false;
    const QStringView t = through(sel.location);
    const TextRange line = TextUtil::lineRange(t, sel.location);
    const QString prefix = t.mid(line.location, sel.location - line.location).toString();
    const TypingRules::Newline nl = TypingRules::continueList(prefix);
    switch (nl.kind) {
    case TypingRules::Newline::Plain: return false;
    case TypingRules::Newline::Continue:
        if (m_view->replaceRange(sel, nl.insert)) m_view->setSelectedRange({sel.location + int(nl.insert.size()), 0});
        return true;
    case TypingRules::Newline::EndList:
        if (m_view->replaceRange({line.location, int(prefix.size())}, QString()))
            m_view->setSelectedRange({line.location, 0});
        return true;
    }
    return false;
}

bool EditorCoordinator::replaceSelectionSpecially(const QString& s, bool typed)
{
    const TextRange sel = m_view->selectedRange();
    if (sel.length == 0 || s.isEmpty()) return false;
    const QString selected = through(sel.end()).mid(sel.location, sel.length).toString();
    if (TypingRules::isLinkAddress(s)) {
        const auto link = TypingRules::linkOverSelection(selected, s);
        if (!link) return false;
        if (m_view->replaceRange(sel, *link)) m_view->setSelectedRange({sel.location + int(link->size()), 0});
        return true;
    }
    if (!typed || !m_config || !m_config->autoPair) return false;
    const auto closing = TypingRules::closingMark(s);
    if (!closing) return false;
    if (m_view->replaceRange(sel, s + selected + *closing)) m_view->setSelectedRange({sel.location + 1, sel.length});
    return true;
}
