#include "MazeCarver.h"
#include "MazeFixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <set>

namespace orbivane {
namespace {

using testing_support::cellPositions;
using testing_support::forEachNeighbour;

struct Grid {
    GridDims dims;
    ByteGrid page;
    std::vector<StackRecord> stack;

    Grid(MazeStyle style, int cols, int rows)
        : dims(*GridDims::fromCells(style, cols, rows)), page(dims.MaxY, dims.MaxX),
          stack(static_cast<std::size_t>(dims.CellCount) + 1)
    {
    }
};

Digits mixedDigits(int n)
{
    Digits d = SeedDigits(std::to_string(n));
    MixDigits(d);
    return d;
}

struct InvariantCase {
    MazeStyle style;
    int cols;
    int rows;

    friend std::ostream& operator<<(std::ostream& os, const InvariantCase& c)
    {
        return os << (c.style == MazeStyle::Classic ? "classic " : "honeycomb ") << c.cols << " x " << c.rows;
    }
};

class CarvedMazeTest : public testing::TestWithParam<InvariantCase> {};

// The links between cells that are open, each counted once.
int openLinks(MazeStyle style, const GridDims& d, const ByteGrid& page)
{
    std::set<std::pair<int, int>> links;
    for (auto [x, y] : cellPositions(style, d))
        forEachNeighbour(style, d, x, y, [&](int lx, int ly, int, int) {
            if (page(ly, lx) != cell::Hedge)
                links.emplace(lx, ly);
        });
    return static_cast<int>(links.size());
}

int cellsReachedFromStart(MazeStyle style, const GridDims& d, const ByteGrid& page)
{
    const std::pair<int, int> start = style == MazeStyle::Classic ? std::pair{1, 1} : std::pair{3, 2};
    std::set<std::pair<int, int>> seen{start};
    std::queue<std::pair<int, int>> todo;
    todo.push(start);
    while (!todo.empty()) {
        auto [x, y] = todo.front();
        todo.pop();
        forEachNeighbour(style, d, x, y, [&](int lx, int ly, int nx, int ny) {
            if (page(ly, lx) != cell::Hedge && seen.emplace(nx, ny).second)
                todo.emplace(nx, ny);
        });
    }
    return static_cast<int>(seen.size());
}

TEST_P(CarvedMazeTest, IsAPerfectMazeWithItsRouteFromEntranceToExit)
{
    const auto [style, cols, rows] = GetParam();
    Grid g(style, cols, rows);
    const bool classic = style == MazeStyle::Classic;
    const std::pair<int, int> entrance{classic ? 1 : 3, 0};
    const std::pair<int, int> exit{g.dims.MaxX - (classic ? 1 : 3), g.dims.MaxY};
    for (int seed = 0; seed < 40; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Carve(style, g.dims, mixedDigits(seed), g.page, g.stack);

        for (auto [x, y] : cellPositions(style, g.dims))
            ASSERT_NE(g.page(y, x), cell::Hedge) << "cell (" << x << ", " << y << ") never reached";
        for (int y = 0; classic && y <= g.dims.MaxY; y += 2)
            for (int x = 0; x <= g.dims.MaxX; x += 2)
                ASSERT_EQ(g.page(y, x), cell::Hedge) << "post (" << x << ", " << y << ")";
        ASSERT_EQ(openLinks(style, g.dims, g.page), g.dims.CellCount - 1);
        ASSERT_EQ(cellsReachedFromStart(style, g.dims, g.page), g.dims.CellCount);
        ASSERT_EQ(g.page(entrance.second, entrance.first), cell::Route);
        ASSERT_EQ(g.page(exit.second, exit.first), cell::Open);

        const ByteGrid carved = g.page;
        const SolveResult route = Solve(style, g.dims, g.page, g.stack);
        // Solving only marks: hedges stay hedges and open positions stay open.
        for (int y = 0; y <= g.dims.MaxY; ++y)
            for (int x = 0; x <= g.dims.MaxX; ++x)
                ASSERT_EQ(g.page(y, x) == cell::Hedge, carved(y, x) == cell::Hedge);
        ASSERT_EQ(g.page(exit.second, exit.first), cell::Route);

        // Follow the 1s from the entrance: one route cell after another, ending at the exit.
        std::pair<int, int> at = classic ? std::pair{1, 1} : std::pair{3, 2};
        std::pair<int, int> cameThrough = entrance;
        int length = 1;
        for (;;) {
            std::vector<std::pair<int, int>> onward;
            forEachNeighbour(style, g.dims, at.first, at.second, [&](int lx, int ly, int nx, int ny) {
                if (g.page(ly, lx) == cell::Route && std::pair{lx, ly} != cameThrough) {
                    ASSERT_EQ(g.page(ny, nx), cell::Route);
                    onward.emplace_back(lx, ly);
                    onward.emplace_back(nx, ny);
                }
            });
            const std::pair<int, int> exitLink{at.first, at.second + (classic ? 1 : 2)};
            if (onward.empty()) {
                ASSERT_EQ(exitLink, exit) << "the route stops short of the exit";
                break;
            }
            ASSERT_EQ(onward.size(), 2u) << "the route branches at (" << at.first << ", " << at.second << ")";
            cameThrough = onward[0];
            at = onward[1];
            ++length;
        }
        EXPECT_EQ(route.length, length);
        int marked = 0;
        for (auto [x, y] : cellPositions(style, g.dims))
            marked += g.page(y, x) == cell::Route;
        EXPECT_EQ(marked, length) << "a cell off the route is still marked";
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CarvedMazeTest,
                         testing::Values(InvariantCase{MazeStyle::Classic, 2, 2}, InvariantCase{MazeStyle::Classic, 7, 3},
                                         InvariantCase{MazeStyle::Classic, 26, 19}, InvariantCase{MazeStyle::Honeycomb, 3, 2},
                                         InvariantCase{MazeStyle::Honeycomb, 5, 3}, InvariantCase{MazeStyle::Honeycomb, 25, 19}));

TEST(CarveHex, FiveByThreeHasItsEntranceAndExitLinks)
{
    Grid g(MazeStyle::Honeycomb, 5, 3);
    CarveHex(g.dims, mixedDigits(1), g.page, g.stack);
    EXPECT_EQ(g.page(0, 3), cell::Route);
    EXPECT_EQ(g.page(12, 19), cell::Open);
    // Filler positions, which belong to no cell, are open from the start.
    EXPECT_EQ(g.page(0, 0), cell::Open);
    EXPECT_EQ(g.page(0, 7), cell::Open);  // no piece at x = 7 on the far border
    EXPECT_EQ(g.page(12, 15), cell::Open); // nor on the near border
}

TEST(Carve, SameDigitsSameMaze)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        Grid a(style, 9, 7);
        Grid b(style, 9, 7);
        Carve(style, a.dims, mixedDigits(5), a.page, a.stack);
        Carve(style, b.dims, mixedDigits(9), b.page, b.stack); // something else first
        Carve(style, b.dims, mixedDigits(5), b.page, b.stack);
        EXPECT_EQ(a.page, b.page);
    }
}

// Hand-carved 3 x 2 classic mazes; the score counts the hedges beside route cells that face
// the outside or another route cell.
struct SolveCase {
    const char* name;
    std::vector<std::pair<int, int>> openLinks;
    int length;
    int score;
    std::vector<std::pair<int, int>> branch; // open positions that must end up 2
};

class SolveSquareTest : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveSquareTest, MarksTheRouteAndScoresIt)
{
    const auto& c = GetParam();
    Grid g(MazeStyle::Classic, 3, 2);
    for (auto [x, y] : cellPositions(MazeStyle::Classic, g.dims))
        g.page(y, x) = cell::Open;
    for (auto [x, y] : c.openLinks)
        g.page(y, x) = cell::Open;
    g.page(0, 1) = cell::Route;
    g.page(4, 5) = cell::Open;

    const SolveResult result = SolveSquare(g.dims, g.page, g.stack);
    EXPECT_EQ(result.length, c.length);
    EXPECT_EQ(result.score, c.score);
    for (auto [x, y] : c.branch)
        EXPECT_EQ(g.page(y, x), cell::Open) << "(" << x << ", " << y << ")";
    EXPECT_EQ(g.page(4, 5), cell::Route);
}

INSTANTIATE_TEST_SUITE_P(
    Mazes, SolveSquareTest,
    testing::Values(
        // Along the far row and down; a dead-end branch below the start is walked and reopened.
        SolveCase{"DeadEndBranch", {{2, 1}, {4, 1}, {5, 2}, {1, 2}, {2, 3}}, 4, 5, {{1, 2}, {1, 3}, {2, 3}, {3, 3}}},
        // A snake through all six cells: hedges between route cells count.
        SolveCase{"Snake", {{1, 2}, {2, 3}, {3, 2}, {4, 1}, {5, 2}}, 6, 12, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orbivane
