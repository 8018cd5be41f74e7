#include "DigitGenerator.h"

namespace orbivane {

const std::array<std::uint8_t, 100> DigitTableA = {
    4, 1, 2, 8, 8, 9, 9, 6, 5, 7, //
    2, 1, 2, 9, 8, 8, 6, 3, 5, 1, //
    9, 5, 4, 4, 9, 8, 6, 0, 8, 0, //
    6, 0, 2, 4, 1, 9, 2, 0, 7, 4, //
    7, 3, 0, 0, 2, 6, 8, 9, 4, 0, //
    8, 3, 2, 3, 2, 5, 2, 4, 6, 9, //
    7, 9, 1, 3, 5, 7, 1, 1, 4, 5, //
    8, 1, 6, 0, 5, 7, 8, 2, 3, 3, //
    7, 3, 5, 1, 7, 5, 4, 0, 3, 6, //
    3, 7, 7, 1, 9, 4, 0, 5, 6, 6, //
};

const std::array<std::uint8_t, 100> DigitTableB = {
    1, 2, 2, 1, 5, 5, 4, 6, 4, 6, //
    4, 4, 5, 6, 6, 3, 0, 9, 6, 5, //
    7, 2, 0, 9, 3, 4, 2, 3, 9, 1, //
    9, 9, 9, 3, 8, 9, 3, 4, 1, 5, //
    0, 5, 2, 7, 0, 8, 8, 0, 4, 5, //
    0, 3, 6, 8, 1, 7, 8, 8, 7, 1, //
    3, 2, 7, 7, 1, 8, 0, 3, 7, 5, //
    2, 6, 4, 0, 9, 9, 7, 7, 4, 6, //
    2, 0, 0, 1, 7, 3, 6, 6, 1, 1, //
    2, 4, 5, 9, 8, 2, 8, 8, 3, 5, //
};

namespace {

// Decodes one UTF-8 character at text[pos] into a Latin-1 byte, advancing pos.
std::uint8_t nextLatin1(std::string_view text, std::size_t& pos)
{
    constexpr std::uint8_t unknown = '?';
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    unsigned codePoint = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        codePoint = lead & 0x07;
    } else {
        return unknown; // a stray continuation byte or an invalid lead byte
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80)
            return unknown;
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return codePoint <= 0xFF ? static_cast<std::uint8_t>(codePoint) : unknown;
}

} // namespace

Digits SeedDigits(std::string_view seedUtf8)
{
    std::array<std::uint8_t, 8> codes{};
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < seedUtf8.size() && n < codes.size();)
        codes[n++] = nextLatin1(seedUtf8, pos);

    Digits d;
    d.fill(8);
    for (std::size_t i = 0; i < n; ++i)
        d[8 - n + i] = static_cast<std::uint8_t>(codes[i] % 10);
    return d;
}

void MixDigits(Digits& d)
{
    const auto& A = DigitTableA;
    const auto& B = DigitTableB;
    for (int pass = 0; pass < 8; ++pass) {
        const int i1 = 10 * d[1] + d[0];
        const int i2 = 10 * d[3] + d[2];
        const int i3 = 10 * d[5] + d[4];
        const int i4 = 10 * d[7] + d[6];
        d = Digits{B[i2], A[i3], B[i3], B[i1], A[i2], B[i4], A[i1], A[i4]};
    }
}

void NextDigits(Digits& d)
{
    for (auto& digit : d) {
        if (++digit <= 9)
            return;
        digit = 0;
    }
}

} // namespace orbivane
