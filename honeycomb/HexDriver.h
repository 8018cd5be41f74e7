#pragma once

#include "DriverHost.h"
#include "MazeWindowState.h"

namespace orbivane {

// One slice of a honeycomb drawing run, chosen by Phase: set-up (0), footprint tables (1),
// one floor band per slice (2), one far/near edge column group per slice (3), one page row
// per slice (4).
void DrawHexMaze(MazeWindowState& state, DriverHost& host);

} // namespace orbivane
