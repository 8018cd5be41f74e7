#pragma once

namespace orbivane {

// The timer the maze chooser measures its budget with: seconds since local midnight.
class SecondsClock {
public:
    virtual ~SecondsClock() = default;
    virtual double secondsSinceMidnight() = 0;
};

// The wall clock in local time.
class SystemSecondsClock final : public SecondsClock {
public:
    double secondsSinceMidnight() override;
};

// A clock that lets the chooser try exactly `candidates` candidates: it reads 0 when the
// chooser takes its start time and after each of the first candidates - 1, then 1 second.
class CandidateCountClock final : public SecondsClock {
public:
    explicit CandidateCountClock(long long candidates) : candidates_(candidates) {}
    double secondsSinceMidnight() override { return reads_++ < candidates_ ? 0.0 : 1.0; }

    // The budget to pass with this clock.
    static constexpr double Budget = 1.0;

private:
    long long candidates_;
    long long reads_ = 0;
};

} // namespace orbivane
