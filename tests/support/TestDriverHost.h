#pragma once

#include "DriverHost.h"
#include "RecordingCanvas.h"

#include <functional>
#include <vector>

namespace orbivane::testing_support {

// A host for the drivers that records what they ask of the window. onYield runs inside every
// yield, as the window's event handlers would.
class TestDriverHost final : public DriverHost {
public:
    explicit TestDriverHost(Canvas& canvas, bool honeycomb = false) : canvas_(canvas), honeycomb_(honeycomb) {}

    Canvas& canvas() override { return canvas_; }
    SecondsClock& clock() override { return clock_; }
    WindowGeometry geometry() const override { return geometryValue; }
    bool honeycombSelected() const override { return honeycomb_; }
    void yield() override
    {
        ++yields;
        if (onYield)
            onYield(yields);
    }
    void setTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void paletteOn() override { ++paletteOns; }
    void paletteOff() override { ++paletteOffs; }
    void clearSurface() override { ++clears; }
    void replayPath(MazeStyle) override { finalActions.push_back("replay"); }
    void drawSolution(MazeStyle) override { finalActions.push_back("solution"); }
    void congratulate() override { finalActions.push_back("congratulate"); }
    void enableEraseAndSolution() override { finalActions.push_back("enable"); }

    WindowGeometry geometryValue{780, 585, 40, 21, 21};
    std::function<void(int yieldNumber)> onYield;
    bool timerEnabled = false;
    int yields = 0;
    int paletteOns = 0;
    int paletteOffs = 0;
    int clears = 0;
    std::vector<const char*> finalActions;

private:
    Canvas& canvas_;
    bool honeycomb_;
    CandidateCountClock clock_{5};
};

} // namespace orbivane::testing_support
