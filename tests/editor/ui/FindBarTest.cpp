#include "editor/ui/FindBar.h"
#include "editor/EditorController.h"
#include "editor/GridEditing.h"
#include "editor/TextFind.h"
#include "editor/ui/GridTableInteraction.h"
#include "editor/ui/KeptInput.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FindBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Settings::useFile(dir.filePath("settings.ini"));
        view = std::make_unique<MarkdownEditorView>();
        view->resize(900, 700);
        view->setController(&controller);
        view->show();
        bar = new FindBar(&controller, view.get());
    }
    void load(const QString& text)
    {
        view->loadText(text);
        controller.textView()->setSelectedRange({0, 0});
    }
    QString text() const { return controller.textView()->text(); }
    TextRange selection() const { return controller.textView()->selectedRange(); }

    QTemporaryDir dir;
    EditorController controller;
    std::unique_ptr<MarkdownEditorView> view;
    FindBar* bar = nullptr;
};

// About 4 Mi units of lines, more than a slice of the find bar's work reads: "needle" on its
// tenth line and every 10,000th, "needles" once, near its end.
QString longText()
{
    QString s;
    s.reserve(4 << 20);
    for (int i = 0; s.size() < (4 << 20); ++i) {
        s += QStringLiteral("Line %1 with some words to look through").arg(i);
        s += i % 10000 == 10 ? QStringLiteral(" and a needle.\n") : QStringLiteral(".\n");
    }
    s += QStringLiteral("The needles at the end.\n");
    return s;
}

} // namespace

// Typing into the field over a long text selects the first match from the caret at once
// where it is near, and goes on looking in slices where it is far, the window answering
// meanwhile; the matches are counted after the pause in typing, and the count is right.
TEST_F(FindBarTest, OnALongTextTheNearMatchShowsAtOnceAndTheCountComesLater)
{
    const QString doc = longText();
    load(doc);
    bar->showBar(false);
    QTest::keyClicks(bar->searchField(), "needle");
    EXPECT_EQ(selection(), TextRange(int(doc.indexOf("needle")), 6));
    EXPECT_EQ(bar->countText(), "");
    const int total = TextFind("needle").count(doc);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->countText() == QStringLiteral("1 of %1").arg(total); }))
        << bar->countText().toStdString();

    QTest::keyClick(bar->searchField(), Qt::Key_S);
    EXPECT_TRUE(bar->isSearching());
    EXPECT_EQ(selection().location, int(doc.indexOf("needle")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return selection().location == int(doc.indexOf("needles")); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->countText() == "1 of 1"; })) << bar->countText().toStdString();
}

// The count shown is always that of the search in the field over the text as it is: one
// under way for an earlier search, or over the text before an edit, is never shown.
TEST_F(FindBarTest, ACountForAnEarlierSearchOrTextIsNeverShown)
{
    load(longText());
    QStringList shown;
    const auto shows = [&](const QString& count) {
        if (!bar->countText().isEmpty() && (shown.isEmpty() || shown.last() != bar->countText()))
            shown << bar->countText();
        return bar->countText() == count;
    };
    QTimer probe; // notes the count shown between slices of the bar's work
    QObject::connect(&probe, &QTimer::timeout, bar, [&] { shows({}); });
    probe.start(0);
    bar->searchField()->setText("needle");
    bar->showBar(false);
    ASSERT_TRUE(bar->isCounting());
    QTest::keyClick(bar->searchField(), Qt::Key_End);
    QTest::keyClick(bar->searchField(), Qt::Key_X);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shows("No matches"); })) << bar->countText().toStdString();

    bar->showBar(false);
    ASSERT_TRUE(bar->isCounting());
    controller.replace({int(text().size()), 0}, "needlex");
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows("1 match"); })) << bar->countText().toStdString();
    EXPECT_EQ(shown, QStringList({"No matches", "1 match"}));
}

TEST_F(FindBarTest, NextAndPreviousWrapAndTheCountFollows)
{
    load(QString::fromUtf8("Cat 😀cat\nCAT dog"));
    bar->perform(FindBar::ShowFind);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(bar->isReplaceShown());
    QTest::keyClicks(bar->searchField(), "cat");
    EXPECT_EQ(selection().location, 0); // typing selects the first match from the selection
    EXPECT_TRUE(QTest::qWaitFor([this] { return bar->countText() == "1 of 3"; })); // after the pause
    bar->perform(FindBar::Next);
    EXPECT_EQ(selection().location, 6); // after the emoji's two UTF-16 units
    bar->perform(FindBar::Next);
    bar->perform(FindBar::Next);
    EXPECT_EQ(selection().location, 0); // wrapped
    bar->perform(FindBar::Previous);
    EXPECT_EQ(selection().location, 10);
    EXPECT_EQ(bar->countText(), "3 of 3");

    QTest::keyClick(bar->searchField(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(FindBarTest, ReplaceAndReplaceAllAreEachOneUndoableEdit)
{
    load(QString::fromUtf8("a.b A.B x a.b"));
    bar->perform(FindBar::ShowReplace);
    EXPECT_TRUE(bar->isReplaceShown());
    bar->searchField()->setText("a.b");
    bar->replaceField()->setText("[😀]");
    bar->replaceCurrent(); // nothing selected yet: finds the first match
    EXPECT_EQ(selection().location, 0);
    bar->replaceCurrent();
    EXPECT_EQ(text(), QString::fromUtf8("[😀] A.B x a.b"));
    EXPECT_EQ(selection().location, 5); // on to the next match (the emoji is two UTF-16 units)

    bar->replaceAll();
    EXPECT_EQ(text(), QString::fromUtf8("[😀] [😀] x [😀]"));
    EXPECT_EQ(bar->countText(), "No matches");
    view->undo();
    EXPECT_EQ(text(), QString::fromUtf8("[😀] A.B x a.b"));
    view->undo();
    EXPECT_EQ(text(), "a.b A.B x a.b");

    // Use Selection for Find takes the selected text as the search.
    controller.textView()->setSelectedRange({10, 3});
    bar->perform(FindBar::SetSearchFromSelection);
    EXPECT_EQ(bar->searchField()->text(), "a.b");
}

// Over a long text, Previous looks back in slices, the window answering meanwhile, and lands
// where stepping forward would; Replace All gathers its matches in slices, gathers them again
// when the text changes meanwhile, and changes only them: no change reaches from one match to
// the next, neither made nor undone, and one undo gives the whole text back.
TEST_F(FindBarTest, PreviousAndReplaceAllGoThroughALongTextInSlicesTouchingOnlyTheMatches)
{
    // Two matches, more than a slice of the bar's work apart.
    const QString doc = "A needle.\n" + longText().replace("needle", "thread") + "Another needle.\n";
    load(doc);
    bar->perform(FindBar::ShowReplace);
    bar->searchField()->setText("needle");
    const TextRange last = *TextFind("needle").previous(doc, {0, 0});
    controller.textView()->setSelectedRange(last);
    bar->perform(FindBar::Previous);
    EXPECT_TRUE(bar->isSearching());
    EXPECT_TRUE(QTest::qWaitFor([&] { return selection() == TextRange(2, 6); }));
    bar->perform(FindBar::Previous); // round the start to the last match
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bar->isSearching(); }));
    EXPECT_EQ(selection(), last);

    QList<std::pair<int, int>> changes; // where each change starts, and how much it replaced
    QObject::connect(view->markdownTextView()->document(), &QTextDocument::contentsChange, bar,
                     [&](int from, int removed, int) { changes << std::pair(from, removed); });
    bar->replaceField()->setText("pin");
    bar->replaceAll();
    ASSERT_TRUE(bar->isReplacing());
    EXPECT_TRUE(changes.isEmpty());
    const int middle = int(doc.indexOf(u'\n', doc.size() / 2)) + 1;
    controller.replace({middle, 0}, "A needle.\n"); // typed while the matches are gathered
    const QString edited = text();
    MarkdownTextView* tv = view->markdownTextView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bar->isReplacing() && !tv->isReadOnly(); }));
    EXPECT_EQ(text(), QString(edited).replace("needle", "pin"));
    const int matches = int(TextFind("needle").count(edited));
    EXPECT_EQ(changes.size(), 1 + matches);
    for (const auto& [from, removed] : changes) EXPECT_LE(removed, int(QStringLiteral("needle").size())) << from;

    // Undone and redone the same way: a change for each match, one step (in turns, the
    // matches being far apart).
    const QString replaced = text();
    changes.clear();
    view->undo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tv->isReadOnly(); }));
    EXPECT_EQ(text(), edited);
    view->redo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tv->isReadOnly(); }));
    EXPECT_EQ(text(), replaced);
    EXPECT_EQ(changes.size(), 2 * matches);
    for (const auto& [from, removed] : changes) EXPECT_LE(removed, int(QStringLiteral("needle").size())) << from;
}

// Keys typed while Replace All gathers its matches (and a save asked after them) wait for the
// replacements and follow them: they were typed after it was asked for.
TEST_F(FindBarTest, KeysTypedWhileReplaceAllGathersFollowTheReplacements)
{
    const QString doc = "A needle.\n" + longText().replace("needle", "thread") + "Another needle.\n";
    load(doc);
    controller.textView()->setSelectedRange({0, 0});
    bar->perform(FindBar::ShowReplace);
    bar->searchField()->setText("needle");
    bar->replaceField()->setText("pin");
    bar->replaceAll();
    ASSERT_TRUE(bar->isReplacing());
    QTest::keyClicks(view->markdownTextView(), "X");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !bar->isReplacing() && !view->markdownTextView()->keptInput()->isHolding(); }));
    QString expected = QString(doc).replace("needle", "pin");
    expected.insert(expected.lastIndexOf("pin") + 3, u'X');
    EXPECT_EQ(text(), expected);
}

// Replace All of many matches goes in a few edits at a time, the window answering between
// them and the keys typed meanwhile going in after it, where the caret is left; its undo and
// redo go the same way, each one step and byte for byte. So for matches on every line of a
// long text (put in unstyled, styled after) and for matches far apart (each styled as it
// goes in).
TEST_F(FindBarTest, ManyMatchesAreReplacedUndoneAndRedoneInTurnsByteForByte)
{
    QString dense;
    for (int i = 0; dense.size() < (2 << 20); ++i)
        dense += i % 40 == 0  ? QStringLiteral("## A Pin heading %1\n\n").arg(i)
                 : i % 7 == 0 ? QStringLiteral("- a pin in a list, pin %1\n").arg(i)
                              : QStringLiteral("Line %1 holds a pin, and *another pin*.\n").arg(i);
    QString sparse;
    for (int i = 0; i < 300; ++i)
        sparse += QStringLiteral("Paragraph %1 with a pin.\n\n").arg(i) + QString(1500, u'w') + "\n\n";
    MarkdownTextView* tv = view->markdownTextView();
    int turns = 0; // of the event loop
    QTimer ticker;
    ticker.setInterval(0);
    bool selectsWhileBusy = false; // the text between the parts, say
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++turns;
        selectsWhileBusy = selectsWhileBusy || (tv->isReadOnly() && tv->textCursor().hasSelection());
    });
    ticker.start();
    QList<int> changedIn;
    QObject::connect(tv->document(), &QTextDocument::contentsChange, bar, [&] { changedIn << turns; });
    const auto done = [&] {
        return QTest::qWaitFor(
            [&] { return !bar->isReplacing() && !tv->isReadOnly() && !tv->keptInput()->isHolding(); }, 120000);
    };
    bar->perform(FindBar::ShowReplace);
    bar->searchField()->setText("pin");
    bar->replaceField()->setText(QString::fromUtf8("nail😀"));

    for (const QString& doc : {dense, sparse}) {
        SCOPED_TRACE(doc.size());
        load(doc);
        changedIn.clear();
        bar->replaceAll();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !changedIn.isEmpty(); }));
        QTest::keyClicks(tv, "X");
        ASSERT_TRUE(done());
        QString replaced = QString(doc).replace("pin", QString::fromUtf8("nail😀"), Qt::CaseInsensitive);
        const int after = int(replaced.lastIndexOf(QString::fromUtf8("nail😀"))) + 6;
        EXPECT_GT(changedIn.last(), changedIn.first());
        replaced.insert(after, u'X');
        EXPECT_TRUE(text() == replaced);
        EXPECT_EQ(selection(), TextRange(after + 1, 0));

        view->undo(); // the key
        replaced.remove(after, 1);
        ASSERT_TRUE(text() == replaced);
        changedIn.clear();
        view->undo();
        ASSERT_TRUE(done());
        EXPECT_GT(changedIn.last(), changedIn.first());
        EXPECT_TRUE(text() == doc);
        changedIn.clear();
        view->redo();
        ASSERT_TRUE(done());
        EXPECT_GT(changedIn.last(), changedIn.first());
        EXPECT_TRUE(text() == replaced);
        EXPECT_EQ(selection(), TextRange(after, 0));
        EXPECT_FALSE(selectsWhileBusy);
    }
}

// After Replace All the text between the first and the last match is not left selected:
// closing the bar and typing goes on after the last replacement.
TEST_F(FindBarTest, ReplaceAllLeavesACaretToTypeAt)
{
    load("first item\nsecond item\nthird");
    bar->perform(FindBar::ShowReplace);
    bar->searchField()->setText("item");
    bar->replaceField()->setText("thing");
    bar->replaceAll();
    EXPECT_EQ(selection(), TextRange(int(QStringLiteral("first thing\nsecond thing").size()), 0));
    QTest::keyClick(bar->searchField(), Qt::Key_Escape);
    QTest::keyClicks(view->markdownTextView(), "s");
    EXPECT_EQ(text(), "first thing\nsecond things\nthird");
}

// A match in a grid table shows its cell, framed, in view; a match is never left under the
// bar that floats over the top of the text.
TEST_F(FindBarTest, AMatchShowsItsGridCellAndStaysClearOfTheBar)
{
    QString doc;
    for (int i = 0; i < 80; ++i) doc += QStringLiteral("Paragraph %1 of filler text.\n\n").arg(i);
    doc += "| Fruit | Qty |\n|---|---|\n| apple | 3 |\n| needle | 5 |\n\n";
    for (int i = 0; i < 40; ++i) doc += QStringLiteral("More %1 of filler text.\n\n").arg(i);
    doc += "another needle here\n\n";
    for (int i = 0; i < 80; ++i) doc += QStringLiteral("Last %1 of filler text.\n\n").arg(i);
    load(doc);
    auto* tv = view->markdownTextView();
    QApplication::setActiveWindow(view.get());
    bar->showBar(false);
    QTest::keyClicks(bar->searchField(), "needle");
    const TextRange first = selection();
    ASSERT_EQ(first.location, int(doc.indexOf("needle")));
    const QImage shot = tv->viewport()->grab().toImage();
    const auto at = tv->grid()->caretCell();
    ASSERT_TRUE(at);
    const TextRange source = GridEditing::cellSource(*at->model, at->shift, at->cell);
    const auto hit = std::find_if(tv->grid()->tableHits().cbegin(), tv->grid()->tableHits().cend(),
                                  [&](const TableCellHit& h) { return h.source == source; });
    ASSERT_NE(hit, tv->grid()->tableHits().cend()) << "the cell is not on screen";
    const QRectF cell(hit->rect.topLeft() * tv->gridScale() - QPointF(0, tv->verticalScrollBar()->value()),
                      hit->rect.size() * tv->gridScale());
    const int barBottom = bar->mapTo(view.get(), QPoint(0, bar->height())).y() - tv->mapTo(view.get(), QPoint()).y();
    EXPECT_GE(cell.top(), barBottom);
    EXPECT_LE(cell.bottom(), tv->viewport()->height());
    // Framed: the edge of the cell is drawn in the highlight colour.
    const QColor highlight = tv->palette().color(QPalette::Highlight);
    bool framed = false;
    for (int y = int(cell.top()) - 1; y <= int(cell.top()) + 4; ++y) {
        const QColor edge = shot.pixelColor(QPoint(int(cell.center().x()), y));
        framed = framed || (edge.saturation() > 60 && std::abs(edge.hue() - highlight.hue()) < 30);
    }
    EXPECT_TRUE(framed);

    // The next match, with the text scrolled so its line stands under the bar.
    QTextCursor c(tv->document());
    c.setPosition(int(doc.lastIndexOf("needle")));
    tv->verticalScrollBar()->setValue(tv->verticalScrollBar()->value() + tv->cursorRect(c).top() - 4);
    bar->findNext();
    ASSERT_EQ(selection().location, int(doc.lastIndexOf("needle")));
    EXPECT_GE(tv->cursorRect().top(), barBottom);
}
