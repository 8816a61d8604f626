#include "commands/CommandRegistry.h"
#include "editor/EditorController.h"
#include "editor/FakeTextView.h"
#include "platform/Settings.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QStringList titles(const QList<const EditorCommand*>& list)
{
    QStringList out;
    for (const EditorCommand* c : list) out.append(c->title);
    return out;
}
} // namespace

TEST(CommandRegistry, FiftyEightUniqueCommandsInContiguousCategories)
{
    const auto& all = CommandRegistry::all();
    ASSERT_EQ(all.size(), 58);
    EXPECT_EQ(all.first().id, u"h1");
    EXPECT_EQ(all.last().id, u"copyHTML");
    QSet<QString> ids, titlesSeen;
    QList<int> counts;
    int category = -1;
    for (const EditorCommand& c : all) {
        ids.insert(c.id);
        titlesSeen.insert(c.title);
        ASSERT_GE(int(c.category), category) << "category order broken at " << c.id.toStdString();
        if (int(c.category) != category) counts.append(0), category = int(c.category);
        ++counts.last();
        EXPECT_FALSE(c.symbol.isEmpty());
        EXPECT_TRUE(bool(c.action));
    }
    EXPECT_EQ(ids.size(), 58);
    EXPECT_EQ(titlesSeen.size(), 58);
    EXPECT_EQ(counts, (QList<int>{7, 6, 8, 17, 6, 5, 3, 6}));

    ASSERT_TRUE(CommandRegistry::command(u"dupLine"_s));
    EXPECT_EQ(CommandRegistry::command(u"dupLine"_s)->title, u"Duplicate Line");
    EXPECT_FALSE(CommandRegistry::command(u"DupLine"_s));
    EXPECT_FALSE(CommandRegistry::command(QString()));
    EXPECT_EQ(CommandCategories::fromTitle(u"Lists & Blocks"_s), CommandCategory::lists);
    EXPECT_FALSE(CommandCategories::fromTitle(u"lists"_s));
    EXPECT_EQ(CommandRegistry::command(u"exportODT"_s)->title, u"Export as OpenDocument\u2026");
}

TEST(CommandRegistry, HintsInLinuxNamesAndNoneForKeysTheMenuGivesElsewhere)
{
    auto hint = [](const char* id) { return CommandRegistry::command(QString::fromLatin1(id))->linuxHint(); };
    EXPECT_EQ(hint("dupLine"), u"Ctrl+Shift+D");
    EXPECT_EQ(hint("lineUp"), u"Alt+Up");
    EXPECT_EQ(hint("aisuggest"), u"Meta+Ctrl+/");
    EXPECT_EQ(hint("quote"), u"Ctrl+Shift+'");
    EXPECT_EQ(hint("code"), u"");
    EXPECT_EQ(hint("cleanup"), u"");
    EXPECT_EQ(hint("taskDone"), u"");
}

TEST(CommandRegistry, SearchRanksPrefixThenContainsThenCategoryThenSubsequence)
{
    EXPECT_EQ(CommandRegistry::search(QString()).size(), 58);
    EXPECT_EQ(CommandRegistry::search(u" \t "_s).size(), 58);
    EXPECT_EQ(titles(CommandRegistry::search(u"code"_s)), (QStringList{u"Code Block"_s, u"Inline Code"_s}));
    EXPECT_EQ(titles(CommandRegistry::search(u"\t code  "_s)), titles(CommandRegistry::search(u"code"_s)));
    EXPECT_EQ(titles(CommandRegistry::search(u"EXPORT"_s)),
              (QStringList{u"Export as HTML…"_s, u"Export as PDF…"_s, u"Export as Rich Text…"_s, u"Export as Word…"_s,
                           u"Export as OpenDocument…"_s, u"Copy as HTML"_s}));
    EXPECT_EQ(titles(CommandRegistry::search(u"hd"_s)), (QStringList{u"Heading 1"_s, u"Heading 2"_s, u"Heading 3"_s,
                                                                     u"Heading 4"_s, u"Heading 5"_s, u"Heading 6"_s}));
    EXPECT_TRUE(CommandRegistry::search(u"xyz"_s).isEmpty());
    // Whole characters: an "e" does not match the first half of a decomposed "é".
    EXPECT_TRUE(CommandRegistry::search(u"e\u0301"_s).isEmpty());
}

TEST(CommandRegistry, ActionsGoThroughTheEditorAndDoNothingOnceItIsGone)
{
    FakeTextView view(u"hello world."_s, {11, 0});
    auto* editor = new EditorController;
    editor->setTextView(&view);
    CommandContext ctx;
    ctx.editor = editor;
    int exported = -1;
    ctx.exportAs = [&](ExportFormat f) { exported = int(f); };
    CommandRegistry::command(u"upper"_s)->run(ctx);
    EXPECT_EQ(view.text(), u"hello WORLD."_s);
    EXPECT_EQ(view.selectedRange(), TextRange(6, 5));
    CommandRegistry::command(u"copyHTML"_s)->run(ctx);
    EXPECT_EQ(exported, int(ExportFormat::copyHTML));

    int asked = 0;
    editor->setContinuationRequester([&] { ++asked; });
    CommandRegistry::command(u"aisuggest"_s)->run(ctx);
    EXPECT_EQ(asked, 1);

    delete editor;
    exported = -1;
    CommandRegistry::command(u"exportPDF"_s)->run(ctx);
    CommandRegistry::command(u"bold"_s)->run(ctx);
    EXPECT_EQ(exported, -1);
    EXPECT_EQ(view.text(), u"hello WORLD."_s);
    EXPECT_EQ(CommandContexts::toggledViewMode(u"wysiwyg"_s), u"source");
    EXPECT_EQ(CommandContexts::toggledViewMode(u"source"_s), u"wysiwyg");
    EXPECT_EQ(CommandContexts::toggledViewMode(u"other"_s), u"wysiwyg");
}
