#include "editor/PageMetrics.h"

#include <algorithm>
#include <cmath>

PageMetrics PageMetrics::compute(double sheetHeight, double pageGap, double vMargin, double scale)
{
    PageMetrics m;
    m.contentPerPage = std::max(sheetHeight - 2 * vMargin, 160.0 * scale);
    m.stride = sheetHeight + pageGap;
    return m;
}

double PageMetrics::lineShift(double top, double height) const
{
    if (!paginates() || height >= contentPerPage) return 0;
    const double page = std::floor(top / stride);
    const double areaEnd = page * stride + contentPerPage;
    if (areaEnd < top + height) return (page + 1) * stride - top;
    return 0;
}

int PageMetrics::pageCount(double usedBottom) const
{
    if (stride <= 0) return 1;
    return std::max(1, int(std::ceil(usedBottom / stride)));
}

double PageMetrics::sheetLeft(double containerWidth, double pageWidth, double deskPad)
{
    return std::max(deskPad, std::floor((containerWidth - pageWidth) * 0.5));
}
