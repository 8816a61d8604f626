#pragma once

#include <QString>
#include <QStringList>

// Mnemonics for menu items whose titles are not written by hand: template names, recent
// files, the user's export presets. Alt and the underlined character choose the item
// while its menu is open.
namespace Mnemonics {

// Menu titles for `plain` titles (shown as written: an ampersand stays an ampersand), each
// marking a character that no earlier title of the list and nothing in `taken` (lower-case
// characters of the menu's other items) uses: the first free initial of a word, else the
// first free letter or digit. Characters typed through an input method (Chinese, Japanese,
// Korean) are never candidates: a title in those languages with no free Latin letter or digit
// takes the first free one after it, as "白紙(&A)". Any other title with nothing free left
// gets no mnemonic.
QStringList assign(const QStringList& plain, QString taken = {});

// The character a hand-written title marks with "&" ("Liste &leeren", "一覧をクリア(&C)"),
// in lower case, for `taken` when the generated items share a menu with it; empty if none.
QString of(const QString& title);

} // namespace Mnemonics
