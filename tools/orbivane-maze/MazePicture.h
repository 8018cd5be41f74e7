#pragma once

#include "MazeState.h"
#include "MazeToolOptions.h"

#include <string>

namespace orbivane {

// Why the picture of the options cannot be drawn (empty when it can).
std::string CheckPicture(const MazeToolOptions& options, const GridDims& dims);

// Draws the maze in Page as the main window would, whole client area included, and writes it
// as PNG to options.png. Returns the problem, or empty; a failed write leaves no file behind.
std::string WritePicture(const MazeToolOptions& options, MazeState& maze);

} // namespace orbivane
