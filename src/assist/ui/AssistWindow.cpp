#include "assist/ui/AssistWindow.h"

#include "assist/ApplyResults.h"
#include "assist/ui/AIAssistSheet.h"
#include "assist/ui/InlineContinuation.h"
#include "assist/ui/TranslateSheet.h"
#include "editor/EditorController.h"
#include "editor/ui/DocumentHost.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/GhostText.h"
#include "platform/NotificationBus.h"
#include "platform/Requests.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {
bool hasSelection(const DocumentHost& host)
{
    const EditorTextView* view = host.editorController()->textView();
    return view && view->selectedRange().length > 0 && !view->selectedRange().isNotFound();
}

// A sheet is opened window-modal and goes away when it closes.
void present(AssistSheet* sheet)
{
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
}
} // namespace

void installAssistFeatures(DocumentHost& host)
{
    QWidget* window = host.window();
    auto* runner = new AssistRunner(host.editorController(), window);
    // Suggestions at the caret, where the editor shows them.
    if (GhostText* ghost = host.editorHost()->ghostText()) {
        QPointer<InlineContinuation> continuation = new InlineContinuation(ghost, ghost);
        // "Suggest Continuation" asks here, from the menu, the palette or a user shortcut.
        host.editorController()->setContinuationRequester([continuation] {
            if (continuation) continuation->request(true);
        });
    }

    host.observeWhenKey(Requests::showTranslate, [&host, window, runner](const QVariant&) {
        present(new TranslateSheet(
            hasSelection(host),
            [runner](const QString& language, bool whole, AssistDone done) {
                return runner->performTranslation(language, whole, std::move(done));
            },
            window));
    });
    host.observeWhenKey(Requests::showAIAssist, [&host, window, runner](const QVariant&) {
        present(new AIAssistSheet(
            hasSelection(host),
            [runner](const AIAction& action, const QString& instruction, bool whole, AssistDone done) {
                return runner->performAIAssist(action, instruction, whole, std::move(done));
            },
            window));
    });
}
