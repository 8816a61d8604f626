#pragma once

#include "commands/CommandContext.h"
#include "editor/EditorTextView.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The eight groups of commands, in the order they are listed everywhere.
enum class CommandCategory { headings, format, lists, insert, transform, lines, view, exportAs };

namespace CommandCategories {
// Every category, in display order.
const QList<CommandCategory>& all();
// The title in English: "Headings", "Format", "Lists & Blocks", "Insert", "Transform",
// "Lines", "View", "Export".
QString title(CommandCategory category);
// The title as shown, in the interface's language.
QString shownTitle(CommandCategory category);
// The category whose title is exactly `title` (case-sensitive); none otherwise.
std::optional<CommandCategory> fromTitle(const QString& title);
} // namespace CommandCategories

// One named editor command: static data plus the action that runs it on a window.
struct EditorCommand {
    QString id;    // stable; the key of user shortcuts and of "runCommand"
    QString title; // in English; shownTitle() in the interface's language
    CommandCategory category;
    QString symbol;       // icon name
    QString shortcutHint; // the menu's key in glyphs ("⇧⌘7"), display only; empty for none
    std::function<void(const CommandContext&)> action;

    QString shownTitle() const;
    // The hint in Linux key names ("Ctrl+Shift+7"); empty for none.
    QString linuxHint() const;
    // Runs the action in its turn with the keys typed in the context's editor
    // (EditorController::inTurn); nothing when the context's window is gone.
    void run(const CommandContext& context, EditorTextView::Turn turn = EditorTextView::Turn::Now) const;
};

namespace CommandRegistry {

// The 58 commands, category after category, each category in its own order. Built once.
const QList<EditorCommand>& all();
// The commands of one category, in registry order.
QList<EditorCommand> inCategory(CommandCategory category);
// The first command whose id equals `id` exactly; nullptr for none.
const EditorCommand* command(const QString& id);

// The commands ranked against a typed query, by their titles as shown: titles beginning with it, then titles
// containing it, then category titles containing it, then titles holding its
// characters in order; registry order within each rank. An empty or blank query
// lists everything.
QList<const EditorCommand*> search(const QString& query);

// A glyph hint ("⌃⌥⇧⌘" then the key) in Linux names: Command -> Ctrl, Option -> Alt,
// Control -> Meta ("⇧⌘D" -> "Ctrl+Shift+D", "⌥⌘↑" -> "Ctrl+Alt+Up").
QString linuxKeys(const QString& glyphHint);

} // namespace CommandRegistry
