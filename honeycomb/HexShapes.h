#pragma once

#include "Footprint.h"

namespace orbivane {

// The base footprints of the honeycomb pieces within one column group and one row band, for a
// hedge thickness t and a maze model width w. A piece at grid position (x, y) is its base
// footprint moved by (3 * (x / 8), sqrt3 * (y / 4)).
struct HexShapes {
    std::array<TriangleFootprint, 4> Posts; // P0, P1, P2: 0 left, 1 upper-left, 2 upper-right, 3 right corner
    std::array<Footprint, 6> Walls;         // 0 lower-left, 1 upper-left, 2 top, 3 upper-right, 4 odd-column top, 5 lower-right
    std::array<Footprint, 4> FloorBand;     // G0..G3: one band of sqrt3 in depth across the whole width
    std::array<Footprint, 3> FloorEdge;     // E0..E2: the far edge of one column group

    static HexShapes forThickness(double t, double modelWidth);
};

// Moving a piece by one column group or one row band.
inline constexpr double HexGroupWidth = 3.0;

} // namespace orbivane
