#pragma once

// The editor view fixture shared by the view tests: one MarkdownEditorView with its
// controller, and short ways to reach the text view and its layout.
#include "editor/EditorController.h"
#include "editor/MinimapModel.h"
#include "editor/PageMetrics.h"
#include "editor/SpellChecker.h"
#include "editor/StyledBlocks.h"
#include "editor/ui/CompletionPopup.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/GridTableInteraction.h"
#include "editor/ui/LongPaste.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/MinimapView.h"
#include "editor/ui/PageRulerView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "platform/NotificationBus.h"
#include "platform/Settings.h"
#include "platform/TextUtil.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QFile>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <random>
#include <vector>

// Some megabytes of headings, prose and small tables, alike from start to end: long enough
// that its layout goes on in slices for a while after it is loaded.
inline QString longMarkdown(int units = 4 * 1024 * 1024)
{
    QString doc;
    for (int i = 0; doc.size() < units; ++i) {
        doc += QStringLiteral("## Part %1\n\nA line of **text** long enough to fill most of the width.\n\n")
                   .arg(i, 6, 10, QChar(u'0'));
        if (i % 5 == 0) doc += QStringLiteral("| a | b |\n| --- | --- |\n| %1 | two |\n\n").arg(i, 6, 10, QChar(u'0'));
    }
    return doc;
}

class EditorViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Settings::useFile(dir.filePath("settings.ini"));
        view = std::make_unique<MarkdownEditorView>();
        view->resize(1000, 800);
        view->setController(&controller);
        EditorConfig c = MarkdownEditorView::configFromSettings();
        view->applyConfig(c);
        view->show();
    }
    MarkdownTextView* tv() { return view->markdownTextView(); }
    PagedDocumentLayout* layout() { return tv()->pagedLayout(); }
    void setConfig(auto&& change)
    {
        EditorConfig c = *tv()->coordinator()->appliedConfig();
        change(c);
        view->applyConfig(c);
    }
    // x of a caret position inside its line
    double xAt(int pos)
    {
        const QTextBlock b = tv()->document()->findBlock(pos);
        const QTextLine line = b.layout()->lineForTextPosition(pos - b.position());
        return line.cursorToX(pos - b.position());
    }
    // How many blocks lie elsewhere than where a whole layout of `text` (the view's) puts
    // them; the view takes that text anew to find out.
    std::size_t blocksApartFromAWholeLayout(const QString& text)
    {
        layout()->finishLayout();
        std::vector<double> tops;
        for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next()) tops.push_back(layout()->blockTop(b));
        view->loadText(text);
        layout()->finishLayout();
        std::size_t i = 0, differ = 0;
        for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next(), ++i)
            differ += i >= tops.size() || layout()->blockTop(b) != tops[i];
        return differ;
    }

    QTemporaryDir dir;
    EditorController controller;
    std::unique_ptr<MarkdownEditorView> view;
};
