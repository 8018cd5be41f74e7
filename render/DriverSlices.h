#pragma once

#include "DriverHost.h"
#include "GridSizing.h"
#include "MazeWindowState.h"

namespace orbivane {

// Pieces of the slice protocol both drivers share.

// Phase 0: makes a new maze if one is wanted and computes the view if it is dirty, then goes
// on to phase 1, unless Phase changed meanwhile or no maze could be made.
void SetUpSlice(MazeWindowState& state, DriverHost& host, MazeStyle style);

// Yields, then re-arms the timer while Phase is below 5; a phase-4 slice that finds Phase at
// 5 runs the final actions.
void EndSlice(MazeWindowState& state, DriverHost& host, MazeStyle style, bool rowsSlice);

// A phase-4 slice: draws the next row (drawNextRow moves the cursors on), or, past the last
// row, finishes the run.
template <class DrawNextRow>
void RowsSlice(MazeWindowState& state, DriverHost& host, MazeStyle style, DrawNextRow drawNextRow)
{
    host.paletteOn();
    if (state.Cursors.RowCursor > state.Maze.Dims.MaxY)
        state.Maze.Phase = phase::Finished;
    else
        drawNextRow();
    host.paletteOff();
    EndSlice(state, host, style, true);
}

// The drawing area in twips, as the grid sizing wants it.
AreaTwips DrawingAreaTwips(const WindowGeometry& geometry);

} // namespace orbivane
