#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace orbivane {

// Rows of direction steps, one row per permutation of the base order. Row 0 is the base
// order; row r lists the base directions in the order of the inverse of the r-th
// permutation in lexicographic order. Element index: K * row + position.
template <int K, int R>
struct DirectionTable {
    static constexpr int Directions = K;
    static constexpr int RowCount = R;
    std::array<std::int16_t, K * R> DX{};
    std::array<std::int16_t, K * R> DY{};

    constexpr DirectionTable(const std::array<std::int16_t, K>& baseX, const std::array<std::int16_t, K>& baseY)
    {
        std::array<int, K> perm{};
        for (int k = 0; k < K; ++k)
            perm[k] = k;
        int row = 0;
        do {
            for (int k = 0; k < K; ++k) {
                DX[K * row + perm[k]] = baseX[k];
                DY[K * row + perm[k]] = baseY[k];
            }
            ++row;
        } while (std::next_permutation(perm.begin(), perm.end()));
    }
};

using SquareDirectionTable = DirectionTable<4, 24>;
using HexDirectionTable = DirectionTable<6, 720>;

// Classic: left, toward the viewer, right, away from the viewer (cell to link steps).
inline constexpr SquareDirectionTable SquareDirections{{-1, 0, 1, 0}, {0, 1, 0, -1}};
// Honeycomb: the six edges of a hexagon, ordered by x step, then y step.
inline constexpr HexDirectionTable HexDirections{{-2, -2, 0, 0, 2, 2}, {-1, 1, -2, 2, -1, 1}};

inline constexpr const auto& SquareDX = SquareDirections.DX;
inline constexpr const auto& SquareDY = SquareDirections.DY;
inline constexpr const auto& HexDX = HexDirections.DX;
inline constexpr const auto& HexDY = HexDirections.DY;

} // namespace orbivane
