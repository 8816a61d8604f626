#include "render/MarkdownHTMLRenderer.h"

#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

// Exported HTML is opened in browsers, so what matters is how a browser's tokenizer reads
// the body: every attribute must be one the renderer writes, no value may hold markup, and
// no text may hold a stray "<". The inputs nest every inline construct in every position
// whose text ends up in an attribute, in every kind of block.

namespace {

struct Tag {
    QString name;
    QList<std::pair<QString, QString>> attributes;
};

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Reads `html` the way a browser's tokenizer does (data, tag, attribute name and value
// states). Returns the start tags; a "<" in text that a browser would take as text is
// reported through `problems` as well, since the renderer escapes every text.
QList<Tag> tokenize(const QString& html, QStringList& problems)
{
    QList<Tag> tags;
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype lt = html.indexOf(u'<', i);
        if (lt < 0) break;
        i = lt + 1;
        if (i < n && html.at(i) == u'/') {
            const qsizetype gt = html.indexOf(u'>', i);
            i = gt < 0 ? n : gt + 1;
            continue;
        }
        if (i >= n || !html.at(i).isLetter() || html.at(i).unicode() > 0x7f) {
            problems << QStringLiteral("a bare \"<\" at %1").arg(lt);
            continue;
        }
        Tag tag;
        while (i < n && !isSpace(html.at(i)) && html.at(i) != u'/' && html.at(i) != u'>')
            tag.name += html.at(i++).toLower();
        for (;;) {
            while (i < n && (isSpace(html.at(i)) || html.at(i) == u'/')) ++i;
            if (i >= n || html.at(i) == u'>') {
                ++i;
                break;
            }
            QString name(html.at(i++)); // a first "=" belongs to the name
            while (i < n && !isSpace(html.at(i)) && html.at(i) != u'/' && html.at(i) != u'>' && html.at(i) != u'=')
                name += html.at(i++).toLower();
            while (i < n && isSpace(html.at(i))) ++i;
            QString value;
            if (i < n && html.at(i) == u'=') {
                ++i;
                while (i < n && isSpace(html.at(i))) ++i;
                if (i < n && (html.at(i) == u'"' || html.at(i) == u'\'')) {
                    const QChar quote = html.at(i++);
                    const qsizetype end = html.indexOf(quote, i);
                    value = html.mid(i, (end < 0 ? n : end) - i);
                    i = end < 0 ? n : end + 1;
                } else {
                    while (i < n && !isSpace(html.at(i)) && html.at(i) != u'>') value += html.at(i++);
                }
            }
            tag.attributes.append({name.toLower(), value});
        }
        tags << tag;
    }
    return tags;
}

// Empty when the body is sound, else what is wrong with it.
QStringList problemsOf(const QString& html)
{
    static const QSet<QString> tagNames{
        "a",    "blockquote", "br",  "code",  "dd",    "del", "div",   "dl",    "dt", "em", "h1",  "h2",
        "h3",   "h4",         "h5",  "h6",    "hr",    "img", "input", "li",    "ol", "p",  "pre", "section",
        "span", "strong",     "sup", "table", "tbody", "td",  "th",    "thead", "tr", "ul"};
    static const QSet<QString> attributeNames{"alt", "aria-label", "checked", "class", "disabled", "href",
                                              "id",  "role",       "src",     "style", "title",    "type"};
    QStringList problems;
    for (const Tag& tag : tokenize(html, problems)) {
        if (!tagNames.contains(tag.name)) problems << QStringLiteral("element <%1>").arg(tag.name);
        QSet<QString> seen;
        for (const auto& [name, value] : tag.attributes) {
            if (!attributeNames.contains(name)) problems << QStringLiteral("attribute %1 on <%2>").arg(name, tag.name);
            if (seen.contains(name)) problems << QStringLiteral("attribute %1 twice on <%2>").arg(name, tag.name);
            seen.insert(name);
            if (value.contains(u'<') || value.contains(u'>') || value.contains(QChar(0)))
                problems << QStringLiteral("markup in %1=\"%2\"").arg(name, value);
        }
    }
    return problems;
}

QString fill(const QString& pattern, const QString& inner)
{
    return QString(pattern).replace(QLatin1String("%"), inner);
}

} // namespace

TEST(RenderHostileMarkup, TheTokenizerSeesWhatABrowserWouldSee)
{
    // The check itself must catch the faults it is for.
    EXPECT_TRUE(problemsOf("<p>a</p><img src=\"x\" alt=\"y\">").isEmpty());
    EXPECT_FALSE(problemsOf("<a title=\"<img src=\"x\" onmouseover=\"y\">\">").isEmpty());
    EXPECT_FALSE(problemsOf("<a title='<b>'>").isEmpty());
    EXPECT_FALSE(problemsOf("<img src=x onerror=y>").isEmpty());
    EXPECT_FALSE(problemsOf("<a href=\"x\" href=\"y\">").isEmpty());
    EXPECT_FALSE(problemsOf("a < b").isEmpty());
    EXPECT_FALSE(problemsOf("<script>x</script>").isEmpty());
}

TEST(RenderHostileMarkup, ConstructsNestedInAttributePositionsStayText)
{
    // Inline constructs, "%" standing for what they hold.
    const QStringList constructs{
        "`%`",    "$%$",          "$$%$$",    "[[%]]", "[[%|%]]", "![%](%)", "![%](% \"%\")", "![%](%){.left}",
        "[%](%)", "[%](% \"%\")", "http://%", "**%**", "*%*",     "_%_",     "~~%~~",         "[^1]%",
    };
    // Positions whose text becomes an attribute value.
    const QStringList positions{
        "[t](%)", "[t](u \"%\")", "![%](u)", "![a](%)", "![a](u \"%\")", "[[%]]", "[[%|t]]", "http://x/%",
    };
    // Blocks that render their text inline.
    const QStringList blocks{
        "%", "# %", "- %", "- [ ] %", "| a | % |\n|---|---|\n| % | b |", "x[^1]\n\n[^1]: %", "> %", "%\n: %",
    };
    const QStringList payloads{
        "onmouseover=alert(1)//",
        "x\"onmouseover=alert(1)",
        "'onerror=alert(1)",
        "<script>alert(1)</script>",
    };

    int checked = 0;
    const auto check = [&](const QString& markdown) {
        const QString html = MarkdownHTMLRenderer::renderBody(markdown + QLatin1String("\n\n[^1]: note"));
        const QStringList problems = problemsOf(html);
        ++checked;
        if (!problems.isEmpty())
            ADD_FAILURE() << markdown.toStdString() << "\n-> " << html.toStdString() << "\n"
                          << problems.join(QLatin1String("; ")).toStdString();
        return problems.isEmpty();
    };

    for (const QString& payload : payloads)
        for (const QString& position : positions)
            for (const QString& outer : constructs) {
                const QString inner = fill(position, fill(outer, payload));
                for (const QString& block : blocks)
                    if (!check(fill(block, inner))) return;
                // One level deeper, in a paragraph.
                for (const QString& deeper : constructs)
                    if (!check(fill(position, fill(outer, fill(deeper, payload))))) return;
            }
    EXPECT_GT(checked, 10000);
}

TEST(RenderHostileMarkup, AnImageInALinkTitleIsItsText)
{
    // The case that ran a handler on hover: the image became a tag inside the title.
    const auto inl = [](const char* s) {
        return MarkdownHTMLRenderer::renderInline(QString::fromUtf8(s)).toStdString();
    };
    EXPECT_EQ(inl("[x](http://example.com \"![y](onmouseover=document.title='P'//)\")"),
              "<a href=\"http://example.com\" title=\"![y](onmouseover=document.title='P'//)\">x</a>");
    EXPECT_EQ(inl("![a]([[b|c]])"), "<img src=\"[[b|c]]\" alt=\"a\">");
    EXPECT_EQ(inl("[t](u \"[[x|y]] **b**\")"), "<a href=\"u\" title=\"[[x|y]] **b**\">t</a>");
    EXPECT_EQ(inl("[t](http://a/![b](c))"), "<a href=\"http://a/![b](c)\">t</a>");
}

namespace {

// The scheme a browser reads from an attribute value: character references decoded once,
// leading and trailing controls and spaces dropped, tabs and line breaks removed anywhere.
QString schemeAsBrowserReads(QString value)
{
    value.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&lt;"), QLatin1String("<"));
    value.replace(QLatin1String("&gt;"), QLatin1String(">")).replace(QLatin1String("&amp;"), QLatin1String("&"));
    value.remove(u'\t').remove(u'\n').remove(u'\r');
    qsizetype b = 0;
    while (b < value.size() && value.at(b).unicode() <= 0x20) ++b;
    QString scheme;
    for (qsizetype i = b; i < value.size(); ++i) {
        const char16_t c = value.at(i).unicode();
        if (c == u':') return scheme.toLower();
        const bool alpha = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!alpha && (scheme.isEmpty() || !((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.')))
            return {};
        scheme += QChar(c);
    }
    return {};
}

} // namespace

TEST(RenderHostileMarkup, NoScriptAddressThroughBlanksOrControls)
{
    const QStringList targets{"[x](%)", "[x](% \"t\")", "[x](`%`)", "![x](%)", "![x](`%`)", "[[%]]", "[[%|x]]"};
    const QStringList schemes{"javascript:alert(1)", "JaVaScRiPt:alert(1)", "vbscript:msgbox(1)"};
    int checked = 0;
    for (char16_t blank = 0; blank <= 0x20; ++blank) {
        const QString b(QChar{blank});
        for (const QString& scheme : schemes) {
            const QStringList placed{b + scheme, b + b + scheme, scheme.left(4) + b + scheme.mid(4),
                                     scheme.left(scheme.indexOf(u':')) + b + scheme.mid(scheme.indexOf(u':'))};
            for (const QString& url : placed)
                for (const QString& target : targets) {
                    const QString markdown = fill(target, url);
                    const QString html = MarkdownHTMLRenderer::renderBody(markdown);
                    QStringList problems;
                    for (const Tag& tag : tokenize(html, problems))
                        for (const auto& [name, value] : tag.attributes) {
                            const QString read = schemeAsBrowserReads(value);
                            EXPECT_TRUE(read != "javascript" && read != "vbscript")
                                << markdown.toStdString() << " -> " << html.toStdString();
                        }
                    ++checked;
                }
        }
    }
    EXPECT_GT(checked, 2000);
}
