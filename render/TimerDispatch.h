#pragma once

#include "DriverHost.h"
#include "MazeWindowState.h"

namespace orbivane {

// The tick of the drawing timer: disables it, then runs one slice of the driver of the style
// the host has selected.
void TimerTick(MazeWindowState& state, DriverHost& host);

// Starts a drawing run as a repaint does and runs its slices one after the other until the
// driver stops re-arming the timer. Returns the number of slices.
int RunDrawingToEnd(MazeWindowState& state, DriverHost& host);

} // namespace orbivane
