// The link passes of the inline pass: wiki links, images, links and bare addresses. Each
// tag they make is put aside as a placeholder (see MarkdownHTMLRendererInline.cpp).

#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

#include "platform/TextUtil.h"

#include <QUrl>

namespace MarkdownHTMLRenderer::detail {

namespace {

void appendAttribute(QString& out, const char* name, QStringView value)
{
    out.append(QLatin1Char(' '));
    out.append(QLatin1String(name));
    out.append(QLatin1String("=\""));
    out.append(value);
    out.append(QLatin1Char('"'));
}

// Whether a target may run script: a "javascript:" or "vbscript:" address, and for a link
// also a "data:" one, which opens a page of its own with its scripts. An image's "data:"
// address is a picture and stays.
bool runsScript(QStringView url, bool link)
{
    // Browsers skip leading controls and spaces and ignore tabs and line breaks inside
    // the scheme, so look at the scheme the way they do.
    char16_t scheme[12];
    int size = 0;
    bool colon = false;
    for (const QChar c : url) {
        if (c == u':') {
            colon = true;
            break;
        }
        if (c.unicode() <= 0x20) continue;
        if (size == 11) break;
        scheme[size++] = c.toLower().unicode();
    }
    if (!colon && !url.contains(u':')) return false;
    const QStringView s(scheme, size);
    return s == u"javascript" || s == u"vbscript" || (link && s == u"data");
}

// Where a link's target ends: "\(([^)\s]+)(?:\s+&quot;([^&]*)&quot;)?\)" after the "]"
// at `close`. The target and title as ranges of `s`; `end` after the ")".
struct Target {
    bool found = false;
    qsizetype targetAt = 0, targetEnd = 0, titleAt = 0, titleEnd = 0, end = 0;
};

Target targetAfter(QStringView s, qsizetype close)
{
    const qsizetype n = s.size();
    Target t;
    if (close + 1 >= n || s[close + 1] != u'(') return t;
    t.targetAt = close + 2;
    qsizetype g = t.targetAt;
    while (g < n && s[g] != u')' && !isPatternSpace(s[g].unicode())) ++g;
    if (g == t.targetAt || g == n) return t;
    t.targetEnd = t.titleAt = t.titleEnd = g;
    if (s[g] == u')') {
        t.end = g + 1;
        t.found = true;
        return t;
    }
    qsizetype w = g;
    while (w < n && isPatternSpace(s[w].unicode())) ++w;
    if (!s.mid(w).startsWith(u"&quot;")) return t;
    const qsizetype amp = s.indexOf(u'&', w + 6);
    if (amp < 0 || !s.mid(amp).startsWith(u"&quot;") || amp + 6 >= n || s[amp + 6] != u')') return t;
    t.titleAt = w + 6;
    t.titleEnd = amp;
    t.end = amp + 7;
    t.found = true;
    return t;
}

} // namespace

// A link's or image's target as an attribute: plain text, and "#" for one that may run script.
void InlineScratch::appendTarget(QString& out, const char* name, QStringView target)
{
    m_url.resize(0);
    expand(m_url, target, true);
    const bool link = qstrcmp(name, "href") == 0;
    appendAttribute(out, name, runsScript(m_url, link) ? QStringView(u"#") : QStringView(m_url));
}

// An address in a link's text stays text: an anchor cannot hold another anchor.
void InlineScratch::appendLabel(QString& out, QStringView label)
{
    if (find(label, u"://") < 0 || !bareAddresses(label, out, false)) out.append(label);
}

// "\[\[([^\]|]+?)(?:\|([^\]]+?))?\]\]"
bool InlineScratch::wikiLinks(QString& out)
{
    const QStringView s = m_text;
    const qsizetype n = s.size();
    qsizetype copied = 0, stop = -1;         // stop: the first "]" or "|" at or after the target
    qsizetype labelStop = -1, labelFor = -1; // the first "]" after a "|" at `labelFor`
    bool any = false;
    for (qsizetype p = find(s, u"[["); p >= 0; p = find(s, u"[[", p + 1)) {
        const qsizetype a = p + 2;
        if (stop < a) {
            stop = a;
            while (stop < n && s[stop] != u']' && s[stop] != u'|') ++stop;
        }
        if (stop >= n) break;
        if (stop == a) continue;
        qsizetype end = -1, labelAt = -1;
        if (s[stop] == u']') {
            if (stop + 1 < n && s[stop + 1] == u']') end = stop + 2;
        } else {
            if (labelFor != stop) {
                labelFor = stop;
                labelStop = s.indexOf(u']', stop + 1);
            }
            const qsizetype r = labelStop;
            if (r > stop + 1 && r + 1 < n && s[r + 1] == u']') {
                end = r + 2;
                labelAt = stop + 1;
            }
        }
        if (end < 0) continue;
        const QStringView target = s.mid(a, stop - a);
        const QString href =
            QString::fromLatin1(QUrl::toPercentEncoding(TextUtil::trimWhitespace(plain(target)), "!$&'()*+,/:;=@"));
        m_html.resize(0);
        m_html.append(QLatin1String("<a class=\"wikilink\" href=\""));
        const QString page = href + QLatin1String(".md");
        m_html.append(runsScript(page, true) ? QStringLiteral("#") : page);
        m_html.append(QLatin1String("\">"));
        out.append(s.mid(copied, p - copied));
        appendTagToken(out, m_html, labelAt < 0 ? QStringView(u"[[") : s.mid(p, labelAt - p));
        appendLabel(out, labelAt < 0 ? target : s.mid(labelAt, end - 2 - labelAt));
        appendTagToken(out, QStringLiteral("</a>"), u"]]");
        copied = end;
        p = end - 1;
        any = true;
    }
    if (!any) return false;
    out.append(s.mid(copied));
    return true;
}

// Images "!\[([^\]]*)\]" or links "\[([^\]]+)\]", each followed by a target (see
// `targetAfter`); an image may end in "(?:\{\.(left|right|center)\})?". Images take a pass
// of their own before links, so that a link's text may hold an image.
bool InlineScratch::linksOrImages(QString& out, bool images)
{
    const QStringView s = m_text;
    const qsizetype n = s.size();
    const QStringView opener = images ? QStringView(u"![") : QStringView(u"[");
    const qsizetype o = opener.size();
    qsizetype copied = 0, close = -1;
    Target target;
    bool any = false;
    for (qsizetype p = find(s, opener); p >= 0; p = find(s, opener, p + 1)) {
        if (close < p + o) {
            close = s.indexOf(u']', p + o);
            if (close < 0) break;
            target = targetAfter(s, close);
        }
        if (!target.found || (!images && close == p + o)) continue;
        qsizetype end = target.end;
        QStringView side;
        if (images) {
            for (QStringView word : {u"left", u"right", u"center"}) {
                if (end + int(word.size()) + 3 <= n && s[end] == u'{' && s[end + 1] == u'.'
                    && s.mid(end + 2, word.size()) == word && s[end + 2 + word.size()] == u'}') {
                    side = word;
                    end += word.size() + 3;
                    break;
                }
            }
        }
        m_html.resize(0);
        m_html.append(images ? QLatin1String("<img") : QLatin1String("<a"));
        appendTarget(m_html, images ? "src" : "href", s.mid(target.targetAt, target.targetEnd - target.targetAt));
        if (images) appendAttribute(m_html, "alt", s.mid(p + 2, close - p - 2));
        if (target.titleEnd > target.titleAt)
            appendAttribute(m_html, "title", s.mid(target.titleAt, target.titleEnd - target.titleAt));
        if (!side.isEmpty()) {
            m_html.append(QLatin1String(" class=\"float-"));
            m_html.append(side);
            m_html.append(QLatin1Char('"'));
        }
        m_html.append(QLatin1Char('>'));
        out.append(s.mid(copied, p - copied));
        if (images) {
            appendTagToken(out, m_html, s.mid(p, end - p));
        } else {
            appendTagToken(out, m_html, u"[");
            appendLabel(out, s.mid(p + 1, close - p - 1));
            appendTagToken(out, QStringLiteral("</a>"), s.mid(close, end - close));
        }
        copied = end;
        p = end - 1;
        close = -1;
        any = true;
    }
    if (!any) return false;
    out.append(s.mid(copied));
    return true;
}

// "&lt;(https?://[^\s<]+?)&gt;|(?<![\"=>])(https?://[^\s<]+)": an address between angle
// brackets ends at the first ">" and leaves the brackets out. A double quote ends an address
// too: the text is escaped by now, so the quote is "&quot;", which the character class would
// take in. As links, or (in a link's text) kept as they are written.
bool InlineScratch::bareAddresses(QStringView s, QString& out, bool asLinks)
{
    const qsizetype n = s.size();
    qsizetype copied = 0;
    bool any = false;
    for (qsizetype c = find(s, u"://"); c >= 0; c = find(s, u"://", c + 1)) {
        qsizetype h = -1;
        if (c >= 5 && s.mid(c - 5, 5) == u"https")
            h = c - 5;
        else if (c >= 4 && s.mid(c - 4, 4) == u"http")
            h = c - 4;
        if (h < copied) continue;
        const qsizetype u = c + 3;
        qsizetype e = u;
        while (e < n && s[e] != u'<' && !isPatternSpace(s[e].unicode())
               && !(s[e] == u'&' && s.mid(e).startsWith(u"&quot;")))
            ++e;
        qsizetype start = -1, end = -1, urlEnd = -1;
        if (h >= 4 && h - 4 >= copied && s.mid(h - 4, 4) == u"&lt;" && e > u + 1) {
            const qsizetype q = find(s.mid(u + 1, e - u - 1), u"&gt;");
            if (q >= 0) {
                start = h - 4;
                urlEnd = u + 1 + q;
                end = urlEnd + 4;
            }
        }
        if (start < 0 && e > u && (h == 0 || (s[h - 1] != u'"' && s[h - 1] != u'=' && s[h - 1] != u'>'))) {
            start = h;
            end = urlEnd = e;
        }
        if (start < 0) continue;
        out.append(s.mid(copied, start - copied));
        const QStringView url = s.mid(h, urlEnd - h), whole = s.mid(start, end - start);
        m_html.resize(0);
        if (asLinks) {
            // An address is shown as written: its text is no place for emphasis either.
            m_html.append(QLatin1String("<a href=\""));
            m_html.append(url);
            m_html.append(QLatin1String("\">"));
            m_html.append(url);
            m_html.append(QLatin1String("</a>"));
        } else {
            m_html.append(whole);
        }
        appendTagToken(out, m_html, whole);
        copied = end;
        c = end - 1;
        any = true;
    }
    if (!any) return false;
    out.append(s.mid(copied));
    return true;
}

} // namespace MarkdownHTMLRenderer::detail
