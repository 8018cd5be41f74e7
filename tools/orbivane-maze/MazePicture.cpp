#include "MazePicture.h"

#include "DriverHost.h"
#include "MazeWindowState.h"
#include "NewMazeSequence.h"
#include "PathDrawing.h"
#include "Projection.h"
#include "QImageCanvas.h"
#include "TimerDispatch.h"

#include <QSaveFile>

namespace orbivane {

namespace {

// The window colour the client area is cleared to: &H808000.
constexpr Rgb WindowBack = Rgb::fromBgr(0x808000);

class PictureHost final : public QuietDriverHost {
public:
    PictureHost(Canvas& canvas, const MazeWindowState& state, MazeStyle style, WindowGeometry geometry)
        : canvas_(canvas), state_(state), style_(style), geometry_(geometry)
    {
    }

    Canvas& canvas() override { return canvas_; }
    SecondsClock& clock() override { return clock_; }
    WindowGeometry geometry() const override { return geometry_; }
    bool honeycombSelected() const override { return style_ == MazeStyle::Honeycomb; }
    void clearSurface() override { canvas_.clear(WindowBack); }
    void drawSolution(MazeStyle style) override
    {
        const MazeState& maze = state_.Maze;
        if (style == MazeStyle::Classic)
            DrawSquareSolution(canvas_, state_.ViewParams, maze.Page, maze.Dims, maze.HedgeThickness);
        else
            DrawHexSolution(canvas_, state_.ViewParams, maze.Page, maze.Dims);
    }

private:
    Canvas& canvas_;
    const MazeWindowState& state_;
    MazeStyle style_;
    WindowGeometry geometry_;
    CandidateCountClock clock_{1}; // the maze is made before the run
};

} // namespace

std::string CheckPicture(const MazeToolOptions& options, const GridDims& dims)
{
    const double width = ModelWidthOf(options.style, dims, options.thickness);
    if (options.picture.height >= width)
        return "--height " + std::to_string(options.picture.height) + " reaches the maze's width " + std::to_string(width) +
               ": the hedges would hide it";
    return {};
}

std::string WritePicture(const MazeToolOptions& options, MazeState& maze)
{
    const WindowGeometry geometry = std::get<WindowLayout>(options.size).geometry;
    MazeWindowState state;
    state.Maze = std::move(maze);
    state.Maze.CellSize = options.cellSize;
    state.Maze.HedgeThickness = options.thickness;
    state.Maze.HedgeHeight = options.picture.height;
    state.Maze.PerspectiveValue = static_cast<std::int16_t>(options.picture.perspective);
    state.Maze.DepthAngleDeg = 92 - options.picture.perspective;
    state.Maze.Trail.resize(state.Maze.Dims.MaxY, state.Maze.Dims.MaxX);
    ResetWalk(state.Maze, options.style);
    state.Maze.SolutionShown = options.picture.solution;
    state.Divisors = options.picture.divisors;
    state.Palette = BuildSurfacePalette(state.Divisors);

    QImage image(geometry.InnerWidth, geometry.InnerHeight, QImage::Format_RGB32);
    {
        QImageCanvas canvas(image, state.Palette);
        canvas.clear(WindowBack);
        PictureHost host(canvas, state, options.style, geometry);
        RunDrawingToEnd(state, host);
    }
    maze = std::move(state.Maze);

    QSaveFile file(QString::fromStdString(*options.png));
    if (!file.open(QIODevice::WriteOnly))
        return "cannot write " + *options.png + ": " + file.errorString().toStdString();
    if (!image.save(&file, "PNG") || !file.commit())
        return "cannot write " + *options.png + ": " + file.errorString().toStdString();
    return {};
}

} // namespace orbivane
