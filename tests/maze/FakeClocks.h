#pragma once

#include "SecondsClock.h"

#include <utility>
#include <vector>

namespace orbivane::testing_support {

// Reads out the given times one after the other, then stays on the last.
class ScriptedClock final : public SecondsClock {
public:
    explicit ScriptedClock(std::vector<double> times) : times_(std::move(times)) {}
    double secondsSinceMidnight() override
    {
        const double t = times_[next_];
        if (next_ + 1 < times_.size())
            ++next_;
        ++reads_;
        return t;
    }
    int reads() const { return reads_; }

private:
    std::vector<double> times_;
    std::size_t next_ = 0;
    int reads_ = 0;
};

} // namespace orbivane::testing_support
