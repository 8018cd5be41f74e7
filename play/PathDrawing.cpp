#include "PathDrawing.h"

#include "DirectionTables.h"
#include "MazePalette.h"
#include "MazeStyle.h"
#include "Projection.h"

#include <numbers>

namespace orbivane {

namespace {

constexpr double s = std::numbers::sqrt3;

struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The first direction from c whose link is on the route and does not lead back to previous.
template <class StepOf>
bool nextOnRoute(const ByteGrid& page, int directions, Cell c, Cell previous, StepOf step, Cell& link, Cell& next)
{
    for (int p = 0; p < directions; ++p) {
        const auto [dx, dy] = step(p);
        link = {c.x + dx, c.y + dy};
        next = {link.x + dx, link.y + dy};
        if (page(link.y, link.x) == cell::Route && next != previous)
            return true;
    }
    return false;
}

} // namespace

void DrawPathSegment(Canvas& canvas, const View& view, double x1, double y1, double x2, double y2, int penIndex)
{
    const double z = view.HedgeHeight;
    canvas.drawLine(ProjectPoint({x1, y1, z}, view), ProjectPoint({x2, y2, z}, view), penIndex);
}

void DrawSquareSolution(Canvas& canvas, const View& view, const ByteGrid& page, const GridDims& dims, double t)
{
    Cell c{1, 1};
    Cell previous{1, -1}; // beyond the entrance, so the search never leaves through it
    double cx = (t + 1) / 2;
    double cy = (t + 1) / 2;
    DrawPathSegment(canvas, view, cx, t / 2, cx, cy, shade::Solution);
    auto step = [](int p) { return std::pair<int, int>{SquareDX[static_cast<std::size_t>(p)], SquareDY[static_cast<std::size_t>(p)]}; };
    // A route visits each cell once; the bound only guards a grid that is not a carved maze.
    for (int visited = 0; visited <= dims.CellCount; ++visited) {
        Cell link;
        Cell next;
        if (!nextOnRoute(page, 4, c, previous, step, link, next))
            return;
        if (next.y >= dims.MaxY) {
            DrawPathSegment(canvas, view, cx, cy, cx, view.ModelDepth, shade::Solution);
            return;
        }
        const double nx = cx + (link.x - c.x);
        const double ny = cy + (link.y - c.y);
        DrawPathSegment(canvas, view, cx, cy, nx, ny, shade::Solution);
        previous = c;
        c = next;
        cx = nx;
        cy = ny;
    }
}

void DrawHexSolution(Canvas& canvas, const View& view, const ByteGrid& page, const GridDims& dims)
{
    Cell c{3, 2};
    Cell previous{3, -2};
    double cx = 1.0;
    double cy = s / 2;
    DrawPathSegment(canvas, view, 1.0, 0.0, cx, cy, shade::Solution);
    auto step = [](int p) { return std::pair<int, int>{HexDX[static_cast<std::size_t>(p)], HexDY[static_cast<std::size_t>(p)]}; };
    for (int visited = 0; visited <= dims.CellCount; ++visited) {
        Cell link;
        Cell next;
        if (!nextOnRoute(page, 6, c, previous, step, link, next))
            return;
        if (next.y >= dims.MaxY) {
            DrawPathSegment(canvas, view, cx, cy, cx, view.ModelDepth, shade::Solution);
            return;
        }
        const int rows = next.y - c.y;
        const double sign = next.x > c.x ? 1.0 : -1.0;
        const bool straight = rows == 4 || rows == -4;
        const double nx = straight ? cx : cx + sign * 1.5;
        const double ny = cy + (straight ? s : s / 2) * (rows > 0 ? 1 : -1);
        DrawPathSegment(canvas, view, cx, cy, nx, ny, shade::Solution);
        previous = c;
        c = next;
        cx = nx;
        cy = ny;
    }
}

} // namespace orbivane
