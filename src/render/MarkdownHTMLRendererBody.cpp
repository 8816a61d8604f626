// What runs across blocks: footnotes (definitions taken out, references numbered in the
// order of the output, the section at the end) and heading ids.

#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

namespace MarkdownHTMLRenderer::detail {

void takeDefinitions(Lines& lines, Footnotes& notes)
{
    qsizetype kept = 0;
    bool inFence = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (find(line, u"```") >= 0 && trimmedView(line).startsWith(u"```")) inFence = !inFence;
        // "^\[\^[^\]]+\]:"
        const qsizetype close = line.startsWith(u"[^") ? line.indexOf(u']', 2) : -1;
        if (inFence || close < 3 || close + 1 >= line.size() || line[close + 1] != u':' || !patternsSee(line)) {
            lines[kept++] = line;
            continue;
        }
        const QString id = line.mid(2, close - 2).toString();
        QString text = trimmedView(line.mid(close + 2)).toString();
        while (i + 1 < lines.size() && (lines[i + 1].startsWith(u"    ") || lines[i + 1].startsWith(u'\t'))) {
            text += u'\n';
            text += trimmedView(lines[++i]);
        }
        notes.text.insert(id, text);
        notes.longestId = qMax(notes.longestId, id.size());
    }
    lines.resize(kept);
}

// Numbers the references in rendered HTML in order of first appearance and turns them
// into links. Code (and diagram source) and attribute values are left alone: a reference
// written there is text, not a reference.
void Renderer::linkReferences(QStringView html, QString& to)
{
    static const QLatin1String codeOpen("<code"), codeClose("</code>");
    static const QLatin1String diagramOpen("<div class=\"mermaid\">"), diagramClose("</div>");
    // An id is at most as long as its escaped form; each character escapes to six at most.
    const qsizetype maxEscaped = notes->longestId * 6;
    const qsizetype n = html.size();
    qsizetype i = 0;
    // The next tag and the next "[^" at or after i, each searched for again only once
    // i has passed it, so that the sweep stays linear.
    qsizetype tagAt = -1, refAt = -1;
    const auto from = [&](qsizetype found) { return found < 0 ? n : found; };
    while (i < n) {
        if (tagAt < i) tagAt = from(html.indexOf(u'<', i));
        if (refAt < i) refAt = from(find(html, u"[^", i));
        const qsizetype next = qMin(tagAt, refAt);
        to.append(html.mid(i, next - i));
        i = next;
        if (i == n) break;
        if (html[i] == u'<') {
            const bool code = html.mid(i).startsWith(codeOpen);
            qsizetype stop;
            if (code || html.mid(i).startsWith(diagramOpen)) {
                const qsizetype end = html.indexOf(code ? codeClose : diagramClose, i);
                stop = end < 0 ? n : end + (code ? codeClose.size() : diagramClose.size());
            } else {
                // Any other tag is copied whole: a reference written in a link target or
                // title is part of an attribute value, where markup cannot go.
                const qsizetype end = html.indexOf(u'>', i);
                stop = end < 0 ? n : end + 1;
            }
            to.append(html.mid(i, stop - i));
            i = stop;
            continue;
        }
        qsizetype close = i + 2;
        while (close < n && close - i - 2 <= maxEscaped && html[close] != u']' && html[close] != u'\n'
               && html[close] != u'<')
            ++close;
        // The inline pass has escaped the id ("a&b" reads "a&amp;b" here).
        const QString id =
            close < n && html[close] == u']' ? unescapeHtml(html.mid(i + 2, close - i - 2).toString()) : QString();
        if (id.isEmpty() || !notes->text.contains(id)) {
            to.append(u'[');
            ++i;
            continue;
        }
        int num = notes->number.value(id);
        if (num == 0) {
            notes->numbered << id;
            num = int(notes->numbered.size());
            notes->number.insert(id, num);
        }
        const QString k = QString::number(num);
        to.append(QLatin1String("<sup class=\"footnote-ref\" id=\"fnref-") + k + QLatin1String("\"><a href=\"#fn-") + k
                  + QLatin1String("\">") + k + QLatin1String("</a></sup>"));
        i = close + 1;
    }
}

void Renderer::linkPending()
{
    if (notes && find(out, u"[^", linked) >= 0) {
        scratch = QStringView(out).mid(linked).toString();
        out.truncate(linked);
        linkReferences(scratch, out);
    }
    linked = out.size();
}

void Renderer::footnoteSection()
{
    linkPending();
    if (!notes || notes->numbered.isEmpty()) return;
    out.append(QLatin1String("\n<section class=\"footnotes\" role=\"doc-endnotes\">\n<hr>\n<ol>\n"));
    for (int k = 1; k <= notes->numbered.size(); ++k) {
        const QString n = QString::number(k);
        out.append(QLatin1String("<li id=\"fn-") + n + QLatin1String("\">"));
        inlineText(notes->text.value(notes->numbered.at(k - 1)));
        out.append(QLatin1String(" <a href=\"#fnref-") + n
                   + QLatin1String("\" class=\"footnote-backref\" aria-label=\"Back to content\">") + QChar(0x21A9)
                   + QLatin1String("</a></li>\n"));
    }
    out.append(QLatin1String("</ol>\n</section>"));
}

// A heading's id is the slug of its text as it reads in the body (tags removed, entities
// decoded, references linked), made unique over the document.
void Renderer::headingBlock(int level, QStringView text, QStringView line)
{
    const QChar digit(u'0' + level);
    if (!headingIds) {
        out.append(QLatin1String("<h") + digit + u'>');
        inlineText(text);
        out.append(QLatin1String("</h") + digit + u'>');
        return;
    }
    linkPending();
    heading.resize(0);
    inl.render(text, heading);
    if (notes && find(heading, u"[^") >= 0) {
        scratch.resize(0);
        linkReferences(heading, scratch);
        std::swap(heading, scratch);
    }
    QString plain;
    plain.reserve(heading.size());
    // "<[^>]+>" removed.
    for (qsizetype i = 0; i < heading.size(); ++i) {
        const qsizetype end =
            heading[i] == u'<' && i + 1 < heading.size() && heading[i + 1] != u'>' ? heading.indexOf(u'>', i + 1) : -1;
        if (end < 0)
            plain.append(heading[i]);
        else
            i = end;
    }
    const QString id = slugs.take(slug(unescapeHtml(plain)));
    addAnchor(line, id);
    out.append(QLatin1String("<h") + digit + QLatin1String(" id=\""));
    out.append(id);
    out.append(QLatin1String("\">"));
    out.append(heading);
    out.append(QLatin1String("</h") + digit + u'>');
    linked = out.size();
}

// Every line the block pass reads is a view of the source text (a heading is never a
// repaired table line), so its place there gives its line number.
void Renderer::addAnchor(QStringView line, const QString& id)
{
    if (!anchors) return;
    const qsizetype at = line.data() - source.data();
    if (at < 0 || at > source.size()) return;
    if (at < countedTo) countedTo = countedLines = 0;
    countedLines += source.mid(countedTo, at - countedTo).count(u'\n');
    countedTo = at;
    anchors->append({int(countedLines), id});
}

} // namespace MarkdownHTMLRenderer::detail
