#pragma once

#include "ByteGrid.h"
#include "GridDims.h"
#include "MazeStyle.h"
#include "StackRecord.h"

#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace orbivane {

// Drawing phases of a driver run.
namespace phase {
inline constexpr std::uint8_t Start = 0;
inline constexpr std::uint8_t Floor = 1;      // classic: the floor; honeycomb: footprint tables
inline constexpr std::uint8_t FloorBands = 2; // honeycomb only
inline constexpr std::uint8_t FloorEdges = 3; // honeycomb only
inline constexpr std::uint8_t Rows = 4;
inline constexpr std::uint8_t Finished = 5;
inline constexpr std::uint8_t Closing = 6; // the window is closing: nothing is started again
} // namespace phase

// All maze, walker and steering state of the main window, owned by it and passed by
// reference to the drivers and the play code.
struct MazeState {
    // From the settings.
    double CellSize = 0.3;       // cell pitch on screen, inches
    double HedgeHeight = 4.0;    // model units
    double HedgeThickness = 0.3; // model units
    std::int16_t PerspectiveValue = 30;
    double DepthAngleDeg = 62.0; // always 92 - PerspectiveValue once a maze is made
    std::string StyleCode = "C"; // "C" classic, "N" honeycomb

    // The grid.
    GridDims Dims;
    ByteGrid Page;  // the maze: 0 hedge, 2 open, 1 solution route
    ByteGrid Trail; // the walk: 0 hedge, 2 open, 1 current path, 3 abandoned
    std::vector<StackRecord> Stack;

    // The walker.
    std::int16_t PosX = 0;
    std::int16_t PosY = 0;
    double PosXf = 0;
    double PosYf = 0;

    std::string Seed; // the seed text of the next new maze

    bool NewMazeWanted = false;
    bool ViewDirty = false;
    bool DrawingActive = false;
    bool SolutionShown = false;
    bool ExitReached = false;
    std::uint8_t Phase = phase::Start;

    double Sqrt3 = std::numbers::sqrt3;
};

} // namespace orbivane
