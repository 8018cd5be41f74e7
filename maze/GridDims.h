#pragma once

#include "MazeStyle.h"

#include <cstdint>
#include <optional>

namespace orbivane {

// Grid dimensions of one maze. Every value fits a 16-bit signed integer; fromCells() refuses
// sizes that do not.
struct GridDims {
    std::int16_t Cols = 0;
    std::int16_t Rows = 0;
    std::int16_t MaxX = 0;
    std::int16_t MaxY = 0;
    std::int16_t CellCount = 0;

    // The smallest grid of each style: classic 2 x 2, honeycomb 3 columns and 2 rows.
    static int minCols(MazeStyle style) { return style == MazeStyle::Classic ? 2 : 3; }
    static int minRows(MazeStyle) { return 2; }

    // Derives MaxX, MaxY and CellCount; empty when the grid is below the style's minimum,
    // has an even honeycomb column count, or does not fit 16-bit values.
    static std::optional<GridDims> fromCells(MazeStyle style, long long cols, long long rows);

    friend bool operator==(const GridDims&, const GridDims&) = default;
};

} // namespace orbivane
