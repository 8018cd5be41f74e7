#include "NewMazeSequence.h"

#include "MazeChooser.h"

namespace orbivane {

bool RunNewMazeSequence(MazeState& state, MazeStyle style, AreaTwips area, SecondsClock& clock, double budgetSeconds)
{
    const CellCounts counts = SizeGrid(style, area, state.CellSize, state.HedgeThickness);
    const auto dims = GridDims::fromCells(style, counts.Cols, counts.Rows);
    if (!dims)
        return false;

    state.DepthAngleDeg = 92 - state.PerspectiveValue;
    state.Dims = *dims;
    state.Page.resize(dims->MaxY, dims->MaxX);
    state.Trail.resize(dims->MaxY, dims->MaxX);
    state.Stack.assign(static_cast<std::size_t>(dims->CellCount) + 1, StackRecord{});
    ChooseMaze(style, state.Seed, *dims, state.Page, state.Stack, budgetSeconds, clock);
    ResetWalk(state, style);
    state.NewMazeWanted = false;
    return true;
}

void ResetWalk(MazeState& state, MazeStyle style)
{
    const auto* page = state.Page.data();
    auto* trail = state.Trail.data();
    for (std::size_t i = 0; i < state.Page.size(); ++i)
        trail[i] = page[i] != cell::Hedge ? cell::Open : cell::Hedge;

    if (style == MazeStyle::Classic) {
        state.PosX = 1;
        state.PosY = 1;
        state.PosXf = (state.HedgeThickness + 1) / 2;
        state.PosYf = (state.HedgeThickness + 1) / 2;
    } else {
        state.PosX = 3;
        state.PosY = 2;
        state.PosXf = 1.0;
        state.PosYf = state.Sqrt3 / 2;
    }
    state.Trail(state.PosY, state.PosX) = cell::Route;
}

} // namespace orbivane
