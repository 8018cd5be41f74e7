#pragma once

#include "GridSizing.h"
#include "MazeState.h"
#include "SecondsClock.h"

namespace orbivane {

// The chooser's time budget for one new maze.
inline constexpr double ChooserBudgetSeconds = 0.25;

// Makes a new maze of the style fitted to the drawing area: sizes the grid, chooses the
// maze from Seed, copies it into Trail and puts the walker at the start. Returns false, with
// the state untouched, when the area asks for a grid too large for 16-bit dimensions.
bool RunNewMazeSequence(MazeState& state, MazeStyle style, AreaTwips area, SecondsClock& clock,
                        double budgetSeconds = ChooserBudgetSeconds);

// Trail = the open positions of Page, the walker at the start cell of the style.
void ResetWalk(MazeState& state, MazeStyle style);

} // namespace orbivane
