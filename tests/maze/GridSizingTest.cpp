#include "GridDims.h"
#include "GridSizing.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orbivane {
namespace {

struct SizingCase {
    MazeStyle style;
    double widthTwips;
    double heightTwips;
    long long cols;
    long long rows;

    friend std::ostream& operator<<(std::ostream& os, const SizingCase& c)
    {
        return os << (c.style == MazeStyle::Classic ? "classic " : "honeycomb ") << c.widthTwips << " x " << c.heightTwips;
    }
};

class GridSizingTest : public testing::TestWithParam<SizingCase> {};

TEST_P(GridSizingTest, FitsTheDrawingArea)
{
    const auto& c = GetParam();
    const CellCounts counts = SizeGrid(c.style, {c.widthTwips, c.heightTwips}, 0.3, 0.3);
    EXPECT_EQ(counts.Cols, c.cols);
    EXPECT_EQ(counts.Rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, GridSizingTest,
    testing::Values(SizingCase{MazeStyle::Classic, 8 * 1440, 6 * 1440, 26, 19},    // 8 x 6 inches
                    SizingCase{MazeStyle::Classic, 500, 300, 2, 2},                // under two pitches
                    SizingCase{MazeStyle::Classic, 8 * 1440, 100, 26, 2},          // flat strip
                    SizingCase{MazeStyle::Honeycomb, 8 * 1440, 6 * 1440, 17, 11},  // 8 x 6 inches
                    SizingCase{MazeStyle::Honeycomb, 28 * 432, 6 * 1440, 17, 10},  // 18 columns fit: odd only
                    SizingCase{MazeStyle::Honeycomb, 500, 300, 3, 2}));            // under two pitches

struct DimsCase {
    MazeStyle style;
    long long cols;
    long long rows;
    int maxX;
    int maxY;
    int cellCount;

    friend std::ostream& operator<<(std::ostream& os, const DimsCase& c)
    {
        return os << (c.style == MazeStyle::Classic ? "classic " : "honeycomb ") << c.cols << " x " << c.rows;
    }
};

class GridDimsTest : public testing::TestWithParam<DimsCase> {};

TEST_P(GridDimsTest, DerivesTheGridBounds)
{
    const auto& c = GetParam();
    const auto dims = GridDims::fromCells(c.style, c.cols, c.rows);
    ASSERT_TRUE(dims);
    EXPECT_EQ(dims->MaxX, c.maxX);
    EXPECT_EQ(dims->MaxY, c.maxY);
    EXPECT_EQ(dims->CellCount, c.cellCount);
}

INSTANTIATE_TEST_SUITE_P(Grids, GridDimsTest,
                         testing::Values(DimsCase{MazeStyle::Classic, 26, 19, 52, 38, 494},
                                         DimsCase{MazeStyle::Classic, 2, 2, 4, 4, 4},
                                         DimsCase{MazeStyle::Honeycomb, 5, 3, 22, 12, 13},
                                         DimsCase{MazeStyle::Honeycomb, 3, 2, 14, 8, 5}));

TEST(GridDims, RefusesGridsOutsideTheStyleOr16BitLimits)
{
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Classic, 1, 5));
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Classic, 5, 1));
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Honeycomb, 2, 3));
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Honeycomb, 4, 3)); // even column count
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Honeycomb, 3, 1));
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Classic, 200, 200));  // CellCount 40000
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Classic, 16384, 2));  // MaxX 32768
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Honeycomb, 3, 8192)); // MaxY 32768
    EXPECT_FALSE(GridDims::fromCells(MazeStyle::Classic, 1LL << 40, 2));
    EXPECT_TRUE(GridDims::fromCells(MazeStyle::Classic, 181, 181)); // CellCount 32761
}

} // namespace
} // namespace orbivane
