#include "render/MarkdownHTMLRenderer.h"

#include <QSet>

#include <gtest/gtest.h>

using MarkdownHTMLRenderer::slug;
using MarkdownHTMLRenderer::uniqueSlugs;

TEST(Slug, KeepsLettersNumbersUnderscoreAndTurnsSpacesIntoDashes)
{
    EXPECT_EQ(slug("Hello, World!"), "hello-world");
    EXPECT_EQ(slug("Salt & Pepper"), "salt-pepper");
    EXPECT_EQ(slug(QString::fromUtf8("Ünïcödé Title")), QString::fromUtf8("ünïcödé-title"));
    EXPECT_EQ(slug("Version 2.0"), "version-20");
    EXPECT_EQ(slug("a_b_c"), "a_b_c");
    EXPECT_EQ(slug(" -- a -- b -- "), "a-b");
    EXPECT_EQ(slug("tab\there"), "tabhere");
    EXPECT_EQ(slug(QString::fromUtf8("Party \xF0\x9F\x8E\x89 time")), "party-time");
    // A decomposed accent stays with its letter.
    EXPECT_EQ(slug(QString::fromUtf8("Cafe\xCC\x81")), QString::fromUtf8("cafe\xCC\x81"));
}

TEST(Slug, EmptyResultsBecomeSection)
{
    EXPECT_EQ(slug("???"), "section");
    EXPECT_EQ(slug(""), "section");
    EXPECT_EQ(uniqueSlugs({"???", "!!!"}), QStringList({"section", "section-1"}));
}

TEST(Slug, RepeatsGetNumberedSuffixes)
{
    EXPECT_EQ(uniqueSlugs({"Hello World", "Hello World", "Hello World"}),
              QStringList({"hello-world", "hello-world-1", "hello-world-2"}));
    EXPECT_TRUE(uniqueSlugs({}).isEmpty());
}

TEST(Slug, NeverHandsOutTheSameIdTwice)
{
    // A heading whose own slug is another's suffixed form must not collide with it.
    EXPECT_EQ(uniqueSlugs({"a", "a", "a-1"}), QStringList({"a", "a-1", "a-1-1"}));
    EXPECT_EQ(uniqueSlugs({"a-1", "a", "a"}), QStringList({"a-1", "a", "a-2"}));
    const QStringList many = uniqueSlugs(QStringList(500, "x") + QStringList({"x-3", "x-500"}));
    EXPECT_EQ(QSet<QString>(many.begin(), many.end()).size(), many.size());
}
