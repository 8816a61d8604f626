#pragma once

#include "FakeTextView.h"
#include "editor/EditorController.h"

#include <gtest/gtest.h>

// An editor controller over a fake text view, for driving editing operations headless.
struct OpsEditor {
    FakeTextView view;
    EditorController c;

    explicit OpsEditor(const QString& text, TextRange sel = {0, 0})
        : view(text, sel)
    {
        c.setTextView(&view);
    }

    QString text() const { return view.text(); }
    TextRange sel() const { return view.selectedRange(); }

    // Undo must restore exactly the text and selection from before the operation.
    void expectUndoRestores(const QString& text, TextRange sel)
    {
        ASSERT_TRUE(view.undo());
        EXPECT_EQ(view.text(), text);
        EXPECT_EQ(view.selectedRange(), sel);
    }
};
