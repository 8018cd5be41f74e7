#include "Primitives.h"

namespace orbivane {

void FillQuad(Canvas& canvas, const std::array<Point, 4>& polygon, int colourIndex)
{
    canvas.fillPolygon(polygon, colourIndex);
}

void FillTriangle(Canvas& canvas, const std::array<Point, 3>& polygon, int colourIndex)
{
    canvas.fillPolygon(polygon, colourIndex);
}

void DrawQuad(Canvas& canvas, const View& view, const ModelPoint& p1, const ModelPoint& p2, const ModelPoint& p3,
              const ModelPoint& p4, int colourIndex)
{
    FillQuad(canvas, {ProjectPoint(p1, view), ProjectPoint(p2, view), ProjectPoint(p3, view), ProjectPoint(p4, view)},
             colourIndex);
}

void DrawTriangle(Canvas& canvas, const View& view, const ModelPoint& p1, const ModelPoint& p2, const ModelPoint& p3,
                  int colourIndex)
{
    FillTriangle(canvas, {ProjectPoint(p1, view), ProjectPoint(p2, view), ProjectPoint(p3, view)}, colourIndex);
}

} // namespace orbivane
