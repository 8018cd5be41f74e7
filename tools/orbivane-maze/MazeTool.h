#pragma once

#include "SecondsClock.h"

#include <ostream>
#include <span>
#include <string_view>

namespace orbivane {

// Exit status of the maze tool for a command line it refuses.
inline constexpr int BadUsage = 2;

// Runs orbivane-maze with its arguments (without the program name): prints the chosen maze
// on out, or one line naming the problem on err with exit status 2. The clock measures the
// chooser's budget.
int RunMazeTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err, SecondsClock& clock);

} // namespace orbivane
