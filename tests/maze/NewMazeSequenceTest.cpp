#include "NewMazeSequence.h"

#include <gtest/gtest.h>

namespace orbivane {
namespace {

TEST(NewMazeSequence, FitsTheAreaAndStartsTheWalk)
{
    for (auto style : {MazeStyle::Classic, MazeStyle::Honeycomb}) {
        MazeState state;
        state.Seed = " 1234.5";
        state.PerspectiveValue = 45;
        state.NewMazeWanted = true;
        CandidateCountClock clock(3);
        ASSERT_TRUE(RunNewMazeSequence(state, style, {8 * 1440, 6 * 1440}, clock, CandidateCountClock::Budget));

        const bool classic = style == MazeStyle::Classic;
        EXPECT_EQ(state.Dims.Cols, classic ? 26 : 17);
        EXPECT_EQ(state.Dims.Rows, classic ? 19 : 11);
        EXPECT_EQ(state.DepthAngleDeg, 47.0);
        EXPECT_FALSE(state.NewMazeWanted);
        EXPECT_EQ(state.Stack.size(), static_cast<std::size_t>(state.Dims.CellCount) + 1);
        ASSERT_EQ(state.Trail.maxX(), state.Dims.MaxX);
        ASSERT_EQ(state.Trail.maxY(), state.Dims.MaxY);

        EXPECT_EQ(state.PosX, classic ? 1 : 3);
        EXPECT_EQ(state.PosY, classic ? 1 : 2);
        EXPECT_DOUBLE_EQ(state.PosXf, classic ? 0.65 : 1.0);
        EXPECT_DOUBLE_EQ(state.PosYf, classic ? 0.65 : state.Sqrt3 / 2);
        for (int y = 0; y <= state.Dims.MaxY; ++y)
            for (int x = 0; x <= state.Dims.MaxX; ++x) {
                const bool start = x == state.PosX && y == state.PosY;
                const int expected = start ? cell::Route : (state.Page(y, x) == cell::Hedge ? cell::Hedge : cell::Open);
                ASSERT_EQ(state.Trail(y, x), expected) << "(" << x << ", " << y << ")";
            }
    }
}

TEST(NewMazeSequence, RefusesAnAreaTooLargeFor16BitGrids)
{
    MazeState state;
    state.NewMazeWanted = true;
    CandidateCountClock clock(1);
    EXPECT_FALSE(RunNewMazeSequence(state, MazeStyle::Classic, {1e9, 1e9}, clock, CandidateCountClock::Budget));
    EXPECT_TRUE(state.NewMazeWanted);
    EXPECT_TRUE(state.Page.empty());
}

} // namespace
} // namespace orbivane
