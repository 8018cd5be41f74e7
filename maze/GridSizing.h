#pragma once

#include "MazeStyle.h"

namespace orbivane {

// The drawing area available for the maze, in twips (1440 per inch).
struct AreaTwips {
    double Width = 0;
    double Height = 0;
};

struct CellCounts {
    long long Cols = 0;
    long long Rows = 0;
};

// How many cells fit the drawing area with a cell pitch of cellSizeInches and the given
// hedge thickness. Never below the style's minimum; an even honeycomb count drops by one.
// The counts are wide so the caller can refuse a grid too large for 16-bit dimensions.
CellCounts SizeGrid(MazeStyle style, AreaTwips area, double cellSizeInches, double hedgeThickness);

} // namespace orbivane
