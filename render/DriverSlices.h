#pragma once

#include "DriverHost.h"
#include "GridSizing.h"
#include "MazeWindowState.h"

namespace orbivane {

// Pieces of the slice protocol both drivers share.

// Phase 0: makes a new maze if one is wanted and computes the view if it is dirty. False when
// the run must stop (Phase changed meanwhile, or no maze could be made).
bool RunSetUpSlice(MazeWindowState& state, DriverHost& host, MazeStyle style);

// Yields, then re-arms the timer while Phase is below 5; a phase-4 slice that finds Phase at
// 5 runs the final actions.
void EndSlice(MazeWindowState& state, DriverHost& host, MazeStyle style, bool rowsSlice);

// The drawing area in twips, as the grid sizing wants it.
AreaTwips DrawingAreaTwips(const WindowGeometry& geometry);

} // namespace orbivane
