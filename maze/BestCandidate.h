#pragma once

#include "DigitGenerator.h"
#include "MazeCarver.h"

namespace orbivane {

// The chooser's rule: among the candidates whose route visits at least a third of the cells,
// the lowest score wins, then the longer route; on a full tie the earlier candidate stays.
// With no qualifying candidate the first candidate's digits are kept.
class BestCandidate {
public:
    BestCandidate(const Digits& first, int cellCount, int scoreFactor)
        : digits_(first), cellCount_(cellCount), score_(scoreFactor * cellCount + 1)
    {
    }

    void offer(const Digits& digits, SolveResult result)
    {
        if (3 * result.length < cellCount_)
            return;
        if (result.score < score_ || (result.score == score_ && result.length > length_)) {
            score_ = result.score;
            length_ = result.length;
            digits_ = digits;
        }
    }

    const Digits& digits() const { return digits_; }

private:
    Digits digits_;
    int cellCount_;
    int score_;
    int length_ = 0;
};

} // namespace orbivane
