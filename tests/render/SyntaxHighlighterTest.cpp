#include "render/SyntaxHighlighter.h"

#include <gtest/gtest.h>

using namespace SyntaxHighlighter;

TEST(SyntaxHighlighter, HtmlEscapesEverywhereButApostrophes)
{
    EXPECT_EQ(highlight("a<b && \"x<\" // it's", "js"),
              "a&lt;b &amp;&amp; <span class=\"hl-str\">&quot;x&lt;&quot;</span> "
              "<span class=\"hl-com\">// it's</span>");
    EXPECT_EQ(highlight("", "js"), "");
    EXPECT_EQ(highlight("1", "js"), "<span class=\"hl-num\">1</span>");
}
