#pragma once

#include <string>

namespace orbivane {

// The seed text of a new maze: the seconds since midnight as a single-precision value with a
// leading space for the sign, at most 7 significant digits, a full stop and no trailing
// zeros (" 43200.5", " 7", "-1.25").
std::string SeedFromSeconds(float secondsSinceMidnight);

} // namespace orbivane
