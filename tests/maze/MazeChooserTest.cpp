#include "BestCandidate.h"
#include "FakeClocks.h"
#include "MazeChooser.h"

#include <gtest/gtest.h>

namespace orbivane {
namespace {

using testing_support::ScriptedClock;

Digits counter(int n)
{
    Digits d{};
    for (auto& digit : d) {
        digit = static_cast<std::uint8_t>(n % 10);
        n /= 10;
    }
    return d;
}

struct Offer {
    int length;
    int score;
};

struct RuleCase {
    const char* name;
    std::vector<Offer> offers; // candidate i has the digits counter(i)
    int winner;
};

class BestCandidateTest : public testing::TestWithParam<RuleCase> {};

TEST_P(BestCandidateTest, KeepsTheBestQualifyingCandidate)
{
    const auto& c = GetParam();
    constexpr int cellCount = 30; // a route of 10 cells qualifies
    BestCandidate best(counter(0), cellCount, 2);
    for (std::size_t i = 0; i < c.offers.size(); ++i)
        best.offer(counter(static_cast<int>(i)), {c.offers[i].length, c.offers[i].score});
    EXPECT_EQ(best.digits(), counter(c.winner));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BestCandidateTest,
    testing::Values(RuleCase{"LowerScoreWins", {{12, 20}, {12, 15}, {12, 18}}, 1},
                    RuleCase{"ShortRoutesNeverWin", {{12, 20}, {9, 1}}, 0},
                    RuleCase{"OneThirdExactlyQualifies", {{9, 1}, {10, 30}}, 1},
                    RuleCase{"NoneQualifiesKeepsTheFirst", {{9, 5}, {3, 1}, {8, 0}}, 0},
                    RuleCase{"EqualScoreLongerRouteWins", {{12, 15}, {14, 15}, {13, 15}}, 1},
                    RuleCase{"FullTieKeepsTheEarlier", {{12, 15}, {12, 15}}, 0},
                    RuleCase{"AnyQualifyingScoreBeatsTheSentinel", {{9, 0}, {10, 60}}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct Maze {
    GridDims dims;
    ByteGrid page;
    std::vector<StackRecord> stack;
};

Maze makeMaze(MazeStyle style, int cols, int rows)
{
    return Maze{*GridDims::fromCells(style, cols, rows), {}, {}};
}

TEST(MazeChooser, OneCandidateIsTheSeedsOwnMaze)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        Maze m = makeMaze(style, 11, 7);
        CandidateCountClock clock(1);
        const MazeChoice choice = ChooseMaze(style, "abc", m.dims, m.page, m.stack, CandidateCountClock::Budget, clock);
        EXPECT_EQ(choice.candidates, 1);

        Digits d = SeedDigits("abc");
        MixDigits(d);
        EXPECT_EQ(choice.digits, d);
        Maze expected = makeMaze(style, 11, 7);
        expected.page.resize(expected.dims.MaxY, expected.dims.MaxX);
        expected.stack.resize(static_cast<std::size_t>(expected.dims.CellCount) + 1);
        Carve(style, expected.dims, d, expected.page, expected.stack);
        const SolveResult route = Solve(style, expected.dims, expected.page, expected.stack);
        EXPECT_EQ(m.page, expected.page);
        EXPECT_EQ(choice.route.length, route.length);
        EXPECT_EQ(choice.route.score, route.score);
    }
}

TEST(MazeChooser, PicksTheBestOfTheCandidatesTried)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        constexpr int tries = 300;
        Maze m = makeMaze(style, 9, 6);
        CandidateCountClock clock(tries);
        const MazeChoice choice = ChooseMaze(style, "seed", m.dims, m.page, m.stack, CandidateCountClock::Budget, clock);
        EXPECT_EQ(choice.candidates, tries);

        // Replay the same candidates one by one.
        Maze replay = makeMaze(style, 9, 6);
        replay.page.resize(replay.dims.MaxY, replay.dims.MaxX);
        replay.stack.resize(static_cast<std::size_t>(replay.dims.CellCount) + 1);
        Digits d = SeedDigits("seed");
        MixDigits(d);
        BestCandidate best(d, replay.dims.CellCount, style == MazeStyle::Classic ? 2 : 4);
        for (int i = 0; i < tries; ++i, NextDigits(d)) {
            Carve(style, replay.dims, d, replay.page, replay.stack);
            best.offer(d, Solve(style, replay.dims, replay.page, replay.stack));
        }
        EXPECT_EQ(choice.digits, best.digits());
        EXPECT_GE(3 * choice.route.length, m.dims.CellCount);
    }
}

TEST(MazeChooser, StopsWhenTheBudgetIsSpent)
{
    Maze m = makeMaze(MazeStyle::Classic, 6, 5);
    ScriptedClock clock({100.0, 100.1, 100.2, 100.3, 100.4});
    const MazeChoice choice = ChooseSquareMaze("x", m.dims, m.page, m.stack, 0.25, clock);
    EXPECT_EQ(choice.candidates, 3);
}

TEST(MazeChooser, StopsWhenTheClockPassesMidnight)
{
    Maze m = makeMaze(MazeStyle::Honeycomb, 7, 5);
    ScriptedClock clock({86399.9, 0.05, 0.1});
    const MazeChoice choice = ChooseHexMaze("x", m.dims, m.page, m.stack, 1000.0, clock);
    EXPECT_EQ(choice.candidates, 1);
}

TEST(MazeChooser, ZeroBudgetStillTriesOneCandidate)
{
    Maze m = makeMaze(MazeStyle::Classic, 4, 4);
    ScriptedClock clock({5.0});
    EXPECT_EQ(ChooseSquareMaze("", m.dims, m.page, m.stack, 0.0, clock).candidates, 1);
}

} // namespace
} // namespace orbivane
