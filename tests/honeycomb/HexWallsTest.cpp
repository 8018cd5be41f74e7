#include "HexWalls.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

#include <numbers>

namespace orbivane {
namespace {

using testing_support::RecordingCanvas;
constexpr double s = std::numbers::sqrt3;

TEST(HexShapes, PostsAreEquilateralTrianglesOfTheThickness)
{
    const HexShapes shapes = HexShapes::forThickness(0.3, 10);
    for (const auto& post : shapes.Posts) {
        for (int i = 0; i < 3; ++i) {
            const auto& a = post[static_cast<std::size_t>(i)];
            const auto& b = post[static_cast<std::size_t>((i + 1) % 3)];
            EXPECT_NEAR(std::hypot(a.x - b.x, a.y - b.y), 0.3, 1e-12);
        }
    }
    // The top wall of the first cell runs between its two upper posts.
    const Footprint& top = shapes.Walls[2];
    EXPECT_NEAR(top[0].x, 0.6732, 1e-4);
    EXPECT_DOUBLE_EQ(top[1].x, 1.5);
    EXPECT_DOUBLE_EQ(top[0].y, 0);
    EXPECT_DOUBLE_EQ(top[3].y, 0.3);
}

TEST(HexShapes, PiecesMoveByThreePerColumnGroupAndSqrt3PerRowBand)
{
    const HexShapes shapes = HexShapes::forThickness(0.3, 10);
    const Footprint base = HexWallAt(shapes, 2, 3, 0);
    const Footprint nextGroup = HexWallAt(shapes, 2, 11, 0);
    const Footprint nextBand = HexWallAt(shapes, 2, 3, 4);
    const TriangleFootprint post = HexPostAt(shapes, 3, 6, 2);
    const TriangleFootprint postLater = HexPostAt(shapes, 3, 22, 10);
    for (std::size_t c = 0; c < 4; ++c) {
        EXPECT_DOUBLE_EQ(nextGroup[c].x, base[c].x + 3.0);
        EXPECT_DOUBLE_EQ(nextGroup[c].y, base[c].y);
        EXPECT_DOUBLE_EQ(nextBand[c].x, base[c].x);
        EXPECT_DOUBLE_EQ(nextBand[c].y, base[c].y + s);
    }
    for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_DOUBLE_EQ(postLater[c].x, post[c].x + 6.0);
        EXPECT_DOUBLE_EQ(postLater[c].y, post[c].y + 2 * s);
    }
}

View flatView(double modelWidth)
{
    View view;
    view.ModelWidth = modelWidth;
    view.ModelDepth = 5;
    view.ViewDistance = 10;
    view.HedgeHeight = 1;
    view.ScaleX = view.ScaleY = 20;
    return view;
}

TEST(DrawHexPost, SideModeShowsTheSideFacingTheMiddle)
{
    const HexShapes shapes = HexShapes::forThickness(0.3, 10);
    RecordingCanvas canvas;
    // Post 1 points left: its vertical right side P1-P2 shows when it is left of the middle.
    const TriangleFootprint left = shapes.Posts[1];
    DrawHexPost(canvas, flatView(10), left, true, 0);
    EXPECT_EQ(canvas.colours(), (std::vector<int>{3}));
    canvas.reset();
    DrawHexPost(canvas, flatView(0.5), left, true, 0); // now right of the middle: no side of that kind
    EXPECT_TRUE(canvas.colours().empty());

    // Post 0 points right: its vertical left side P0-P1 shows right of the middle.
    canvas.reset();
    DrawHexPost(canvas, flatView(-1), shapes.Posts[0], true, 0);
    EXPECT_EQ(canvas.colours(), (std::vector<int>{9}));

    // On the middle line: nothing.
    canvas.reset();
    DrawHexPost(canvas, flatView(2 * left[1].x), left, true, 0);
    EXPECT_TRUE(canvas.colours().empty());
}

TEST(DrawHexPost, FrontModeDrawsTheSideTowardTheViewerThenTheTop)
{
    const HexShapes shapes = HexShapes::forThickness(0.3, 10);
    RecordingCanvas canvas;
    DrawHexPost(canvas, flatView(10), shapes.Posts[2], false, 5);
    ASSERT_EQ(canvas.colours(), (std::vector<int>{5, 12}));
    EXPECT_EQ(canvas.polygons[1].points.size(), 3u);
}

} // namespace
} // namespace orbivane
