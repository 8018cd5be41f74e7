#pragma once

#include "SecondsClock.h"

namespace orbivane::testing_support {

// A clock that moves on by a fixed step at every reading, so the maze chooser tries exactly
// one candidate (with a step past its budget) and every new maze gets a fresh seed.
class SteppingClock final : public SecondsClock {
public:
    explicit SteppingClock(double start = 1000.0, double step = 1.0) : now_(start), step_(step) {}
    double secondsSinceMidnight() override
    {
        const double t = now_;
        now_ += step_;
        return t;
    }

private:
    double now_;
    double step_;
};

} // namespace orbivane::testing_support
