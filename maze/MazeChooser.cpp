#include "MazeChooser.h"

#include "BestCandidate.h"
#include "StyleRules.h"

namespace orbivane {

namespace {

void fitGrids(const GridDims& dims, ByteGrid& page, std::vector<StackRecord>& stack)
{
    if (page.maxX() != dims.MaxX || page.maxY() != dims.MaxY)
        page.resize(dims.MaxY, dims.MaxX);
    const auto records = static_cast<std::size_t>(dims.CellCount) + 1;
    if (stack.size() < records)
        stack.resize(records);
}

template <class Rules>
MazeChoice choose(std::string_view seed, const GridDims& dims, ByteGrid& page, std::vector<StackRecord>& stack,
                  double budget, SecondsClock& clock)
{
    fitGrids(dims, page, stack);
    Digits d = SeedDigits(seed);
    MixDigits(d);
    BestCandidate best(d, dims.CellCount, Rules::ScoreFactor);
    MazeChoice choice;
    const double t0 = clock.secondsSinceMidnight();
    for (;;) {
        Carve(Rules::Style, dims, d, page, stack);
        best.offer(d, Solve(Rules::Style, dims, page, stack));
        ++choice.candidates;
        NextDigits(d);
        const double elapsed = clock.secondsSinceMidnight() - t0;
        if (elapsed >= budget || elapsed < 0)
            break;
    }
    choice.digits = best.digits();
    Carve(Rules::Style, dims, choice.digits, page, stack);
    choice.route = Solve(Rules::Style, dims, page, stack);
    return choice;
}

} // namespace

MazeChoice ChooseSquareMaze(std::string_view seed, const GridDims& dims, ByteGrid& Page, std::vector<StackRecord>& Stack,
                            double budgetSeconds, SecondsClock& clock)
{
    return choose<SquareRules>(seed, dims, Page, Stack, budgetSeconds, clock);
}

MazeChoice ChooseHexMaze(std::string_view seed, const GridDims& dims, ByteGrid& Page, std::vector<StackRecord>& Stack,
                         double budgetSeconds, SecondsClock& clock)
{
    return choose<HexRules>(seed, dims, Page, Stack, budgetSeconds, clock);
}

MazeChoice ChooseMaze(MazeStyle style, std::string_view seed, const GridDims& dims, ByteGrid& Page,
                      std::vector<StackRecord>& Stack, double budgetSeconds, SecondsClock& clock)
{
    if (style == MazeStyle::Classic)
        return ChooseSquareMaze(seed, dims, Page, Stack, budgetSeconds, clock);
    return ChooseHexMaze(seed, dims, Page, Stack, budgetSeconds, clock);
}

} // namespace orbivane
