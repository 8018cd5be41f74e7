#pragma once

namespace orbivane {

// The window around the drawing area, in pixels: the inner size of the main window, the
// width of the left frame piece and the heights of the two bottom bars.
struct WindowGeometry {
    int InnerWidth = 0;
    int InnerHeight = 0;
    int Forme1Width = 0;
    int Forme6Height = 0;
    int Forme7Height = 0;

    int areaLeft() const { return Forme1Width; }
    int areaBottom() const { return InnerHeight - (Forme7Height + Forme6Height); }
    int areaWidth() const { return InnerWidth - 2 * Forme1Width; }
    int areaHeight() const { return areaBottom(); }
};

inline constexpr double TwipsPerPixel = 15.0;

// The view parameters of a drawing run, with the drawing area they were computed for.
struct View {
    double ModelWidth = 0;
    double ModelDepth = 0;
    double OffsetX = 0;
    double ScaleX = 0;
    double ScaleY = 0;
    double CosTilt = 1;
    double SinTilt = 0;
    double ViewDistance = 1;
    double HedgeHeight = 0;
    int AreaLeft = 0;
    int AreaBottom = 0;
    // False when the hedges are as high as the maze is wide: the projection has no sensible
    // scale for them, so only the floor is drawn.
    bool HedgesDrawable = true;
};

} // namespace orbivane
