#pragma once

#include "render/MarkdownHTMLRenderer.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

#include <span>

// Helpers the renderer's translation units share; not for callers outside the renderer.
//
// The renderer reads the document as views of its text and writes one output string; no
// pass allocates per line or per token. Its dialect was first written as a sequence of
// regular expressions, and every scanner here finds exactly what its expression found
// (quoted beside it), including where the engine gave up: a text with a lone surrogate
// matches no expression at all.
namespace MarkdownHTMLRenderer::detail {

using Lines = QList<QStringView>;
using LineSpan = std::span<const QStringView>;

// Quotes and nested lists deeper than this are not nested further, so that hostile
// input cannot exhaust the stack.
constexpr int kMaxNesting = 48;

// --- Characters as the patterns read them ---

// "\s" with Unicode properties: tab, line feed, vertical tab, form feed, carriage return,
// next line, the Mongolian vowel separator and every separator (Zs, Zl, Zp).
bool isPatternSpace(char16_t c);
// "\d" with Unicode properties (a decimal digit, also outside the BMP): the length of the
// digit at `i`, 0 when there is none.
int digitAt(QStringView s, qsizetype i);
// The tab and the Unicode space separators: what the block pass trims.
bool isBlank(QChar c);
QStringView trimmedView(QStringView line);
// True when a pattern may look at `s` at all (no lone surrogate in it).
bool patternsSee(QStringView s);
// Where `needle` first occurs in `s` at or after `from`, or -1. Faster than
// QStringView::indexOf for the short needles of the renderer: it looks for the first
// character with the vectorised character search and compares only there.
qsizetype find(QStringView s, QStringView needle, qsizetype from = 0);

// --- Output ---

// "&", "<", ">" and the double quote as entities; the apostrophe is left alone.
void appendEscaped(QString& out, QStringView text);
QString escapeHtml(QStringView text);
// The reverse for the five entities the renderer itself writes (and "&#39;").
QString unescapeHtml(QString text);

// Single-marker emphasis ("*a*", "_a_") turned into <em> elements, appended to `out`.
// `nextStar` and `nextUnderscore` are scratch space.
void appendEmphasis(QString& out, QStringView s, QList<qsizetype>& nextStar, QList<qsizetype>& nextUnderscore);

// Hands out heading ids: a repeated slug gets "-1", "-2", ... and no id is ever handed
// out twice, even when a suffixed form is also a heading's own slug ("a", "a", "a-1").
class SlugRegistry {
public:
    QString take(const QString& slug);

private:
    QHash<QString, int> m_counts; // next suffix to try, per base slug
    QSet<QString> m_used;         // every id handed out
};

// --- The inline pass ---

// Scratch space of the inline pass, kept between calls so that a document allocates it
// once: the text between passes, and the pieces put aside as placeholders.
class InlineScratch {
public:
    // Appends the inline HTML of `text` to `out`.
    void render(QStringView text, QString& out);

private:
    struct Piece {
        qsizetype at = 0, size = 0;
    };
    enum Kind { code, codeText, math, tag, tagSource, kinds };

    QString m_text, m_next; // the text before and after a pass
    QString m_pieces;       // every piece put aside, one after the other
    QList<Piece> m_lists[kinds];
    QString m_label, m_expanded, m_html, m_url;
    QList<qsizetype> m_stars, m_underscores;

    QStringView piece(Kind kind, qsizetype k) const;
    Piece keep(QStringView text);
    void appendToken(QString& out, Kind kind, qsizetype k) const;
    void appendCodeToken(QString& out, QStringView escaped);
    void appendMathToken(QString& out, QStringView written);
    void appendTagToken(QString& out, const QString& html, QStringView source);
    void expand(QString& out, QStringView text, bool asText) const;
    QString plain(QStringView text) const;

    template <typename Pass> void run(Pass pass);
    bool codeSpans(QString& out);
    bool displayMath(QString& out);
    bool inlineMath(QString& out);
    bool wikiLinks(QString& out);
    bool linksOrImages(QString& out, bool images);
    bool bareAddresses(QStringView s, QString& out, bool asLinks);
    bool pairs(QString& out, QStringView marker, qsizetype minInner, const char* open, const char* close);
    bool strong(QString& out);
    void appendLabel(QString& out, QStringView label);
    void appendTarget(QString& out, const char* name, QStringView target);
};

// --- The document ---

struct Footnotes {
    QHash<QString, QString> text; // id -> definition text
    QHash<QString, int> number;   // id -> number, for referenced ids only
    QStringList numbered;         // ids in order of number
    qsizetype longestId = 0;
};

// One rendering: the output, the inline scratch, and what runs across blocks (footnote
// numbers and heading ids, both given in the order of the output).
struct Renderer {
    QString out;
    InlineScratch inl;
    Footnotes* notes = nullptr; // set when references are linked
    bool headingIds = false;
    SlugRegistry slugs;
    qsizetype linked = 0; // output up to here has its references linked
    QString scratch, heading;
    Lines cells;

    QString para;
    QString itemLines;                         // a list item's text lines, or those after what is nested in it
    bool mayBeInvalid = false;                 // some output may hold a lone surrogate
    QList<HeadingAnchor>* anchors = nullptr;   // collects the headings when set
    bool textless = false;                     // only headings are written with their text
    QStringView source;                        // the text the anchors' lines are counted in
    qsizetype countedTo = 0, countedLines = 0; // lines counted so far, up to an offset

    void blocks(LineSpan lines, int depth);
    qsizetype fence(LineSpan lines, qsizetype i, QStringView t);
    qsizetype quote(LineSpan lines, qsizetype i, int depth);
    qsizetype paragraph(LineSpan lines, qsizetype i, QStringView alignment);
    qsizetype list(LineSpan lines, qsizetype start, int depth, bool nested = false);
    void itemContent(LineSpan lines, int depth);
    void table(QStringView header, QStringView separator, LineSpan rows);
    qsizetype definitionList(LineSpan lines, qsizetype i);
    void headingBlock(int level, QStringView text, QStringView line);
    void inlineText(QStringView text)
    {
        if (!textless) inl.render(text, out);
    }
    void addAnchor(QStringView line, const QString& id);

    // Links the references in the output written since the last call.
    void linkPending();
    void linkReferences(QStringView html, QString& to);
    void footnoteSection();
};

struct HeadingParts {
    int level = 0; // 0: not a heading
    QStringView text;
};
HeadingParts headingOf(QStringView trimmedLine);
// "^\s*([-*+]|\d+[.)])\s+" on a trimmed line.
bool isListItem(QStringView t);
// Whether a trimmed line starts a block that ends the text above it: a quote, a fence, a
// rule or a heading.
bool opensBlock(QStringView t);
// The cells of a pipe-table row as views of it; "\|" keeps a pipe (and its backslash).
void splitRow(QStringView row, Lines& cells);
// Footnote definitions taken out of `lines` (fenced code keeps its lines).
void takeDefinitions(Lines& lines, Footnotes& notes);

} // namespace MarkdownHTMLRenderer::detail
