#include "render/Exporter.h"

#include <gtest/gtest.h>

static std::string page(const QString& body, const QString& title = {}, const QString& theme = {},
                        const QString& user = {}, bool offline = false)
{
    return Exporter::htmlDocument(body, title, theme, user, offline).toStdString();
}

static bool has(const std::string& s, const std::string& part)
{
    return s.find(part) != std::string::npos;
}

static const std::string kHead = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                                 "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";

TEST(PageTemplate, EmptyPageShape)
{
    const std::string p = page({});
    EXPECT_EQ(p.rfind(kHead + "</title>\n<style>\n:root { color-scheme: light; }", 0), 0u);
    const std::string tail = "}\n\n</style>\n\n</head>\n<body>\n\n</body>\n</html>";
    ASSERT_GE(p.size(), tail.size());
    EXPECT_EQ(p.substr(p.size() - tail.size()), tail);
    EXPECT_FALSE(has(p, "<script"));
    EXPECT_FALSE(has(p, "/* theme */"));
    EXPECT_FALSE(has(p, "/* user CSS */"));
}

TEST(PageTemplate, TitleEscapesOnlyLessThan)
{
    EXPECT_TRUE(has(page({}, "a<b & c>d \"q\""), "<title>a&lt;b & c>d \"q\"</title>"));
}

TEST(PageTemplate, ThemeAndUserCssFollowTheBaseSheet)
{
    const std::string p = page("x", {}, " ", "p{color:red}");
    const auto theme = p.find("\n/* theme */\n \n");
    const auto user = p.find("\n/* user CSS */\np{color:red}\n\n</style>");
    ASSERT_NE(theme, std::string::npos);
    ASSERT_NE(user, std::string::npos);
    EXPECT_LT(p.find("@media print"), theme);
    EXPECT_LT(theme, user);
}

TEST(PageTemplate, ScriptsOnlyWhenNeededAndOnline)
{
    const std::string math = "<script>window.MathJax={tex:{inlineMath:[['$','$']],displayMath:[['$$','$$']]}};"
                             "</script>\n<script src=\"https://cdn.jsdelivr.net/npm/mathjax@3/es5/tex-mml-chtml.js\" "
                             "async></script>";
    const std::string diagram = "<script type=\"module\">import mermaid from "
                                "'https://cdn.jsdelivr.net/npm/mermaid@10/dist/mermaid.esm.min.mjs';"
                                "mermaid.initialize({startOnLoad:true});</script>";
    EXPECT_TRUE(has(page("<pre><code>$$</code></pre>"), "</style>\n" + math + "\n</head>"));
    EXPECT_TRUE(has(page("\\(x\\)"), math));
    EXPECT_TRUE(has(page("\\[x\\]"), math));
    EXPECT_FALSE(has(page("$x$"), "<script"));
    EXPECT_TRUE(has(page("<div class=\"mermaid\">a</div>$$x$$"), "</style>\n" + math + diagram + "\n</head>"));
    EXPECT_FALSE(has(page("<div class=\"mermaid\">a</div>$$x$$", {}, {}, {}, true), "<script"));
}

TEST(PageTemplate, BodyIsInsertedUnchangedAndPageHasNoFinalLineFeed)
{
    const std::string p = page("<p>a & b</p>\n");
    EXPECT_TRUE(has(p, "<body>\n<p>a & b</p>\n\n</body>\n</html>"));
    EXPECT_EQ(p.back(), '>');
}

TEST(Exporter, TheNameLosesNoSecondExtension)
{
    // The window already took ".md" off "v1.2 notes.md".
    EXPECT_EQ(Exporter::exportName("v1.2 notes"), "v1.2 notes");
    EXPECT_EQ(Exporter::exportName(""), "Untitled");
    EXPECT_EQ(Exporter::userCSS(QString()), "") << "a present empty CSS is not replaced by the setting";
}
