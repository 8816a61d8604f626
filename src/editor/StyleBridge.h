#pragma once

#include "editor/StyledBlocks.h"
#include "styling/AttributedText.h"

#include <QHash>

#include <deque>
#include <unordered_map>

// Turns the styler's attribute runs into what the layout applies: character formats
// (fonts scaled by the zoom, hidden markers in the zero-advance font) and paragraph
// attributes per block. A styled document shares a few dozen distinct looks over
// hundreds of thousands of runs, so each look becomes one format with a number, and
// neighbouring runs of one look are merged.
class StyleBridge {
public:
    // The runs of `range` (whole lines) at zoom `scale`. Grid row heights are measured
    // with point-sized fonts; `gridUnit` turns them into points. Runs in `body`, the
    // document's own font at that zoom, carry no font: a layout gives them its own
    // (one that resolves a run's font instead did so for every run of every block laid out).
    StyleResult convert(const AttributedText& storage, TextRange range, double scale, double gridUnit = 1.0,
                        const QFont& body = QFont());

    static QFont scaledFont(QFont f, double scale);

private:
    struct Look {
        TextAttributes attrs; // what the format was made from
        QTextCharFormat format;
        int id = 0;
    };
    const Look& lookFor(const TextAttributes& a);

    // Looks by a hash of their visible attributes; ids are stable for the bridge's life
    // at one zoom, and so are their addresses (held in a deque).
    std::deque<Look> m_store;
    QHash<size_t, QList<const Look*>> m_looks;
    int m_nextId = 1;
    double m_scale = 0;
    double m_gridUnit = 1.0;
    QFont m_body;
};
