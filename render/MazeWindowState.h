#pragma once

#include "HexShapes.h"
#include "MazePalette.h"
#include "MazeState.h"
#include "SquareWalls.h"
#include "View.h"

#include <cstdint>

namespace orbivane {

// Where a drawing run has got to, and the footprints it drew with.
struct DrawingCursors {
    std::int16_t RowCursor = 0;
    std::int16_t ColCursor = 0;
    double RowY = 0;
    std::uint8_t HexRowPhase = 0;
    SquareShapes Square;
    HexShapes Hex;
};

// Everything the main window knows about its maze: the maze and walk, the view, the colours
// and the drawing run. The window owns it; the drivers and the play code get it by reference.
struct MazeWindowState {
    MazeState Maze;
    View ViewParams;
    RampDivisors Divisors;
    MazePalette Palette = BuildSurfacePalette(Divisors);
    DrawingCursors Cursors;
};

} // namespace orbivane
