#pragma once

#include "Canvas.h"
#include "Projection.h"

#include <array>

namespace orbivane {

void FillQuad(Canvas& canvas, const std::array<Point, 4>& polygon, int colourIndex);
void FillTriangle(Canvas& canvas, const std::array<Point, 3>& polygon, int colourIndex);

// Projects the corners in their order and fills the polygon they make.
void DrawQuad(Canvas& canvas, const View& view, const ModelPoint& p1, const ModelPoint& p2, const ModelPoint& p3,
              const ModelPoint& p4, int colourIndex);
void DrawTriangle(Canvas& canvas, const View& view, const ModelPoint& p1, const ModelPoint& p2, const ModelPoint& p3,
                  int colourIndex);

} // namespace orbivane
