#include "Projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbivane {

namespace {

// A pixel coordinate within what a 32-bit integer holds, whatever the arithmetic gave.
int toPixel(double value)
{
    constexpr double limit = 1 << 30;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -limit, limit));
}

} // namespace

Point ProjectPoint(const ModelPoint& p, const View& v)
{
    const double depth = v.ModelDepth - p.y;
    const double a = depth * v.CosTilt - v.SinTilt * p.z;
    const double b = depth * v.SinTilt + p.z * v.CosTilt;
    const double perspective = v.ViewDistance / (a + v.ViewDistance);
    const double vertical = (b - v.ModelDepth / 2) * perspective + v.ModelDepth / 2;
    const double horizontal = (p.x - v.ModelWidth / 2) * perspective + v.ModelWidth / 2 + v.OffsetX;
    return {v.AreaLeft + toPixel(std::floor(horizontal * v.ScaleX)), v.AreaBottom - toPixel(std::floor(vertical * v.ScaleY))};
}

double ModelWidthOf(MazeStyle style, const GridDims& dims, double t)
{
    if (style == MazeStyle::Classic)
        return dims.Cols + t;
    return (dims.Cols - 1) * 3.0 / 2 + 2 + t / std::numbers::sqrt3;
}

double ModelDepthOf(MazeStyle style, const GridDims& dims, double t)
{
    if (style == MazeStyle::Classic)
        return dims.Rows + t;
    return dims.Rows * std::numbers::sqrt3 + t;
}

View ComputeView(const ViewRequest& r)
{
    View view;
    const double angle = r.depthAngleDeg * (std::atan(1.0) / 45);
    view.SinTilt = std::sin(angle);
    view.CosTilt = std::cos(angle);
    view.ModelWidth = ModelWidthOf(r.style, r.dims, r.hedgeThickness);
    view.ModelDepth = ModelDepthOf(r.style, r.dims, r.hedgeThickness);
    view.HedgesDrawable = r.hedgeHeight < view.ModelWidth;
    view.HedgeHeight = view.HedgesDrawable ? r.hedgeHeight : 0.0;

    const double h = view.HedgeHeight;
    const double w = view.ModelWidth;
    const double wpx = r.geometry.areaWidth();
    const double hpx = r.geometry.areaHeight();
    view.ScaleX = (wpx - 1) / (w * w / (w - h));
    view.OffsetX = (h / (w - h)) * (w / 2);
    view.ScaleY = (hpx - 1) / std::sqrt(view.ModelDepth * view.ModelDepth + h * h);
    view.ViewDistance = view.ModelDepth > view.ModelWidth ? view.ModelDepth : view.ModelWidth;
    view.AreaLeft = r.geometry.areaLeft();
    view.AreaBottom = r.geometry.areaBottom();
    return view;
}

} // namespace orbivane
