// The entry and the block pass: each line is decided by fixed tests in a fixed order
// (alignment directive, column-width comment, fence, blank, rule, heading, quote, table,
// list, definition list, paragraph) and its block written straight into the output.

#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"
#include "render/SyntaxHighlighter.h"

#include "styling/ColumnWidths.h"
#include "styling/MarkdownCleaner.h"

namespace MarkdownHTMLRenderer {

using namespace detail;

namespace {

// "^\{\.(left|right|center|justify)\}$": the word, or nothing.
QStringView alignmentOf(QStringView t)
{
    if (t.size() < 7 || !t.startsWith(u"{.") || !t.endsWith(u'}')) return {};
    const QStringView word = t.mid(2, t.size() - 3);
    for (QStringView w : {u"left", u"right", u"center", u"justify"})
        if (word == w) return word;
    return {};
}

// The grid's column-width comment is editor state, hidden in the editor: it renders as
// nothing and neither starts nor ends a block, so the table under it stays a table.
bool isWidthComment(QStringView t)
{
    return t.startsWith(u"<!--") && TableColumnWidths::parse(t).has_value();
}

// "^([-*_])\s*(\1\s*){2,}$"
bool isThematicBreak(QStringView t)
{
    if (t.isEmpty() || (t[0] != u'-' && t[0] != u'*' && t[0] != u'_')) return false;
    int marks = 0;
    for (qsizetype i = 1; i < t.size(); ++i) {
        if (t[i] == t[0])
            ++marks;
        else if (!isPatternSpace(t[i].unicode()))
            return false;
    }
    return marks >= 2;
}

// "^\s*\|?\s*:?-+:?\s*(\|\s*:?-+:?\s*)+\|?\s*$": a separator row of at least two cells.
bool isSeparatorRow(QStringView l)
{
    const qsizetype n = l.size();
    qsizetype i = 0;
    const auto skipSpaces = [&](qsizetype from) {
        while (from < n && isPatternSpace(l[from].unicode())) ++from;
        return from;
    };
    i = skipSpaces(i);
    if (i < n && l[i] == u'|') ++i;
    for (int cells = 1;; ++cells) {
        i = skipSpaces(i);
        if (i < n && l[i] == u':') ++i;
        if (i >= n || l[i] != u'-') return false;
        while (i < n && l[i] == u'-') ++i;
        if (i < n && l[i] == u':') ++i;
        i = skipSpaces(i);
        if (i == n) return cells >= 2;
        if (l[i] != u'|') return false;
        if (skipSpaces(++i) == n) return cells >= 2;
    }
}

// `word` is `lower` in any case of the ASCII letters.
bool sameLetters(QStringView word, QStringView lower)
{
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if ((c >= u'A' && c <= u'Z' ? c + 32 : c) != lower[i].unicode()) return false;
    }
    return true;
}

bool isHeading(QStringView t)
{
    return t.startsWith(u'#') && headingOf(t).level > 0;
}

} // namespace

namespace detail {

bool opensBlock(QStringView t)
{
    return t.startsWith(u'>') || t.startsWith(u"```") || isThematicBreak(t) || isHeading(t);
}

HeadingParts headingOf(QStringView t)
{
    // "^(#{1,6})\s+", then the text trimmed, without a closing "\s+#+\s*$".
    qsizetype k = 0;
    while (k < t.size() && t[k] == u'#') ++k;
    if (k == 0 || k > 6 || k >= t.size() || !isPatternSpace(t[k].unicode()) || !patternsSee(t)) return {};
    qsizetype e = k;
    while (e < t.size() && isPatternSpace(t[e].unicode())) ++e;
    QStringView text = trimmedView(t.mid(e));
    if (text.contains(u'#')) {
        qsizetype z = text.size();
        while (z > 0 && isPatternSpace(text[z - 1].unicode())) --z;
        qsizetype h = z;
        while (h > 0 && text[h - 1] == u'#') --h;
        qsizetype w = h;
        while (w > 0 && isPatternSpace(text[w - 1].unicode())) --w;
        if (h < z && w < h) text = text.left(w);
    }
    return {int(k), text};
}

void Renderer::blocks(LineSpan lines, int depth)
{
    const qsizetype n = qsizetype(lines.size());
    QStringView alignment;
    bool first = true;
    const auto open = [&] {
        if (!first) out.append(u'\n');
        first = false;
    };
    qsizetype i = 0;
    while (i < n) {
        const QStringView line = lines[i];
        const QStringView t = trimmedView(line);
        HeadingParts h;
        if (const QStringView word = t.startsWith(u"{.") ? alignmentOf(t) : QStringView(); !word.isEmpty()) {
            alignment = word;
            ++i;
        } else if (isWidthComment(t)) {
            ++i;
        } else if (t.startsWith(u"```")) {
            open();
            i = fence(lines, i, t);
        } else if (t.isEmpty()) {
            ++i;
        } else if (isThematicBreak(t)) {
            open();
            out.append(QLatin1String("<hr>"));
            ++i;
        } else if (t.startsWith(u'#') && (h = headingOf(t)).level > 0) {
            open();
            headingBlock(h.level, h.text, t);
            ++i;
        } else if (t.startsWith(u'>') && depth < kMaxNesting) {
            open();
            i = quote(lines, i, depth);
        } else if (line.contains(u'|') && i + 1 < n && lines[i + 1].contains(u'-') && isSeparatorRow(lines[i + 1])) {
            qsizetype j = i + 2;
            while (j < n && lines[j].contains(u'|') && !trimmedView(lines[j]).isEmpty()) ++j;
            open();
            const bool floats = alignment == u"left" || alignment == u"right" || alignment == u"justify";
            if (floats) {
                out.append(QLatin1String("<div class=\"float-"));
                out.append(alignment);
                out.append(QLatin1String("\">"));
            }
            table(line, lines[i + 1], lines.subspan(size_t(i + 2), size_t(j - i - 2)));
            if (floats) out.append(QLatin1String("</div>"));
            alignment = {};
            i = j;
        } else if (isListItem(t)) {
            open();
            i = list(lines, i, depth);
        } else if (i + 1 < n && trimmedView(lines[i + 1]).startsWith(u": ")) {
            open();
            i = definitionList(lines, i);
        } else {
            open();
            i = paragraph(lines, i, alignment);
            alignment = {};
        }
        if (depth == 0) linkPending();
    }
}

// Fenced code: the info string after the three backticks, the lines up to the closing
// fence (or the end). Returns the index after the block.
qsizetype Renderer::fence(LineSpan lines, qsizetype i, QStringView t)
{
    const QStringView info = trimmedView(t.mid(3));
    qsizetype j = i + 1;
    while (j < qsizetype(lines.size()) && !trimmedView(lines[j]).startsWith(u"```")) ++j;
    const LineSpan code = lines.subspan(size_t(i + 1), size_t(j - i - 1));
    const auto escapedCode = [&] {
        for (size_t k = 0; k < code.size(); ++k) {
            if (k) out.append(u'\n');
            appendEscaped(out, code[k]);
        }
    };
    if (info.size() == 7 && info.toString().toLower() == QLatin1String("mermaid")) {
        // The diagram script reads the element's text, so escaping changes nothing for it
        // but keeps markup in the diagram source from becoming part of the page.
        out.append(QLatin1String("<div class=\"mermaid\">"));
        escapedCode();
        out.append(QLatin1String("</div>"));
    } else if (info.isEmpty()) {
        out.append(QLatin1String("<pre><code>"));
        escapedCode();
        out.append(QLatin1String("</code></pre>"));
    } else {
        out.append(QLatin1String("<pre><code class=\"language-"));
        appendEscaped(out, info);
        out.append(QLatin1String("\">"));
        para.resize(0);
        for (size_t k = 0; k < code.size(); ++k) {
            if (k) para.append(u'\n');
            para.append(code[k]);
        }
        const QString html = SyntaxHighlighter::highlight(para, info.toString());
        mayBeInvalid = mayBeInvalid || !patternsSee(html);
        out.append(html);
        out.append(QLatin1String("</code></pre>"));
    }
    return j < qsizetype(lines.size()) ? j + 1 : j;
}

qsizetype Renderer::quote(LineSpan lines, qsizetype i, int depth)
{
    static constexpr QStringView kinds[] = {u"note", u"tip", u"important", u"warning", u"caution"};
    Lines inner;
    qsizetype j = i;
    for (; j < qsizetype(lines.size()); ++j) {
        const QStringView u = trimmedView(lines[j]);
        if (!u.startsWith(u'>')) break;
        QStringView rest = u.mid(1);
        if (!rest.isEmpty() && (rest.front() == u' ' || rest.front() == u'\t')) rest = rest.mid(1);
        inner.append(rest);
    }
    // "^\[!(NOTE|TIP|IMPORTANT|WARNING|CAUTION)\]", case-insensitive (no other letter
    // folds to one of these).
    const QStringView head = inner.first();
    QStringView kind;
    if (head.startsWith(u"[!") && patternsSee(head))
        for (QStringView k : kinds)
            if (head.size() > k.size() + 2 && head[k.size() + 2] == u']' && sameLetters(head.mid(2, k.size()), k)) {
                kind = k;
                break;
            }
    if (kind.isEmpty()) {
        out.append(QLatin1String("<blockquote>"));
        blocks(inner, depth + 1);
        out.append(QLatin1String("</blockquote>"));
        return j;
    }
    const QStringView title = trimmedView(head.mid(kind.size() + 3));
    out.append(QLatin1String("<div class=\"callout callout-"));
    out.append(kind);
    out.append(QLatin1String("\"><p class=\"callout-title\">"));
    if (title.isEmpty()) {
        out.append(kind.front().toUpper());
        out.append(kind.mid(1));
    } else {
        appendEscaped(out, title);
    }
    out.append(QLatin1String("</p>"));
    blocks(LineSpan(inner).subspan(1), depth + 1);
    out.append(QLatin1String("</div>"));
    return j;
}

qsizetype Renderer::paragraph(LineSpan lines, qsizetype i, QStringView alignment)
{
    para.resize(0);
    para.append(trimmedView(lines[i]));
    qsizetype j = i + 1;
    for (; j < qsizetype(lines.size()); ++j) {
        const QStringView u = trimmedView(lines[j]);
        if (u.isEmpty() || opensBlock(u) || isListItem(u)) break;
        if (isWidthComment(u)) continue;
        para.append(u'\n');
        para.append(u);
    }
    if (alignment.isEmpty()) {
        out.append(QLatin1String("<p>"));
    } else {
        out.append(QLatin1String("<p style=\"text-align:"));
        out.append(alignment);
        out.append(QLatin1String("\">"));
    }
    inlineText(para);
    out.append(QLatin1String("</p>"));
    return j;
}

} // namespace detail

namespace {

// A NUL is read as U+FFFD, as a browser reads it: none reaches the page (code blocks and
// their language are escaped, not read inline, which does the same).
QString withoutNul(const QString& text)
{
    if (!text.contains(QChar(0))) return text;
    return QString(text).replace(QChar(0), QChar(0xFFFD));
}

// The lines the block pass reads (line ends and tables repaired), footnote definitions
// taken out.
struct Prepared {
    QStringList repaired;
    Lines lines;
    Footnotes notes;

    explicit Prepared(const QString& markdown)
        : lines(MarkdownCleaner::repairedTableLines(markdown, repaired))
    {
        takeDefinitions(lines, notes);
    }
};

// The body, or nothing when heading ids were asked for and the body cannot have them:
// they were found by a pattern over the whole body, and patterns see nothing in a text
// with a lone surrogate. With `anchors` only the headings are rendered (and collected),
// unless footnote numbers can reach an id.
std::optional<QString> render(const QString& markdown, Prepared& p, bool headingIds,
                              QList<HeadingAnchor>* anchors = nullptr)
{
    p.notes.number.clear();
    p.notes.numbered.clear();
    Renderer r;
    r.notes = p.notes.text.isEmpty() ? nullptr : &p.notes;
    r.headingIds = headingIds;
    r.mayBeInvalid = !patternsSee(markdown);
    r.anchors = anchors;
    r.textless = anchors && !r.notes && !r.mayBeInvalid;
    r.source = markdown;
    if (!r.textless) r.out.reserve(markdown.size() + markdown.size() / 4 + 64);
    r.blocks(p.lines, 0);
    r.footnoteSection();
    if (headingIds && r.mayBeInvalid && !patternsSee(r.out)) return std::nullopt;
    return std::move(r.out);
}

} // namespace

QString renderBody(const QString& text)
{
    const QString markdown = withoutNul(text);
    Prepared p(markdown);
    if (std::optional<QString> html = render(markdown, p, true)) return std::move(*html);
    return *render(markdown, p, false);
}

QList<HeadingAnchor> headingAnchors(const QString& text)
{
    const QString markdown = withoutNul(text);
    Prepared p(markdown);
    QList<HeadingAnchor> anchors;
    if (!render(markdown, p, true, &anchors)) return {};
    return anchors;
}

QString renderBlocks(const QString& text)
{
    const Lines lines = QStringView(text).split(u'\n');
    Renderer r;
    r.blocks(lines, 0);
    return std::move(r.out);
}

Heading parseHeading(const QString& trimmedLine)
{
    const HeadingParts h = headingOf(trimmedLine);
    return {h.level, h.text.toString()};
}

} // namespace MarkdownHTMLRenderer
