#pragma once

#include <QStringView>

// Whether two texts are canonically equivalent: the same text once normalised, so that a
// precomposed "é" equals "e" followed by a combining acute accent.
//
// Normalising a whole long text with Qt costs far more than its length (it moves the rest
// of the text at every change), so the raw texts are compared first and only the stretches
// where they differ are brought to their decomposed normal form, a piece of about
// `pieceUnits` at a time. A piece ends before a character whose decomposition begins with a
// character of combining class 0: no mark is reordered across such a place, so the pieces'
// normal forms joined are the whole text's.
namespace CanonicalText {

inline constexpr qsizetype kPieceUnits = 4096;

bool equivalent(QStringView a, QStringView b, qsizetype pieceUnits = kPieceUnits);

} // namespace CanonicalText
