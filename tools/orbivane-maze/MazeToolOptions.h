#pragma once

#include "GridSizing.h"
#include "MazePalette.h"
#include "MazeStyle.h"
#include "View.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace orbivane {

struct GridRequest {
    std::optional<long long> Cols;
    std::optional<long long> Rows;
};

// The main window's client area of one of its two layouts.
struct WindowLayout {
    WindowGeometry geometry;
};

struct PictureOptions {
    int perspective = 30; // depth scroll bar position, 30..60
    double height = 4.0;  // hedge height
    RampDivisors divisors;
    bool solution = false;
};

struct MazeToolOptions {
    MazeStyle style = MazeStyle::Classic;
    std::variant<std::monostate, GridRequest, AreaTwips, WindowLayout> size;
    std::optional<std::string> png; // where to write the picture
    PictureOptions picture;
    std::string seed;
    std::optional<long long> candidates;
    double budget = 0.25;
    double cellSize = 0.3;
    double thickness = 0.3;
};

// The options of a command line, or an error message naming the first problem.
std::variant<MazeToolOptions, std::string> ParseMazeToolOptions(std::span<const std::string_view> args);

} // namespace orbivane
