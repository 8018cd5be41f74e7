#include "MazeCarver.h"
#include "Primitives.h"
#include "RecordingCanvas.h"
#include "SquareWalls.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace orbivane {
namespace {

using testing_support::RecordingCanvas;

View viewFor(const GridDims& dims)
{
    return ComputeView({MazeStyle::Classic, dims, 4.0, 0.3, 62.0, {780, 585, 40, 21, 21}});
}

TEST(DrawSquareSides, OnlyPiecesWhollyOffTheMiddleShowASide)
{
    RecordingCanvas canvas;
    View view;
    view.ModelWidth = 4.0;
    view.HedgeHeight = 1.0;
    view.ScaleX = view.ScaleY = 10;
    auto box = [](double x0, double x1) { return Footprint{ModelXY{x0, 0}, ModelXY{x1, 0}, ModelXY{x1, 1}, ModelXY{x0, 1}}; };
    const std::pair<Footprint, std::vector<int>> cases[] = {
        {box(0.5, 1.0), {4}},  // left of the middle: its right face
        {box(3.0, 3.5), {10}}, // right of it: its left face
        {box(1.8, 2.2), {}},   // straddling
        {box(1.5, 2.0), {}},   // ends exactly on the middle: the tests are strict
        {box(2.0, 2.5), {}},
    };
    for (const auto& [piece, colours] : cases) {
        canvas.reset();
        DrawSquareSides(canvas, view, piece);
        EXPECT_EQ(canvas.colours(), colours) << piece[0].x;
    }
}

TEST(DrawPieceFrontTop, FrontFaceFacesTheViewerThenTheTop)
{
    RecordingCanvas canvas;
    const auto dims = *GridDims::fromCells(MazeStyle::Classic, 4, 2);
    const View view = viewFor(dims);
    const Footprint piece{ModelXY{1, 2}, ModelXY{2, 2}, ModelXY{2, 2.3}, ModelXY{1, 2.3}};
    DrawPieceFrontTop(canvas, view, piece, 7);
    ASSERT_EQ(canvas.colours(), (std::vector<int>{7, 12}));
    const auto& front = canvas.polygons[0].points;
    EXPECT_EQ(front[0], ProjectPoint({1, 2.3, 4}, view));
    EXPECT_EQ(front[1], ProjectPoint({2, 2.3, 4}, view));
    EXPECT_EQ(front[2], ProjectPoint({2, 2.3, 0}, view));
    EXPECT_EQ(front[3], ProjectPoint({1, 2.3, 0}, view));
}

// A 4 x 2 maze: the middle line x = 2.15 runs through the posts and y-segments of page
// column 4, which show no side; columns 0 and 2 show right faces, 6 and 8 left faces.
TEST(DrawSquareRowPair, SidesFirstThenFrontsAndTopsWithTheGaps)
{
    const auto dims = *GridDims::fromCells(MazeStyle::Classic, 4, 2);
    ByteGrid page(dims.MaxY, dims.MaxX);
    std::vector<StackRecord> stack(static_cast<std::size_t>(dims.CellCount) + 1);
    Digits digits = SeedDigits("pair");
    MixDigits(digits);
    CarveSquare(dims, digits, page, stack);
    SolveSquare(dims, page, stack);
    const View view = viewFor(dims);
    const SquareShapes shapes = SquareShapes::forThickness(0.3);
    const std::map<int, std::optional<int>> sideOfColumn{{0, 4}, {2, 4}, {4, std::nullopt}, {6, 10}, {8, 10}};

    RecordingCanvas canvas;
    int row = 0;
    double rowY = 0;
    std::vector<int> pairs;
    int previousFrontBottom = -1;
    while (row <= dims.MaxY) {
        canvas.reset();
        const int y = row;
        row = DrawSquareRowPair(canvas, view, shapes, page, dims, row, rowY);
        rowY += 1;
        pairs.push_back(y);

        std::vector<int> expected;
        auto sidesThenFronts = [&](int pageRow, int step) {
            for (int x = 0; x <= dims.MaxX; x += 2)
                if (page(pageRow, x) == cell::Hedge && sideOfColumn.at(x))
                    expected.push_back(*sideOfColumn.at(x));
            for (int x = 0; x <= dims.MaxX; x += step)
                if (page(pageRow, x) == cell::Hedge) {
                    expected.push_back(7);
                    expected.push_back(12);
                }
        };
        sidesThenFronts(y, 1);
        if (y + 1 <= dims.MaxY)
            sidesThenFronts(y + 1, 2);
        EXPECT_EQ(canvas.colours(), expected) << "pair at row " << y;

        // Nearer pairs are drawn lower on the screen.
        const auto firstFront = std::find_if(canvas.polygons.begin(), canvas.polygons.end(),
                                             [](const auto& p) { return p.colour == 7; });
        ASSERT_NE(firstFront, canvas.polygons.end());
        EXPECT_GT(firstFront->points[2].y, previousFrontBottom);
        previousFrontBottom = firstFront->points[2].y;
    }
    EXPECT_EQ(pairs, (std::vector<int>{0, 2, 4}));
    EXPECT_NE(page(0, 1), cell::Hedge); // the entrance gap the far row left out
    EXPECT_NE(page(dims.MaxY, dims.MaxX - 1), cell::Hedge);
}

} // namespace
} // namespace orbivane
