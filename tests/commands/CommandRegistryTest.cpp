#include "commands/CommandRegistry.h"
#include "editor/CaseTransform.h"
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
    EXPECT_EQ(view.selectedRange(), TextRange(11, 0)); // the caret stays after the word
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

// Every registry command that edits text does what its title names: the same edit as the
// EditorController call the title stands for, on the same text and selection, and a real
// change (a command wired to the wrong operation, or to none, fails here).
TEST(CommandRegistry, EveryEditingCommandMakesTheEditItsTitleNames)
{
    using Op = TableTools::Op;
    using Call = std::function<void(EditorController&)>;
    const QString doc =
        "# Head\n\nalpha\nzeta beta\nalpha\n- [ ] task\n\n| A | B |\n|---|---|\n| 1 | 2 |\n| 3 | 4 |\n\n  deep\n";
    const TextRange words(14, 4);                         // "zeta"
    const TextRange cell(int(doc.indexOf("| 3")) + 2, 0); // the caret in cell "3"
    const TextRange line(int(doc.indexOf("alpha")), 0);
    const TextRange task(int(doc.indexOf("task")), 0);
    struct Expect {
        const char* id;
        TextRange selection;
        Call call;
    };
    auto table = [](Op op) { return [op](EditorController& e) { e.tableOp(op); }; };
    auto wrap = [](const char* open, const char* close = nullptr) {
        return [=](EditorController& e) {
            e.wrap(QString::fromUtf8(open), close ? std::optional(QString::fromUtf8(close)) : std::nullopt);
        };
    };
    const QList<Expect> expected{
        {"h1", words, [](EditorController& e) { e.heading(1); }},
        {"h2", words, [](EditorController& e) { e.heading(2); }},
        {"h3", words, [](EditorController& e) { e.heading(3); }},
        {"h4", words, [](EditorController& e) { e.heading(4); }},
        {"h5", words, [](EditorController& e) { e.heading(5); }},
        {"h6", words, [](EditorController& e) { e.heading(6); }},
        {"body", TextRange(0, 0), [](EditorController& e) { e.heading(0); }},
        {"bold", words, wrap("**")},
        {"italic", words, wrap("*")},
        {"boldItalic", words, wrap("***")},
        {"strike", words, wrap("~~")},
        {"code", words, wrap("`")},
        {"comment", words, wrap("<!-- ", " -->")},
        {"bullet", words,
         [](EditorController& e) {
             e.toggleLinePrefix("- ", {"* ", "+ "});
         }},
        {"numbered", words, [](EditorController& e) { e.toggleNumbered(); }},
        {"task", words, [](EditorController& e) { e.toggleTaskList(); }},
        {"taskDone", task, [](EditorController& e) { e.toggleTaskDone(); }},
        {"quote", words, [](EditorController& e) { e.toggleLinePrefix("> ", {}); }},
        {"codeBlock", words, [](EditorController& e) { e.insertCodeBlock(QString()); }},
        {"indent", words, [](EditorController& e) { e.indent(); }},
        {"outdent", TextRange(int(doc.indexOf("deep")), 0), [](EditorController& e) { e.outdent(); }},
        {"hr", words, [](EditorController& e) { e.insertHorizontalRule(); }},
        {"footnote", words, [](EditorController& e) { e.insertFootnote(); }},
        {"toc", words, [](EditorController& e) { e.insertTableOfContents(); }},
        {"date", words, [](EditorController& e) { e.insertDate(); }},
        {"table22", words, [](EditorController& e) { e.insertTable(2, 2); }},
        {"table33", words, [](EditorController& e) { e.insertTable(3, 3); }},
        {"math", words, wrap("$")},
        {"tblformat", cell, table(Op::format)},
        {"tblrowabove", cell, table(Op::insertRowAbove)},
        {"tblrowbelow", cell, table(Op::insertRowBelow)},
        {"tbldelrow", cell, table(Op::deleteRow)},
        {"tblcolleft", cell, table(Op::insertColumnLeft)},
        {"tblcolright", cell, table(Op::insertColumnRight)},
        {"tbldelcol", cell, table(Op::deleteColumn)},
        {"tblalignl", cell, table(Op::alignLeft)},
        {"tblalignc", cell, table(Op::alignCenter)},
        {"tblalignr", cell, table(Op::alignRight)},
        {"upper", words, [](EditorController& e) { e.transformSelection(CaseTransform::upper); }},
        {"lower", TextRange(2, 4), [](EditorController& e) { e.transformSelection(CaseTransform::lower); }},
        {"title", words, [](EditorController& e) { e.transformSelection(CaseTransform::title); }},
        {"sortAZ", TextRange(8, 22), [](EditorController& e) { e.sortLines(true); }},
        {"sortZA", TextRange(8, 22), [](EditorController& e) { e.sortLines(false); }},
        {"dedupe", TextRange(8, 22), [](EditorController& e) { e.removeDuplicateLines(); }},
        {"lineUp", line, [](EditorController& e) { e.moveLineUp(); }},
        {"lineDown", words, [](EditorController& e) { e.moveLineDown(); }},
        {"dupLine", words, [](EditorController& e) { e.duplicateLine(); }},
        {"delLine", words, [](EditorController& e) { e.deleteLine(); }},
        {"selLine", words, [](EditorController& e) { e.selectLine(); }},
        {"cleanup", words, [](EditorController& e) { e.cleanUpMarkdown(); }},
    };
    QSet<QString> covered;
    for (const Expect& x : expected) {
        const EditorCommand* command = CommandRegistry::command(QString::fromLatin1(x.id));
        ASSERT_TRUE(command) << x.id;
        covered.insert(command->id);
        FakeTextView byCommand(doc, x.selection), byCall(doc, x.selection);
        EditorController viaCommand, viaCall;
        viaCommand.setTextView(&byCommand);
        viaCall.setTextView(&byCall);
        CommandContext ctx;
        ctx.editor = &viaCommand;
        command->run(ctx);
        x.call(viaCall);
        EXPECT_EQ(byCommand.text().toStdString(), byCall.text().toStdString()) << command->title.toStdString();
        EXPECT_EQ(byCommand.selectedRange(), byCall.selectedRange()) << command->title.toStdString();
        EXPECT_TRUE(byCall.text() != doc || byCall.selectedRange() != x.selection)
            << command->title.toStdString() << " changed nothing here";
    }
    // Every command that is not a view switch or an export is listed above.
    for (const EditorCommand& c : CommandRegistry::all()) {
        if (c.category != CommandCategory::exportAs && c.id != "toggleMode" && c.id != "aisuggest") {
            EXPECT_TRUE(covered.contains(c.id)) << c.id.toStdString() << " is not checked";
        }
    }
}
