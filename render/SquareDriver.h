#pragma once

#include "DriverHost.h"
#include "MazeWindowState.h"

namespace orbivane {

// One slice of a classic drawing run, chosen by Phase: set-up (0), floor (1), one row pair
// per slice (4). A full run takes Rows + 4 slices.
void DrawSquareMaze(MazeWindowState& state, DriverHost& host);

} // namespace orbivane
