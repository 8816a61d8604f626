#pragma once

#include <QString>

// The three case transforms of the Transform menu and the command palette. Each maps
// the whole target text at once and never depends on the user's locale.
namespace CaseTransform {

// Full Unicode upper-case mapping ("straße" -> "STRASSE").
QString upper(const QString& s);
// Full Unicode lower-case mapping ("İ" -> "i" + combining dot above).
QString lower(const QString& s);
// First character of every word upper case, the rest lower case; a word is a run of
// characters between white space (spaces, tabs, line terminators).
QString title(const QString& s);

} // namespace CaseTransform
