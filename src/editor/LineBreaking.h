#pragma once

#include <QString>

class QTextLayout;

namespace LineBreaking {

// Breaks `text`, the text of `layout` (between its beginLayout and endLayout), into lines
// `width` wide, exactly where the layout's own wrapping at word boundaries (or anywhere
// within a word wider than the line) breaks it. The layout's own wrapping measures a word
// to its end before it finds that the word does not fit, for every line the word fills, so
// a run of a million letters without a break took minutes; here each such line is broken
// anywhere at once, in time linear in the text. `layout`'s text option is left as it was.
void breakLines(QTextLayout& layout, const QString& text, double width);

} // namespace LineBreaking
