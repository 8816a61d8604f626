#pragma once

#include "platform/TextRange.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QStringView>

// Emoji completion: the built-in table of short names and the matching rules. Typing
// ":" and a few name letters offers the matching emoji; choosing one replaces the colon
// and the letters with the emoji itself.
namespace Emoji {

// The 155 (name, emoji) pairs in table order. Names are lower-case ASCII letters,
// digits and "_"; a variation selector after a base character is part of the emoji.
const QList<QPair<QString, QString>>& table();
const QHash<QString, QString>& map();

// Up to 12 emoji for a typed name (without its colon): names starting with it in name
// order, then names containing it elsewhere. An empty query gives nothing.
QStringList matches(QStringView query);

// The ":" word ending at `caret` that completion replaces (colon included), or
// not-found. Name characters are letters and digits of any script, "_", "+" and "-";
// a character outside the Basic Multilingual Plane ends the search.
TextRange completionRange(QStringView text, int caret);

// Whether a completion word (colon included) should open the list by itself while
// typing: a colon, at least two name characters, and at least one match.
bool opensListWhileTyping(QStringView word);

} // namespace Emoji
