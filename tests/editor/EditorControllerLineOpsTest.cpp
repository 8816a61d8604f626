#include "EditorControllerOpsFixture.h"

#include "editor/CaseTransform.h"

TEST(EditorControllerLineOps, HeadingReplacesTogglesAndRemoves)
{
    OpsEditor e("### Title\nnext", {4, 0});
    e.c.heading(2);
    EXPECT_EQ(e.text(), "## Title\nnext");
    EXPECT_EQ(e.sel(), TextRange(3, 0)); // the caret stays before "Title"
    EXPECT_EQ(e.view.focusCount, 1);
    e.c.heading(2);
    EXPECT_EQ(e.text(), "Title\nnext");
    e.expectUndoRestores("## Title\nnext", TextRange(3, 0));
    e.c.heading(0);
    EXPECT_EQ(e.text(), "Title\nnext");

    OpsEditor multi("a\n\nb", {0, 4});
    multi.c.heading(1);
    EXPECT_EQ(multi.text(), "# a\n# \n# b");

    // A caret on an empty line decides "already a heading": no edit, no undo step.
    OpsEditor empty("", {0, 0});
    empty.c.heading(3);
    EXPECT_EQ(empty.text(), "");
    EXPECT_EQ(empty.view.undoDepth(), 0);
}

// A line operation run at a caret (a heading key, the list button) leaves a caret on the
// same text: selecting the line would let the next typed letter replace it.
TEST(EditorControllerLineOps, ACaretStaysACaretOnItsText)
{
    OpsEditor list("Groceries\nnext", {9, 0});
    list.c.toggleLinePrefix("- ", {"* ", "+ "});
    EXPECT_EQ(list.text(), "- Groceries\nnext");
    EXPECT_EQ(list.sel(), TextRange(11, 0));         // still at the end of the word
    list.view.replaceRange(list.sel(), " and more"); // what typing does at the caret
    EXPECT_EQ(list.text(), "- Groceries and more\nnext");

    OpsEditor heading("intro\n### Title", {12, 0}); // "### Ti|tle"
    heading.c.heading(1);
    EXPECT_EQ(heading.text(), "intro\n# Title");
    EXPECT_EQ(heading.sel(), TextRange(10, 0)); // "# Ti|tle"
    heading.c.heading(0);
    EXPECT_EQ(heading.sel(), TextRange(8, 0)); // "Ti|tle"

    OpsEditor inMarker("1. one", {1, 0}); // a caret inside the marker that goes
    inMarker.c.toggleNumbered();
    EXPECT_EQ(inMarker.text(), "one");
    EXPECT_EQ(inMarker.sel(), TextRange(0, 0));

    OpsEditor task("do it", {0, 0});
    task.c.toggleTaskList();
    EXPECT_EQ(task.text(), "- [ ] do it");
    EXPECT_EQ(task.sel(), TextRange(6, 0));
    task.c.outdent(); // nothing to take away: no edit, the caret stays
    EXPECT_EQ(task.sel(), TextRange(6, 0));
    task.c.indent();
    EXPECT_EQ(task.sel(), TextRange(8, 0));
    task.expectUndoRestores("- [ ] do it", TextRange(6, 0));

    // A selection still becomes the whole new block.
    OpsEditor selected("a\nb\n", {0, 3});
    selected.c.toggleLinePrefix("> ");
    EXPECT_EQ(selected.sel(), TextRange(0, 8));
}

TEST(EditorControllerLineOps, CurrentHeadingLevel)
{
    OpsEditor e("intro\n#### Four\n#tag", {8, 0});
    EXPECT_EQ(e.c.currentHeadingLevel(), 4);
    e.view.setSelectedRange({17, 0});
    EXPECT_EQ(e.c.currentHeadingLevel(), 0); // "#tag" has no space after the marker
    EditorController none;
    EXPECT_EQ(none.currentHeadingLevel(), 0);
}

TEST(EditorControllerLineOps, NumberingSkipsBlankLinesAndToggles)
{
    OpsEditor e("one\n  \ntwo", {0, 10});
    e.c.toggleNumbered();
    EXPECT_EQ(e.text(), "1. one\n  \n2. two");
    // The line of spaces is not empty, so the decision is "not numbered": numbers again.
    e.c.toggleNumbered();
    EXPECT_EQ(e.text(), "1. 1. one\n  \n2. 2. two");

    OpsEditor mixed("3) a\n4. b", {0, 9});
    mixed.c.toggleNumbered();
    EXPECT_EQ(mixed.text(), "a\nb");
}

TEST(EditorControllerLineOps, TaskListAndTaskDone)
{
    OpsEditor e("  - item\n3. num\nplain\n", {0, 22});
    e.c.toggleTaskList();
    EXPECT_EQ(e.text(), "  - [ ] item\n- [ ] num\n- [ ] plain\n");

    OpsEditor back("- [x] done\n- [ ] open", {0, 21});
    back.c.toggleTaskList();
    EXPECT_EQ(back.text(), "done\nopen");

    OpsEditor done("- [ ] a [ ] b", {2, 0});
    done.c.toggleTaskDone();
    EXPECT_EQ(done.text(), "- [x] a [x] b");
    OpsEditor undone("* [X] a", {0, 0});
    undone.c.toggleTaskDone();
    EXPECT_EQ(undone.text(), "* [ ] a");
}

TEST(EditorControllerLineOps, IndentOutdentAndPrefixes)
{
    OpsEditor e("a\n\tb\n   c", {0, 9});
    e.c.indent();
    EXPECT_EQ(e.text(), "  a\n  \tb\n     c");
    e.c.outdent();
    e.c.outdent();
    EXPECT_EQ(e.text(), "a\nb\n c");

    const QStringList bulletAlternates{"* ", "+ "};
    OpsEditor bullets("+ x\ny", {0, 5});
    bullets.c.toggleLinePrefix("- ", bulletAlternates);
    EXPECT_EQ(bullets.text(), "- x\n- y");
    bullets.c.toggleLinePrefix("- ", bulletAlternates);
    EXPECT_EQ(bullets.text(), "x\ny");

    OpsEditor quote("", {0, 0});
    quote.c.toggleLinePrefix("> ");
    EXPECT_EQ(quote.text(), "> ");
}

TEST(EditorControllerLineOps, CrLfLinesKeepTheirBreaks)
{
    // A selection spanning CR LF lines: rules never see the CR ("\s+" after "#" would
    // eat it), and it stays in place.
    OpsEditor e("#\r\nb\r\nc", {0, 7});
    e.c.heading(2);
    EXPECT_EQ(e.text(), "## #\r\n## b\r\n## c");
    e.expectUndoRestores("#\r\nb\r\nc", TextRange(0, 7));

    OpsEditor sort("b\r\na\r\n", {0, 6});
    sort.c.sortLines(true);
    EXPECT_EQ(sort.text(), "a\r\nb\r\n");

    // The last line moves up and takes the CR LF break with it.
    OpsEditor move("a\r\nb", {3, 1});
    move.c.moveLineUp();
    EXPECT_EQ(move.text(), "b\r\na");
    EXPECT_EQ(move.sel(), TextRange(0, 1));

    OpsEditor down("a\r\nb", {0, 0});
    down.c.moveLineDown();
    EXPECT_EQ(down.text(), "b\r\na");
    EXPECT_EQ(down.sel(), TextRange(3, 0));

    OpsEditor dup("a\r\nb", {3, 0});
    dup.c.duplicateLine();
    EXPECT_EQ(dup.text(), "a\r\nb\r\nb");
}

TEST(EditorControllerLineOps, MoveLinesAtTheEdges)
{
    OpsEditor e("first\nsecond", {9, 2});
    e.c.moveLineUp();
    EXPECT_EQ(e.text(), "second\nfirst");
    EXPECT_EQ(e.sel(), TextRange(3, 2));
    e.expectUndoRestores("first\nsecond", TextRange(9, 2));

    e.view.setSelectedRange({0, 0});
    e.c.moveLineUp(); // first line: nothing
    e.view.setSelectedRange({8, 0});
    e.c.moveLineDown(); // last line: nothing
    EXPECT_EQ(e.text(), "first\nsecond");
    EXPECT_EQ(e.view.undoDepth(), 0);

    OpsEditor down("a\nb\nc\n", {0, 0});
    down.c.moveLineDown();
    EXPECT_EQ(down.text(), "b\na\nc\n");
    EXPECT_EQ(down.sel(), TextRange(2, 0));
    down.view.setSelectedRange({6, 0}); // caret at the very end, after the last line feed
    down.c.moveLineDown();
    EXPECT_EQ(down.text(), "b\na\nc\n");
}

TEST(EditorControllerLineOps, DuplicateDeleteSelect)
{
    OpsEditor e("ab\ncd", {4, 1});
    e.c.duplicateLine();
    EXPECT_EQ(e.text(), "ab\ncd\ncd");
    EXPECT_EQ(e.sel(), TextRange(7, 1)); // the lower copy
    e.expectUndoRestores("ab\ncd", TextRange(4, 1));

    e.c.selectLine();
    EXPECT_EQ(e.sel(), TextRange(3, 2));
    EXPECT_EQ(e.view.changes, 1); // selecting is no edit

    OpsEditor only("only", {2, 0});
    only.c.deleteLine();
    EXPECT_EQ(only.text(), "");
    EXPECT_EQ(only.sel(), TextRange(0, 0));

    OpsEditor last("a\nb\n", {4, 0}); // caret at the very end: its (empty) line goes
    last.c.deleteLine();
    EXPECT_EQ(last.text(), "a\nb\n");

    OpsEditor emptyDoc("", {0, 0});
    emptyDoc.c.duplicateLine();
    EXPECT_EQ(emptyDoc.text(), "\n");
}

TEST(EditorControllerLineOps, SortIsStableAndCaseInsensitiveDedupeCanonical)
{
    OpsEditor e("b\nB\na", {0, 5});
    e.c.sortLines(true);
    EXPECT_EQ(e.text(), "a\nb\nB");
    EXPECT_EQ(e.sel(), TextRange(0, 5));
    EXPECT_EQ(e.view.focusCount, 0);

    OpsEditor d("b\nB\na", {0, 5});
    d.c.sortLines(false);
    EXPECT_EQ(d.text(), "b\nB\na");
    EXPECT_EQ(d.view.undoDepth(), 0); // already in order: no edit

    const QString composed = QString::fromUtf8("\xC3\xA9");    // é
    const QString decomposed = QString::fromUtf8("e\xCC\x81"); // e + combining acute
    OpsEditor dup(composed + "\nx\n" + decomposed + "\nx\n", {0, 10});
    dup.c.removeDuplicateLines();
    EXPECT_EQ(dup.text(), composed + "\nx\n");
}

TEST(EditorControllerLineOps, AlignmentDirectiveLines)
{
    OpsEditor e("intro\npara", {8, 0});
    e.c.alignCenter();
    EXPECT_EQ(e.text(), "intro\n{.center}\npara");
    EXPECT_EQ(e.sel(), TextRange(18, 0));
    e.c.alignRight();
    EXPECT_EQ(e.text(), "intro\n{.right}\npara");
    EXPECT_EQ(e.sel(), TextRange(17, 0));
    e.c.alignLeft();
    EXPECT_EQ(e.text(), "intro\npara");
    EXPECT_EQ(e.sel(), TextRange(8, 0));

    OpsEditor blanks("  {.center}  \nx", {14, 0});
    blanks.c.alignJustify();
    EXPECT_EQ(blanks.text(), "{.justify}\nx");

    OpsEditor first("x", {0, 0});
    first.c.alignCenter();
    EXPECT_EQ(first.text(), "{.center}\nx");
}

TEST(EditorControllerLineOps, TransformSelectionOrWordAtCaret)
{
    OpsEditor e("say hello there", {6, 0});
    e.c.transformSelection(CaseTransform::upper);
    EXPECT_EQ(e.text(), "say HELLO there");
    EXPECT_EQ(e.sel(), TextRange(6, 0)); // a caret stays a caret: typing must not replace the word

    OpsEditor after("word ", {4, 0}); // caret right after the word
    after.c.transformSelection(CaseTransform::upper);
    EXPECT_EQ(after.text(), "WORD ");
    after.view.replaceRange(after.sel(), "Z"); // what typing does at the caret
    EXPECT_EQ(after.text(), "WORDZ ");

    // A caret at the end of a word that grows stays at its end.
    OpsEditor grows(QString::fromUtf8("gro\xC3\x9F!"), {4, 0});
    grows.c.transformSelection(CaseTransform::upper);
    EXPECT_EQ(grows.text(), "GROSS!");
    EXPECT_EQ(grows.sel(), TextRange(5, 0));

    OpsEditor between("a  b", {2, 0});
    between.c.transformSelection(CaseTransform::upper);
    EXPECT_EQ(between.view.changeRequests, 0);

    // The result may be longer than the target; the selection follows it.
    OpsEditor longer(QString::fromUtf8("stra\xC3\x9F"
                                       "e"),
                     {0, 6});
    longer.c.transformSelection(CaseTransform::upper);
    EXPECT_EQ(longer.text(), "STRASSE");
    EXPECT_EQ(longer.sel(), TextRange(0, 7));
}

TEST(EditorControllerLineOps, RangeOfWordLeavesNonBmpOut)
{
    EXPECT_EQ(EditorController::rangeOfWord(u"", 0), TextRange(0, 0));
    EXPECT_EQ(EditorController::rangeOfWord(u"don't", 1), TextRange(0, 3));
    EXPECT_EQ(EditorController::rangeOfWord(u"abc", 3), TextRange(0, 3)); // at the very end
    const QString withEmoji = QString::fromUtf8("ab\xF0\x9F\x98\x80"
                                                "cd"); // ab😀cd
    EXPECT_EQ(EditorController::rangeOfWord(withEmoji, 5), TextRange(4, 2));
    EXPECT_EQ(EditorController::rangeOfWord(withEmoji, 3), TextRange(3, 0));
}

TEST(EditorControllerLineOps, RefusedChangeLeavesTextAndSelection)
{
    OpsEditor e("a\nb", {2, 1});
    e.view.refuseChanges = 1;
    e.c.moveLineUp();
    EXPECT_EQ(e.text(), "a\nb");
    EXPECT_EQ(e.sel(), TextRange(2, 1));
    EditorController none; // no view: every operation is a no-op
    none.heading(1);
    none.moveLineDown();
    none.sortLines(true);
    none.alignCenter();
}

TEST(EditorControllerLineOps, UnchangedBlockIsStillSelectedWithoutAnUndoStep)
{
    // Nothing to flip on a plain line: no edit, yet the selected line is selected whole as
    // after any line operation.
    OpsEditor plain("- [ ] a\nplain\n", {10, 2});
    plain.c.toggleTaskDone();
    EXPECT_EQ(plain.text(), "- [ ] a\nplain\n");
    EXPECT_EQ(plain.sel(), TextRange(8, 6));
    EXPECT_EQ(plain.view.undoDepth(), 0);
    EXPECT_EQ(plain.view.focusCount, 1);

    OpsEditor sorted("a\nb\nc", {2, 3});
    sorted.c.sortLines(true);
    EXPECT_EQ(sorted.sel(), TextRange(2, 3));
    EXPECT_EQ(sorted.view.undoDepth(), 0);

    // Left alignment without a directive: no edit, the selection collapses to its start.
    OpsEditor left("intro\npara", {7, 2});
    left.c.alignLeft();
    EXPECT_EQ(left.text(), "intro\npara");
    EXPECT_EQ(left.sel(), TextRange(7, 0));
    EXPECT_EQ(left.view.undoDepth(), 0);
}
