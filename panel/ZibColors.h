#pragma once

#include "ZibPanel6Export.h"

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace zibpanel {

// Colour values are 32-bit: with the high bit clear an RGB colour 0x00BBGGRR (red in the low
// byte); with it set, system colour n (0x80000000 + n), which takes its value from a palette.
inline constexpr std::uint32_t SystemColourBit = 0x80000000u;

// The colour a value stands for; system colours come from the palette (the application's by
// default). An unknown system colour is black.
ZIBPANEL6_EXPORT QColor TranslateColor(std::uint32_t value);
ZIBPANEL6_EXPORT QColor TranslateColor(std::uint32_t value, const QPalette& palette);

// The 0x00BBGGRR value of a colour.
ZIBPANEL6_EXPORT std::uint32_t ColorValue(const QColor& colour);

} // namespace zibpanel
