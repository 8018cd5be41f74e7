#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orbivane {

// Eight decimal digits d0..d7, each 0..9; d0 is the lowest digit of the counter.
using Digits = std::array<std::uint8_t, 8>;

// The two fixed tables of 100 digits; i -> 10 * DigitTableA[i] + DigitTableB[i] is a
// permutation of 0..99.
extern const std::array<std::uint8_t, 100> DigitTableA;
extern const std::array<std::uint8_t, 100> DigitTableB;

// The digits of a seed text: its first eight characters as Latin-1 bytes, each mod 10,
// right-aligned and padded on the left with 8. The text is UTF-8; a character outside
// Latin-1 (or a malformed byte) counts as '?'.
Digits SeedDigits(std::string_view seedUtf8);

// Eight passes through the digit tables, in place.
void MixDigits(Digits& d);

// Adds one to the counter d7..d0 in place; eight 9s wrap to eight 0s.
void NextDigits(Digits& d);

// The lagged additive series that drives the carver: eight values below its modulus.
struct Series {
    std::array<std::int16_t, 8> r{};

    // r_i = d_i + 1, values 1..10, below both moduli.
    static Series start(const Digits& d)
    {
        Series s;
        for (std::size_t i = 0; i < 8; ++i)
            s.r[i] = static_cast<std::int16_t>(d[i] + 1);
        return s;
    }
};

// One step of the series with modulus m; returns the new r7 (0..m-1).
inline int AdvanceSeries(Series& s, int m)
{
    int t = s.r[0];
    for (std::size_t i = 1; i < 8; ++i) {
        s.r[i - 1] = s.r[i];
        t += s.r[i];
        if (t >= m)
            t -= m; // every r stays below m, so one subtraction is enough
    }
    s.r[7] = static_cast<std::int16_t>(t);
    return t;
}

} // namespace orbivane
