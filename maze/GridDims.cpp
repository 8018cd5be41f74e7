#include "GridDims.h"

#include <limits>

namespace orbivane {

std::optional<GridDims> GridDims::fromCells(MazeStyle style, long long cols, long long rows)
{
    if (cols < minCols(style) || rows < minRows(style))
        return std::nullopt;
    if (style == MazeStyle::Honeycomb && cols % 2 == 0)
        return std::nullopt;

    // Computed wide first so an oversized request is refused instead of wrapping.
    constexpr long long limit = std::numeric_limits<std::int16_t>::max();
    if (cols > limit || rows > limit)
        return std::nullopt;
    const bool classic = style == MazeStyle::Classic;
    const long long maxX = classic ? 2 * cols : 8 * (cols / 2) + 6;
    const long long maxY = classic ? 2 * rows : 4 * rows;
    const long long cellCount = classic ? cols * rows : cols * rows - cols / 2;
    if (maxX > limit || maxY > limit || cellCount > limit)
        return std::nullopt;

    GridDims dims;
    dims.Cols = static_cast<std::int16_t>(cols);
    dims.Rows = static_cast<std::int16_t>(rows);
    dims.MaxX = static_cast<std::int16_t>(maxX);
    dims.MaxY = static_cast<std::int16_t>(maxY);
    dims.CellCount = static_cast<std::int16_t>(cellCount);
    return dims;
}

} // namespace orbivane
