#pragma once

#include "Canvas.h"

#include <array>

namespace orbivane {

// The hedge colour as one divisor per channel of a grey ramp.
struct RampDivisors {
    double R = 2;
    double G = 1;
    double B = 3;
};

// The 16 maze colours: 0..12 shades of the hedge colour, 13 abandoned branch, 14 walked path,
// 15 solution route.
struct MazePalette {
    bool PaletteMode = false;         // true: the palette entries are drawn; false: ColourTable
    std::array<Rgb, 16> Entries{};    // the logical palette: the hedge-colour ramp
    std::array<Rgb, 17> ColourTable{}; // without a palette: greys; index 16 is never set

    Rgb colour(int index) const;
};

// Ramp indices of the faces.
namespace shade {
inline constexpr int Floor = 6;
inline constexpr int Front = 7;
inline constexpr int LeftSide = 10;
inline constexpr int RightSide = 4;
inline constexpr int Top = 12;
inline constexpr int Abandoned = 13;
inline constexpr int Path = 14;
inline constexpr int Solution = 15;
} // namespace shade

// Builds the palette for a display of planes x bitsPerPixel bits with deviceColours colours
// (-1 on displays of more than 8 bits). A divisor that would push a channel past 255 (only a
// hand-edited store holds one) is clamped to 255.
MazePalette BuildMazePalette(int planes, int bitsPerPixel, int deviceColours, RampDivisors divisors);

// The palette of a drawing surface without a hardware palette: it follows the palette path,
// so the hedge colour shows (index 14 is blue).
MazePalette BuildSurfacePalette(RampDivisors divisors);

} // namespace orbivane
