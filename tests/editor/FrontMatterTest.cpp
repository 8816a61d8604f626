#include "editor/FrontMatter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(FrontMatter, ParsesKeysQuotesTagsAndExtras)
{
    const QString text = "---\nTitle: \"My Doc\"\nauthor: 'Ann\"\ndate: 2026-07-06\ntags: [a, b]\n# comment\n"
                         "Mode: source\nurl: https://x.example/a:b\nmode: wysiwyg\n---\nBody";
    const auto [fm, range] = FrontMatter::parse(text);
    EXPECT_EQ(fm.title, "My Doc");
    EXPECT_EQ(fm.author, "Ann");
    EXPECT_EQ(fm.date, "2026-07-06");
    EXPECT_EQ(fm.tags, "a, b");
    ASSERT_EQ(fm.extra.size(), 3);
    EXPECT_EQ(fm.extra[0], qMakePair(QString("mode"), QString("source")));
    EXPECT_EQ(fm.extra[1].second, "https://x.example/a:b"); // only the first colon separates
    EXPECT_EQ(range, TextRange(0, int(text.indexOf("Body"))));
    EXPECT_EQ(fm.overrides().mode, QString("wysiwyg")); // the last value wins
}

TEST(FrontMatter, BlockBoundaries)
{
    EXPECT_EQ(FrontMatter::parse(u"---\ntitle: x\n").second, TextRange(0, 0)); // no closing line
    EXPECT_TRUE(FrontMatter::parse(u"---\ntitle: x\n").first.isEmpty());
    EXPECT_EQ(FrontMatter::parse(u"text\n---\n").second, TextRange(0, 0));
    EXPECT_EQ(FrontMatter::parse(u"").second, TextRange(0, 0));

    const QString lf = "---\ntitle: T\ntags: x\n  ---  \nrest";
    const QString crlf = "---\r\ntitle: T\r\ntags: x\r\n---\r\nrest";
    const auto [a, ra] = FrontMatter::parse(lf);
    const auto [b, rb] = FrontMatter::parse(crlf);
    EXPECT_EQ(a, b);
    EXPECT_EQ(rb, TextRange(0, int(crlf.indexOf("rest"))));
    EXPECT_EQ(ra, TextRange(0, int(lf.indexOf("rest"))));

    const QString atEnd = "---\ntitle: T\n---";
    EXPECT_EQ(FrontMatter::parse(atEnd).second, TextRange(0, int(atEnd.size())));
}

TEST(FrontMatter, SerializesInFieldOrder)
{
    FrontMatter fm;
    EXPECT_EQ(fm.serialized(), "---\n---\n");
    fm.tags = " , ,";
    EXPECT_FALSE(fm.isEmpty());
    EXPECT_EQ(fm.serialized(), "---\n---\n");

    const auto bracketed = FrontMatter::parse(u"---\ntags: [x, y]\n---\n").first;
    const auto bare = FrontMatter::parse(u"---\ntags: x,y\n---\n").first;
    EXPECT_EQ(bracketed.serialized(), "---\ntags: [x, y]\n---\n");
    EXPECT_EQ(bare.serialized(), "---\ntags: [x, y]\n---\n");

    // A block-style list's items are the tags.
    const auto list = FrontMatter::parse(u"---\ntags:\n  - a\n  - 'b c'\nauthor: me\n---\n").first;
    EXPECT_EQ(list.tags, "a, b c");
    EXPECT_EQ(list.serialized(), "---\nauthor: me\ntags: [a, b c]\n---\n");
}

TEST(FrontMatter, LineBreaksInValuesCannotInjectKeys)
{
    FrontMatter fm;
    fm.title = "Plan\nmode: source\r\nwidth: 10";
    fm.tags = "a\nb, c";
    fm.extra.append({"note", QString("x\u2028y")});
    const QString block = fm.serialized();
    EXPECT_EQ(block, "---\ntitle: \"Plan mode: source width: 10\"\ntags: [a b, c]\nnote: x y\n---\n");
    const auto back = FrontMatter::parse(block).first;
    EXPECT_EQ(back.title, "Plan mode: source width: 10");
    EXPECT_FALSE(back.overrides().mode.has_value());
    EXPECT_EQ(back.extra.size(), 1);
}

TEST(FrontMatter, AppliedToText)
{
    FrontMatter fm;
    fm.title = "T";
    const QString doc = "# Heading\n";
    EXPECT_EQ(fm.appliedTo(doc, FrontMatter::parse(doc).second), "---\ntitle: T\n---\n\n# Heading\n");

    // Clearing every field removes the block; the empty line after it stays.
    const QString withBlock = "---\ntitle: A\nauthor: B\n---\n\nText";
    const auto [old, range] = FrontMatter::parse(withBlock);
    EXPECT_EQ(FrontMatter{}.appliedTo(withBlock, range), "\nText");
    EXPECT_EQ(FrontMatter{}.appliedTo(doc, TextRange(0, 0)), doc);

    // Nothing changed: the block stays as it was.
    const QString mixed = "---\nTitle: 'x'\nMode: source\n---\n\nbody";
    const auto [m, r] = FrontMatter::parse(mixed);
    EXPECT_EQ(m.appliedTo(mixed, r), mixed);

    // An unclosed block counts as none: a new block goes in front of the old lines.
    const QString unclosed = "---\nold: 1\n";
    EXPECT_EQ(fm.appliedTo(unclosed, FrontMatter::parse(unclosed).second), "---\ntitle: T\n---\n\n---\nold: 1\n");
}

TEST(FrontMatter, WidthOverrideMustBeAFinitePositiveNumber)
{
    auto width = [](const char* v) {
        return FrontMatter::parse(QString("---\nwidth: %1\n---\n").arg(v)).first.overrides().width;
    };
    EXPECT_EQ(width("640"), 640.0);
    EXPECT_FALSE(width("wide").has_value());
    EXPECT_FALSE(width("inf").has_value());
    EXPECT_FALSE(width("nan").has_value());
    EXPECT_FALSE(width("-5").has_value());
    EXPECT_FALSE(width("640px").has_value());
}

// What the sheet writes reads back as written, in YAML as here; only the lines of the fields
// it changed are written, every other line stays byte for byte.
TEST(FrontMatter, ValuesYamlWouldMisreadAreQuotedAndOtherLinesStay)
{
    FrontMatter fm;
    fm.title = "Home Lab: Notes";
    fm.author = "Ann \"A\" O'Neil";
    fm.date = "2026-07-06";
    fm.tags = "#home, lab: rack, yes, [x], 1.10, plain";
    fm.extra.append({QString("note"), QString("true")});
    const QString block = fm.serialized();
    EXPECT_EQ(block.toStdString(),
              "---\ntitle: \"Home Lab: Notes\"\nauthor: Ann \"A\" O'Neil\ndate: 2026-07-06\n"
              "tags: [\"#home\", \"lab: rack\", \"yes\", \"[x]\", \"1.10\", plain]\nnote: \"true\"\n---\n");
    EXPECT_EQ(FrontMatter::parse(block).first, fm);
    for (const QString& v : {u"- item"_s, u"*ref"_s, u"a # b"_s, u"100"_s, u"~"_s, u"2026-07-06"_s,
                             u"tab\there \"q\" \\"_s, u"ends:"_s, u"@me"_s, u"'x'"_s, u"Off"_s}) {
        FrontMatter one;
        one.title = v;
        EXPECT_TRUE(one.serialized().startsWith("---\ntitle: \"")) << one.serialized().toStdString();
        EXPECT_EQ(FrontMatter::parse(one.serialized()).first.title, v) << one.serialized().toStdString();
    }
    FrontMatter plain;
    plain.title = "Ann's C++ notes - part 2, v1.0 no. 3 (draft)";
    EXPECT_EQ(plain.serialized().toStdString(), "---\ntitle: Ann's C++ notes - part 2, v1.0 no. 3 (draft)\n---\n");

    // The sheet changes the title and adds an author: comments, other keys, their case and
    // quotes, a block list of tags and the breaks of every other line stay as they were.
    const QString doc = "---\r\n# written by hand\r\nTitle: Old\r\nlayout:  'post'  \r\ntags:\r\n  - a\r\n  - b\r\n"
                        "nested:\r\n  key: value\r\n---\r\nBody";
    auto [edited, range] = FrontMatter::parse(doc);
    EXPECT_EQ(edited.tags, "a, b");
    edited.title = "New: Title";
    edited.author = "Me";
    EXPECT_EQ(
        edited.appliedTo(doc, range),
        "---\r\n# written by hand\r\ntitle: \"New: Title\"\r\nauthor: Me\r\nlayout:  'post'  \r\ntags:\r\n  - a\r\n"
        "  - b\r\nnested:\r\n  key: value\r\n---\r\n\nBody");
    // Tags changed: the list is written in place of the old one; clearing the title takes its line.
    edited.tags = "a";
    edited.title.clear();
    EXPECT_EQ(edited.appliedTo(doc, range).toStdString(),
              "---\r\n# written by hand\r\nauthor: Me\r\nlayout:  'post'  \r\n"
              "tags: [a]\r\nnested:\r\n  key: value\r\n---\r\n\nBody");
}

TEST(FrontMatter, IndentedLinesNameNoFieldAndStayAsWritten)
{
    // An indented line belongs to the line above it (or, with a tab, is not YAML at all): the
    // sheet neither shows it nor rewrites it.
    const QString doc = "---\ntitle: one\ntitle: two\n\tauthor: tab\nauthor:\t\"x\"\nmeta:\n  title: nested\n---\nBody";
    auto [fm, range] = FrontMatter::parse(doc);
    EXPECT_EQ(fm.title, "two");
    EXPECT_EQ(fm.author, "x");
    EXPECT_EQ(fm.extra, (QList<QPair<QString, QString>>{{"meta", ""}}));
    fm.title = "Three";
    fm.author = "Ann";
    EXPECT_EQ(fm.appliedTo(doc, range).toStdString(),
              "---\ntitle: Three\n\tauthor: tab\nauthor: Ann\nmeta:\n  title: nested\n---\n\nBody");
}
