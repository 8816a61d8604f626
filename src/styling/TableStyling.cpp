#include "styling/TableStyling.h"

// Placeholder until the grid tables land: pipe tables keep the base styling.
void MarkdownStyler::styleTables(AttributedText& storage, QStringView ns, TextRange full,
                                 const std::function<bool(TextRange)>& inFence)
{
    Q_UNUSED(storage);
    Q_UNUSED(ns);
    Q_UNUSED(full);
    Q_UNUSED(inFence);
}
