#include "commands/KeyCombo.h"

#include <QKeyEvent>
#include <QKeySequence>

using namespace Qt::StringLiterals;

quint64 KeyCombo::bitsOf(Qt::KeyboardModifiers m)
{
    quint64 bits = 0;
    if (m & Qt::ShiftModifier) bits |= shiftBit;
    if (m & Qt::MetaModifier) bits |= controlBit;
    if (m & Qt::AltModifier) bits |= optionBit;
    if (m & Qt::ControlModifier) bits |= commandBit;
    return bits;
}

QString KeyCombo::keyText(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_unknown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case 0: return {};
    case Qt::Key_Escape: return u"\x1b"_s;
    case Qt::Key_Return:
    case Qt::Key_Enter: return u"\r"_s;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return u"\t"_s;
    case Qt::Key_Space: return u" "_s;
    default: break;
    }
    // Printable keys carry their character as the code (letters in upper case).
    if (qtKey > 0x20 && qtKey < 0x01000000) {
        const char32_t c = char32_t(qtKey);
        return QString::fromUcs4(&c, 1).toLower();
    }
    return QKeySequence(qtKey).toString(QKeySequence::PortableText).toLower();
}

std::optional<KeyCombo> KeyCombo::fromPress(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const quint64 bits = bitsOf(modifiers);
    if (!(bits & (commandBit | controlBit))) return std::nullopt;
    const QString key = keyText(qtKey);
    if (key.isEmpty() || key == u"\x1b") return std::nullopt;
    return KeyCombo{key, bits};
}

std::optional<KeyCombo> KeyCombo::fromEvent(const QKeyEvent& event)
{
    return fromPress(event.key(), event.modifiers());
}

QString KeyCombo::display() const
{
    // Modifiers in the order Qt writes them in menus, so a hint reads like the menu's key.
    QString out;
    if (modifiers & controlBit) out += u"Meta+"_s;
    if (modifiers & commandBit) out += u"Ctrl+"_s;
    if (modifiers & optionBit) out += u"Alt+"_s;
    if (modifiers & shiftBit) out += u"Shift+"_s;
    if (key == u" ") return out + u"Space"_s;
    if (key == u"\r" || key == u"\n") return out + u"Return"_s;
    if (key == u"\t") return out + u"Tab"_s;
    if (key.toUcs4().size() == 1) return out + key.toUpper();
    const QKeySequence named = QKeySequence::fromString(key, QKeySequence::PortableText);
    if (named.count() == 1 && named[0].key() != Qt::Key_unknown)
        return out + QKeySequence(named[0].key()).toString(QKeySequence::PortableText);
    return out + key.toUpper();
}
