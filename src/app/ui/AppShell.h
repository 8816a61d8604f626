#pragma once

#include "app/Launch.h"

#include <QStringList>

#include <functional>
#include <optional>

class DocumentWindow;
class SingleInstance;

// The application around the document windows: the new-document route, the URL handler,
// what a later launch hands over, and the launch sequence.
namespace AppShell {

// The new-document route: the text becomes the next new document's (through the pending
// template text), then a new document opens.
DocumentWindow* newDocumentWithText(const std::optional<QString>& text);

// The URL handler: each "brindlewick://new" URL opens one new document, in order, with its
// text; every other URL is skipped without a message. The last window opened, if any.
DocumentWindow* openUrls(const QStringList& urls);

// Opens what a launch named: files (created on first save when missing) and URLs.
void openItems(const QList<Launch::Item>& items);

// A later launch's message: its items open here; an empty one fronts the program.
void handleMessage(const QStringList& items);
// Takes the messages of later launches from `instance`, the server this program became,
// until a quit begins (and again when the user cancels it): a launch made while the program
// quits runs on its own.
void takeHandOffs(SingleInstance& instance);
// Brings the most recent document window to the front (a new document when there is none).
void front();

// The windows the launch shows that belong to other parts of the program. Unset hooks do
// nothing (and the start window then stays open).
struct LaunchWindows {
    std::function<void()> showWhatsNewIfNewVersion;
    std::function<void()> showWelcome;
};
LaunchWindows& launchWindows();
// Points the launch at the program's welcome and What's New windows, and gives the welcome
// window the built-in templates.
void installLaunchWindows();

// The empty document opened because the launch named nothing: the only window the launch
// may close on its own, and only while it stays untitled, unedited and empty.
void markStartWindow(DocumentWindow* window);
Launch::WindowFacts factsOf(const DocumentWindow* window);
bool closedByLaunchPass(const DocumentWindow* window);

// After the first windows are open: the What's New check (once a text recovered at this
// launch has its question answered), then either the last session is
// reopened (0.2 s later) or the welcome window is shown (at 0.2 s, then fronted again every
// 0.2 s up to five times until the user acts), each replacing the start window.
// `namedItems`: the launch named files or URLs, or brought back a text kept aside for a file
// that asks about it (no welcome window then); `reopensSession`:
// the session reopen was scheduled (before the first window opened, which rewrites it).
void runLaunchSequence(bool namedItems, bool reopensSession);

} // namespace AppShell
