#pragma once

#include "Canvas.h"
#include "MazeStyle.h"
#include "SecondsClock.h"
#include "View.h"

namespace orbivane {

// What a drawing slice needs from the window it draws in.
class DriverHost {
public:
    virtual ~DriverHost() = default;

    virtual Canvas& canvas() = 0;
    virtual SecondsClock& clock() = 0;
    virtual WindowGeometry geometry() const = 0;
    // True when the first style item is captioned "Nid d'abeilles «".
    virtual bool honeycombSelected() const = 0;

    // Lets the pending window events run; their handlers may change Phase and the flags.
    virtual void yield() = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
    // Around the drawing of a slice: the maze palette is selected, then the previous one back.
    virtual void paletteOn() = 0;
    virtual void paletteOff() = 0;
    virtual void clearSurface() = 0;

    // The final actions of a run.
    virtual void replayPath(MazeStyle style) = 0;
    virtual void drawSolution(MazeStyle style) = 0;
    virtual void congratulate() = 0;
    virtual void enableEraseAndSolution() = 0;
};

// A host whose window-side actions do nothing; tools and tests override what they need.
class QuietDriverHost : public DriverHost {
public:
    void yield() override {}
    void setTimerEnabled(bool) override {}
    void paletteOn() override {}
    void paletteOff() override {}
    void replayPath(MazeStyle) override {}
    void drawSolution(MazeStyle) override {}
    void congratulate() override {}
    void enableEraseAndSolution() override {}
};

} // namespace orbivane
