#pragma once

#include <cstdint>
#include <span>

namespace orbivane {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;

    // A colour value in the 0x00BBGGRR convention (red in the low byte).
    static constexpr Rgb fromBgr(std::uint32_t value)
    {
        return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
                static_cast<std::uint8_t>((value >> 16) & 0xFF)};
    }
};

// The surface the maze is drawn on. Colours are the maze colour indices 0..15; the canvas
// resolves them.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Fills a convex polygon of 3 or 4 points, without outline, with alternate filling; it covers
    // the pixels a polygon region covers (right and bottom edges excluded).
    virtual void fillPolygon(std::span<const Point> points, int colourIndex) = 0;
    // A 2-pixel line from one pixel to another; the end pixel itself is not set.
    virtual void drawLine(Point from, Point to, int colourIndex) = 0;
    virtual void clear(Rgb colour) = 0;
};

} // namespace orbivane
