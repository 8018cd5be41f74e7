// One full drawing run of the largest maze the program makes (large layout, cell 0.2 inch,
// thickness 0.2) on the Qt canvas, slice by slice as the window's timer runs it.
#include "DriverHost.h"
#include "DriverSlices.h"
#include "MazeWindowState.h"
#include "NewMazeSequence.h"
#include "QImageCanvas.h"
#include "TimerDispatch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace orbivane;

const WindowGeometry LargeWindow{1000, 750, 40, 21, 21};

class CountingCanvas final : public Canvas {
public:
    explicit CountingCanvas(Canvas& inner) : inner_(inner) {}
    void fillPolygon(std::span<const Point> points, int colourIndex) override
    {
        ++polygons;
        inner_.fillPolygon(points, colourIndex);
    }
    void drawLine(Point from, Point to, int colourIndex) override { inner_.drawLine(from, to, colourIndex); }
    void clear(Rgb colour) override { inner_.clear(colour); }
    long long polygons = 0;

private:
    Canvas& inner_;
};

class BenchHost final : public QuietDriverHost {
public:
    BenchHost(Canvas& canvas, MazeStyle style) : canvas_(canvas), style_(style) {}
    Canvas& canvas() override { return canvas_; }
    SecondsClock& clock() override { return clock_; }
    WindowGeometry geometry() const override { return LargeWindow; }
    bool honeycombSelected() const override { return style_ == MazeStyle::Honeycomb; }
    void setTimerEnabled(bool enabled) override { armed = enabled; }
    void clearSurface() override { canvas_.clear({0, 128, 128}); }
    bool armed = false;

private:
    Canvas& canvas_;
    MazeStyle style_;
    CandidateCountClock clock_{1};
};

void drawingRun(benchmark::State& bench, MazeStyle style)
{
    MazeWindowState state;
    state.Maze.CellSize = 0.2;
    state.Maze.HedgeThickness = 0.2;
    state.Maze.Seed = " 43200.5";
    CandidateCountClock clock(1);
    RunNewMazeSequence(state.Maze, style, DrawingAreaTwips(LargeWindow), clock, CandidateCountClock::Budget);

    QImage image(LargeWindow.InnerWidth, LargeWindow.InnerHeight, QImage::Format_RGB32);
    QImageCanvas qtCanvas(image, state.Palette);
    CountingCanvas canvas(qtCanvas);
    BenchHost host(canvas, style);
    double longestSlice = 0;
    long long slices = 0;
    for (auto _ : bench) {
        state.Maze.Phase = phase::Start;
        state.Maze.ViewDirty = true;
        do {
            host.armed = false;
            const auto start = std::chrono::steady_clock::now();
            TimerTick(state, host);
            qtCanvas.flush(); // the window shows the surface after every slice
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            longestSlice = std::max(longestSlice, took.count());
            ++slices;
        } while (host.armed);
    }
    const auto runs = static_cast<double>(bench.iterations());
    bench.counters["cols"] = state.Maze.Dims.Cols;
    bench.counters["rows"] = state.Maze.Dims.Rows;
    bench.counters["polygons_per_run"] = static_cast<double>(canvas.polygons) / runs;
    bench.counters["slices_per_run"] = static_cast<double>(slices) / runs;
    bench.counters["longest_slice_ms"] = longestSlice;
}

void BM_DrawLargestClassic(benchmark::State& state) { drawingRun(state, MazeStyle::Classic); }
void BM_DrawLargestHoneycomb(benchmark::State& state) { drawingRun(state, MazeStyle::Honeycomb); }

BENCHMARK(BM_DrawLargestClassic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLargestHoneycomb)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
