// One carve and solve of a candidate, as the chooser does it many times in its budget.
#include "DigitGenerator.h"
#include "GridDims.h"
#include "MazeCarver.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace orbivane;

void carveAndSolve(benchmark::State& state, MazeStyle style, int cols, int rows)
{
    const GridDims dims = *GridDims::fromCells(style, cols, rows);
    ByteGrid page(dims.MaxY, dims.MaxX);
    std::vector<StackRecord> stack(static_cast<std::size_t>(dims.CellCount) + 1);
    Digits digits = SeedDigits(" 43200.5");
    MixDigits(digits);
    for (auto _ : state) {
        Carve(style, dims, digits, page, stack);
        benchmark::DoNotOptimize(Solve(style, dims, page, stack));
        NextDigits(digits);
    }
    state.counters["cells/s"] = benchmark::Counter(static_cast<double>(dims.CellCount) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["candidates_per_250ms"] =
        benchmark::Counter(0.25 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Classic26x19(benchmark::State& state) { carveAndSolve(state, MazeStyle::Classic, 26, 19); }
void BM_Honeycomb25x19(benchmark::State& state) { carveAndSolve(state, MazeStyle::Honeycomb, 25, 19); }
void BM_Honeycomb31x23(benchmark::State& state) { carveAndSolve(state, MazeStyle::Honeycomb, 31, 23); }

BENCHMARK(BM_Classic26x19);
BENCHMARK(BM_Honeycomb25x19);
BENCHMARK(BM_Honeycomb31x23);

} // namespace

BENCHMARK_MAIN();
