#include "SeedText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orbivane {

std::string SeedFromSeconds(float secondsSinceMidnight)
{
    const double value = secondsSinceMidnight;
    const std::string sign = value < 0 ? "-" : " ";
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude))
        return sign + "0";

    // Fixed notation with enough decimals for seven significant digits.
    const int integerDigits = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::max(0, 7 - integerDigits);
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, decimals);
    if (error != std::errc())
        return sign + "0";
    std::string text(buffer.data(), end);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return sign + text;
}

} // namespace orbivane
