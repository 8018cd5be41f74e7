#include "GridSizing.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace orbivane {

namespace {

constexpr double TwipsPerInch = 1440.0;

// floor() into a wide integer; values beyond its range saturate, NaN gives 0.
long long floorToCount(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 1e15;
    if (value > limit)
        return static_cast<long long>(limit);
    if (value < -limit)
        return -static_cast<long long>(limit);
    return static_cast<long long>(std::floor(value));
}

CellCounts sizeClassic(double w, double h, double p, double t)
{
    CellCounts counts;
    counts.Cols = std::max(2LL, floorToCount(w / p - t));
    counts.Rows = std::max(2LL, floorToCount(static_cast<double>(counts.Cols) * h / w));
    return counts;
}

CellCounts sizeHoneycomb(double w, double h, double p, double t)
{
    const double s = std::numbers::sqrt3;
    CellCounts counts;
    counts.Cols = floorToCount((w / p - 2 - t / s) * 2 / 3 + 1);
    if (counts.Cols % 2 == 0)
        counts.Cols -= 1;
    counts.Cols = std::max(3LL, counts.Cols);
    const double modelWidth = (static_cast<double>(counts.Cols) - 1) * 3 / 2 + 2 + t / s;
    counts.Rows = std::max(2LL, floorToCount((modelWidth * (h / w) - t) / s));
    return counts;
}

} // namespace

CellCounts SizeGrid(MazeStyle style, AreaTwips area, double cellSizeInches, double hedgeThickness)
{
    const double p = cellSizeInches * TwipsPerInch;
    if (style == MazeStyle::Classic)
        return sizeClassic(area.Width, area.Height, p, hedgeThickness);
    return sizeHoneycomb(area.Width, area.Height, p, hedgeThickness);
}

} // namespace orbivane
