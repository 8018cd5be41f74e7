#pragma once

#include "Canvas.h"

#include <vector>

namespace orbivane::testing_support {

// Keeps every drawing call in order, for tests to read back.
class RecordingCanvas final : public Canvas {
public:
    struct Polygon {
        std::vector<Point> points;
        int colour = 0;
    };
    struct Line {
        Point from;
        Point to;
        int colour = 0;
    };

    void fillPolygon(std::span<const Point> points, int colourIndex) override
    {
        polygons.push_back({{points.begin(), points.end()}, colourIndex});
        ++calls;
    }
    void drawLine(Point from, Point to, int colourIndex) override
    {
        lines.push_back({from, to, colourIndex});
        ++calls;
    }
    void clear(Rgb colour) override
    {
        clears.push_back(colour);
        ++calls;
    }

    std::vector<int> colours() const
    {
        std::vector<int> result;
        for (const auto& p : polygons)
            result.push_back(p.colour);
        return result;
    }

    void reset() { *this = RecordingCanvas(); }

    std::vector<Polygon> polygons;
    std::vector<Line> lines;
    std::vector<Rgb> clears;
    int calls = 0;
};

} // namespace orbivane::testing_support
