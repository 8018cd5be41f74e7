#include "PathDrawing.h"

#include "DirectionTables.h"
#include "Footprint.h"
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

bool walked(std::uint8_t value)
{
    return value == cell::Route || value == cell::Abandoned;
}

// The lines of one walked cell: the entrance, the exit, and a half line toward every walked
// neighbour. halfStep gives the model offset of the half line for a direction.
template <class HalfStep>
void replayCell(Canvas& canvas, const View& view, const ByteGrid& trail, const GridDims& dims, int directions,
                const std::int16_t* DX, const std::int16_t* DY, int x, int y, ModelXY centre, ModelXY entranceFrom,
                double exitTo, bool exitReached, HalfStep halfStep)
{
    for (int p = 0; p < directions; ++p) {
        const int wx = x + DX[p];
        const int wy = y + DY[p];
        if (trail(wy, wx) == cell::Hedge)
            continue;
        if (wy == 0) {
            DrawPathSegment(canvas, view, entranceFrom.x, entranceFrom.y, centre.x, centre.y, shade::Path);
            continue;
        }
        if (wy == dims.MaxY) {
            if (exitReached)
                DrawPathSegment(canvas, view, centre.x, centre.y, centre.x, exitTo, shade::Path);
            continue;
        }
        const int nx = wx + DX[p];
        const int ny = wy + DY[p];
        if (nx <= 0 || nx >= dims.MaxX || ny <= 0 || ny >= dims.MaxY || !walked(trail(ny, nx)))
            continue;
        const bool bothOnPath = trail(y, x) == cell::Route && trail(ny, nx) == cell::Route;
        const ModelXY half = halfStep(DX[p], DY[p]);
        DrawPathSegment(canvas, view, centre.x, centre.y, centre.x + half.x, centre.y + half.y,
                        bothOnPath ? shade::Path : shade::Abandoned);
    }
}

} // namespace

void ReplaySquarePath(Canvas& canvas, const View& view, const ByteGrid& trail, const GridDims& dims, double t,
                      bool exitReached)
{
    const auto half = [](int dx, int dy) { return ModelXY{dx / 2.0, dy / 2.0}; };
    for (int y = 1; y < dims.MaxY; y += 2)
        for (int x = 1; x < dims.MaxX; x += 2) {
            if (!walked(trail(y, x)))
                continue;
            const ModelXY centre{(t + 1) / 2 + (x - 1) / 2, (t + 1) / 2 + (y - 1) / 2};
            replayCell(canvas, view, trail, dims, 4, SquareDX.data(), SquareDY.data(), x, y, centre,
                       ModelXY{centre.x, t / 2}, view.ModelDepth, exitReached, half);
        }
}

void ReplayHexPath(Canvas& canvas, const View& view, const ByteGrid& trail, const GridDims& dims, bool exitReached)
{
    const auto half = [](int dx, int dy) {
        const double sign = dx > 0 ? 1.0 : -1.0;
        switch (dy) {
        case -2:
            return ModelXY{0, -s / 2};
        case 2:
            return ModelXY{0, s / 2};
        default:
            return ModelXY{sign * 0.75, dy * s / 4};
        }
    };
    for (int y = 2; y < dims.MaxY; y += 2) {
        const int k = (y - 2) / 2;
        for (int x = k % 2 == 0 ? 3 : 7; x < dims.MaxX; x += 8) {
            if (!walked(trail(y, x)))
                continue;
            const ModelXY centre{(3.0 * x - 1) / 8, s / 2 * (k + 1)};
            // The replayed exit line stops at the lower edge of the last cell.
            replayCell(canvas, view, trail, dims, 6, HexDX.data(), HexDY.data(), x, y, centre, ModelXY{1.0, 0.0},
                       centre.y + s / 2, exitReached, half);
        }
    }
}

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
