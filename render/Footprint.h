#pragma once

#include <array>
#include <cstddef>

namespace orbivane {

struct ModelXY {
    double x = 0;
    double y = 0;
    friend bool operator==(const ModelXY&, const ModelXY&) = default;
};

// The floor corners of a piece standing on the floor. Four-corner pieces list c0..c3 as
// far-left, far-right, near-right, near-left, so the edge c3-c2 faces the viewer.
template <std::size_t N>
using Corners = std::array<ModelXY, N>;
using Footprint = Corners<4>;
using TriangleFootprint = Corners<3>;

template <std::size_t N>
Corners<N> shifted(const Corners<N>& corners, double dx, double dy)
{
    Corners<N> moved = corners;
    for (auto& c : moved) {
        c.x += dx;
        c.y += dy;
    }
    return moved;
}

// The footprint seen in a mirror across the floor's depth: every y becomes depth - y, the
// corner order stays.
template <std::size_t N>
Corners<N> mirroredInDepth(const Corners<N>& corners, double depth)
{
    Corners<N> mirrored = corners;
    for (auto& c : mirrored)
        c.y = depth - c.y;
    return mirrored;
}

} // namespace orbivane
