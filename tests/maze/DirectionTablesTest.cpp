#include "DirectionTables.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace orbivane {
namespace {

template <class Table>
std::vector<std::pair<int, int>> row(const Table& table, int r)
{
    std::vector<std::pair<int, int>> steps;
    for (int p = 0; p < Table::Directions; ++p)
        steps.emplace_back(table.DX[Table::Directions * r + p], table.DY[Table::Directions * r + p]);
    return steps;
}

TEST(DirectionTables, BaseRowsAndTheFirstPermutedClassicRow)
{
    using Steps = std::vector<std::pair<int, int>>;
    EXPECT_EQ(row(SquareDirections, 0), (Steps{{-1, 0}, {0, 1}, {1, 0}, {0, -1}}));
    EXPECT_EQ(row(HexDirections, 0), (Steps{{-2, -1}, {-2, 1}, {0, -2}, {0, 2}, {2, -1}, {2, 1}}));
    // From the permutation 0 1 3 2.
    EXPECT_EQ(row(SquareDirections, 1), (Steps{{-1, 0}, {0, 1}, {0, -1}, {1, 0}}));
}

template <class Table>
void expectEveryRowADistinctReordering(const Table& table)
{
    auto base = row(table, 0);
    using StepSet = std::set<std::pair<int, int>>;
    const StepSet baseSet(base.begin(), base.end());
    std::set<std::vector<std::pair<int, int>>> rows;
    for (int r = 0; r < Table::RowCount; ++r) {
        auto steps = row(table, r);
        ASSERT_EQ(StepSet(steps.begin(), steps.end()), baseSet) << "row " << r;
        rows.insert(steps);
    }
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(Table::RowCount));
}

TEST(DirectionTables, EveryRowIsADistinctReorderingOfTheBase)
{
    expectEveryRowADistinctReordering(SquareDirections);
    expectEveryRowADistinctReordering(HexDirections);
}

} // namespace
} // namespace orbivane
