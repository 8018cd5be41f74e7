#include "MazePalette.h"

#include <algorithm>
#include <cmath>

namespace orbivane {

namespace {

constexpr int RampLevels = 13;

std::uint8_t rampLevel(int i)
{
    return static_cast<std::uint8_t>(i * 256 / RampLevels);
}

// Nearest integer with halves to even, limited to a byte.
std::uint8_t channel(double level, double divisor)
{
    const double value = std::nearbyint(level / divisor);
    if (std::isnan(value) || value < 0)
        return 0;
    return static_cast<std::uint8_t>(std::min(value, 255.0));
}

} // namespace

Rgb MazePalette::colour(int index) const
{
    const int i = std::clamp(index, 0, 15);
    return PaletteMode ? Entries[static_cast<std::size_t>(i)] : ColourTable[static_cast<std::size_t>(i)];
}

MazePalette BuildMazePalette(int planes, int bitsPerPixel, int deviceColours, RampDivisors divisors)
{
    MazePalette palette;
    const int n = planes * bitsPerPixel;
    if (n >= 31 || n < 0)
        palette.PaletteMode = false;
    else
        palette.PaletteMode = (1LL << n) - deviceColours >= 16;

    for (int i = 0; i < RampLevels; ++i) {
        const double v = rampLevel(i);
        palette.Entries[static_cast<std::size_t>(i)] = {channel(v, divisors.R), channel(v, divisors.G), channel(v, divisors.B)};
        const std::uint8_t grey = rampLevel(i);
        palette.ColourTable[static_cast<std::size_t>(i)] = {grey, grey, grey};
    }
    palette.Entries[13] = {255, 255, 0};
    palette.Entries[14] = {0, 0, 255};
    palette.Entries[15] = {255, 0, 0};
    palette.ColourTable[13] = {255, 255, 0};
    palette.ColourTable[14] = {0, 255, 0};
    palette.ColourTable[15] = {255, 0, 0};
    return palette;
}

MazePalette BuildSurfacePalette(RampDivisors divisors)
{
    return BuildMazePalette(1, 24, -1, divisors);
}

} // namespace orbivane
