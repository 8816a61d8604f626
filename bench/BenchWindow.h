#pragma once
// A real document window on a long file, for the benchmarks that time what the window does
// with it (autosave, save, version snapshots).

#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/Features.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "files/VersionSnapshots.h"
#include "files/VersionStore.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include "BenchEditor.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

inline MarkdownTextView* textViewOf(DocumentWindow* w)
{
    return static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
}

// Settings, autosave and versions in `dir`; `text` written there as `name` and opened in a
// window at a desktop's size (the offscreen screen is 800 × 600, which would shrink the
// window and scale every sheet it paints), shown, its text whole, styled and laid out.
// Null, with the reason handed to `state`, when that fails.
inline DocumentWindow* openLaidOut(benchmark::State& state, const QTemporaryDir& dir, const QString& name,
                                   const QString& text)
{
    Settings::useFile(dir.filePath("settings.ini"));
    PrefKey::registerAll(Settings::instance());
    VersionStore::setRoot(dir.filePath("Versions"));
    auto& dc = DocumentController::instance();
    dc.setAutosaveStore(AutosaveStore(dir.filePath("Autosave")));
    installWindowFeatures();
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0) {
        state.SkipWithError("the document could not be written");
        return nullptr;
    }
    f.close();
    DocumentWindow* w = dc.openDocument(path);
    if (w) w->resize(960, 820);
    if (!w || !showExposed(w)) {
        state.SkipWithError("the window was never exposed");
        return nullptr;
    }
    w->finishLoading();
    MarkdownTextView* view = textViewOf(w);
    view->coordinator()->finishStyling();
    view->pagedLayout()->finishLayout();
    return w;
}

// Closes the window and waits for the version closing took, before its folder goes.
inline void closeAndForget(DocumentWindow* w)
{
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    VersionSnapshots::finish();
    VersionStore::setRoot({});
}
