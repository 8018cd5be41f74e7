#pragma once

#include "ByteGrid.h"
#include "Canvas.h"
#include "Footprint.h"
#include "GridDims.h"
#include "View.h"

namespace orbivane {

// Draws the side face of a piece that faces the middle of the maze: the left face (colour 10)
// of a piece wholly right of the middle, the right face (colour 4) of one wholly left of it.
void DrawSquareSides(Canvas& canvas, const View& view, const Footprint& piece);

// Draws the face toward the viewer in frontColour, then the top in colour 12.
void DrawPieceFrontTop(Canvas& canvas, const View& view, const Footprint& piece, int frontColour);

// The classic piece footprints at the origin for a hedge thickness.
struct SquareShapes {
    Footprint Post;     // x even, y even
    Footprint XSegment; // x odd, y even
    Footprint YSegment; // x even, y odd

    static SquareShapes forThickness(double t);
};

// Draws page rows rowCursor (even) and rowCursor + 1 at model y rowY: the hedge row's post
// sides, then its fronts and tops, then the cell row's y-segment sides, fronts and tops.
// Returns the next row to draw. Reads Page only within 0..MaxY.
int DrawSquareRowPair(Canvas& canvas, const View& view, const SquareShapes& shapes, const ByteGrid& page,
                      const GridDims& dims, int rowCursor, double rowY);

} // namespace orbivane
