#include "MazeCarver.h"
#include "NewMazeSequence.h"
#include "TestDriverHost.h"
#include "TimerDispatch.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orbivane {
namespace {

using testing_support::RecordingCanvas;
using testing_support::TestDriverHost;

// A window state holding a made maze of the style and size, ready for a run.
MazeWindowState stateWithMaze(MazeStyle style, int cols, int rows)
{
    MazeWindowState state;
    MazeState& maze = state.Maze;
    maze.Dims = *GridDims::fromCells(style, cols, rows);
    maze.Page.resize(maze.Dims.MaxY, maze.Dims.MaxX);
    maze.Trail.resize(maze.Dims.MaxY, maze.Dims.MaxX);
    maze.Stack.resize(static_cast<std::size_t>(maze.Dims.CellCount) + 1);
    Digits d = SeedDigits("driver");
    MixDigits(d);
    Carve(style, maze.Dims, d, maze.Page, maze.Stack);
    Solve(style, maze.Dims, maze.Page, maze.Stack);
    ResetWalk(maze, style);
    return state;
}

TEST(Drivers, AClassicRunTakesRowsPlusFourSlices)
{
    for (int rows : {2, 5, 19}) {
        MazeWindowState state = stateWithMaze(MazeStyle::Classic, 26, rows);
        RecordingCanvas canvas;
        TestDriverHost host(canvas);
        EXPECT_EQ(RunDrawingToEnd(state, host), rows + 4);
        EXPECT_EQ(state.Maze.Phase, phase::Finished);
        EXPECT_FALSE(state.Maze.DrawingActive);
        EXPECT_EQ(host.paletteOns, host.paletteOffs);
        EXPECT_EQ(host.clears, 1);
        ASSERT_FALSE(canvas.polygons.empty());
        EXPECT_EQ(canvas.polygons.front().colour, 6); // the floor comes first
    }
}

TEST(Drivers, AThreeByTwoHoneycombRunTakesEighteenSlices)
{
    MazeWindowState state = stateWithMaze(MazeStyle::Honeycomb, 3, 2);
    RecordingCanvas canvas;
    TestDriverHost host(canvas, true);
    EXPECT_EQ(RunDrawingToEnd(state, host), 1 + 1 + 3 + 3 + 10);
    // Every floor piece is painted before any hedge.
    const auto colours = canvas.colours();
    const auto firstHedge = std::find_if(colours.begin(), colours.end(), [](int c) { return c != 6; });
    EXPECT_EQ(std::count(firstHedge, colours.end(), 6), 0);
    EXPECT_EQ(std::count(colours.begin(), firstHedge, 6), 2 + 3 + 2 * 3 * 2); // two bands, then edges and mirrors
}

TEST(Drivers, APhaseZeroRunMakesTheWantedMazeFirst)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        MazeWindowState state;
        state.Maze.NewMazeWanted = true;
        state.Maze.Seed = " 100";
        RecordingCanvas canvas;
        TestDriverHost host(canvas, style == MazeStyle::Honeycomb);
        RunDrawingToEnd(state, host);
        EXPECT_FALSE(state.Maze.NewMazeWanted);
        EXPECT_FALSE(state.Maze.Page.empty());
        EXPECT_EQ(state.Maze.Phase, phase::Finished);
    }
}

struct FinalCase {
    bool solutionShown;
    bool exitReached;
    std::vector<const char*> actions;
};

class FinalActionsTest : public testing::TestWithParam<FinalCase> {};

TEST_P(FinalActionsTest, CloseEveryRun)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        MazeWindowState state = stateWithMaze(style, 5, 3);
        state.Maze.SolutionShown = GetParam().solutionShown;
        state.Maze.ExitReached = GetParam().exitReached;
        RecordingCanvas canvas;
        TestDriverHost host(canvas, style == MazeStyle::Honeycomb);
        RunDrawingToEnd(state, host);
        std::vector<std::string> got(host.finalActions.begin(), host.finalActions.end());
        std::vector<std::string> expected(GetParam().actions.begin(), GetParam().actions.end());
        EXPECT_EQ(got, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, FinalActionsTest,
                         testing::Values(FinalCase{false, false, {"replay", "enable"}},
                                         FinalCase{true, false, {"replay", "solution", "enable"}},
                                         FinalCase{false, true, {"replay", "congratulate", "enable"}},
                                         FinalCase{true, true, {"replay", "solution", "enable"}}));

TEST(Drivers, PhaseZeroDuringAYieldRestartsTheRunFromTheFloor)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        MazeWindowState state = stateWithMaze(style, 7, 5);
        RecordingCanvas canvas;
        TestDriverHost host(canvas, style == MazeStyle::Honeycomb);
        const int fullRun = RunDrawingToEnd(state, host);

        canvas.reset();
        host.finalActions.clear();
        host.yields = 0;
        std::size_t drawnBeforeRestart = 0;
        host.onYield = [&](int n) {
            if (n == 6) { // a paint in the middle of the run
                state.Maze.Phase = phase::Start;
                state.Maze.ViewDirty = true;
                drawnBeforeRestart = canvas.polygons.size();
            }
        };
        EXPECT_EQ(RunDrawingToEnd(state, host), 6 + fullRun);
        ASSERT_GT(canvas.polygons.size(), drawnBeforeRestart);
        EXPECT_EQ(canvas.polygons[drawnBeforeRestart].colour, 6);
        EXPECT_EQ(host.finalActions.size(), 2u) << "final actions run once, at the end";
    }
}

TEST(Drivers, PhaseSixDuringAYieldStopsTheRun)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        MazeWindowState state = stateWithMaze(style, 7, 5);
        RecordingCanvas canvas;
        TestDriverHost host(canvas, style == MazeStyle::Honeycomb);
        host.onYield = [&](int n) {
            if (n == 4)
                state.Maze.Phase = phase::Closing;
        };
        EXPECT_EQ(RunDrawingToEnd(state, host), 4);
        EXPECT_TRUE(host.finalActions.empty());
        EXPECT_EQ(state.Maze.Phase, phase::Closing);
    }
}

TEST(Drivers, ATickInAFinishedRunOnlyYields)
{
    MazeWindowState state = stateWithMaze(MazeStyle::Classic, 4, 4);
    state.Maze.Phase = phase::Finished;
    RecordingCanvas canvas;
    TestDriverHost host(canvas);
    host.timerEnabled = true;
    TimerTick(state, host);
    EXPECT_EQ(host.yields, 1);
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_EQ(canvas.calls, 0);
}

TEST(Drivers, TooHighHedgesDrawTheFloorAlone)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        MazeWindowState state = stateWithMaze(style, 3, 2);
        state.Maze.HedgeHeight = 50;
        RecordingCanvas canvas;
        TestDriverHost host(canvas, style == MazeStyle::Honeycomb);
        RunDrawingToEnd(state, host);
        const auto colours = canvas.colours();
        ASSERT_FALSE(colours.empty());
        EXPECT_TRUE(std::all_of(colours.begin(), colours.end(), [](int c) { return c == 6; }));
        EXPECT_EQ(state.Maze.Phase, phase::Finished);
    }
}

} // namespace
} // namespace orbivane
