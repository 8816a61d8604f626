#pragma once

#include <QString>
#include <Qt>

#include <optional>

class QKeyEvent;

// One user key combination. `key` is the lower-cased text of the key (a letter, digit or
// punctuation character, " " for Space, "\r" for Return, "\t" for Tab, or the key's
// lower-cased name for other keys such as "f5"); `modifiers` uses the stored bits below.
// The recorder and the matcher both take the key from QKeyEvent::key(), so a combination
// recorded with Shift matches the same press later, whatever text the layout produces.
struct KeyCombo {
    QString key;
    quint64 modifiers = 0;

    // The stored bits. Ctrl is stored as "command" and Meta as "control", so a stored
    // value means the same physical keys wherever the store was written.
    static constexpr quint64 shiftBit = 0x20000;
    static constexpr quint64 controlBit = 0x40000;  // Meta
    static constexpr quint64 optionBit = 0x80000;   // Alt
    static constexpr quint64 commandBit = 0x100000; // Ctrl
    static constexpr quint64 modifierMask = shiftBit | controlBit | optionBit | commandBit;

    friend bool operator==(const KeyCombo&, const KeyCombo&) = default;

    // Linux names in Qt's order ("Ctrl+Shift+D", "Meta+Ctrl+/", "Meta+Alt+Space").
    QString display() const;

    // The stored bits of Qt modifiers (Caps Lock, keypad and the like are ignored).
    static quint64 bitsOf(Qt::KeyboardModifiers modifiers);
    // The key text of a Qt key code; empty for keys that cannot be bound (modifier keys
    // alone, unknown keys).
    static QString keyText(int qtKey);

    // A combination recorded from a press: none without Ctrl or Meta, for Escape, or for
    // a key without text.
    static std::optional<KeyCombo> fromPress(int qtKey, Qt::KeyboardModifiers modifiers);
    static std::optional<KeyCombo> fromEvent(const QKeyEvent& event);
};
