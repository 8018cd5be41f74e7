#include "DriverSlices.h"

#include "NewMazeSequence.h"
#include "Projection.h"

namespace orbivane {

namespace {

void runFinalActions(MazeWindowState& state, DriverHost& host, MazeStyle style)
{
    MazeState& maze = state.Maze;
    maze.DrawingActive = false;
    host.replayPath(style);
    if (maze.SolutionShown)
        host.drawSolution(style);
    else if (maze.ExitReached)
        host.congratulate();
    host.enableEraseAndSolution();
}

// False when the run must stop (Phase changed meanwhile, or no maze could be made).
bool runSetUp(MazeWindowState& state, DriverHost& host, MazeStyle style)
{
    MazeState& maze = state.Maze;
    if (maze.NewMazeWanted && !RunNewMazeSequence(maze, style, DrawingAreaTwips(host.geometry()), host.clock())) {
        // Only an area far larger than any screen gets here: keep what was there and stop.
        maze.NewMazeWanted = false;
        if (maze.Page.empty()) {
            maze.Phase = phase::Finished;
            maze.DrawingActive = false;
            return false;
        }
    }
    if (maze.ViewDirty) {
        host.clearSurface();
        state.ViewParams = ComputeView({style, maze.Dims, maze.HedgeHeight, maze.HedgeThickness, maze.DepthAngleDeg,
                                        host.geometry()});
        maze.ViewDirty = false;
    }
    return maze.Phase == phase::Start;
}

} // namespace

AreaTwips DrawingAreaTwips(const WindowGeometry& g)
{
    return {g.areaWidth() * TwipsPerPixel, g.areaHeight() * TwipsPerPixel};
}

void SetUpSlice(MazeWindowState& state, DriverHost& host, MazeStyle style)
{
    if (!runSetUp(state, host, style))
        return; // without yielding or re-arming the timer
    state.Maze.Phase = phase::Floor;
    EndSlice(state, host, style, false);
}

void EndSlice(MazeWindowState& state, DriverHost& host, MazeStyle style, bool rowsSlice)
{
    host.yield();
    const auto current = state.Maze.Phase;
    if (current < phase::Finished)
        host.setTimerEnabled(true);
    else if (current == phase::Finished && rowsSlice)
        runFinalActions(state, host, style);
}

} // namespace orbivane
