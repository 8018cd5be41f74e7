#include "TimerDispatch.h"

#include "HexDriver.h"
#include "SquareDriver.h"

namespace orbivane {

namespace {

// Passes everything to the real host but keeps the timer to itself.
class TimerCapture final : public DriverHost {
public:
    explicit TimerCapture(DriverHost& host) : host_(host) {}

    bool armed = false;

    Canvas& canvas() override { return host_.canvas(); }
    SecondsClock& clock() override { return host_.clock(); }
    WindowGeometry geometry() const override { return host_.geometry(); }
    bool honeycombSelected() const override { return host_.honeycombSelected(); }
    void yield() override { host_.yield(); }
    void setTimerEnabled(bool enabled) override { armed = enabled; }
    void paletteOn() override { host_.paletteOn(); }
    void paletteOff() override { host_.paletteOff(); }
    void clearSurface() override { host_.clearSurface(); }
    void replayPath(MazeStyle style) override { host_.replayPath(style); }
    void drawSolution(MazeStyle style) override { host_.drawSolution(style); }
    void congratulate() override { host_.congratulate(); }
    void enableEraseAndSolution() override { host_.enableEraseAndSolution(); }

private:
    DriverHost& host_;
};

} // namespace

void TimerTick(MazeWindowState& state, DriverHost& host)
{
    host.setTimerEnabled(false);
    if (host.honeycombSelected())
        DrawHexMaze(state, host);
    else
        DrawSquareMaze(state, host);
}

int RunDrawingToEnd(MazeWindowState& state, DriverHost& host)
{
    state.Maze.ViewDirty = true;
    state.Maze.Phase = phase::Start;
    state.Maze.DrawingActive = true;
    TimerCapture capture(host);
    int slices = 0;
    do {
        capture.armed = false;
        TimerTick(state, capture);
        ++slices;
    } while (capture.armed);
    return slices;
}

} // namespace orbivane
