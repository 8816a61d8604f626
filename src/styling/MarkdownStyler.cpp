#include "styling/MarkdownStyler.h"

#include "platform/TextUtil.h"
#include "styling/CodeTokenizer.h"
#include "styling/MarkdownCleaner.h"
#include "styling/MarkdownEmphasis.h"
#include "styling/TableStyling.h"

#include <QRegularExpression>

#include <algorithm>
#include <span>

namespace {

// The patterns of the passes, compiled once for every styler. "(*ANY)" makes "^",
// "$" and "." treat every Unicode line break as one, CR LF included (a "$" matches
// before "\r\n", "." never eats a CR), and UCP makes \s and \d Unicode-aware.
struct Patterns {
    QRegularExpression heading, quote, ul, ol, hr, boldItalic, bold, strike, link, floatDirective, alignDirective,
        wikiLink, footnote;
};

QRegularExpression compile(const char* pattern, bool lines)
{
    QRegularExpression::PatternOptions opts = QRegularExpression::UseUnicodePropertiesOption;
    if (lines) opts |= QRegularExpression::MultilineOption;
    QRegularExpression re(QLatin1String("(*ANY)") + QString::fromUtf8(pattern), opts);
    Q_ASSERT(re.isValid());
    re.optimize();
    return re;
}

const Patterns& patterns()
{
    static const Patterns p{
        compile(R"(^(#{1,6})\h+(.*)$)", true),
        compile(R"(^(>\h?)(.*)$)", true),
        compile(R"(^(\h*)([-*+])(?=\s))", true),
        compile(R"(^(\h*)(\d+[.)])(?=\s))", true),
        compile(R"(^(\h*)([-*_])(\h*\2){2,}\h*$)", true),
        compile(R"((\*\*\*)(.+?)(\*\*\*))", false),
        compile(R"((\*\*|__)(.+?)(\1))", false),
        compile(R"((~~)(.+?)(~~))", false),
        compile(
            R"((!?\[)([^\]\n\r\x{0B}\x{0C}\x{85}\x{2028}\x{2029}]*)(\]\()([^)\n\r\x{0B}\x{0C}\x{85}\x{2028}\x{2029}]+)(\)))",
            false),
        compile(R"(\{\.(?:left|right|center|justify)\})", false),
        // A directive aligns the line below it, so it is a whole line as the editor cuts
        // lines: a vertical tab or form feed, which "^" and "$" take for breaks, is none.
        compile(
            R"((?<![^\n\r\x{85}\x{2028}\x{2029}])\{\.(left|right|center|justify)\}(?=[\n\r\x{85}\x{2028}\x{2029}]|\z))",
            true),
        compile(
            R"(\[\[([^\]|\n\r\x{0B}\x{0C}\x{85}\x{2028}\x{2029}]+?)(\|([^\]\n\r\x{0B}\x{0C}\x{85}\x{2028}\x{2029}]+?))?\]\])",
            false),
        compile(R"((\[\^)([^\]\s]+)(\]))", false),
    };
    return p;
}

// Group `n` of a match over a slice that starts at `offset`; not-found when the
// group did not take part.
TextRange group(const QRegularExpressionMatch& m, int n, int offset)
{
    const qsizetype s = m.capturedStart(n);
    if (s < 0) return TextRange::notFound();
    return {int(s) + offset, int(m.capturedLength(n))};
}

// How many lines past the scope's end the scope rules and the passes may read (the
// line below, a blank line, the row after it and the line after that row).
constexpr int scopeReadAheadLines = 6;

// The fences (sorted, disjoint) from the first one ending after `pos` on.
std::span<const FenceMatch> fencesFrom(const QList<FenceMatch>& fences, int pos)
{
    const auto it = std::upper_bound(fences.begin(), fences.end(), pos,
                                     [](int p, const FenceMatch& f) { return p < f.range.end(); });
    return {it, fences.end()};
}

bool usable(TextRange r)
{
    return !r.isNotFound() && r.length >= 1;
}

// Calls `fn(match, offset)` for every match of `re` inside `scope` only: the slice
// bounds act as the text's ends, as in the original engine's range matching.
// A subject that is not valid UTF-16 matches nothing at all, so one lone surrogate
// would leave its whole scope unstyled: such units are matched as U+FFFD (same length,
// so every offset stays).
template <typename Fn> void eachMatch(const QRegularExpression& re, QStringView text, TextRange scope, Fn&& fn)
{
    if (scope.length <= 0) return;
    QStringView subject = text.mid(scope.location, scope.length);
    QString repaired;
    if (!subject.isValidUtf16()) {
        repaired = subject.toString();
        for (qsizetype i = 0; i < repaired.size(); ++i) {
            const QChar c = repaired.at(i);
            if (c.isHighSurrogate() && i + 1 < repaired.size() && repaired.at(i + 1).isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                repaired[i] = QChar::ReplacementCharacter;
        }
        subject = repaired;
    }
    QRegularExpressionMatchIterator it = re.globalMatch(subject);
    while (it.hasNext()) fn(it.next(), scope.location);
}

bool isBlankLine(QStringView line)
{
    return TextUtil::trimWhitespaceAndNewlines(line).isEmpty();
}

// A table row for the scope rule; the line is taken without its terminator.
bool rowLike(QStringView text, TextRange line)
{
    if (line.length <= 0) return false;
    const TextRange content = TextUtil::lineContentRange(text, line);
    return MarkdownCleaner::rowLike(text.mid(content.location, content.length));
}

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

} // namespace

MarkdownStyler::MarkdownStyler()
{
    patterns(); // compile up front, not on the first keystroke
}

TextRange MarkdownStyler::styleScope(TextRange window, TextRange edited, QStringView ns,
                                     const QList<FenceMatch>& fences) const
{
    const int L = int(ns.size());
    if (L < 1) return {0, 0};
    const int lo = std::clamp(window.isNotFound() ? L : window.location, 0, L);
    const int hi = std::max(window.isNotFound() ? lo : window.location + window.length, lo);
    int start = TextUtil::lineRange(ns, lo).location;
    int end = hi >= L ? L : TextUtil::lineRange(ns, hi).end();

    auto lineText = [&](TextRange r) { return ns.mid(r.location, r.length); };

    // Rows on both sides of one blank line form one table, so an edited line next to
    // such a blank line that stops being a row can turn the rows across it into no
    // table at all: there a row on the far side is enough to reach over, unless that
    // side's two nearest lines are a table whatever joins them. Every other line keeps
    // its text (`edited` holds every change), so the current text decides the join.
    const int editLo = edited.location, editHi = edited.end();
    // Whether the edit touched line `r` (an edit at the text's end touches its last line).
    auto edits = [&](TextRange r) { return r.location <= editHi && (r.end() > editLo || r.end() >= L); };
    auto tableAlone = [&](TextRange near, TextRange next) {
        auto separator = [&](TextRange r) {
            const TextRange content = TextUtil::lineContentRange(ns, r);
            return TableStyling::isSeparatorLine(ns.mid(content.location, content.length));
        };
        return !isBlankLine(lineText(next)) && rowLike(ns, next) && !(separator(near) && separator(next));
    };

    // Every pass but the table and the alignment passes matches within one line, so
    // the scope grows only as far as those constructs reach from the edited lines: the
    // rows of a table (across one blank line between rows), the line above a table (its
    // column-width comment), the alignment directives above the first line, the line
    // below the last (which a directive there aligns) and every fence it overlaps.
    // A blank-line-free text (a list, a log) thus restyles a few lines, not a paragraph.
    auto startsDirective = [&](TextRange r) { return lineText(r).startsWith(QLatin1String("{.")); };
    auto rowsUp = [&] {
        while (start > 0) {
            const TextRange b = TextUtil::lineRange(ns, start - 1);
            if (!isBlankLine(lineText(b))) {
                if (!rowLike(ns, b)) break;
                start = b.location;
                continue;
            }
            const TextRange a = b.location > 0 ? TextUtil::lineRange(ns, b.location - 1) : TextRange(0, 0);
            const TextRange c = TextUtil::lineRange(ns, start);
            const bool cEdited = edits(c);
            if (!(rowLike(ns, a)
                  && (rowLike(ns, c)
                      || (cEdited && !(a.location > 0 && tableAlone(a, TextUtil::lineRange(ns, a.location - 1)))))))
                break;
            start = b.location;
        }
    };
    auto rowsDown = [&] {
        while (end < L) {
            const TextRange d = TextUtil::lineRange(ns, end);
            if (d.end() <= end) break;
            if (isBlankLine(lineText(d))) {
                const TextRange a = TextUtil::lineRange(ns, std::clamp(end - 1, 0, L - 1));
                const TextRange c = d.end() < L ? TextUtil::lineRange(ns, d.end()) : TextRange(L, 0);
                const bool aEdited = edits(a);
                if (!(rowLike(ns, c)
                      && (rowLike(ns, a)
                          || (aEdited && !(c.end() < L && tableAlone(c, TextUtil::lineRange(ns, c.end())))))))
                    break;
            } else if (!rowLike(ns, d)) {
                break;
            }
            end = d.end();
        }
    };
    // The rules run again only on a side that a fence moved.
    for (bool up = true, down = true; up || down;) {
        if (up) rowsUp();
        if (up && start > 0) {
            const TextRange above = TextUtil::lineRange(ns, start - 1);
            if (!isBlankLine(lineText(above))) start = above.location;
        }
        // A directive line may itself be a row (or the width comment of one) above: the
        // rules run again from it.
        bool directive = false;
        while (up && start > 0 && startsDirective(TextUtil::lineRange(ns, start - 1))) {
            start = TextUtil::lineRange(ns, start - 1).location;
            directive = true;
        }
        if (down) rowsDown();
        if (down && end < L && end > 0) {
            const TextRange below = TextUtil::lineRange(ns, end);
            if (!isBlankLine(lineText(below)) || startsDirective(TextUtil::lineRange(ns, end - 1))) {
                end = std::max(end, below.end());
                rowsDown(); // the line below may be the width comment of a table under it
            }
        }
        // Over every small fence the scope overlaps (fences are sorted and disjoint), in
        // whole lines; a large one is restyled in part (highlight).
        up = directive;
        down = false;
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
                    start == editLo && start > it->content.location && start <= it->content.end();
                if (atClosingLine || editAtLineStart) {
                    start = TextUtil::lineRange(ns, start - 1).location;
                    up = true;
                }
                continue;
            }
            if (it->range.location < start) {
                start = TextUtil::lineRange(ns, it->range.location).location;
                up = true;
            }
            if (it->range.end() > end) {
                end = it->range.end() >= L ? L : TextUtil::lineRange(ns, it->range.end() - 1).end();
                down = true;
            }
        }
    }
    return {start, end - start};
}

void MarkdownStyler::marker(AttributedText& storage, TextRange range, TextRange clip) const
{
    if (!usable(range)) return;
    // Dimmed always; hidden in WYSIWYG unless it overlaps the reveal range (one edit).
    const bool conceal = concealMarkers && (revealRange.isNotFound() || !range.intersects(revealRange));
    if (!clip.isNotFound()) {
        range = range.intersection(clip);
        if (!usable(range)) return;
    }
    storage.modifyAttributes(range, key(conceal ? Op::HiddenMarker : Op::Marker), [&](TextAttributes& a) {
        a.foreground = m_paint.marker;
        a.notProse = true;
        if (conceal) a.markdownConceal = true;
    });
}

void MarkdownStyler::applyTrait(bool bold, AttributedText& storage, TextRange range) const
{
    if (!usable(range) || range.end() > storage.length()) return;
    storage.modifyAttributes(range, key(bold ? Op::Bold : Op::Italic), [&](TextAttributes& a) {
        QFont f = a.font ? *a.font : m_paint.baseFont;
        if (bold)
            f.setBold(true);
        else
            f.setItalic(true);
        a.font = f;
    });
}

void MarkdownStyler::styleMono(AttributedText& storage, TextRange range, bool background) const
{
    if (!usable(range)) return;
    storage.modifyAttributes(range, key(background ? Op::CodeWithBackground : Op::Code), [&](TextAttributes& a) {
        a.font = m_paint.codeFont;
        a.foreground = m_paint.code;
        a.notProse = true;
        if (background) a.background = m_paint.codeBackground;
    });
}

void MarkdownStyler::colour(AttributedText& storage, TextRange range, int op, const QColor& c) const
{
    storage.modifyAttributes(range, key(op), [&c](TextAttributes& a) { a.foreground = c; });
}

void MarkdownStyler::identifier(AttributedText& storage, TextRange range, int op, const QColor& c) const
{
    storage.modifyAttributes(range, key(op), [&c](TextAttributes& a) {
        a.foreground = c;
        a.notProse = true;
    });
}

void MarkdownStyler::preparePaint()
{
    m_paint.text = theme.textColor();
    auto dim = [this](double a) {
        QColor c = m_paint.text;
        c.setAlphaF(float(a));
        return c;
    };
    // Markers and quoted or struck text are dimmed, but stay legible on every page. The
    // search for that alpha is redone only when the text or page colour changes.
    const QColor page = theme.pageColor();
    if (m_legibleFor != std::pair{m_paint.text, page}) {
        m_legibleFor = {m_paint.text, page};
        m_legibleMarker = theme.legibleTextColor(0.35);
        m_legibleFaint = theme.legibleTextColor(0.6);
    }
    m_paint.marker = m_legibleMarker;
    m_paint.faint = m_legibleFaint;
    m_paint.rule = dim(0.25);
    m_paint.codeBackground = dim(0.06);
    m_paint.focusDim = dim(0.28);
    m_paint.link = theme.linkColor();
    m_paint.code = theme.codeColor();
    m_paint.baseFont = theme.scaledFont(theme.baseSize);
    m_paint.codeFont = theme.codeFont();
    for (int level = 0; level < 7; ++level) m_paint.headingFonts[level] = theme.headingFont(level);
    // In the editor's own look, which need not be the application's.
    m_paint.tokenComment = theme.resolved(EditorTheme::SystemColor::SecondaryLabel);
    m_paint.tokenString = theme.resolved(EditorTheme::SystemColor::Green);
    m_paint.tokenNumber = theme.resolved(EditorTheme::SystemColor::Teal);
    m_paint.tokenKeyword = theme.resolved(EditorTheme::SystemColor::Pink);
}

TextRange MarkdownStyler::highlight(AttributedText& storage, std::optional<TextRange> window,
                                    const QList<FenceMatch>* fences)
{
    const int L = storage.length();
    const Patterns& re = patterns();
    const bool windowed = window && (!theme.focusMode || focusWindowed);

    // Restyling also covers every block whose fence status the edits changed, which
    // reaches beyond the edited lines when a fence line is typed or broken.
    TextRange fenceChange;
    const QList<FenceMatch>& fm = fences ? *fences : cachedFences(storage, &fenceChange);
    // The text is read through a view that is right up to `readTo`: everything before
    // the edit and a few lines after it, so that an edit in the middle of a long text
    // moves only the characters between it and the scope's end, not the rest.
    int readTo = L;
    if (windowed) {
        const TextRange w = fenceChange.isNotFound() ? *window : window->united(fenceChange);
        readTo = storage.lineEndFrom(std::max(w.end(), 0), scopeReadAheadLines + 2);
    }
    QStringView ns = storage.textUpTo(readTo);
    TextRange scope(0, L);
    // What the kept code tokens of large blocks changed: learnt once (the tokens are
    // brought up to date as they are asked), so a second decision starts from it.
    TextRange tokenChange = fenceChange;
    for (bool readEnough = !windowed; !readEnough;) {
        scope = styleScope(tokenChange.isNotFound() ? *window : window->united(tokenChange), *window, ns, fm);
        // A grid that reaches out of the scope (its rows joined across a blank line
        // that no longer stands between two rows) is restyled whole: left alone, its
        // stale model would go on drawing rows the text no longer has.
        // (The scope's last unit, not its end, names its last line.)
        for (TextRange grown = acrossGrids(storage, scope); grown != scope; grown = acrossGrids(storage, scope))
            scope = styleScope(TextRange(grown.location, std::max(0, grown.length - 1)), *window, ns, fm);
        // A large block partly in the scope: where an edit changed its code tokens (a
        // comment or string opened or closed runs on below the edit) the scope follows.
        for (bool grew = true; grew;) {
            grew = false;
            for (const FenceMatch& f : fencesFrom(fm, scope.location)) {
                if (f.range.location >= scope.end()) break;
                if (!f.range.intersects(scope) || f.content.length <= wholeFenceLimit
                    || (scope.location <= f.range.location && scope.end() >= f.range.end()))
                    continue;
                const QString language = fenceLanguage(ns, f);
                if (language.isEmpty()) continue;
                TextRange changed;
                fenceTokens(storage, f, language, &changed);
                if (!changed.isNotFound())
                    tokenChange = tokenChange.isNotFound() ? changed : tokenChange.united(changed);
                if (!changed.isNotFound() && (changed.location < scope.location || changed.end() > scope.end())) {
                    scope = styleScope(scope.united(changed), *window, ns, fm);
                    grew = true;
                    break;
                }
            }
        }
        // The scope rules and the passes read a few lines past the scope's end: when
        // those lie beyond what the view holds, the scope was decided on stale text.
        // Read further and decide again.
        int need = storage.lineEndFrom(scope.end(), scopeReadAheadLines);
        // A block's language is read from its opening line, which runs to a line feed.
        for (const FenceMatch& f : fencesFrom(fm, scope.location)) {
            if (f.range.location >= scope.end()) break;
            if (f.range.intersects(scope)) need = std::max(need, std::min(f.content.location, L));
        }
        readEnough = need <= readTo;
        if (!readEnough) {
            readTo = std::min(L, std::max(need, 2 * readTo - std::max(0, window->location)));
            ns = storage.textUpTo(readTo);
        }
    }

    // Whether a range overlaps a fence with a positive length (touching is not enough).
    auto inFence = [&fm](TextRange r) {
        if (fm.isEmpty() || r.length <= 0) return false;
        auto it = std::upper_bound(fm.begin(), fm.end(), r.location,
                                   [](int pos, const FenceMatch& f) { return pos < f.range.location; });
        if (it != fm.begin() && std::prev(it)->range.intersects(r)) return true;
        return it != fm.end() && it->range.intersects(r);
    };

    preparePaint();
    m_keys = storage.newEditKeys();
    storage.beginEditing();

    // Base attributes: a set, dropping everything earlier restyles left in the scope.
    TextAttributes base;
    base.font = m_paint.baseFont;
    base.foreground = m_paint.text;
    ParagraphStyle para;
    para.lineSpacing = theme.lineSpacing;
    para.paragraphSpacing = 4;
    base.paragraphStyle = para;
    storage.setAttributes(scope, base);
    // A blank line right below the scope takes its alignment from the scope's last line
    // (a directive there, or one the edit removed): it goes back to the base paragraph,
    // and the directive pass below aligns it again if a directive still stands above it.
    if (scope.end() < L && scope.end() > 0 && TextUtil::isLineTerminator(ns[scope.end() - 1])) {
        const TextRange below = TextUtil::lineRange(ns, scope.end());
        if (isBlankLine(ns.mid(below.location, below.length))) storage.addParagraphStyle(below, para);
    }

    // Fenced code blocks (a large one may lie partly outside the scope: only its part
    // inside is styled again).
    for (const FenceMatch& f : fencesFrom(fm, scope.location)) {
        if (f.range.location >= scope.end()) break;
        if (!f.range.intersects(scope)) continue;
        styleMono(storage, f.range.intersection(scope), true);
        // A large block's ends may lie far from the scope: found without moving the text.
        const int firstLf = storage.indexOf(u'\n', f.range.location);
        if (firstLf >= 0 && firstLf < f.range.end())
            marker(storage, TextRange(f.range.location, firstLf + 1 - f.range.location), scope);
        // The closing marker takes in the line feed before the closing line. A block left
        // open has no closing line: its last line is code, not a marker.
        if (f.content.end() < f.range.end())
            marker(storage, TextRange(f.content.end() - 1, f.range.end() - f.content.end() + 1), scope);
        highlightFenceCode(storage, f, scope, ns);
    }

    // Every pass below skips matches that overlap fenced code.
    auto pass = [&](const QRegularExpression& pattern, auto&& apply) {
        eachMatch(pattern, ns, scope, [&](const QRegularExpressionMatch& m, int off) {
            const TextRange whole = group(m, 0, off);
            if (!inFence(whole)) apply(m, off, whole);
        });
    };

    pass(re.hr,
         [&](const QRegularExpressionMatch&, int, TextRange whole) { colour(storage, whole, Op::Rule, m_paint.rule); });
    pass(re.heading, [&](const QRegularExpressionMatch& m, int off, TextRange whole) {
        const TextRange hashes = group(m, 1, off), title = group(m, 2, off);
        const int level = std::clamp(hashes.length, 0, 6);
        storage.modifyAttributes(whole, key(Op::Heading0 + level),
                                 [&](TextAttributes& a) { a.font = m_paint.headingFonts[level]; });
        if (usable(title)) colour(storage, title, Op::Title, m_paint.text);
        if (!title.isNotFound()) marker(storage, TextRange(whole.location, title.location - whole.location));
    });
    pass(re.quote, [&](const QRegularExpressionMatch& m, int off, TextRange) {
        const TextRange text = group(m, 2, off);
        if (usable(text)) {
            colour(storage, text, Op::Faint, m_paint.faint);
            applyTrait(false, storage, text);
        }
        marker(storage, group(m, 1, off));
    });
    for (const QRegularExpression* list : {&re.ul, &re.ol}) {
        pass(*list, [&](const QRegularExpressionMatch& m, int off, TextRange) {
            const TextRange bullet = group(m, 2, off);
            if (usable(bullet)) {
                colour(storage, bullet, Op::Link, m_paint.link);
                applyTrait(true, storage, bullet);
            }
        });
    }
    for (const MarkdownEmphasis::Match& m : MarkdownEmphasis::codeSpanMatches(ns, scope)) {
        if (inFence(m.whole)) continue;
        styleMono(storage, m.text, true);
        marker(storage, m.open);
        marker(storage, m.close);
    }
    pass(re.link, [&](const QRegularExpressionMatch& m, int off, TextRange) {
        const TextRange text = group(m, 2, off);
        if (usable(text)) {
            storage.modifyAttributes(text, key(Op::LinkText), [&](TextAttributes& a) {
                a.foreground = m_paint.link;
                a.underline = true;
            });
        }
        for (int g : {1, 3, 4, 5}) marker(storage, group(m, g, off));
    });
    // Emphasis: the content gets its traits, the delimiters are markers.
    auto emphasis = [&](const QRegularExpression& pattern, bool bold, bool italic) {
        pass(pattern, [&](const QRegularExpressionMatch& m, int off, TextRange) {
            const TextRange text = group(m, 2, off);
            if (bold) applyTrait(true, storage, text);
            if (italic) applyTrait(false, storage, text);
            marker(storage, group(m, 1, off));
            marker(storage, group(m, 3, off));
        });
    };
    emphasis(re.boldItalic, true, true);
    emphasis(re.bold, true, false);
    for (const MarkdownEmphasis::Match& m : MarkdownEmphasis::singleMarkerMatches(ns, scope)) {
        if (inFence(m.whole)) continue;
        applyTrait(false, storage, m.text);
        marker(storage, m.open);
        marker(storage, m.close);
    }
    pass(re.strike, [&](const QRegularExpressionMatch& m, int off, TextRange) {
        const TextRange text = group(m, 2, off);
        if (usable(text)) {
            storage.modifyAttributes(text, key(Op::Strike), [&](TextAttributes& a) {
                a.strikethrough = true;
                a.foreground = m_paint.faint;
            });
        }
        marker(storage, group(m, 1, off));
        marker(storage, group(m, 3, off));
    });

    // Footnote references (small, raised when concealing) and definition labels.
    {
        const QFont& baseFont = m_paint.baseFont;
        QFont refFont = baseFont;
        if (baseFont.pointSizeF() > 0) refFont.setPointSizeF(baseFont.pointSizeF() * 0.72);
        pass(re.footnote, [&](const QRegularExpressionMatch& m, int off, TextRange whole) {
            if (whole.end() < L && ns[whole.end()] == u':') {
                identifier(storage, TextRange(whole.location, whole.length + 1), Op::FootnoteLabel, m_paint.marker);
                return;
            }
            const TextRange id = group(m, 2, off);
            identifier(storage, id, Op::FootnoteId, m_paint.link);
            if (concealMarkers && (revealRange.isNotFound() || !whole.intersects(revealRange))) {
                storage.modifyAttributes(id, key(Op::FootnoteReference), [&](TextAttributes& a) {
                    a.font = refFont;
                    a.baselineOffset = 0.32 * baseFont.pointSizeF();
                });
            }
            marker(storage, group(m, 1, off));
            marker(storage, group(m, 3, off));
        });
    }

    // Wiki links: the label (or target) in the link colour, carrying the target.
    pass(re.wikiLink, [&](const QRegularExpressionMatch& m, int off, TextRange whole) {
        const TextRange target = group(m, 1, off), label = group(m, 3, off);
        const QString targetText = TextUtil::trimBlanks(ns.mid(target.location, target.length));
        const TextRange shown = label.isNotFound() ? target : label;
        if (usable(shown)) {
            storage.modifyAttributes(shown, [&](TextAttributes& a) {
                a.foreground = m_paint.link;
                a.wikiLinkTarget = targetText;
                a.notProse = label.isNotFound(); // a page's name, not words
            });
        }
        marker(storage, TextRange(whole.location, 2));
        marker(storage, TextRange(whole.end() - 2, 2));
        if (!label.isNotFound()) marker(storage, TextRange(target.location, label.location - target.location));
    });

    pass(re.floatDirective, [&](const QRegularExpressionMatch&, int, TextRange whole) { marker(storage, whole); });

    // Tables. The seam to the table code: it gets the scope and the fence test.
    styleTables(storage, ns, scope, inFence);

    // Alignment directives set the alignment of the line below them.
    eachMatch(re.alignDirective, ns, scope, [&](const QRegularExpressionMatch& m, int off) {
        const TextRange whole = group(m, 0, off);
        const QStringView word = m.capturedView(1);
        ParagraphStyle::Alignment align = ParagraphStyle::Alignment::Left;
        if (word == u"right")
            align = ParagraphStyle::Alignment::Right;
        else if (word == u"center")
            align = ParagraphStyle::Alignment::Center;
        else if (word == u"justify")
            align = ParagraphStyle::Alignment::Justified;
        // Step over the directive's line break, whichever it is (CR LF counted
        // whole): "$" also matches before a lone CR or a line separator.
        int next = whole.end();
        if (next + 1 < L && ns[next] == u'\r' && ns[next + 1] == u'\n')
            next += 2;
        else if (next < L && TextUtil::isLineTerminator(ns[next]))
            next += 1;
        if (next >= L) return;
        const TextRange line = TextUtil::lineRange(ns, next);
        ParagraphStyle style = storage.attributesAt(line.location).paragraphStyle.value_or(ParagraphStyle());
        style.alignment = align;
        storage.addParagraphStyle(line, style);
    });

    // Focus dimming: everything outside the focus range, over every earlier colour.
    if (theme.focusMode && !theme.focusRange.isNotFound()) {
        const int fs = std::clamp(theme.focusRange.location, 0, L);
        const int fe = std::clamp(theme.focusRange.location + theme.focusRange.length, fs, L);
        const int from = scope.location;
        const int to = scope.end();
        const int before = std::min(fs, to);
        const int after = std::max(fe, from);
        if (before > from) colour(storage, TextRange(from, before - from), Op::FocusDim, m_paint.focusDim);
        if (to > after) colour(storage, TextRange(after, to - after), Op::FocusDim, m_paint.focusDim);
    }

    storage.endEditing();
    return scope;
}
