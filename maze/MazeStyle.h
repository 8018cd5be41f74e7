#pragma once

namespace orbivane {

enum class MazeStyle {
    Classic,   // "Classique": square cells
    Honeycomb, // "Nid d'abeilles": hexagonal cells
};

// Byte values of the grids Page and Trail.
namespace cell {
inline constexpr unsigned char Hedge = 0;
inline constexpr unsigned char Route = 1;     // Page: solution route; Trail: current path
inline constexpr unsigned char Open = 2;
inline constexpr unsigned char Abandoned = 3; // Trail only
} // namespace cell

} // namespace orbivane
