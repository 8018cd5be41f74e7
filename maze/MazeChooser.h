#pragma once

#include "ByteGrid.h"
#include "DigitGenerator.h"
#include "GridDims.h"
#include "MazeCarver.h"
#include "SecondsClock.h"
#include "StackRecord.h"

#include <string_view>
#include <vector>

namespace orbivane {

struct MazeChoice {
    Digits digits{};          // the chosen candidate's digits
    SolveResult route;        // its route, from the final solve
    long long candidates = 0; // how many candidates were tried
};

// Tries candidates from the seed's mixed digits onward until budgetSeconds have passed on the
// clock (or the clock passed midnight) and leaves the best one, solved, in Page. At least one
// candidate is tried. Page and Stack are resized to the grid if they do not fit it.
MazeChoice ChooseSquareMaze(std::string_view seed, const GridDims& dims, ByteGrid& Page, std::vector<StackRecord>& Stack,
                            double budgetSeconds, SecondsClock& clock);
MazeChoice ChooseHexMaze(std::string_view seed, const GridDims& dims, ByteGrid& Page, std::vector<StackRecord>& Stack,
                         double budgetSeconds, SecondsClock& clock);
MazeChoice ChooseMaze(MazeStyle style, std::string_view seed, const GridDims& dims, ByteGrid& Page,
                      std::vector<StackRecord>& Stack, double budgetSeconds, SecondsClock& clock);

} // namespace orbivane
