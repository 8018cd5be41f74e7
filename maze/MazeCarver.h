#pragma once

#include "ByteGrid.h"
#include "DigitGenerator.h"
#include "GridDims.h"
#include "StackRecord.h"

#include <span>

namespace orbivane {

struct SolveResult {
    int length = 0; // route cells, start and end included
    int score = 0;  // border and route-facing hedges along the route
};

// The carvers fill Page (sized MaxY x MaxX) with the perfect maze of the digits, the entrance
// link marked 1 and the exit link 2. Stack holds at least CellCount + 1 records. Neither
// allocates.
void CarveSquare(const GridDims& dims, const Digits& digits, ByteGrid& Page, std::span<StackRecord> Stack);
void CarveHex(const GridDims& dims, const Digits& digits, ByteGrid& Page, std::span<StackRecord> Stack);

// The solvers mark the route from the start cell out through the exit link with 1 and
// return its length and score.
SolveResult SolveSquare(const GridDims& dims, ByteGrid& Page, std::span<StackRecord> Stack);
SolveResult SolveHex(const GridDims& dims, ByteGrid& Page, std::span<StackRecord> Stack);

void Carve(MazeStyle style, const GridDims& dims, const Digits& digits, ByteGrid& Page, std::span<StackRecord> Stack);
SolveResult Solve(MazeStyle style, const GridDims& dims, ByteGrid& Page, std::span<StackRecord> Stack);

} // namespace orbivane
