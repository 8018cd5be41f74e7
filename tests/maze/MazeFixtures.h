#pragma once

#include "ByteGrid.h"
#include "DirectionTables.h"
#include "GridDims.h"
#include "MazeStyle.h"

#include <utility>
#include <vector>

namespace orbivane::testing_support {

// The cell positions of a grid of either style.
inline std::vector<std::pair<int, int>> cellPositions(MazeStyle style, const GridDims& d)
{
    std::vector<std::pair<int, int>> cells; // (x, y)
    if (style == MazeStyle::Classic) {
        for (int y = 1; y < d.MaxY; y += 2)
            for (int x = 1; x < d.MaxX; x += 2)
                cells.emplace_back(x, y);
        return cells;
    }
    for (int c = 0; c < d.Cols; ++c) {
        const int x = 4 * c + 3;
        for (int y = (c % 2 == 0) ? 2 : 4; y <= (c % 2 == 0 ? d.MaxY - 2 : d.MaxY - 4); y += 4)
            cells.emplace_back(x, y);
    }
    return cells;
}

// Calls visit(link x, link y, neighbour x, neighbour y) for each neighbour cell of (x, y)
// inside the grid.
template <class Visit>
void forEachNeighbour(MazeStyle style, const GridDims& d, int x, int y, Visit visit)
{
    const bool classic = style == MazeStyle::Classic;
    const int k = classic ? 4 : 6;
    for (int p = 0; p < k; ++p) {
        const int dx = classic ? SquareDX[p] : HexDX[p];
        const int dy = classic ? SquareDY[p] : HexDY[p];
        const int x2 = x + 2 * dx;
        const int y2 = y + 2 * dy;
        if (x2 > 0 && x2 <= d.MaxX && y2 > 0 && y2 <= d.MaxY && (classic || (y2 >= 2 && y2 <= d.MaxY - 2)))
            visit(x + dx, y + dy, x2, y2);
    }
}

} // namespace orbivane::testing_support
