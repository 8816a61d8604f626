#pragma once

// The table pass of the live styler is MarkdownStyler::styleTables (declared in
// MarkdownStyler.h, defined in TableStyling.cpp). The pipeline calls it after the
// float directives and before the alignment directives, with the restyled scope
// and a predicate telling whether a line lies in fenced code.
#include "styling/MarkdownStyler.h"
