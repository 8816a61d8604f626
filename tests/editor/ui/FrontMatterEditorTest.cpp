#include "editor/ui/FrontMatterEditor.h"
#include "../FakeTextView.h"
#include "editor/EditorController.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QPushButton* button(QWidget* w, const QString& text)
{
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}
} // namespace

TEST(FrontMatterEditor, ShowsFieldsAndHandsBackTheNewText)
{
    QString applied;
    int closes = 0;
    FrontMatterEditor sheet(
        "---\nTitle: \"Old\"\nmode: source\n# note\ntags: [a, b]\n---\n\nBody", [&](const QString& t) { applied = t; },
        [&] { ++closes; });
    EXPECT_EQ(sheet.titleField()->text(), "Old");
    EXPECT_EQ(sheet.tagsField()->text(), "a, b");
    EXPECT_EQ(sheet.dateField()->placeholderText(), "2026-07-06");
    EXPECT_EQ(sheet.width(), 456);

    sheet.titleField()->setText("New");
    sheet.authorField()->setText("Ann\nmode: wysiwyg"); // pasted line break folds to a space
    QTest::mouseClick(button(&sheet, "Apply"), Qt::LeftButton);
    // Only the changed fields' lines are written: the other key, the comment and the order stay.
    EXPECT_EQ(applied.toStdString(),
              "---\ntitle: New\nauthor: \"Ann mode: wysiwyg\"\nmode: source\n# note\ntags: [a, b]\n---\n\nBody");
    EXPECT_EQ(closes, 1);
}

TEST(FrontMatterEditor, CancelAndEmptyApplyLeaveTheTextAlone)
{
    QString applied = "unset";
    int closes = 0;
    FrontMatterEditor cancel(
        "# Doc", [&](const QString& t) { applied = t; }, [&] { ++closes; });
    QTest::mouseClick(button(&cancel, "Cancel"), Qt::LeftButton);
    EXPECT_EQ(applied, "unset");
    EXPECT_EQ(closes, 1);

    FrontMatterEditor empty(
        "# Doc", [&](const QString& t) { applied = t; }, [] {});
    empty.show();
    QTest::keyClick(empty.titleField(), Qt::Key_Return); // Return is Apply
    EXPECT_EQ(applied, "# Doc");
}

TEST(FrontMatterEditor, ApplyThroughTheControllerIsOneUndoableEdit)
{
    QWidget window;
    FakeTextView view("# Heading\nline two", {12, 3});
    EditorController controller;
    controller.setTextView(&view);
    FrontMatterEditor* sheet = FrontMatterEditor::showFor(&window, &controller);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    sheet->titleField()->setText("T");
    QTest::mouseClick(button(sheet, "Apply"), Qt::LeftButton);
    EXPECT_EQ(view.text(), "---\ntitle: T\n---\n\n# Heading\nline two");
    EXPECT_EQ(view.undoDepth(), 1);
    EXPECT_EQ(view.selectedRange(), TextRange(12 + 18, 3)); // the selection moved with its text
    ASSERT_TRUE(view.undo());
    EXPECT_EQ(view.text(), "# Heading\nline two");
    EXPECT_EQ(view.selectedRange(), TextRange(12, 3));

    // The text changes while the sheet is open (its file reloaded): Apply keeps the change.
    sheet = FrontMatterEditor::showFor(&window, &controller);
    controller.replaceDocumentText("---\ntitle: Disk\n---\n\n# Heading\nchanged on disk");
    sheet->authorField()->setText("Me");
    QTest::mouseClick(button(sheet, "Apply"), Qt::LeftButton);
    EXPECT_EQ(view.text(), "---\nauthor: Me\n---\n\n# Heading\nchanged on disk");
}
