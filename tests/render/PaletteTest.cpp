#include "MazePalette.h"

#include <gtest/gtest.h>

namespace orbivane {
namespace {

TEST(MazePalette, DefaultDivisorsGiveTheGreenRamp)
{
    const MazePalette palette = BuildMazePalette(1, 24, -1, {2, 1, 3});
    ASSERT_TRUE(palette.PaletteMode);
    EXPECT_EQ(palette.colour(12), (Rgb{118, 236, 79}));
    EXPECT_EQ(palette.colour(7), (Rgb{68, 137, 46})); // 68.5 rounds to even
    EXPECT_EQ(palette.colour(13), (Rgb{255, 255, 0}));
    EXPECT_EQ(palette.colour(14), (Rgb{0, 0, 255}));
    EXPECT_EQ(palette.colour(15), (Rgb{255, 0, 0}));
}

TEST(MazePalette, IndexZeroIsBlackWhateverTheDivisors)
{
    for (RampDivisors d : {RampDivisors{1, 1, 1}, RampDivisors{4, 2, 1}, RampDivisors{0.5, 3, 0}})
        EXPECT_EQ(BuildMazePalette(1, 24, -1, d).colour(0), (Rgb{0, 0, 0}));
}

TEST(MazePalette, ThirtyTwoBitDisplaysDrawGreys)
{
    const MazePalette palette = BuildMazePalette(1, 32, -1, {2, 1, 3});
    EXPECT_FALSE(palette.PaletteMode);
    const int levels[] = {0, 19, 39, 59, 78, 98, 118, 137, 157, 177, 196, 216, 236};
    for (int i = 0; i < 13; ++i) {
        const auto v = static_cast<std::uint8_t>(levels[i]);
        EXPECT_EQ(palette.colour(i), (Rgb{v, v, v})) << i;
    }
    EXPECT_EQ(palette.colour(14), (Rgb{0, 255, 0})); // green without a palette
}

struct DisplayCase {
    int planes;
    int bits;
    int colours;
    bool paletteMode;
};

class DisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTest, UsesThePaletteWhenSixteenEntriesAreFree)
{
    const auto& c = GetParam();
    EXPECT_EQ(BuildMazePalette(c.planes, c.bits, c.colours, {}).PaletteMode, c.paletteMode);
}

INSTANTIATE_TEST_SUITE_P(Displays, DisplayTest,
                         testing::Values(DisplayCase{1, 8, 20, true},   // 256 - 20 system colours
                                         DisplayCase{1, 16, -1, true},  //
                                         DisplayCase{1, 24, -1, true},  //
                                         DisplayCase{1, 32, -1, false}, //
                                         DisplayCase{4, 1, 16, false},  // 16 colours, none free
                                         DisplayCase{1, 4, 16, false}));

TEST(MazePalette, SmallDivisorsClampAt255)
{
    const MazePalette palette = BuildMazePalette(1, 24, -1, {0.5, 0.9, 1});
    EXPECT_EQ(palette.colour(12), (Rgb{255, 255, 236}));
    EXPECT_EQ(palette.colour(6), (Rgb{236, 131, 118}));
}

} // namespace
} // namespace orbivane
