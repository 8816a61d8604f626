#pragma once

#include "editor/StyledBlocks.h"
#include "styling/AttributedText.h"

#include <unordered_map>

// Turns the styler's attribute runs into what the layout applies: character formats
// (fonts scaled by the zoom, hidden markers in the zero-advance font) and paragraph
// attributes per block. Formats are cached per distinct attribute set, since a styled
// document shares a few dozen of them over hundreds of thousands of runs.
class StyleBridge {
public:
    // The runs of `range` (whole lines) at zoom `scale`. Grid row heights are measured
    // with point-sized fonts; `gridUnit` turns them into points.
    StyleResult convert(const AttributedText& storage, TextRange range, double scale, double gridUnit = 1.0);

    static QFont scaledFont(QFont f, double scale);

private:
    struct Cached {
        TextAttributes attrs;
        QTextCharFormat format;
    };
    std::unordered_map<const TextAttributes*, Cached> m_cache;
    double m_scale = 0;
};
