#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orbivane {

// A two-dimensional byte array indexed (row y, column x) with bounds 0..MaxY and 0..MaxX,
// stored row after row so a row is one contiguous run.
class ByteGrid {
public:
    ByteGrid() = default;
    ByteGrid(int maxY, int maxX) { resize(maxY, maxX); }

    // Discards the old contents; every position becomes 0.
    void resize(int maxY, int maxX)
    {
        rowCount_ = maxY + 1;
        stride_ = maxX + 1;
        cells_.assign(static_cast<std::size_t>(rowCount_) * static_cast<std::size_t>(stride_), 0);
    }

    void clear() { resize(-1, -1); }

    std::uint8_t& operator()(int y, int x) { return cells_[index(y, x)]; }
    std::uint8_t operator()(int y, int x) const { return cells_[index(y, x)]; }

    bool contains(int y, int x) const { return y >= 0 && y < rowCount_ && x >= 0 && x < stride_; }
    int maxY() const { return rowCount_ - 1; }
    int maxX() const { return stride_ - 1; }
    int stride() const { return stride_; }
    bool empty() const { return cells_.empty(); }
    std::uint8_t* data() { return cells_.data(); }
    const std::uint8_t* data() const { return cells_.data(); }
    std::size_t size() const { return cells_.size(); }

    friend bool operator==(const ByteGrid&, const ByteGrid&) = default;

private:
    // Debug builds check every access; a read past a row's end would otherwise land in the next row.
    std::size_t index(int y, int x) const
    {
        assert(contains(y, x));
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_) + static_cast<std::size_t>(x);
    }

    int rowCount_ = 0;
    int stride_ = 0;
    std::vector<std::uint8_t> cells_;
};

} // namespace orbivane
