#include "MazeCarver.h"
#include "NewMazeSequence.h"
#include "Projection.h"
#include "QImageCanvas.h"
#include "TestDriverHost.h"
#include "TimerDispatch.h"

#include <gtest/gtest.h>

namespace orbivane {
namespace {

QColor rgb(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

TEST(QImageCanvas, FillsTheRegionWithoutItsRightAndBottomEdges)
{
    QImage image(20, 20, QImage::Format_RGB32);
    const MazePalette palette = BuildSurfacePalette({});
    {
        QImageCanvas canvas(image, palette);
        canvas.clear({0, 0, 0});
        const Point square[] = {{2, 2}, {10, 2}, {10, 10}, {2, 10}};
        canvas.fillPolygon(square, 14);
    }
    const QColor blue(0, 0, 255);
    EXPECT_EQ(image.pixelColor(2, 2), blue);
    EXPECT_EQ(image.pixelColor(9, 9), blue);
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(5, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 5), QColor(Qt::black));
}

TEST(QImageCanvas, ADegeneratePolygonDrawsNothing)
{
    QImage image(20, 20, QImage::Format_RGB32);
    const MazePalette palette = BuildSurfacePalette({});
    {
        QImageCanvas canvas(image, palette);
        canvas.clear({0, 0, 0});
        const Point edgeOn[] = {{2, 2}, {8, 8}, {14, 14}, {5, 5}};
        canvas.fillPolygon(edgeOn, 12);
    }
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(image.pixelColor(i, i), QColor(Qt::black)) << i;
}

// A 2 x 2 classic maze with low hedges, drawn whole in the small window.
class PictureProbe : public testing::Test {
protected:
    void SetUp() override
    {
        MazeState& maze = state.Maze;
        maze.HedgeHeight = 0.5;
        maze.Dims = *GridDims::fromCells(MazeStyle::Classic, 2, 2);
        maze.Page.resize(maze.Dims.MaxY, maze.Dims.MaxX);
        maze.Trail.resize(maze.Dims.MaxY, maze.Dims.MaxX);
        maze.Stack.resize(5);
        CarveSquare(maze.Dims, SeedDigits("p"), maze.Page, maze.Stack);
        SolveSquare(maze.Dims, maze.Page, maze.Stack);
        ResetWalk(maze, MazeStyle::Classic);

        QImageCanvas canvas(image, state.Palette);
        canvas.clear(Rgb::fromBgr(0x808000));
        testing_support::TestDriverHost host(canvas);
        RunDrawingToEnd(state, host);
    }

    QColor at(double x, double y, double z) const
    {
        const Point p = ProjectPoint({x, y, z}, state.ViewParams);
        return image.pixelColor(p.x, p.y);
    }

    MazeWindowState state;
    QImage image{780, 585, QImage::Format_RGB32};
};

TEST_F(PictureProbe, FloorFrontFaceAndTheEntranceAndExitGaps)
{
    const QColor floor = rgb(state.Palette.colour(6));
    const QColor front = rgb(state.Palette.colour(7));
    EXPECT_EQ(floor, QColor(59, 118, 39));
    EXPECT_EQ(at(0.65, 0.65, 0), floor);      // the first cell's floor
    EXPECT_EQ(at(0.65, 2.3, 0.25), front);    // the near border hedge below that column
    EXPECT_EQ(at(0.65, 0.3, 0.1), floor);     // the entrance: no hedge in the far border
    EXPECT_EQ(at(1.65, 2.3, 0.25), floor);    // the exit: no hedge in the near border
    EXPECT_EQ(at(1.65, 0.3, 0.1), front);     // the far border beside the entrance
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 128, 128)); // the window colour around the maze
}

} // namespace
} // namespace orbivane
