#include "MazeCarver.h"
#include "NewMazeSequence.h"
#include "PathDrawing.h"
#include "RecordingCanvas.h"
#include "Walk.h"

#include <gtest/gtest.h>

#include <map>
#include <numbers>

namespace orbivane {
namespace {

using testing_support::RecordingCanvas;

class RecordingSounds final : public SoundCues {
public:
    void SonAvance() override { played.push_back("step"); }
    void SonStop() override { played.push_back("bump"); }
    void SonFelicitations() override { played.push_back("bravo"); }
    std::vector<std::string> played;
};

// Looking straight down on hedges of no height, 100 pixels to the model unit: a model point
// (x, y) lands on pixel (100 x, 100 y).
View topDown(double modelWidth, double modelDepth)
{
    View v;
    v.ModelWidth = modelWidth;
    v.ModelDepth = modelDepth;
    v.CosTilt = 0;
    v.SinTilt = 1;
    v.ViewDistance = 10;
    v.ScaleX = v.ScaleY = 100;
    v.AreaBottom = static_cast<int>(100 * modelDepth);
    return v;
}

// A 3 x 2 classic maze, thickness 0: the route runs along the far row and down the right
// column; a dead-end branch hangs below the start.
//   (1,1)-(3,1)-(5,1)      route
//     |          |
//   (1,3)-(3,3) (5,3)-exit
struct SmallMaze : testing::Test {
    MazeState maze;
    View view = topDown(3, 2);
    RecordingCanvas canvas;
    RecordingSounds sounds;

    void SetUp() override
    {
        maze.HedgeThickness = 0;
        maze.Dims = *GridDims::fromCells(MazeStyle::Classic, 3, 2);
        maze.Page.resize(4, 6);
        maze.Trail.resize(4, 6);
        maze.Stack.resize(7);
        for (auto [x, y] : {std::pair{1, 1}, {3, 1}, {5, 1}, {1, 3}, {3, 3}, {5, 3}, {2, 1}, {4, 1}, {5, 2}, {1, 2}, {2, 3}})
            maze.Page(y, x) = cell::Open;
        maze.Page(0, 1) = cell::Route;
        maze.Page(4, 5) = cell::Open;
        SolveSquare(maze.Dims, maze.Page, maze.Stack);
        ResetWalk(maze, MazeStyle::Classic);
        maze.Phase = phase::Finished;
    }

    KeyOutcome press(int key) { return HandleWalkKey(maze, view, MazeStyle::Classic, key, canvas, sounds); }

    // The colour each drawn line leaves on the link it crosses, keyed by the link's pixel.
    static std::map<std::pair<int, int>, int> linkColours(const RecordingCanvas& c, bool halves)
    {
        std::map<std::pair<int, int>, int> colours;
        for (const auto& line : c.lines) {
            if (line.from.y == 0 || line.to.y == 0 || line.to.y == 200)
                continue; // the entrance and exit lines
            const auto key = halves ? std::pair{line.to.x, line.to.y}
                                    : std::pair{(line.from.x + line.to.x) / 2, (line.from.y + line.to.y) / 2};
            colours[key] = line.colour;
        }
        return colours;
    }
};

struct KeyCase {
    MazeStyle style;
    int key;
    int direction;
};

class WalkDirectionTest : public testing::TestWithParam<KeyCase> {};

TEST_P(WalkDirectionTest, KeysOfEachStyle)
{
    EXPECT_EQ(WalkDirection(GetParam().style, GetParam().key), GetParam().direction);
}

constexpr auto C = MazeStyle::Classic;
constexpr auto N = MazeStyle::Honeycomb;

INSTANTIATE_TEST_SUITE_P(
    Tables, WalkDirectionTest,
    testing::Values(KeyCase{C, vk::Left, 0}, KeyCase{C, 100, 0}, KeyCase{C, vk::Down, 1}, KeyCase{C, 98, 1},
                    KeyCase{C, vk::Right, 2}, KeyCase{C, 102, 2}, KeyCase{C, vk::Up, 3}, KeyCase{C, 104, 3},
                    KeyCase{C, vk::Home, -1}, KeyCase{C, vk::PageDown, -1}, KeyCase{C, 103, -1}, KeyCase{C, 65, -1},
                    KeyCase{N, vk::Home, 0}, KeyCase{N, 103, 0}, KeyCase{N, vk::End, 1}, KeyCase{N, 97, 1},
                    KeyCase{N, vk::Up, 2}, KeyCase{N, 104, 2}, KeyCase{N, vk::Down, 3}, KeyCase{N, 98, 3},
                    KeyCase{N, vk::PageUp, 4}, KeyCase{N, 105, 4}, KeyCase{N, vk::PageDown, 5}, KeyCase{N, 99, 5},
                    KeyCase{N, vk::Left, -2}, KeyCase{N, 100, -2}, KeyCase{N, vk::Right, -2}, KeyCase{N, 102, -2},
                    KeyCase{N, 101, -1}));

TEST_F(SmallMaze, KeysAreIgnoredUnlessTheFinishedMazeIsBeingWalked)
{
    const ByteGrid trail = maze.Trail;
    for (auto setUp : {+[](MazeState& m) { m.Phase = phase::Rows; }, +[](MazeState& m) { m.SolutionShown = true; },
                       +[](MazeState& m) { m.ExitReached = true; }}) {
        MazeState saved = maze;
        setUp(maze);
        EXPECT_EQ(press(vk::Down), KeyOutcome::Ignored);
        EXPECT_EQ(maze.Trail, trail);
        maze = saved;
    }
    EXPECT_EQ(press(vk::Home), KeyOutcome::Ignored);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(canvas.calls, 0);
}

TEST_F(SmallMaze, WallsBordersAndTheEntranceRefuseWithABump)
{
    const ByteGrid trail = maze.Trail;
    for (int key : {vk::Up /* the entrance */, vk::Left /* the side border */}) {
        EXPECT_EQ(press(key), KeyOutcome::Consumed);
        EXPECT_EQ(maze.PosX, 1);
        EXPECT_EQ(maze.PosY, 1);
    }
    press(vk::Down);
    EXPECT_EQ(press(vk::Down), KeyOutcome::Consumed); // the near border under (1,3)
    EXPECT_EQ(maze.PosY, 3);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"bump", "bump", "step", "bump"}));
    EXPECT_EQ(canvas.lines.size(), 1u) << "refused steps draw nothing";
}

TEST_F(SmallMaze, BackAndForthRepaintsTheLineAbandonedThenWalked)
{
    press(vk::Down);
    EXPECT_EQ(maze.Trail(3, 1), cell::Route);
    press(vk::Up);
    EXPECT_EQ(maze.Trail(3, 1), cell::Abandoned);
    EXPECT_EQ(maze.Trail(1, 1), cell::Route);
    press(vk::Down);
    EXPECT_EQ(maze.Trail(3, 1), cell::Route);
    ASSERT_EQ(canvas.lines.size(), 3u);
    EXPECT_EQ(canvas.lines[0].colour, 14);
    EXPECT_EQ(canvas.lines[1].colour, 13);
    EXPECT_EQ(canvas.lines[2].colour, 14);
    EXPECT_EQ(canvas.lines[0].from, (Point{50, 50}));
    EXPECT_EQ(canvas.lines[0].to, (Point{50, 150}));
    EXPECT_EQ(canvas.lines[1].from, (Point{50, 150}));
    EXPECT_DOUBLE_EQ(maze.PosXf, 0.5);
    EXPECT_DOUBLE_EQ(maze.PosYf, 1.5);
}

TEST_F(SmallMaze, TheExitStepEndsTheWalk)
{
    for (int key : {vk::Right, vk::Right, vk::Down})
        press(key);
    canvas.reset();
    sounds.played.clear();
    EXPECT_EQ(press(vk::Down), KeyOutcome::Consumed);
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_EQ(canvas.lines[0].from, (Point{250, 150}));
    EXPECT_EQ(canvas.lines[0].to, (Point{250, 200})) << "to the near edge of the maze";
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"step", "bravo"}));
    EXPECT_TRUE(maze.ExitReached);
    EXPECT_EQ(press(vk::Up), KeyOutcome::Ignored);
    EXPECT_EQ(sounds.played.size(), 2u);
}

TEST_F(SmallMaze, TheReplayGivesTheColoursOfTheLiveWalk)
{
    // Into the dead end and back, then along the route and out.
    for (int key : {vk::Down, vk::Right, vk::Left, vk::Up, vk::Right, vk::Right, vk::Down, vk::Down})
        press(key);
    const auto live = linkColours(canvas, false);
    RecordingCanvas replay;
    ReplaySquarePath(replay, view, maze.Trail, maze.Dims, 0, maze.ExitReached);
    const auto replayed = linkColours(replay, true);
    EXPECT_EQ(replayed, live);
    EXPECT_EQ(live.at({50, 100}), 13);  // the branch stays abandoned
    EXPECT_EQ(live.at({100, 150}), 13);
    EXPECT_EQ(live.at({100, 50}), 14);  // the route walked
    EXPECT_EQ(replay.lines.size(), 2u * 5 + 2) << "two halves per link, the entrance and the exit";
}

TEST_F(SmallMaze, TheSolutionFollowsTheRouteOfPage)
{
    RecordingCanvas solution;
    DrawSquareSolution(solution, view, maze.Page, maze.Dims, 0);
    std::vector<Point> points;
    for (const auto& line : solution.lines) {
        EXPECT_EQ(line.colour, 15);
        if (points.empty())
            points.push_back(line.from);
        EXPECT_EQ(line.from, points.back());
        points.push_back(line.to);
    }
    EXPECT_EQ(points, (std::vector<Point>{{50, 0}, {50, 50}, {150, 50}, {250, 50}, {250, 150}, {250, 200}}));
}

TEST_F(SmallMaze, EraseKeepsTheMazeAndStartsTheWalkAgain)
{
    for (int key : {vk::Right, vk::Right, vk::Down, vk::Down})
        press(key);
    const ByteGrid page = maze.Page;
    EraseWalk(maze, MazeStyle::Classic);
    EXPECT_EQ(maze.Page, page);
    EXPECT_FALSE(maze.ExitReached);
    EXPECT_EQ(maze.Phase, phase::Start);
    EXPECT_TRUE(maze.ViewDirty);
    EXPECT_EQ(maze.PosX, 1);
    EXPECT_DOUBLE_EQ(maze.PosYf, 0.5);
    RecordingCanvas replay;
    ReplaySquarePath(replay, view, maze.Trail, maze.Dims, 0, maze.ExitReached);
    ASSERT_EQ(replay.lines.size(), 1u) << "only the entrance link";
    EXPECT_EQ(replay.lines[0].colour, 14);
}

TEST(HoneycombWalk, StepsMoveTheCentreAlongTheHexagons)
{
    MazeState maze;
    maze.Dims = *GridDims::fromCells(MazeStyle::Honeycomb, 5, 3);
    maze.Page.resize(maze.Dims.MaxY, maze.Dims.MaxX);
    maze.Trail.resize(maze.Dims.MaxY, maze.Dims.MaxX);
    maze.Stack.resize(static_cast<std::size_t>(maze.Dims.CellCount) + 1);
    RecordingCanvas canvas;
    RecordingSounds sounds;
    const View view = topDown(8.3, 5.5);
    constexpr double s = std::numbers::sqrt3;
    // Carve mazes until the start cell opens downwards and down-right: both kinds of step.
    for (int seed = 0;; ++seed) {
        ASSERT_LT(seed, 200);
        Digits d = SeedDigits(std::to_string(seed));
        CarveHex(maze.Dims, d, maze.Page, maze.Stack);
        if (maze.Page(4, 3) != cell::Hedge && maze.Page(3, 5) != cell::Hedge)
            break;
    }
    ResetWalk(maze, MazeStyle::Honeycomb);
    maze.Phase = phase::Finished;
    EXPECT_EQ(HandleWalkKey(maze, view, MazeStyle::Honeycomb, vk::Left, canvas, sounds), KeyOutcome::Beep);
    EXPECT_EQ(HandleWalkKey(maze, view, MazeStyle::Honeycomb, vk::PageDown, canvas, sounds), KeyOutcome::Consumed);
    EXPECT_EQ(maze.PosX, 7);
    EXPECT_EQ(maze.PosY, 4);
    EXPECT_DOUBLE_EQ(maze.PosXf, 2.5);
    EXPECT_DOUBLE_EQ(maze.PosYf, s);
    EXPECT_EQ(HandleWalkKey(maze, view, MazeStyle::Honeycomb, vk::Home, canvas, sounds), KeyOutcome::Consumed);
    EXPECT_EQ(maze.Trail(4, 7), cell::Abandoned) << "back to the start: the cell left is abandoned";
    EXPECT_EQ(HandleWalkKey(maze, view, MazeStyle::Honeycomb, 98 /* keypad 2 */, canvas, sounds), KeyOutcome::Consumed);
    EXPECT_EQ(maze.PosY, 6);
    EXPECT_DOUBLE_EQ(maze.PosYf, s / 2 + s);
    EXPECT_EQ(canvas.colours().size(), 0u);
    ASSERT_EQ(canvas.lines.size(), 3u);
    EXPECT_EQ(canvas.lines[1].colour, 13);
}

} // namespace
} // namespace orbivane
