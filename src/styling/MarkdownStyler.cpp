// Running the passes of one restyle over the scope decided for it (MarkdownStylerScope.cpp):
// base attributes, fenced code, line and inline patterns, references, tables, directives
// and focus dimming, each painting over the ones before.
#include "styling/MarkdownEmphasis.h"
#include "styling/MarkdownStylerPrivate.h"

#include <QRegularExpression>

using namespace MarkdownStylerDetail;

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

// Whether a range overlaps a fence with a positive length (touching is not enough).
bool inFence(const QList<FenceMatch>& fences, TextRange r)
{
    if (fences.isEmpty() || r.length <= 0) return false;
    auto it = std::upper_bound(fences.begin(), fences.end(), r.location,
                               [](int pos, const FenceMatch& f) { return pos < f.range.location; });
    if (it != fences.begin() && std::prev(it)->range.intersects(r)) return true;
    return it != fences.end() && it->range.intersects(r);
}

} // namespace

// Calls `apply(match, offset, whole)` for every match of `pattern` in the scope that
// overlaps no fenced code: every pass but the fence pass skips fenced code.
template <typename Fn>
void MarkdownStyler::eachOutsideFences(const QRegularExpression& pattern, const Scope& s, Fn&& apply)
{
    eachMatch(pattern, s.text, s.range, [&](const QRegularExpressionMatch& m, int off) {
        const TextRange whole = group(m, 0, off);
        if (!inFence(*s.fences, whole)) apply(m, off, whole);
    });
}

MarkdownStyler::MarkdownStyler()
{
    patterns(); // compile up front, not on the first keystroke
}

TextRange MarkdownStyler::highlight(AttributedText& storage, std::optional<TextRange> window, TextRange bound,
                                    const QList<FenceMatch>* fences)
{
    // Two phases, each to be read alone: deciding the scope (MarkdownStylerScope.cpp), which
    // writes no attribute, then running the passes over it, in order, each painting over the
    // ones before.
    const Scope s = decideScope(storage, window, bound, fences);
    preparePaint();
    m_keys = storage.newEditKeys();
    storage.beginEditing();
    styleBase(storage, s);
    styleFencedCode(storage, s);
    styleLines(storage, s);
    styleInline(storage, s);
    styleReferences(storage, s);
    styleTables(storage, s.text, s.range, [&s](TextRange r) { return inFence(*s.fences, r); });
    alignParagraphs(storage, s);
    dimOutsideFocus(storage, s);
    storage.endEditing();
    return s.range;
}

void MarkdownStyler::styleBase(AttributedText& storage, const Scope& s)
{
    // A set, dropping everything earlier restyles left in the scope.
    TextAttributes base;
    base.font = m_paint.baseFont;
    base.foreground = m_paint.text;
    ParagraphStyle para;
    para.lineSpacing = theme.lineSpacing;
    para.paragraphSpacing = 4;
    base.paragraphStyle = para;
    storage.setAttributes(s.range, base);
    // A blank line right below the scope takes its alignment from the scope's last line
    // (a directive there, or one the edit removed): it goes back to the base paragraph,
    // and the directive pass aligns it again if a directive still stands above it.
    const int end = s.range.end();
    if (end < storage.length() && end > 0 && TextUtil::isLineTerminator(s.text[end - 1])) {
        const TextRange below = TextUtil::lineRange(s.text, end);
        if (isBlankLine(s.text.mid(below.location, below.length))) storage.addParagraphStyle(below, para);
    }
}

void MarkdownStyler::styleFencedCode(AttributedText& storage, const Scope& s)
{
    // A large block may lie partly outside the scope: only its part inside is styled again.
    const TextRange scope = s.range;
    for (const FenceMatch& f : fencesFrom(*s.fences, scope.location)) {
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
        highlightFenceCode(storage, f, scope, s.text);
    }
}

void MarkdownStyler::styleLines(AttributedText& storage, const Scope& s)
{
    // Rules, headings, quotes and list bullets: patterns over whole lines.
    const Patterns& re = patterns();
    eachOutsideFences(re.hr, s, [&](const QRegularExpressionMatch&, int, TextRange whole) {
        colour(storage, whole, Op::Rule, m_paint.rule);
    });
    eachOutsideFences(re.heading, s, [&](const QRegularExpressionMatch& m, int off, TextRange whole) {
        const TextRange hashes = group(m, 1, off), title = group(m, 2, off);
        const int level = std::clamp(hashes.length, 0, 6);
        storage.modifyAttributes(whole, key(Op::Heading0 + level),
                                 [&](TextAttributes& a) { a.font = m_paint.headingFonts[level]; });
        if (usable(title)) colour(storage, title, Op::Title, m_paint.text);
        if (!title.isNotFound()) marker(storage, TextRange(whole.location, title.location - whole.location));
    });
    eachOutsideFences(re.quote, s, [&](const QRegularExpressionMatch& m, int off, TextRange) {
        const TextRange text = group(m, 2, off);
        if (usable(text)) {
            colour(storage, text, Op::Faint, m_paint.faint);
            applyTrait(false, storage, text);
        }
        marker(storage, group(m, 1, off));
    });
    for (const QRegularExpression* list : {&re.ul, &re.ol}) {
        eachOutsideFences(*list, s, [&](const QRegularExpressionMatch& m, int off, TextRange) {
            const TextRange bullet = group(m, 2, off);
            if (usable(bullet)) {
                colour(storage, bullet, Op::Link, m_paint.link);
                applyTrait(true, storage, bullet);
            }
        });
    }
}

void MarkdownStyler::styleInline(AttributedText& storage, const Scope& s)
{
    // Code spans, links, emphasis and strike-through: the content gets its look, the
    // delimiters are markers.
    const Patterns& re = patterns();
    const QList<FenceMatch>& fences = *s.fences;
    for (const MarkdownEmphasis::Match& m : MarkdownEmphasis::codeSpanMatches(s.text, s.range)) {
        if (inFence(fences, m.whole)) continue;
        styleMono(storage, m.text, true);
        marker(storage, m.open);
        marker(storage, m.close);
    }
    eachOutsideFences(re.link, s, [&](const QRegularExpressionMatch& m, int off, TextRange) {
        const TextRange text = group(m, 2, off);
        if (usable(text)) {
            storage.modifyAttributes(text, key(Op::LinkText), [&](TextAttributes& a) {
                a.foreground = m_paint.link;
                a.underline = true;
            });
        }
        for (int g : {1, 3, 4, 5}) marker(storage, group(m, g, off));
    });
    auto emphasis = [&](const QRegularExpression& pattern, bool bold, bool italic) {
        eachOutsideFences(pattern, s, [&](const QRegularExpressionMatch& m, int off, TextRange) {
            const TextRange text = group(m, 2, off);
            if (bold) applyTrait(true, storage, text);
            if (italic) applyTrait(false, storage, text);
            marker(storage, group(m, 1, off));
            marker(storage, group(m, 3, off));
        });
    };
    emphasis(re.boldItalic, true, true);
    emphasis(re.bold, true, false);
    for (const MarkdownEmphasis::Match& m : MarkdownEmphasis::singleMarkerMatches(s.text, s.range)) {
        if (inFence(fences, m.whole)) continue;
        applyTrait(false, storage, m.text);
        marker(storage, m.open);
        marker(storage, m.close);
    }
    eachOutsideFences(re.strike, s, [&](const QRegularExpressionMatch& m, int off, TextRange) {
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
}

void MarkdownStyler::styleReferences(AttributedText& storage, const Scope& s)
{
    // Footnote references (small, raised when concealing) and definition labels, wiki
    // links (the label, or the target, in the link colour, carrying the target) and float
    // directives.
    const Patterns& re = patterns();
    const QFont& baseFont = m_paint.baseFont;
    QFont refFont = baseFont;
    if (baseFont.pointSizeF() > 0) refFont.setPointSizeF(baseFont.pointSizeF() * 0.72);
    eachOutsideFences(re.footnote, s, [&](const QRegularExpressionMatch& m, int off, TextRange whole) {
        if (whole.end() < storage.length() && s.text[whole.end()] == u':') {
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
    eachOutsideFences(re.wikiLink, s, [&](const QRegularExpressionMatch& m, int off, TextRange whole) {
        const TextRange target = group(m, 1, off), label = group(m, 3, off);
        const QString targetText = TextUtil::trimBlanks(s.text.mid(target.location, target.length));
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
    eachOutsideFences(re.floatDirective, s,
                      [&](const QRegularExpressionMatch&, int, TextRange whole) { marker(storage, whole); });
}

void MarkdownStyler::alignParagraphs(AttributedText& storage, const Scope& s)
{
    // Alignment directives set the alignment of the line below them.
    const int L = storage.length();
    eachMatch(patterns().alignDirective, s.text, s.range, [&](const QRegularExpressionMatch& m, int off) {
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
        if (next + 1 < L && s.text[next] == u'\r' && s.text[next + 1] == u'\n')
            next += 2;
        else if (next < L && TextUtil::isLineTerminator(s.text[next]))
            next += 1;
        if (next >= L) return;
        const TextRange line = TextUtil::lineRange(s.text, next);
        ParagraphStyle style = storage.attributesAt(line.location).paragraphStyle.value_or(ParagraphStyle());
        style.alignment = align;
        storage.addParagraphStyle(line, style);
    });
}

void MarkdownStyler::dimOutsideFocus(AttributedText& storage, const Scope& s)
{
    // Everything outside the focus range, over every earlier colour.
    if (!theme.focusMode || theme.focusRange.isNotFound()) return;
    const int L = storage.length();
    const int fs = std::clamp(theme.focusRange.location, 0, L);
    const int fe = std::clamp(theme.focusRange.location + theme.focusRange.length, fs, L);
    const int from = s.range.location;
    const int to = s.range.end();
    const int before = std::min(fs, to);
    const int after = std::max(fe, from);
    if (before > from) colour(storage, TextRange(from, before - from), Op::FocusDim, m_paint.focusDim);
    if (to > after) colour(storage, TextRange(after, to - after), Op::FocusDim, m_paint.focusDim);
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
