#include "HexDriver.h"

#include "DriverSlices.h"
#include "HexWalls.h"
#include "MazePalette.h"
#include "Primitives.h"

#include <numbers>

namespace orbivane {

namespace {

constexpr MazeStyle Style = MazeStyle::Honeycomb;
constexpr double s = std::numbers::sqrt3;

void drawFloorPiece(DriverHost& host, const View& view, const Footprint& piece)
{
    DrawQuad(host.canvas(), view, {piece[0].x, piece[0].y, 0}, {piece[1].x, piece[1].y, 0}, {piece[2].x, piece[2].y, 0},
             {piece[3].x, piece[3].y, 0}, shade::Floor);
}

void tablesSlice(MazeWindowState& state, DriverHost& host)
{
    state.Cursors.Hex = HexShapes::forThickness(state.Maze.HedgeThickness, state.ViewParams.ModelWidth);
    state.Cursors.RowCursor = 0;
    state.Maze.Phase = phase::FloorBands;
    EndSlice(state, host, Style, false);
}

// The floor between the cell rows, one band of s in depth; the far and near edges are left to
// the next phase.
void floorBandSlice(MazeWindowState& state, DriverHost& host)
{
    DrawingCursors& cursors = state.Cursors;
    const int maxY = state.Maze.Dims.MaxY;
    host.paletteOn();
    if (cursors.RowCursor > maxY - 1) {
        cursors.ColCursor = 0;
        state.Maze.Phase = phase::FloorEdges;
    } else {
        const double bandY = s * (cursors.RowCursor / 4);
        const auto& band = cursors.Hex.FloorBand;
        if (cursors.RowCursor > 0) {
            drawFloorPiece(host, state.ViewParams, shifted(band[0], 0, bandY));
            drawFloorPiece(host, state.ViewParams, shifted(band[1], 0, bandY));
        }
        drawFloorPiece(host, state.ViewParams, shifted(band[2], 0, bandY));
        if (cursors.RowCursor < maxY - 4)
            drawFloorPiece(host, state.ViewParams, shifted(band[3], 0, bandY));
        cursors.RowCursor = static_cast<std::int16_t>(cursors.RowCursor + 4);
    }
    host.paletteOff();
    EndSlice(state, host, Style, false);
}

// The floor along the far edge of one column group, and its mirror along the near edge.
void floorEdgeSlice(MazeWindowState& state, DriverHost& host)
{
    DrawingCursors& cursors = state.Cursors;
    const View& view = state.ViewParams;
    host.paletteOn();
    if (cursors.ColCursor > state.Maze.Dims.MaxX) {
        cursors.HexRowPhase = 0;
        cursors.RowY = 0.0;
        cursors.RowCursor = 0;
        state.Maze.Phase = phase::Rows;
    } else {
        const double groupX = HexGroupWidth * (cursors.ColCursor / 8);
        for (const auto& edge : cursors.Hex.FloorEdge) {
            const Footprint piece = shifted(edge, groupX, 0);
            drawFloorPiece(host, view, piece);
            drawFloorPiece(host, view, mirroredInDepth(piece, view.ModelDepth));
        }
        cursors.ColCursor = static_cast<std::int16_t>(cursors.ColCursor + 8);
    }
    host.paletteOff();
    EndSlice(state, host, Style, false);
}

void rowSlice(MazeWindowState& state, DriverHost& host)
{
    RowsSlice(state, host, Style, [&] {
        DrawingCursors& cursors = state.Cursors;
        if (state.ViewParams.HedgesDrawable)
            DrawHexRow(host.canvas(), state.ViewParams, cursors.Hex, state.Maze.Page, state.Maze.Dims, cursors.RowCursor);
        if (++cursors.HexRowPhase == 4) {
            cursors.HexRowPhase = 0;
            cursors.RowY += s;
        }
        cursors.RowCursor = static_cast<std::int16_t>(cursors.RowCursor + 1);
    });
}

} // namespace

void DrawHexMaze(MazeWindowState& state, DriverHost& host)
{
    switch (state.Maze.Phase) {
    case phase::Start:
        SetUpSlice(state, host, Style);
        return;
    case phase::Floor:
        tablesSlice(state, host);
        return;
    case phase::FloorBands:
        floorBandSlice(state, host);
        return;
    case phase::FloorEdges:
        floorEdgeSlice(state, host);
        return;
    case phase::Rows:
        rowSlice(state, host);
        return;
    default:
        host.yield();
        return;
    }
}

} // namespace orbivane
