#include "SquareWalls.h"

#include "MazePalette.h"
#include "MazeStyle.h"
#include "Primitives.h"

namespace orbivane {

namespace {

ModelPoint at(const ModelXY& c, double z)
{
    return {c.x, c.y, z};
}

} // namespace

void DrawSquareSides(Canvas& canvas, const View& view, const Footprint& piece)
{
    const double h = view.HedgeHeight;
    const auto& [c0, c1, c2, c3] = piece;
    if (2 * c0.x > view.ModelWidth)
        DrawQuad(canvas, view, at(c0, h), at(c3, h), at(c3, 0), at(c0, 0), shade::LeftSide);
    if (2 * c1.x < view.ModelWidth)
        DrawQuad(canvas, view, at(c2, h), at(c1, h), at(c1, 0), at(c2, 0), shade::RightSide);
}

void DrawPieceFrontTop(Canvas& canvas, const View& view, const Footprint& piece, int frontColour)
{
    const double h = view.HedgeHeight;
    const auto& [c0, c1, c2, c3] = piece;
    DrawQuad(canvas, view, at(c3, h), at(c2, h), at(c2, 0), at(c3, 0), frontColour);
    DrawQuad(canvas, view, at(c0, h), at(c1, h), at(c2, h), at(c3, h), shade::Top);
}

SquareShapes SquareShapes::forThickness(double t)
{
    auto box = [](double x0, double x1, double y0, double y1) {
        return Footprint{ModelXY{x0, y0}, ModelXY{x1, y0}, ModelXY{x1, y1}, ModelXY{x0, y1}};
    };
    return {box(0, t, 0, t), box(t, 1, 0, t), box(0, t, t, 1)};
}

int DrawSquareRowPair(Canvas& canvas, const View& view, const SquareShapes& shapes, const ByteGrid& page,
                      const GridDims& dims, int rowCursor, double rowY)
{
    const int y = rowCursor;
    auto isHedge = [&](int row, int x) { return page(row, x) == cell::Hedge; };

    for (int x = 0; x <= dims.MaxX; x += 2)
        if (isHedge(y, x))
            DrawSquareSides(canvas, view, shifted(shapes.Post, x / 2, rowY));
    for (int x = 0; x <= dims.MaxX; ++x)
        if (isHedge(y, x))
            DrawPieceFrontTop(canvas, view, shifted(x % 2 == 0 ? shapes.Post : shapes.XSegment, x / 2, rowY), shade::Front);

    if (y + 1 > dims.MaxY)
        return y + 1; // the near border row has no cell row after it
    for (int x = 0; x <= dims.MaxX; x += 2)
        if (isHedge(y + 1, x))
            DrawSquareSides(canvas, view, shifted(shapes.YSegment, x / 2, rowY));
    for (int x = 0; x <= dims.MaxX; x += 2)
        if (isHedge(y + 1, x))
            DrawPieceFrontTop(canvas, view, shifted(shapes.YSegment, x / 2, rowY), shade::Front);
    return y + 2;
}

} // namespace orbivane
