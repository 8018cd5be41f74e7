#include "HexWalls.h"

#include "MazePalette.h"
#include "MazeStyle.h"
#include "Primitives.h"
#include "SquareWalls.h"

#include <numbers>

namespace orbivane {

namespace {

ModelPoint at(const ModelXY& c, double z)
{
    return {c.x, c.y, z};
}

namespace hexshade {
constexpr int PostRightSide = 3;
constexpr int PostLeftSide = 9;
constexpr int FacingDownLeft = 10;
constexpr int FacingDownRight = 4;
constexpr int PostFacingDownLeft = 8;
constexpr int PostFacingDownRight = 5;
} // namespace hexshade

// The pieces of one page row; walls only where Page holds a hedge.
class RowPieces {
public:
    RowPieces(Canvas& canvas, const View& view, const HexShapes& shapes, const ByteGrid& page, int y)
        : canvas_(canvas), view_(view), shapes_(shapes), page_(page), y_(y)
    {
    }

    void post(int x, int which, bool sideMode, int colour = 0)
    {
        DrawHexPost(canvas_, view_, HexPostAt(shapes_, which, x, y_), sideMode, colour);
    }

    void wall(int x, int which, int colour)
    {
        if (page_(y_, x) == cell::Hedge)
            DrawPieceFrontTop(canvas_, view_, HexWallAt(shapes_, which, x, y_), colour);
    }

private:
    Canvas& canvas_;
    const View& view_;
    const HexShapes& shapes_;
    const ByteGrid& page_;
    int y_;
};

} // namespace

TriangleFootprint HexPostAt(const HexShapes& shapes, int post, int x, int y)
{
    return shifted(shapes.Posts[static_cast<std::size_t>(post)], HexGroupWidth * (x / 8), std::numbers::sqrt3 * (y / 4));
}

Footprint HexWallAt(const HexShapes& shapes, int wall, int x, int y)
{
    return shifted(shapes.Walls[static_cast<std::size_t>(wall)], HexGroupWidth * (x / 8), std::numbers::sqrt3 * (y / 4));
}

void DrawHexPost(Canvas& canvas, const View& view, const TriangleFootprint& post, bool sideMode, int frontColour)
{
    const double h = view.HedgeHeight;
    const auto& [p0, p1, p2] = post;
    if (sideMode) {
        const double middle = view.ModelWidth / 2;
        if (middle > p1.x && p1.x > p0.x)
            DrawQuad(canvas, view, at(p2, h), at(p1, h), at(p1, 0), at(p2, 0), hexshade::PostRightSide);
        if (middle < p1.x && p1.x < p2.x)
            DrawQuad(canvas, view, at(p1, h), at(p0, h), at(p0, 0), at(p1, 0), hexshade::PostLeftSide);
        return;
    }
    DrawQuad(canvas, view, at(p0, h), at(p2, h), at(p2, 0), at(p0, 0), frontColour);
    DrawTriangle(canvas, view, at(p0, h), at(p1, h), at(p2, h), shade::Top);
}

void DrawHexRow(Canvas& canvas, const View& view, const HexShapes& shapes, const ByteGrid& page, const GridDims& dims,
                int y)
{
    RowPieces pieces(canvas, view, shapes, page, y);
    switch (y % 4) {
    case 0: // posts 1 and 2 with the top edge of the even-column cells between them
        for (int x = 0; x <= dims.MaxX; ++x) {
            if (x % 8 == 2)
                pieces.post(x, 1, true);
            else if (x % 8 == 4)
                pieces.post(x, 2, true);
        }
        for (int x = 0; x <= dims.MaxX; ++x) {
            if (x % 8 == 2)
                pieces.post(x, 1, false, hexshade::PostFacingDownLeft);
            else if (x % 8 == 3)
                pieces.wall(x, 2, shade::Front);
            else if (x % 8 == 4)
                pieces.post(x, 2, false, hexshade::PostFacingDownRight);
        }
        break;
    case 1: // the upper slanted edges
        for (int x = 0; x <= dims.MaxX; ++x) {
            if (x % 8 == 1)
                pieces.wall(x, 1, hexshade::FacingDownRight);
            else if (x % 8 == 5)
                pieces.wall(x, 3, hexshade::FacingDownLeft);
        }
        break;
    case 2: // posts 0 and 3 with the top edge of the odd-column cells
        for (int x = 0; x <= dims.MaxX; ++x) {
            if (x % 8 == 0)
                pieces.post(x, 0, true);
            else if (x % 8 == 6)
                pieces.post(x, 3, true);
        }
        for (int x = 0; x <= dims.MaxX; ++x) {
            if (x % 8 == 0)
                pieces.post(x, 0, false, hexshade::PostFacingDownRight);
            else if (x % 8 == 6)
                pieces.post(x, 3, false, hexshade::PostFacingDownLeft);
            else if (x % 8 == 7)
                pieces.wall(x, 4, shade::Front);
        }
        break;
    default: // the lower slanted edges
        for (int x = 0; x <= dims.MaxX; ++x) {
            if (x % 8 == 1)
                pieces.wall(x, 0, hexshade::FacingDownLeft);
            else if (x % 8 == 5)
                pieces.wall(x, 5, hexshade::FacingDownRight);
        }
        break;
    }
}

} // namespace orbivane
