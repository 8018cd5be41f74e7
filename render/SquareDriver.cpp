#include "SquareDriver.h"

#include "DriverSlices.h"
#include "MazePalette.h"
#include "Primitives.h"

namespace orbivane {

namespace {

constexpr MazeStyle Style = MazeStyle::Classic;

void floorSlice(MazeWindowState& state, DriverHost& host)
{
    const View& view = state.ViewParams;
    state.Cursors.Square = SquareShapes::forThickness(state.Maze.HedgeThickness);
    host.paletteOn();
    const double w = view.ModelWidth;
    const double d = view.ModelDepth;
    DrawQuad(host.canvas(), view, {0, 0, 0}, {w, 0, 0}, {w, d, 0}, {0, d, 0}, shade::Floor);
    state.Cursors.RowY = 0.0;
    state.Cursors.RowCursor = 0;
    state.Maze.Phase = phase::Rows;
    host.paletteOff();
    EndSlice(state, host, Style, false);
}

void rowPairSlice(MazeWindowState& state, DriverHost& host)
{
    RowsSlice(state, host, Style, [&] {
        DrawingCursors& cursors = state.Cursors;
        const MazeState& maze = state.Maze;
        if (state.ViewParams.HedgesDrawable)
            cursors.RowCursor = static_cast<std::int16_t>(DrawSquareRowPair(
                host.canvas(), state.ViewParams, cursors.Square, maze.Page, maze.Dims, cursors.RowCursor, cursors.RowY));
        else
            cursors.RowCursor = static_cast<std::int16_t>(cursors.RowCursor + 2);
        cursors.RowY += 1.0;
    });
}

} // namespace

void DrawSquareMaze(MazeWindowState& state, DriverHost& host)
{
    switch (state.Maze.Phase) {
    case phase::Start:
        SetUpSlice(state, host, Style);
        return;
    case phase::Floor:
        floorSlice(state, host);
        return;
    case phase::Rows:
        rowPairSlice(state, host);
        return;
    default:
        host.yield();
        return;
    }
}

} // namespace orbivane
