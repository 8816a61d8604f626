#pragma once

// Geometry of the paper pages the editor lays its text out on. All values are in the
// layout's units (points multiplied by the zoom factor); y = 0 is the top of the first
// page's text area.
struct PageMetrics {
    double contentPerPage = 0; // height available to text on one page
    double stride = 0;         // top of one sheet to the top of the next

    bool operator==(const PageMetrics&) const = default;

    // contentPerPage = max(sheetHeight − 2 × vMargin, 160 × scale); stride = sheet + gap.
    static PageMetrics compute(double sheetHeight, double pageGap, double vMargin, double scale = 1.0);

    // Pagination is active only while 0 < contentPerPage < stride.
    bool paginates() const { return contentPerPage > 0 && contentPerPage < stride; }

    // How far a line proposed at `top` with `height` must move down so that it does not
    // straddle the end of a page's text area; 0 when it fits, when it is at least as tall
    // as a page's text area, or when pagination is off.
    double lineShift(double top, double height) const;

    // Number of sheets needed for text whose laid-out height ends at `usedBottom`.
    int pageCount(double usedBottom) const;

    // Sheet's left edge in a container `containerWidth` wide, never closer than `deskPad`.
    static double sheetLeft(double containerWidth, double pageWidth, double deskPad);
};
