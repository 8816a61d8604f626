#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

// The font that hides Markdown markers without changing the text: every code point shows
// an empty glyph with no advance at the size it is used at (a format-13 cmap for the code
// points of every language, the empty glyph 0 for the rest), ascent 1 em and descent 0.
// Concealed characters get it at pixel size 1 with font merging off, so they take no
// width whatever script they are in, and the caret steps over them at one x.
namespace ConcealFont {

QString familyName();

// The TrueType file, built in memory (about 600 bytes).
QByteArray fontData();

// Registers the font once with the application and keeps it out of fontconfig's
// fallback list (a font covering every code point would otherwise be picked for
// characters the body font lacks, making them invisible). False when registration failed.
bool ensureRegistered();

// The font to give concealed runs (registers on first use).
QFont font();

} // namespace ConcealFont
