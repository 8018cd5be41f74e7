#include "DigitGenerator.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace orbivane {
namespace {

Digits digits(std::string_view text)
{
    Digits d{};
    for (std::size_t i = 0; i < 8; ++i)
        d[i] = static_cast<std::uint8_t>(text[i] - '0');
    return d;
}

TEST(DigitTables, EachDigitTenTimesAndAllPairsDistinct)
{
    for (const auto* table : {&DigitTableA, &DigitTableB}) {
        std::vector<int> counts(10, 0);
        for (auto v : *table)
            ++counts.at(v);
        EXPECT_EQ(counts, std::vector<int>(10, 10));
    }
    std::set<int> pairs;
    for (std::size_t i = 0; i < 100; ++i)
        pairs.insert(10 * DigitTableA[i] + DigitTableB[i]);
    EXPECT_EQ(pairs.size(), 100u);
}

TEST(DigitGenerator, WorkedExampleAbc)
{
    Digits d = SeedDigits("abc");
    EXPECT_EQ(d, digits("88888789"));
    MixDigits(d);
    EXPECT_EQ(d, digits("97772397"));

    Series classic = Series::start(d);
    std::vector<int> outputs;
    for (int i = 0; i < 6; ++i)
        outputs.push_back(AdvanceSeries(classic, 29));
    EXPECT_EQ(outputs, (std::vector<int>{1, 21, 5, 2, 25, 18}));

    Series honeycomb = Series::start(d);
    outputs.clear();
    for (int i = 0; i < 4; ++i)
        outputs.push_back(AdvanceSeries(honeycomb, 727));
    EXPECT_EQ(outputs, (std::vector<int>{59, 108, 208, 408}));

    NextDigits(d);
    EXPECT_EQ(d, digits("08772397"));
}

struct SeedCase {
    const char* seed;
    const char* expected;
};

class SeedDigitsTest : public testing::TestWithParam<SeedCase> {};

TEST_P(SeedDigitsTest, RightAlignsLatin1CodesModTen)
{
    EXPECT_EQ(SeedDigits(GetParam().seed), digits(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeedDigitsTest,
                         testing::Values(SeedCase{"", "88888888"},               // nothing: eight 8s
                                         SeedCase{" 43200.5", "22108863"},       // the leading space gives 2
                                         SeedCase{"abcdefghij", "78901234"},     // only the first eight count
                                         SeedCase{"\xC3\xBF", "88888885"},       // U+00FF is Latin-1 byte 255
                                         SeedCase{"\xC4\x80", "88888883"},       // U+0100 is outside: '?'
                                         SeedCase{"\xFF" "a", "88888837"},      // a malformed byte counts as '?'
                                         SeedCase{"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9" "9",
                                                  "33333333"})); // eight characters, not eight bytes

TEST(DigitGenerator, NextDigitsCarriesAndWraps)
{
    Digits d = digits("99300000");
    NextDigits(d);
    EXPECT_EQ(d, digits("00400000"));
    d = digits("99999999");
    NextDigits(d);
    EXPECT_EQ(d, digits("00000000"));
}

TEST(DigitGenerator, MixDigitsStaysInRangeAndIsDeterministic)
{
    Digits d = digits("00000000");
    for (int i = 0; i < 20000; ++i) {
        Digits once = d;
        Digits twice = d;
        MixDigits(once);
        MixDigits(twice);
        ASSERT_EQ(once, twice);
        for (auto v : once)
            ASSERT_LE(v, 9);
        for (int k = 0; k < 4999; ++k) // stride through the counter's range
            NextDigits(d);
    }
}

TEST(DigitGenerator, SeriesStaysBelowModulus)
{
    for (int m : {29, 727}) {
        Series s = Series::start(digits("99999999"));
        for (int i = 0; i < 10000; ++i) {
            const int out = AdvanceSeries(s, m);
            ASSERT_GE(out, 0);
            ASSERT_LT(out, m);
        }
    }
}

} // namespace
} // namespace orbivane
