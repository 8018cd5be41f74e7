#include "Projection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbivane {
namespace {

const WindowGeometry SmallWindow{780, 585, 40, 21, 21};

View classicView(int cols, int rows, double height = 4.0, int perspective = 30)
{
    return ComputeView({MazeStyle::Classic, *GridDims::fromCells(MazeStyle::Classic, cols, rows), height, 0.3,
                        92.0 - perspective, SmallWindow});
}

TEST(View, DefaultDepthTiltsBy62Degrees)
{
    const View view = classicView(26, 19);
    EXPECT_NEAR(view.SinTilt, 0.8829, 1e-4);
    EXPECT_NEAR(view.CosTilt, 0.4695, 1e-4);
}

TEST(View, ClassicTwentySixByNineteen)
{
    const View view = classicView(26, 19);
    EXPECT_DOUBLE_EQ(view.ModelWidth, 26.3);
    EXPECT_DOUBLE_EQ(view.ModelDepth, 19.3);
    EXPECT_DOUBLE_EQ(view.ViewDistance, 26.3);
    EXPECT_NEAR(view.OffsetX, 2.3587, 1e-4);
    EXPECT_DOUBLE_EQ(view.ScaleX, 699.0 / (26.3 * 26.3 / 22.3));
    EXPECT_DOUBLE_EQ(view.ScaleY, 542.0 / std::sqrt(19.3 * 19.3 + 16.0));
    EXPECT_EQ(view.AreaLeft, 40);
    EXPECT_EQ(view.AreaBottom, 543);
    EXPECT_TRUE(view.HedgesDrawable);
}

TEST(View, DeepMazeSeenFromItsDepth)
{
    const View view = classicView(4, 9);
    EXPECT_DOUBLE_EQ(view.ViewDistance, view.ModelDepth);
}

TEST(ProjectPoint, NearCornersSitOnTheBottomEdgeSymmetrically)
{
    const View view = classicView(26, 19);
    const Point left = ProjectPoint({0, view.ModelDepth, 0}, view);
    const Point right = ProjectPoint({view.ModelWidth, view.ModelDepth, 0}, view);
    EXPECT_EQ(left.y, view.AreaBottom);
    EXPECT_EQ(right.y, view.AreaBottom);
    EXPECT_EQ(left.x, 40 + static_cast<int>(std::floor(view.OffsetX * view.ScaleX)));
    EXPECT_EQ(right.x, 40 + static_cast<int>(std::floor((view.ModelWidth + view.OffsetX) * view.ScaleX)));
    const double middle = 40 + 699 / 2.0; // the scale spreads the near edge over width - 1 pixels
    EXPECT_NEAR(middle - left.x, right.x - middle, 1.0);
}

TEST(ProjectPoint, FarEdgeIsHigherAndNarrowerThanTheNearEdge)
{
    const View view = classicView(26, 19);
    const Point farLeft = ProjectPoint({0, 0, 0}, view);
    const Point farRight = ProjectPoint({view.ModelWidth, 0, 0}, view);
    const Point nearLeft = ProjectPoint({0, view.ModelDepth, 0}, view);
    const Point nearRight = ProjectPoint({view.ModelWidth, view.ModelDepth, 0}, view);
    EXPECT_LT(farLeft.y, nearLeft.y);
    EXPECT_LT(farRight.x - farLeft.x, nearRight.x - nearLeft.x);
    // A hedge top is drawn above its foot.
    EXPECT_LT(ProjectPoint({5, 5, 4}, view).y, ProjectPoint({5, 5, 0}, view).y);
}

TEST(View, HedgesAsHighAsTheMazeIsWideLeaveTheFloorAlone)
{
    for (double height : {2.3, 5.0}) { // 2 x 2 classic: the maze is 2.3 wide
        const View view = classicView(2, 2, height);
        EXPECT_FALSE(view.HedgesDrawable);
        EXPECT_TRUE(std::isfinite(view.ScaleX) && view.ScaleX > 0);
        EXPECT_TRUE(std::isfinite(view.ScaleY) && view.ScaleY > 0);
        const Point farLeft = ProjectPoint({0, 0, 0}, view);
        const Point nearRight = ProjectPoint({view.ModelWidth, view.ModelDepth, 0}, view);
        EXPECT_LT(farLeft.y, nearRight.y); // not turned over
        EXPECT_LT(farLeft.x, nearRight.x);
        EXPECT_GE(farLeft.x, 40);
        EXPECT_LE(nearRight.x, 740);
    }
}

TEST(View, HoneycombModelSizes)
{
    const auto dims = *GridDims::fromCells(MazeStyle::Honeycomb, 5, 3);
    EXPECT_DOUBLE_EQ(ModelWidthOf(MazeStyle::Honeycomb, dims, 0.3), 4 * 1.5 + 2 + 0.3 / std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(ModelDepthOf(MazeStyle::Honeycomb, dims, 0.3), 3 * std::sqrt(3.0) + 0.3);
}

} // namespace
} // namespace orbivane
