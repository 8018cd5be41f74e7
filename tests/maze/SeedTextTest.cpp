#include "DigitGenerator.h"
#include "SeedText.h"

#include <gtest/gtest.h>

namespace orbivane {
namespace {

struct SeedTextCase {
    float seconds;
    const char* text;

    friend std::ostream& operator<<(std::ostream& os, const SeedTextCase& c) { return os << c.text; }
};

class SeedTextTest : public testing::TestWithParam<SeedTextCase> {};

TEST_P(SeedTextTest, FormatsLikeTheClock)
{
    EXPECT_EQ(SeedFromSeconds(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Times, SeedTextTest,
                         testing::Values(SeedTextCase{43200.5f, " 43200.5"},   //
                                         SeedTextCase{43200.3f, " 43200.3"},   // single precision, 7 digits
                                         SeedTextCase{86399.99f, " 86399.99"}, //
                                         SeedTextCase{7.0f, " 7"},             // no trailing zeros or point
                                         SeedTextCase{12.345678f, " 12.34568"},
                                         SeedTextCase{9.9999999f, " 10"},      // rounding carries
                                         SeedTextCase{0.015625f, " 0.015625"}, // never an exponent
                                         SeedTextCase{0.0f, " 0"}));

TEST(SeedText, LeadingSpaceGivesTheDigitTwo)
{
    EXPECT_EQ(SeedDigits(SeedFromSeconds(51234.25f))[0], 2);
}

} // namespace
} // namespace orbivane
