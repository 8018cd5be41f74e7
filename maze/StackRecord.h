#pragma once

#include <cstdint>

namespace orbivane {

// One entry of the generation stack: the direction position taken from a cell and the
// permutation row that cell uses (the solver leaves the row alone).
struct StackRecord {
    std::uint8_t position = 0;
    std::int16_t row = 0;
};

} // namespace orbivane
