#pragma once

#include "ByteGrid.h"
#include "DigitGenerator.h"
#include "DirectionTables.h"
#include "GridDims.h"
#include "MazeStyle.h"

#include <cstring>

namespace orbivane {

struct Position {
    int x = 0;
    int y = 0;
};

// What sets the two styles apart for the carver, the solver and the chooser. Everything
// else in maze generation is written once.
struct SquareRules {
    static constexpr MazeStyle Style = MazeStyle::Classic;
    static constexpr int K = 4;           // directions per cell
    static constexpr int R = 24;          // permutation rows
    static constexpr int M = 29;          // modulus of the additive series
    static constexpr int ScoreFactor = 2; // the chooser's sentinel score is F * CellCount + 1
    static constexpr const SquareDirectionTable& Table = SquareDirections;

    static Position solverStart(const GridDims&) { return {1, 1}; }
    static Position routeEnd(const GridDims& d) { return {d.MaxX - 1, d.MaxY - 1}; }
    static Position entrance(const GridDims&) { return {1, 0}; }
    static Position exit(const GridDims& d) { return {d.MaxX - 1, d.MaxY}; }

    static void fillInitialGrid(ByteGrid& page, const GridDims&) { std::memset(page.data(), 0, page.size()); }

    // Two numbers of three series outputs each pick the column and the row.
    static Position carverStart(Series& series, const GridDims& d)
    {
        const int x = 2 * (threeOutputs(series) % d.Cols) + 1;
        const int y = 2 * (threeOutputs(series) % d.Rows) + 1;
        return {x, y};
    }

private:
    static int threeOutputs(Series& series)
    {
        int s = 0;
        for (int i = 0; i < 3; ++i)
            s = s * M + AdvanceSeries(series, M);
        return s;
    }
};

struct HexRules {
    static constexpr MazeStyle Style = MazeStyle::Honeycomb;
    static constexpr int K = 6;
    static constexpr int R = 720;
    static constexpr int M = 727;
    static constexpr int ScoreFactor = 4;
    static constexpr const HexDirectionTable& Table = HexDirections;

    static Position solverStart(const GridDims&) { return {3, 2}; }
    static Position routeEnd(const GridDims& d) { return {d.MaxX - 3, d.MaxY - 2}; }
    static Position entrance(const GridDims&) { return {3, 0}; }
    static Position exit(const GridDims& d) { return {d.MaxX - 3, d.MaxY}; }

    // Cells, links and the hedge pieces beside the links start as 0; positions that belong
    // to no cell are open filler, which the carver never takes for an unvisited cell.
    static void fillInitialGrid(ByteGrid& page, const GridDims& d);

    static Position carverStart(Series& series, const GridDims& d)
    {
        const int c = AdvanceSeries(series, M) % d.Cols;
        const int v = AdvanceSeries(series, M);
        const int x = 4 * c + 3;
        const int y = (c % 2 == 1) ? 4 * (v % (d.Rows - 1)) + 4 : 4 * (v % d.Rows) + 2;
        return {x, y};
    }
};

} // namespace orbivane
