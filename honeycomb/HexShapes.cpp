#include "HexShapes.h"

#include <numbers>

namespace orbivane {

HexShapes HexShapes::forThickness(double t, double w)
{
    constexpr double s = std::numbers::sqrt3;
    // The corner points the pieces share.
    const ModelXY leftTop{0, s / 2};
    const ModelXY leftBottom{0, s / 2 + t};
    const ModelXY leftTip{t * s / 2, s / 2 + t / 2};
    const ModelXY upperLeftTip{0.5 - t / (2 * s), t / 2};
    const ModelXY upperLeftTop{0.5 + t / s, 0};
    const ModelXY upperLeftBottom{0.5 + t / s, t};
    const ModelXY upperRightTop{1.5, 0};
    const ModelXY upperRightBottom{1.5, t};
    const ModelXY upperRightTip{1.5 + t * s / 2, t / 2};
    const ModelXY rightTip{2 - t / (2 * s), s / 2 + t / 2};
    const ModelXY rightTop{2 + t / s, s / 2};
    const ModelXY rightBottom{2 + t / s, s / 2 + t};

    HexShapes shapes;
    shapes.Posts = {TriangleFootprint{leftBottom, leftTop, leftTip},
                    TriangleFootprint{upperLeftTip, upperLeftTop, upperLeftBottom},
                    TriangleFootprint{upperRightBottom, upperRightTop, upperRightTip},
                    TriangleFootprint{rightTip, rightTop, rightBottom}};
    shapes.Walls = {
        Footprint{leftTip, ModelXY{0.5 + t / s, s}, ModelXY{0.5 - t / (2 * s), s + t / 2}, leftBottom},
        Footprint{leftTop, upperLeftTip, upperLeftBottom, leftTip},
        Footprint{upperLeftTop, upperRightTop, upperRightBottom, upperLeftBottom},
        Footprint{upperRightTip, rightTop, rightTip, upperRightBottom},
        Footprint{rightTop, ModelXY{3, s / 2}, ModelXY{3, s / 2 + t}, rightBottom},
        Footprint{ModelXY{1.5, s}, rightTip, rightBottom, ModelXY{1.5 + t * s / 2, s + t / 2}},
    };
    const double inner = 0.5 + t / s;
    shapes.FloorBand = {
        Footprint{ModelXY{inner, 0}, ModelXY{w - inner, 0}, ModelXY{w - inner, t}, ModelXY{inner, t}},
        Footprint{ModelXY{0, s / 2}, ModelXY{w, s / 2}, ModelXY{w - inner, t}, ModelXY{inner, t}},
        Footprint{ModelXY{0, s / 2}, ModelXY{w, s / 2}, ModelXY{w, s / 2 + t}, ModelXY{0, s / 2 + t}},
        Footprint{ModelXY{0, s / 2 + t}, ModelXY{w, s / 2 + t}, ModelXY{w - inner, s}, ModelXY{inner, s}},
    };
    shapes.FloorEdge = {
        Footprint{upperLeftTip, upperLeftTop, upperRightTop, upperRightTip},
        Footprint{leftTop, upperLeftTip, upperRightTip, rightTop},
        Footprint{leftBottom, leftTop, rightTop, rightBottom},
    };
    return shapes;
}

} // namespace orbivane
