#pragma once

#include "ByteGrid.h"
#include "Canvas.h"
#include "GridDims.h"
#include "HexShapes.h"
#include "View.h"

namespace orbivane {

// Draws a triangular post. In side mode, its vertical side that faces the middle of the maze
// (colour 3 for a post left of the middle, 9 right of it; none on the middle line); otherwise
// its side P0-P2 toward the viewer in frontColour, then its top in colour 12.
void DrawHexPost(Canvas& canvas, const View& view, const TriangleFootprint& post, bool sideMode, int frontColour);

// The footprint of a post or wall of the grid position (x, y): its base footprint moved to
// the column group x / 8 and the row band y / 4.
TriangleFootprint HexPostAt(const HexShapes& shapes, int post, int x, int y);
Footprint HexWallAt(const HexShapes& shapes, int wall, int x, int y);

// Draws page row y of a honeycomb maze (its pieces depend on y mod 4), far rows being drawn
// before near ones by the caller.
void DrawHexRow(Canvas& canvas, const View& view, const HexShapes& shapes, const ByteGrid& page, const GridDims& dims,
                int y);

} // namespace orbivane
