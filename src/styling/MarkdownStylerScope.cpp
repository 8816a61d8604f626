// Deciding what one restyle covers: the edited window grown by the scope rules (whole
// lines, table rows, directives, fences), over grids and code tokens that reach beyond it,
// and the text read far enough past it for the rules to see what they look at.
#include "styling/MarkdownCleaner.h"
#include "styling/MarkdownStylerPrivate.h"
#include "styling/TableStyling.h"

using namespace MarkdownStylerDetail;

namespace {

// The scope rules over one text: the scope, in whole lines, grows up and down as far as
// the constructs that match across lines reach from the edited lines.
class ScopeRules {
public:
    ScopeRules(QStringView ns, TextRange window, TextRange edited)
        : m_ns(ns),
          m_length(int(ns.size())),
          m_editLo(edited.location),
          m_editHi(edited.end())
    {
        const int lo = std::clamp(window.isNotFound() ? m_length : window.location, 0, m_length);
        const int hi = std::max(window.isNotFound() ? lo : window.location + window.length, lo);
        start = TextUtil::lineRange(ns, lo).location;
        end = hi >= m_length ? m_length : TextUtil::lineRange(ns, hi).end();
    }

    // Upwards: the rows of a table above, then the line above it (its column-width
    // comment) and the alignment directives above that. True when a directive moved the
    // start: it may itself be a row, or the width comment of one.
    bool growUp()
    {
        rowsUp();
        if (start > 0) {
            const TextRange above = line(start - 1);
            if (!isBlankLine(text(above))) start = above.location;
        }
        bool directive = false;
        while (start > 0 && startsDirective(line(start - 1))) {
            start = line(start - 1).location;
            directive = true;
        }
        return directive;
    }

    // Downwards: the rows of a table below, then the line below (which a directive on the
    // last line aligns, or the width comment of a table under it).
    void growDown()
    {
        rowsDown();
        if (end < m_length && end > 0) {
            const TextRange below = line(end);
            if (!isBlankLine(text(below)) || startsDirective(line(end - 1))) {
                end = std::max(end, below.end());
                rowsDown();
            }
        }
    }

    // Over every small fence the scope overlaps, in whole lines (a large one is restyled in
    // part); `up` and `down` tell on which side a fence moved the scope.
    void overFences(const QList<FenceMatch>& fences, int wholeFenceLimit, bool& up, bool& down)
    {
        auto it = std::lower_bound(fences.begin(), fences.end(), start,
                                   [](const FenceMatch& f, int pos) { return f.range.end() <= pos; });
        for (; it != fences.end() && it->range.location < end; ++it) {
            if (!it->range.intersects(TextRange(start, end - start))) continue;
            if (it->content.length > wholeFenceLimit) {
                // The closing marker begins with the line feed ending the line above the
                // closing line: a scope from the closing line on takes in that line too. So
                // does an edit at a line start inside the block: it may have moved the
                // closing line down, and the line feed before it was the marker's.
                const bool atClosingLine = start == it->content.end() && start < it->range.end();
                const bool editAtLineStart =
                    start == m_editLo && start > it->content.location && start <= it->content.end();
                if (atClosingLine || editAtLineStart) {
                    start = line(start - 1).location;
                    up = true;
                }
                continue;
            }
            if (it->range.location < start) {
                start = line(it->range.location).location;
                up = true;
            }
            if (it->range.end() > end) {
                end = it->range.end() >= m_length ? m_length : line(it->range.end() - 1).end();
                down = true;
            }
        }
    }

    int start = 0, end = 0;

private:
    TextRange line(int pos) const { return TextUtil::lineRange(m_ns, pos); }
    QStringView text(TextRange r) const { return m_ns.mid(r.location, r.length); }
    bool startsDirective(TextRange r) const { return text(r).startsWith(QLatin1String("{.")); }

    // A table row for the scope rule; the line is taken without its terminator.
    bool rowLike(TextRange r) const
    {
        if (r.length <= 0) return false;
        const TextRange content = TextUtil::lineContentRange(m_ns, r);
        return MarkdownCleaner::rowLike(text(content));
    }
    bool separator(TextRange r) const
    {
        return TableStyling::isSeparatorLine(text(TextUtil::lineContentRange(m_ns, r)));
    }
    // Whether the edit touched line `r` (an edit at the text's end touches its last line).
    bool edits(TextRange r) const { return r.location <= m_editHi && (r.end() > m_editLo || r.end() >= m_length); }

    // Rows on both sides of one blank line form one table, so an edited line next to
    // such a blank line that stops being a row can turn the rows across it into no
    // table at all: there a row on the far side is enough to reach over, unless that
    // side's two nearest lines (`near`, `next`) are a table whatever joins them. Every
    // other line keeps its text (the edit holds every change), so the current text
    // decides the join.
    bool tableAlone(TextRange near, TextRange next) const
    {
        return !isBlankLine(text(next)) && rowLike(next) && !(separator(near) && separator(next));
    }
    bool joinsAcrossBlank(TextRange rowSide, TextRange editedSide, TextRange beyondRow, bool beyondExists) const
    {
        return rowLike(rowSide)
               && (rowLike(editedSide) || (edits(editedSide) && !(beyondExists && tableAlone(rowSide, beyondRow))));
    }

    void rowsUp()
    {
        while (start > 0) {
            const TextRange b = line(start - 1);
            if (!isBlankLine(text(b))) {
                if (!rowLike(b)) break;
                start = b.location;
                continue;
            }
            const TextRange a = b.location > 0 ? line(b.location - 1) : TextRange(0, 0);
            const bool aboveA = a.location > 0;
            if (!joinsAcrossBlank(a, line(start), aboveA ? line(a.location - 1) : TextRange(), aboveA)) break;
            start = b.location;
        }
    }

    void rowsDown()
    {
        while (end < m_length) {
            const TextRange d = line(end);
            if (d.end() <= end) break;
            if (isBlankLine(text(d))) {
                const TextRange a = line(std::clamp(end - 1, 0, m_length - 1));
                const TextRange c = d.end() < m_length ? line(d.end()) : TextRange(m_length, 0);
                const bool belowC = c.end() < m_length;
                if (!joinsAcrossBlank(c, a, belowC ? line(c.end()) : TextRange(), belowC)) break;
            } else if (!rowLike(d)) {
                break;
            }
            end = d.end();
        }
    }

    QStringView m_ns;
    int m_length;
    int m_editLo, m_editHi;
};

// `scope` grown over the grid-table model runs on either side of its ends.
TextRange acrossGrids(const AttributedText& storage, TextRange scope)
{
    const int L = storage.length();
    int start = scope.location, end = scope.end();
    TextRange run;
    if (start > 0) {
        if (const auto model = storage.attributesAt(start - 1).tableModel) {
            while (start > 0 && storage.attributesAt(start - 1, &run).tableModel == model) start = run.location;
        }
    }
    if (end < L) {
        if (const auto model = storage.attributesAt(end).tableModel) {
            while (end < L && storage.attributesAt(end, &run).tableModel == model) end = run.end();
        }
    }
    return {start, end - start};
}

// How far the text must be read for `scope`: the scope rules and the passes read a few
// lines past its end, and a block's language is read from its opening line, which runs to
// a line feed.
int readNeeded(const AttributedText& storage, TextRange scope, const QList<FenceMatch>& fences)
{
    int need = storage.lineEndFrom(scope.end(), scopeReadAheadLines);
    for (const FenceMatch& f : fencesFrom(fences, scope.location)) {
        if (f.range.location >= scope.end()) break;
        if (f.range.intersects(scope)) need = std::max(need, std::min(f.content.location, storage.length()));
    }
    return need;
}

// What of `left` the restyled `scope` leaves, as one range.
TextRange outside(TextRange left, TextRange scope)
{
    if (left.isNotFound() || left.location >= scope.end() || left.end() < scope.location) return left;
    if (left.location >= scope.location)
        return left.end() <= scope.end() ? TextRange::notFound() : TextRange(scope.end(), left.end() - scope.end());
    return left.end() <= scope.end() ? TextRange(left.location, scope.location - left.location) : left;
}

} // namespace

TextRange MarkdownStyler::styleScope(TextRange window, TextRange edited, QStringView ns,
                                     const QList<FenceMatch>& fences) const
{
    // Every pass but the table and the alignment passes matches within one line, so the
    // scope grows only as far as those constructs reach from the edited lines: the rows of
    // a table (across one blank line between rows), the line above a table (its
    // column-width comment), the alignment directives above the first line, the line below
    // the last (which a directive there aligns) and every fence it overlaps. A
    // blank-line-free text (a list, a log) thus restyles a few lines, not a paragraph.
    if (ns.isEmpty()) return {0, 0};
    ScopeRules rules(ns, window, edited);
    // The rules run again only on a side that a fence or a directive moved.
    for (bool up = true, down = true; up || down;) {
        const bool directive = up && rules.growUp();
        if (down) rules.growDown();
        up = directive;
        down = false;
        rules.overFences(fences, wholeFenceLimit, up, down);
    }
    return {rules.start, rules.end - rules.start};
}

TextRange MarkdownStyler::overTokenChanges(const AttributedText& storage, TextRange scope, TextRange window,
                                           TextRange bound, QStringView ns, const QList<FenceMatch>& fences,
                                           TextRange& tokenChange)
{
    // A large block partly in the scope: where an edit changed its code tokens (a comment
    // or string opened or closed runs on below the edit) the scope follows.
    for (bool grew = true; grew;) {
        grew = false;
        for (const FenceMatch& f : fencesFrom(fences, scope.location)) {
            if (f.range.location >= scope.end()) break;
            if (!f.range.intersects(scope) || f.content.length <= wholeFenceLimit
                || (scope.location <= f.range.location && scope.end() >= f.range.end()))
                continue;
            const QString language = fenceLanguage(ns, f);
            if (language.isEmpty()) continue;
            TextRange changed;
            fenceTokens(storage, f, language, scope.end(), &changed);
            changed = withinBound(changed, bound);
            if (changed.isNotFound()) continue;
            tokenChange = tokenChange.isNotFound() ? changed : tokenChange.united(changed);
            if (changed.location < scope.location || changed.end() > scope.end()) {
                scope = styleScope(scope.united(changed), window, ns, fences);
                grew = true;
                break;
            }
        }
    }
    return scope;
}

TextRange MarkdownStyler::withinBound(TextRange change, TextRange bound)
{
    if (bound.isNotFound() || change.isNotFound()) return change;
    if (change.location >= bound.location && change.end() <= bound.end()) return change;
    if (change.location < bound.location) {
        const int end = std::min(change.end(), bound.location);
        m_left = m_left.united(TextRange(change.location, end - change.location));
    }
    if (change.end() > bound.end()) {
        const int start = std::max(change.location, bound.end());
        m_left = m_left.united(TextRange(start, change.end() - start));
    }
    const TextRange inside = change.intersection(bound);
    return inside.length > 0 ? inside : TextRange::notFound();
}

MarkdownStyler::Scope MarkdownStyler::decideScope(const AttributedText& storage, std::optional<TextRange> window,
                                                  TextRange bound, const QList<FenceMatch>* given)
{
    // Phases: what was edited since the last restyle; the fences brought up to date (and
    // what their pairing changed), the window grown by the scope rules, over grids and code
    // tokens that reach out of it (within the bound), and the text read far enough past the
    // result; decided again when it was not.
    const int L = storage.length();
    m_edited = storage.identity() == m_styledStorage ? storage.textChangeSince(m_styledRevision)
                                                     : std::optional(AttributedText::TextChange{0, 0, L, true});
    m_styledStorage = storage.identity();
    m_styledRevision = storage.textRevision();
    m_left = TextRange::notFound();
    TextRange fenceChange;
    const QList<FenceMatch>& fences = given ? *given : cachedFences(storage, &fenceChange);
    if (!window || (theme.focusMode && !focusWindowed)) return {TextRange(0, L), storage.textUpTo(L), &fences};

    // Restyling also covers every block whose fence status the edits changed, which
    // reaches beyond the edited lines when a fence line is typed or broken. The text is
    // read through a view that is right up to `readTo`: everything before the edit and a
    // few lines after it, so that an edit in the middle of a long text moves only the
    // characters between it and the scope's end, not the rest.
    fenceChange = withinBound(fenceChange, bound);
    const TextRange w = fenceChange.isNotFound() ? *window : window->united(fenceChange);
    int readTo = storage.lineEndFrom(std::max(w.end(), 0), scopeReadAheadLines + 2);
    QStringView ns = storage.textUpTo(readTo);
    // What the kept code tokens of large blocks changed: learnt once (the tokens are
    // brought up to date as they are asked), so a second decision starts from it.
    TextRange tokenChange = fenceChange;
    for (;;) {
        TextRange scope =
            styleScope(tokenChange.isNotFound() ? *window : window->united(tokenChange), *window, ns, fences);
        // A grid that reaches out of the scope (its rows joined across a blank line
        // that no longer stands between two rows) is restyled whole: left alone, its
        // stale model would go on drawing rows the text no longer has.
        // (The scope's last unit, not its end, names its last line.)
        for (TextRange grown = acrossGrids(storage, scope); grown != scope; grown = acrossGrids(storage, scope))
            scope = styleScope(TextRange(grown.location, std::max(0, grown.length - 1)), *window, ns, fences);
        scope = overTokenChanges(storage, scope, *window, bound, ns, fences, tokenChange);
        // When the lines the rules read lie beyond what the view holds, the scope was
        // decided on stale text: read further and decide again.
        const int need = readNeeded(storage, scope, fences);
        if (need <= readTo) {
            m_left = outside(m_left, scope);
            return {scope, ns, &fences};
        }
        readTo = std::min(L, std::max(need, 2 * readTo - std::max(0, window->location)));
        ns = storage.textUpTo(readTo);
    }
}
