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

// Draws the route marked 1 in Page from the start cell out through the exit: at each cell the
// first direction whose link is on the route and does not lead back. centreOf gives the model
// centre of the next cell from the current one.
template <class CentreOf>
void followRoute(Canvas& canvas, const View& view, const ByteGrid& page, const GridDims& dims, int directions,
                 const std::int16_t* DX, const std::int16_t* DY, Cell c, Cell previous, ModelXY centre,
                 ModelXY entranceFrom, CentreOf centreOf)
{
    DrawPathSegment(canvas, view, entranceFrom.x, entranceFrom.y, centre.x, centre.y, shade::Solution);
    // A route visits each cell once; the bound only guards a grid that is not a carved maze.
    for (int visited = 0; visited <= dims.CellCount; ++visited) {
        Cell next{};
        bool found = false;
        for (int p = 0; p < directions && !found; ++p) {
            next = {c.x + 2 * DX[p], c.y + 2 * DY[p]};
            found = page(c.y + DY[p], c.x + DX[p]) == cell::Route && next != previous;
        }
        if (!found)
            return;
        if (next.y >= dims.MaxY) {
            DrawPathSegment(canvas, view, centre.x, centre.y, centre.x, view.ModelDepth, shade::Solution);
            return;
        }
        const ModelXY nextCentre = centreOf(c, next, centre);
        DrawPathSegment(canvas, view, centre.x, centre.y, nextCentre.x, nextCentre.y, shade::Solution);
        previous = c;
        c = next;
        centre = nextCentre;
    }
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
    const double first = (t + 1) / 2;
    // The start's previous cell lies beyond the entrance, so the search never leaves through it.
    followRoute(canvas, view, page, dims, 4, SquareDX.data(), SquareDY.data(), Cell{1, 1}, Cell{1, -1},
                ModelXY{first, first}, ModelXY{first, t / 2}, [](Cell c, Cell next, ModelXY centre) {
                    return ModelXY{centre.x + (next.x - c.x) / 2.0, centre.y + (next.y - c.y) / 2.0};
                });
}

void DrawHexSolution(Canvas& canvas, const View& view, const ByteGrid& page, const GridDims& dims)
{
    followRoute(canvas, view, page, dims, 6, HexDX.data(), HexDY.data(), Cell{3, 2}, Cell{3, -2}, ModelXY{1.0, s / 2},
                ModelXY{1.0, 0.0}, [](Cell c, Cell next, ModelXY centre) {
                    const int rows = next.y - c.y;
                    if (rows == 4 || rows == -4)
                        return ModelXY{centre.x, centre.y + (rows > 0 ? s : -s)};
                    return ModelXY{centre.x + (next.x > c.x ? 1.5 : -1.5), centre.y + (rows > 0 ? s / 2 : -s / 2)};
                });
}

} // namespace orbivane
