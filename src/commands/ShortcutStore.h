#pragma once

#include "commands/KeyCombo.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include <optional>

class QKeyEvent;

// The user's own key combinations for registry commands, stored under "customShortcuts"
// as UTF-8 JSON: {"<command id>": {"key": "d", "modifiers": 1179648}, …}.
//
// An entry that cannot be read (a member missing or of the wrong type) is skipped on its
// own and kept as it was: saving writes it back unchanged, so one bad entry neither turns
// off the others nor gets lost. A stored value that is not a JSON object at all reads as
// no shortcuts and is kept aside (KeptAside) before a save replaces it.
//
// Reads are cached until the setting's change signal, so a key press costs a hash lookup.
namespace ShortcutStore {

// Combinations by command id, in the order lookups walk them (by id).
using Combos = QMap<QString, KeyCombo>;

struct Decoded {
    Combos combos;
    QJsonObject unreadable;       // entries kept as stored, by id
    bool wholeUnreadable = false; // not a JSON object (an absent value is readable: empty)
};
Decoded decode(const QByteArray& json);
// `combos` plus the entries of `keep` whose ids `combos` does not bind.
QByteArray encode(const Combos& combos, const QJsonObject& keep = {});

Combos all();
// Stores `combos`, keeping the unreadable entries that were stored. False when nothing
// could be written.
bool save(const Combos& combos);

// The command bound to a key press; none when no entry matches. Only Shift, Ctrl, Alt
// and Meta take part; Caps Lock and keypad flags are ignored.
std::optional<QString> commandID(int qtKey, Qt::KeyboardModifiers modifiers);
std::optional<QString> commandID(const QKeyEvent& event);

// Another command bound to exactly `combo`, other than `excluding`.
std::optional<QString> conflict(const KeyCombo& combo, const QString& excluding);

} // namespace ShortcutStore
