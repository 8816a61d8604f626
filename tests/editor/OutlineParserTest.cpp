#include "editor/OutlineParser.h"

#include <gtest/gtest.h>

#include <random>

namespace {
struct H {
    int level;
    QString title;
    qsizetype offset;
};
std::vector<H> parse(const QString& text)
{
    std::vector<H> out;
    for (const OutlineItem& i : OutlineParser::headings(text)) out.push_back({i.level, i.title, i.offset});
    return out;
}
void expectHeadings(const QString& text, const std::vector<H>& want)
{
    const auto got = parse(text);
    ASSERT_EQ(got.size(), want.size()) << text.toStdString();
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].level, want[i].level) << i;
        EXPECT_EQ(got[i].title, want[i].title) << i;
        EXPECT_EQ(got[i].offset, want[i].offset) << i;
    }
}
} // namespace

TEST(OutlineParser, LevelsTitlesAndUtf16Offsets)
{
    expectHeadings("Intro\n## Part A\n### Sub", {{2, "Part A", 6}, {3, "Sub", 16}});
    // An emoji is two UTF-16 units; the heading after it counts both.
    expectHeadings(QString::fromUtf8("\xF0\x9F\x98\x80\n# T"), {{1, "T", 3}});
    expectHeadings("#   Title   \n# Title #\n# \n####### seven\n#NoSpace\n # indented\n\t# tab",
                   {{1, "Title", 0}, {1, "Title #", 13}, {1, "", 23}});
    // Windows line endings: offsets at line starts, no CR in the titles.
    expectHeadings("# One\r\ntext\r\n## Two\r\n", {{1, "One", 0}, {2, "Two", 13}});
    EXPECT_TRUE(parse("").empty());
    // Ids differ between items and between parses.
    const auto a = OutlineParser::headings(u"# A\n# B");
    const auto b = OutlineParser::headings(u"# A\n# B");
    EXPECT_NE(a[0].id, a[1].id);
    EXPECT_NE(a[0].id, b[0].id);
}

TEST(OutlineParser, BacktickFencesHideHeadingsTildeFencesDoNot)
{
    expectHeadings("# A\n```\n# hidden\n```\n# B", {{1, "A", 0}, {1, "B", 21}});
    // Indented fence with an info string, a four-backtick fence, and a tilde fence.
    expectHeadings("  ```python\n# hidden\n````\n~~~\n# shown\n~~~", {{1, "shown", 30}});
    // An unclosed fence hides everything after it.
    expectHeadings("# A\n```\n# B\n# C\n", {{1, "A", 0}});
}

// Kept edit by edit, the outline equals a fresh parse after every edit, whatever is typed
// (fence lines, headings, CR LF, lone line feeds), and headings away from the edit keep
// their ids.
TEST(OutlineTracker, EditByEditEqualsAFreshParse)
{
    std::mt19937 rng(11);
    const QStringList pieces{"# ", "## T", "\n", "\r\n", "```", "x", "", "#", " ", "```js\n", "###### six\n"};
    QString text;
    for (int i = 0; i < 200; ++i) text += pieces[int(rng() % pieces.size())] + (i % 3 ? "" : "\n");
    OutlineTracker tracker;
    tracker.reset(text);
    for (int step = 0; step < 1500; ++step) {
        const qsizetype a = qsizetype(rng() % (text.size() + 1));
        const qsizetype b = a + qsizetype(rng() % (std::min<qsizetype>(text.size() - a, 6) + 1));
        const QString with = pieces[int(rng() % pieces.size())];
        text.replace(a, b - a, with);
        const QList<OutlineItem> kept = tracker.items();
        const auto splice = tracker.update(a, b, a + with.size(), text.size(),
                                           [&](qsizetype from, qsizetype to) { return text.mid(from, to - from); });
        ASSERT_EQ(tracker.items(), OutlineParser::headings(text)) << step;
        if (splice) {
            for (qsizetype i = 0; i < splice->first; ++i) ASSERT_EQ(tracker.items()[i].id, kept[i].id);
            const qsizetype tail = kept.size() - splice->first - splice->removed;
            for (qsizetype i = 1; i <= tail; ++i)
                ASSERT_EQ(tracker.items()[tracker.items().size() - i].id, kept[kept.size() - i].id);
        }
    }
}
