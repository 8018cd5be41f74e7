#pragma once

#include "GridSizing.h"
#include "MazeStyle.h"

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

struct MazeToolOptions {
    MazeStyle style = MazeStyle::Classic;
    std::variant<std::monostate, GridRequest, AreaTwips> size;
    std::string seed;
    std::optional<long long> candidates;
    double budget = 0.25;
    double cellSize = 0.3;
    double thickness = 0.3;
};

// The options of a command line, or an error message naming the first problem.
std::variant<MazeToolOptions, std::string> ParseMazeToolOptions(std::span<const std::string_view> args);

} // namespace orbivane
