#include "commands/ui/CommandsFeature.h"

#include "commands/CommandRegistry.h"
#include "commands/ui/CommandPalette.h"
#include "commands/ui/EditorToolbar.h"
#include "commands/ui/TextViewCommands.h"
#include "editor/EditorController.h"
#include "editor/ui/DocumentHost.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/PrefKey.h"
#include "platform/Requests.h"
#include "platform/Settings.h"
#include "render/export/ui/ExportRequest.h"

#include <QPointer>

using namespace Qt::StringLiterals;

namespace CommandsFeature {

CommandContext contextFor(DocumentHost& host)
{
    CommandContext c;
    c.editor = host.editorController();
    // The host lives as long as its window; the window's editor guards every call.
    QPointer<QWidget> window = host.window();
    DocumentHost* h = &host;
    c.window = [window] { return window.data(); };
    c.filePath = [window, h] { return window ? h->filePath() : QString(); };
    c.text = [window, h] { return window ? h->documentText() : QString(); };
    c.toggleMode = [] {
        Settings& s = Settings::instance();
        s.setValue(PrefKey::editorViewMode,
                   CommandContexts::toggledViewMode(s.string(PrefKey::editorViewMode, u"wysiwyg"_s)));
    };
    // The export commands export the way the Export menu does: no theme, the stored CSS.
    c.exportAs = [window, h](ExportFormat format) {
        if (window) ExportRequest::fromWindow(*h, format).send();
    };
    return c;
}

void attach(DocumentHost& host)
{
    QWidget* window = host.window();
    auto openPalette = [&host, window] { CommandPalette::present(window, contextFor(host)); };

    host.setPanel(DocumentHost::Panel::Toolbar,
                  new EditorToolbar([&host] { return contextFor(host); }, host.editorController(), openPalette));
    if (auto* toolbar = qobject_cast<EditorToolbar*>(host.panel(DocumentHost::Panel::Toolbar))) {
        // The heading label follows the caret; it reads only the caret's line.
        QObject::connect(host.editorHost(), &EditorHost::selectionMoved, toolbar, &EditorToolbar::refreshHeading);
        QObject::connect(host.editorHost(), &EditorHost::textEdited, toolbar, &EditorToolbar::refreshHeading);
    }

    // The palette reads nothing of the text, and the command it runs waits for the text in its
    // turn: a long file still being read is not taken in at once to open it.
    host.observeWhenKey(
        Requests::showCommandPalette, [openPalette](const QVariant&) { openPalette(); }, DocumentHost::Reads::nothing);
    host.observeWhenKey(
        Requests::runCommand,
        [&host](const QVariant& object) {
            if (object.metaType().id() != QMetaType::QString) return;
            if (!host.editorController() || !host.editorController()->textView()) return;
            if (const EditorCommand* command = CommandRegistry::command(object.toString()))
                command->run(contextFor(host));
        },
        DocumentHost::Reads::nothing); // the command waits for the text in its turn

    if (auto* view = dynamic_cast<MarkdownTextView*>(host.editorHost()->textView())) {
        DocumentHost* h = &host;
        QPointer<QWidget> guard = window;
        new TextViewCommands(view, [guard, h] { return guard ? h->filePath() : QString(); });
    }
}

} // namespace CommandsFeature
