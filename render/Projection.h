#pragma once

#include "Canvas.h"
#include "GridDims.h"
#include "MazeStyle.h"
#include "View.h"

namespace orbivane {

struct ModelPoint {
    double x = 0;
    double y = 0;
    double z = 0;
};

// Maps a model point to a window pixel: the floor's far edge at the top of the drawing area,
// its near edge on the bottom edge, nearer parts spread wider.
Point ProjectPoint(const ModelPoint& p, const View& view);

double ModelWidthOf(MazeStyle style, const GridDims& dims, double hedgeThickness);
double ModelDepthOf(MazeStyle style, const GridDims& dims, double hedgeThickness);

struct ViewRequest {
    MazeStyle style = MazeStyle::Classic;
    GridDims dims;
    double hedgeHeight = 4.0;
    double hedgeThickness = 0.3;
    double depthAngleDeg = 62.0;
    WindowGeometry geometry;
};

// The view parameters for a grid seen at the tilt of the depth angle. When the hedges are at
// least as high as the maze is wide, the view shows the floor alone (HedgesDrawable false)
// instead of dividing by zero or turning the picture over.
View ComputeView(const ViewRequest& request);

} // namespace orbivane
