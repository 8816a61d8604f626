#include "render/HtmlAllowList.h"
#include "render/MarkdownHTMLRenderer.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace HtmlAllowList;

// Exported HTML is opened in browsers, so what matters is how a browser's tokenizer reads
// the body: every attribute must be one the renderer writes, no value may hold markup, and
// no text may hold a stray "<". The inputs nest every inline construct in every position
// whose text ends up in an attribute, in every kind of block.

namespace {

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
    EXPECT_FALSE(problemsOf("<a href=\" java\tscript:x\">").isEmpty());
    EXPECT_FALSE(problemsOf("<a href=\"data:text/html,x\">").isEmpty());
    EXPECT_TRUE(problemsOf("<img src=\"data:image/png;base64,x\">").isEmpty());
    EXPECT_TRUE(problemsOf("<ol start=\"42\">").isEmpty());
    EXPECT_FALSE(problemsOf("<ol start=\"4 2\">").isEmpty());
    EXPECT_FALSE(problemsOf("<ul start=\"2\">").isEmpty());
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

TEST(RenderHostileMarkup, ANulNeverReachesThePage)
{
    const QString nul(QChar(0));
    for (const QString& markdown : {"```a" + nul + "b\ncode" + nul + "\n```", "> [!NOTE] t" + nul + "\n> x",
                                    "```mermaid\n" + nul + "\n```", "- " + nul + " [x](" + nul + ")"}) {
        const QString html = MarkdownHTMLRenderer::renderBody(markdown);
        EXPECT_FALSE(html.contains(nul)) << html.toStdString();
        EXPECT_TRUE(problemsOf(html).isEmpty()) << html.toStdString();
    }
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

TEST(RenderHostileMarkup, NoScriptAddressThroughBlanksOrControls)
{
    const QStringList targets{"[x](%)", "[x](% \"t\")", "[x](`%`)", "![x](%)", "![x](`%`)", "[[%]]", "[[%|x]]"};
    // A data: address opens a page of its own, scripts and all, from a link; an image's is a picture.
    const QStringList schemes{"javascript:alert(1)", "JaVaScRiPt:alert(1)", "vbscript:msgbox(1)",
                              "data:text/html,<script>alert(23)</script>", "DaTa:text/html;base64,PHNjcmlwdD4="};
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
                            EXPECT_TRUE(read != "javascript" && read != "vbscript" && (read != "data" || name == "src"))
                                << markdown.toStdString() << " -> " << html.toStdString();
                        }
                    ++checked;
                }
        }
    }
    EXPECT_GT(checked, 3000);
    EXPECT_EQ(MarkdownHTMLRenderer::renderInline("[j](data:text/html,<script>alert(23)</script>)").toStdString(),
              "<a href=\"#\">j</a>&lt;/script&gt;)");
    EXPECT_EQ(MarkdownHTMLRenderer::renderInline("![dot](data:image/png;base64,iVBORw0KGgo=)").toStdString(),
              "<img src=\"data:image/png;base64,iVBORw0KGgo=\" alt=\"dot\">");
}
