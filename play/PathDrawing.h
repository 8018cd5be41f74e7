#pragma once

#include "ByteGrid.h"
#include "Canvas.h"
#include "GridDims.h"
#include "View.h"

namespace orbivane {

// One path line between two model points on top of the hedges (z = HedgeHeight), 2 pixels
// wide in the colour penIndex.
void DrawPathSegment(Canvas& canvas, const View& view, double x1, double y1, double x2, double y2, int penIndex);

// The walked path of Trail again, each link as two halves, one from each end: the path colour
// where both ends are on the current path, the abandoned colour otherwise. The exit line only
// once the walk reached it.
void ReplaySquarePath(Canvas& canvas, const View& view, const ByteGrid& trail, const GridDims& dims,
                      double hedgeThickness, bool exitReached);
void ReplayHexPath(Canvas& canvas, const View& view, const ByteGrid& trail, const GridDims& dims, bool exitReached);

// The solution route marked 1 in Page, from the entrance link to the near edge, in colour 15.
void DrawSquareSolution(Canvas& canvas, const View& view, const ByteGrid& page, const GridDims& dims,
                        double hedgeThickness);
void DrawHexSolution(Canvas& canvas, const View& view, const ByteGrid& page, const GridDims& dims);

} // namespace orbivane
