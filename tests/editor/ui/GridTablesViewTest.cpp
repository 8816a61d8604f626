// Grid tables in the editor view: cell editing, dividers, sorting, page ends and the caret.
#include "EditorViewFixture.h"

namespace {

const char* kTableDoc = "intro\n\n| Name | Qty |\n|------|----:|\n| apples | 3 |\n| pears | 10 |\n\nafter";

QPoint toViewport(MarkdownTextView* v, QPointF grid)
{
    const QPointF doc = grid * v->gridScale();
    return (doc - QPointF(v->horizontalScrollBar()->value(), v->verticalScrollBar()->value())).toPoint();
}

int hitIndex(MarkdownTextView* v, const QString& text)
{
    for (int i = 0; i < v->grid()->tableHits().size(); ++i)
        if (v->grid()->tableHits()[i].text == text) return i;
    return -1;
}

// Share of the pixels of a cell, as the viewport shows it now, in the selection's colour.
double selectedShare(MarkdownTextView* v, const QString& cell)
{
    v->grab(); // the hit lists as drawn now
    const int i = hitIndex(v, cell);
    if (i < 0) return -1;
    const QRectF hit = v->grid()->tableHits()[i].rect;
    const QRect r = QRect(toViewport(v, hit.topLeft()), toViewport(v, hit.bottomRight())).adjusted(3, 3, -3, -3);
    const QImage image = v->viewport()->grab().toImage();
    const QColor selection = v->palette().color(QPalette::Active, QPalette::Highlight);
    // A header's band lies lightly over it.
    const auto near = [&](QColor c) {
        return std::abs(c.red() - selection.red()) + std::abs(c.green() - selection.green())
                   + std::abs(c.blue() - selection.blue())
               < 48;
    };
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) count += near(image.pixelColor(x, y));
    return double(count) / (r.width() * r.height());
}

} // namespace

TEST_F(EditorViewTest, GridCellsAreEditedInPlaceAndNeverWrittenElsewhere)
{
    view->loadText(kTableDoc);
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    const int apples = hitIndex(tv(), "apples");
    ASSERT_GE(apples, 0);
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {},
                      toViewport(tv(), tv()->grid()->tableHits()[apples].rect.center()));
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "apples");
    tv()->grid()->cellEditor()->setText("  kiwis  ");
    // Clicking another cell writes the first back before the second opens.
    const int pears = hitIndex(tv(), "pears");
    ASSERT_GE(pears, 0);
    tv()->grid()->beginCellEdit(tv()->grid()->tableHits()[pears]);
    EXPECT_EQ(view->text(), "intro\n\n| Name | Qty |\n|------|----:|\n| kiwis | 3 |\n| pears | 10 |\n\nafter");
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "pears");
    // The source changes under the open editor: the edit is dropped, nothing is lost.
    controller.replace({int(view->text().indexOf("pears")), 5}, "plums");
    tv()->grid()->cellEditor()->setText("figs");
    tv()->grid()->endCellEdit(true);
    EXPECT_TRUE(view->text().contains("| plums | 10 |"));
    EXPECT_FALSE(view->text().contains("figs"));
    tv()->undo();
    tv()->undo();
    EXPECT_EQ(view->text(), kTableDoc);
}

TEST_F(EditorViewTest, ReturnInACellCommitsItAndBreaksNoLine)
{
    view->loadText(kTableDoc);
    tv()->setSelectedRange({0, 0});
    view->grab();
    const int apples = hitIndex(tv(), "apples");
    ASSERT_GE(apples, 0);
    tv()->grid()->beginCellEdit(tv()->grid()->tableHits()[apples]);
    ASSERT_TRUE(tv()->grid()->cellEditor());
    tv()->grid()->cellEditor()->setText("kiwis");
    QTest::keyClick(tv()->grid()->cellEditor(), Qt::Key_Return);
    EXPECT_FALSE(tv()->grid()->cellEditor());
    EXPECT_EQ(view->text(), "intro\n\n| Name | Qty |\n|------|----:|\n| kiwis | 3 |\n| pears | 10 |\n\nafter");
}

// Tab and Shift+Tab write the cell back and open the next or previous one; nothing is
// ever typed at the hidden caret (here before the table, where a Tab used to land and the
// cell's edit was lost).
TEST_F(EditorViewTest, TabGoesFromCellToCellAndTypingOnAFramedCellGoesIntoIt)
{
    view->loadText(kTableDoc);
    QApplication::setActiveWindow(view.get());
    tv()->setSelectedRange({0, 0});
    view->grab();
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {},
                      toViewport(tv(), tv()->grid()->tableHits()[hitIndex(tv(), "apples")].rect.center()));
    ASSERT_TRUE(tv()->grid()->cellEditor());
    tv()->grid()->cellEditor()->setText("kiwis");
    QTest::keyClick(tv()->grid()->cellEditor(), Qt::Key_Tab);
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "3");
    EXPECT_EQ(view->text(), "intro\n\n| Name | Qty |\n|------|----:|\n| kiwis | 3 |\n| pears | 10 |\n\nafter");
    QTest::keyClick(tv()->grid()->cellEditor(), Qt::Key_Backtab);
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "kiwis");
    for (const char* next : {"3", "pears", "10"}) {
        QTest::keyClick(tv()->grid()->cellEditor(), Qt::Key_Tab);
        ASSERT_TRUE(tv()->grid()->cellEditor());
        EXPECT_EQ(tv()->grid()->cellEditor()->text(), next);
    }
    // Return ends the edit; the caret stays on the cell, framed, and typing goes on in it.
    QTest::keyClick(tv()->grid()->cellEditor(), Qt::Key_Return);
    EXPECT_FALSE(tv()->grid()->cellEditor());
    QTest::keyClicks(tv(), "0");
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "100");
    // Tab in the last cell leaves the table.
    QTest::keyClick(tv()->grid()->cellEditor(), Qt::Key_Tab);
    EXPECT_FALSE(tv()->grid()->cellEditor());
    EXPECT_EQ(view->text(), "intro\n\n| Name | Qty |\n|------|----:|\n| kiwis | 3 |\n| pears | 100 |\n\nafter");
}

TEST_F(EditorViewTest, ClickingAnotherCellWritesTheFirstAndOpensTheSecond)
{
    view->loadText(kTableDoc);
    QApplication::setActiveWindow(view.get());
    view->grab();
    const int apples = hitIndex(tv(), "apples");
    const int pears = hitIndex(tv(), "pears");
    ASSERT_GE(apples, 0);
    ASSERT_GE(pears, 0);
    const QPoint second = toViewport(tv(), tv()->grid()->tableHits()[pears].rect.center());
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {},
                      toViewport(tv(), tv()->grid()->tableHits()[apples].rect.center()));
    ASSERT_TRUE(tv()->grid()->cellEditor());
    tv()->grid()->cellEditor()->setText("green apples");
    // The click moves the focus first, which writes the first cell back and moves the rows.
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {}, second);
    EXPECT_TRUE(view->text().contains("| green apples | 3 |"));
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "pears");
}

TEST_F(EditorViewTest, GridsFollowTheirTextWhenLinesAboveChange)
{
    view->loadText(QStringLiteral("top\n\nA paragraph.\n\n") + kTableDoc);
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    const double top = tv()->grid()->tableFrames().first().rect.top();
    // Lines typed above the table move it without restyling it.
    tv()->setSelectedRange({0, 0});
    QTest::keyClicks(tv(), "more ");
    QTest::keyClick(tv(), Qt::Key_Return);
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    const TableFrame frame = tv()->grid()->tableFrames().first();
    EXPECT_EQ(frame.sourceStart, int(view->text().indexOf("| Name")));
    EXPECT_GT(frame.rect.top(), top);
    for (const TableCellHit& h : tv()->grid()->tableHits())
        EXPECT_EQ(TextUtil::trimBlanks(QStringView(view->text()).mid(h.source.location, h.source.length)), h.text);
    const int pears = hitIndex(tv(), "pears");
    ASSERT_GE(pears, 0);
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {},
                      toViewport(tv(), tv()->grid()->tableHits()[pears].rect.center()));
    ASSERT_TRUE(tv()->grid()->cellEditor());
    tv()->grid()->cellEditor()->setText("plums");
    tv()->grid()->endCellEdit(true);
    EXPECT_TRUE(view->text().contains("| plums | 10 |"));
    // The width comment goes right above the table.
    tv()->grid()->writeColumnWidths(frame.widths, tv()->grid()->tableFrames().first().sourceStart);
    EXPECT_TRUE(view->text().contains("\n\n<!-- bwk:colwidths=")) << view->text().toStdString();
    EXPECT_TRUE(view->text().contains(" -->\n| Name"));
}

TEST_F(EditorViewTest, DraggingADividerPersistsTheWidths)
{
    view->loadText(kTableDoc);
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    const TableFrame frame = tv()->grid()->tableFrames().first();
    ASSERT_EQ(frame.widths.size(), 2);
    const QPointF grip(frame.dividerXs[0], frame.rect.center().y());
    const QPoint press = toViewport(tv(), grip);
    QTest::mousePress(tv()->viewport(), Qt::LeftButton, {}, press);
    QMouseEvent move(QEvent::MouseMove, QPointF(press + QPoint(-20, 0)),
                     tv()->viewport()->mapToGlobal(QPointF(press + QPoint(-20, 0))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &move);
    QTest::mouseRelease(tv()->viewport(), Qt::LeftButton, {}, press + QPoint(-20, 0));
    EXPECT_TRUE(view->text().startsWith("intro\n\n<!-- bwk:colwidths=")) << view->text().toStdString();
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    const TableFrame after = tv()->grid()->tableFrames().first();
    EXPECT_NEAR(after.widths[0], frame.widths[0] - 20 / tv()->gridScale(), 1.0);
    EXPECT_NEAR(after.widths[0] + after.widths[1], frame.widths[0] + frame.widths[1], 1.0);
    // A second drag replaces the comment instead of adding one.
    const QPoint press2 = toViewport(tv(), QPointF(after.dividerXs[0], after.rect.center().y()));
    QTest::mousePress(tv()->viewport(), Qt::LeftButton, {}, press2);
    QTest::mouseRelease(tv()->viewport(), Qt::LeftButton, {}, press2);
    EXPECT_EQ(view->text().count("bwk:colwidths"), 1);
}

// A drag changes the two columns beside the divider only: the others come back from the
// stored fractions exactly as wide as they were drawn (a hair narrower wrapped their
// widest cell: "GREEN" became "GREE" over "N").
TEST_F(EditorViewTest, ADividerDragLeavesTheOtherColumnsExactlyAsTheyWere)
{
    view->loadText("| Name | Colour | CPU | Note |\n|---|---|---|---|\n| a | GREEN | 12 | x |\n| b | RED | 7 | yy |\n");
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    const TableFrame before = tv()->grid()->tableFrames().first();
    ASSERT_EQ(before.widths.size(), 4);
    const QPoint press = toViewport(tv(), QPointF(before.dividerXs[0], before.rect.center().y()));
    QTest::mousePress(tv()->viewport(), Qt::LeftButton, {}, press);
    QMouseEvent move(QEvent::MouseMove, QPointF(press + QPoint(37, 0)),
                     tv()->viewport()->mapToGlobal(QPointF(press + QPoint(37, 0))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &move);
    QTest::mouseRelease(tv()->viewport(), Qt::LeftButton, {}, press + QPoint(37, 0));
    ASSERT_TRUE(view->text().contains("bwk:colwidths"));
    view->grab();
    const TableFrame after = tv()->grid()->tableFrames().first();
    EXPECT_EQ(after.widths[2], before.widths[2]);
    EXPECT_EQ(after.widths[3], before.widths[3]);
    EXPECT_NEAR(after.widths[0] + after.widths[1], before.widths[0] + before.widths[1], 0.25);
}

TEST_F(EditorViewTest, AGridCrossingAPageEndSplitsThereAndItsCellsFollow)
{
    // Lines up to a few before the end of the first page's text area, then a long table.
    view->loadText("x");
    layout()->finishLayout();
    const double lineHeight = layout()->blockBoundingRect(tv()->document()->firstBlock()).height();
    const PageMetrics m = layout()->metrics();
    ASSERT_TRUE(m.paginates());
    QString doc;
    for (int i = 0, n = int(m.contentPerPage / lineHeight) - 4; i < n; ++i) doc += QStringLiteral("line %1\n").arg(i);
    doc += "\n| Name | Qty |\n|------|----:|\n";
    for (int i = 0; i < 12; ++i) doc += QStringLiteral("| row%1 | %1 |\n").arg(i);
    view->loadText(doc + "\nafter");
    layout()->finishLayout();
    const double gs = tv()->gridScale();
    const double top = layout()->textOrigin().y();
    tv()->verticalScrollBar()->setValue(int(top + m.contentPerPage - tv()->viewport()->height() / 2));
    const QImage shot = tv()->viewport()->grab().toImage();

    ASSERT_EQ(tv()->grid()->tableFrames().size(), 1);
    const TableFrame frame = tv()->grid()->tableFrames().first();
    ASSERT_EQ(frame.parts.size(), 2);
    EXPECT_LE(frame.parts[0].bottom() * gs, top + m.contentPerPage + 0.5);
    EXPECT_GE(frame.parts[1].top() * gs, top + m.stride - 0.5);
    // Every cell lies in a sheet's text area, none in the bands or the gap.
    auto inTextArea = [&](const QRectF& r) {
        const int page = int(std::floor((r.top() * gs - top) / m.stride));
        const double areaTop = top + page * m.stride;
        return r.top() * gs >= areaTop - 0.5 && r.bottom() * gs <= areaTop + m.contentPerPage + 0.5;
    };
    for (const TableCellHit& h : tv()->grid()->tableHits()) EXPECT_TRUE(inTextArea(h.rect)) << h.text.toStdString();
    // Nothing of the grid is painted between the sheets.
    const QColor desk = layout()->colors().desk;
    const int gapY = int(top - layout()->geometry().vInset * layout()->geometry().scale + m.stride - 8)
                     - tv()->verticalScrollBar()->value();
    for (double x = frame.rect.left() * gs + 2; x < frame.rect.right() * gs - 2; x += 3)
        EXPECT_EQ(shot.pixelColor(int(x) - tv()->horizontalScrollBar()->value(), gapY), desk) << "x " << x;
    // A divider is grabbed on each part, not in the gap.
    const double dx = frame.dividerXs[0];
    EXPECT_TRUE(TableGridRenderer::dividerAt({frame}, QPointF(dx, frame.parts[1].center().y())));
    EXPECT_FALSE(
        TableGridRenderer::dividerAt({frame}, QPointF(dx, (frame.parts[0].bottom() + frame.parts[1].top()) / 2)));
    // A cell on the next page opens its editor over itself.
    const int last = hitIndex(tv(), "row11");
    ASSERT_GE(last, 0);
    const QRectF cell = tv()->grid()->tableHits()[last].rect;
    EXPECT_GE(cell.top(), frame.parts[1].top());
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {}, toViewport(tv(), cell.center()));
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "row11");
    EXPECT_TRUE(tv()->grid()->cellEditor()->geometry().contains(toViewport(tv(), cell.center())));
}

TEST_F(EditorViewTest, ADividerDragStopsAtFortyPoints)
{
    view->loadText(kTableDoc);
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    const TableFrame frame = tv()->grid()->tableFrames().first();
    const QPoint press = toViewport(tv(), QPointF(frame.dividerXs[0], frame.rect.center().y()));
    const QPoint far = press - QPoint(400, 0);
    QTest::mousePress(tv()->viewport(), Qt::LeftButton, {}, press);
    QMouseEvent move(QEvent::MouseMove, QPointF(far), tv()->viewport()->mapToGlobal(QPointF(far)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &move);
    QTest::mouseRelease(tv()->viewport(), Qt::LeftButton, {}, far);
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    // Grid units to points: the narrowed column is 40 points wide, not 40 grid units.
    EXPECT_NEAR(tv()->grid()->tableFrames().first().widths[0] * tv()->gridUnit(), 40, 0.5);
}

TEST_F(EditorViewTest, SortGlyphSortsTheBodyRows)
{
    view->loadText(kTableDoc);
    view->grab();
    ASSERT_FALSE(tv()->grid()->tableFrames().isEmpty());
    const QRectF area = TableGridRenderer::sortGlyphArea(tv()->grid()->tableFrames().first(), 1);
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {}, toViewport(tv(), area.center()));
    // 3 and 10 were ascending: the first sort turns them round.
    EXPECT_LT(view->text().indexOf("pears"), view->text().indexOf("apples")) << view->text().toStdString();
}

TEST_F(EditorViewTest, ArrowKeysEnterAGridsNearestCellAndMoveFromCellToCell)
{
    view->loadText(kTableDoc);
    QApplication::setActiveWindow(view.get());
    view->grab();
    tv()->setSelectedRange({0, 0});
    QTest::keyClick(tv(), Qt::Key_Down); // to the blank line
    QTest::keyClick(tv(), Qt::Key_Down); // onto the table: the nearest cell of its first row opens
    QLineEdit* field = tv()->grid()->cellEditor();
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text(), "Name");
    // Up and Down in a cell go to the cell above or below, never into the hidden text.
    QTest::keyClick(field, Qt::Key_Down);
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "apples");
    QTest::keyClick(tv()->grid()->cellEditor(), Qt::Key_Down);
    QTest::keyClick(tv()->grid()->cellEditor(), Qt::Key_Down); // past the last row: out of the table
    EXPECT_FALSE(tv()->grid()->cellEditor());
    EXPECT_GT(tv()->selectedRange().location, int(QString(kTableDoc).indexOf("| pears")));
    EXPECT_LT(StyledBlocks::paragraphOf(tv()->textCursor().block()).rowHeight, 0);
    QTest::keyClick(tv(), Qt::Key_Up); // back in from below: the last row
    ASSERT_TRUE(tv()->grid()->cellEditor());
    EXPECT_EQ(tv()->grid()->cellEditor()->text(), "pears");
    EXPECT_EQ(view->text(), kTableDoc);
    // In source mode the rows are ordinary lines.
    setConfig([](EditorConfig& c) { c.viewMode = "source"; });
    tv()->setSelectedRange({6, 0});
    QTest::keyClick(tv(), Qt::Key_Down);
    EXPECT_EQ(tv()->textCursor().block().blockNumber(), 2);
}

// Delete removes what is selected, so a selected grid must look selected: the rows the
// selection reaches, wholly or partly; a selection within one cell is the caret's cell, framed.
TEST_F(EditorViewTest, TheRowsASelectionReachesAreDrawnSelected)
{
    view->loadText(kTableDoc);
    QApplication::setActiveWindow(view.get());
    tv()->setFocus();
    tv()->setSelectedRange({0, 0});
    for (int i = 0; i < 3; ++i) QTest::keyClick(tv(), Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_GT(tv()->selectedRange().end(), int(QString(kTableDoc).indexOf("| pears")));
    for (const char* cell : {"Name", "Qty", "apples", "10"}) EXPECT_GT(selectedShare(tv(), cell), 0.5) << cell;

    const int apples = int(QString(kTableDoc).indexOf("apples"));
    tv()->setSelectedRange({0, apples + 2});
    EXPECT_GT(selectedShare(tv(), "Name"), 0.5);
    EXPECT_GT(selectedShare(tv(), "3"), 0.5);
    EXPECT_EQ(selectedShare(tv(), "pears"), 0);

    tv()->setSelectedRange({apples, 6});
    EXPECT_LT(selectedShare(tv(), "apples"), 0.3);
    EXPECT_EQ(selectedShare(tv(), "3"), 0);
}
