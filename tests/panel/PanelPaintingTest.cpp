#include "PanelPainting.h"

#include <gtest/gtest.h>

namespace zibpanel {
namespace {

TEST(BuildGradientTable, HundredPixelsGiveFiftyOneEntriesEachOneStepFurther)
{
    const QColor start(224, 224, 224);
    const QColor end(0, 128, 128); // &H808000
    const auto table = BuildGradientTable(start, end, 100 / 2);
    ASSERT_EQ(table.size(), 51u);
    // One step of (end - start) / 50 past the start: 224 - 4.48, 224 - 1.92.
    EXPECT_EQ(table[0], qRgb(220, 222, 222));
    // One step past the end, red limited at 0.
    EXPECT_EQ(table[50], qRgb(0, 126, 126));
    EXPECT_EQ(table[25], qRgb(108, 174, 174)); // 224 - 26 * 4.48 = 107.52
}

TEST(BuildGradientTable, ANoStepTableIsTheStartColour)
{
    const auto table = BuildGradientTable(QColor(10, 20, 30), QColor(200, 200, 200), 0);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0], qRgb(10, 20, 30));
}

TEST(BuildGradientTable, AChannelEndingAtZeroNeverGoesBelow)
{
    const auto table = BuildGradientTable(QColor(0, 0, 200), QColor(0, 0, 0), 7);
    for (QRgb entry : table)
        EXPECT_GE(qBlue(entry), 0);
    EXPECT_EQ(qBlue(table.back()), 0);
    EXPECT_EQ(qBlue(table.front()), 171); // 200 - 200/7 = 171.43
}

struct KeyCase {
    const char* caption;
    std::optional<char> key;
    const char* shown;
};

class AccessKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(AccessKeyTest, MarkersGiveTheKeyAndTheShownText)
{
    const auto& c = GetParam();
    const auto key = AccessKeyFromCaption(QString::fromUtf8(c.caption));
    EXPECT_EQ(key.has_value(), c.key.has_value());
    if (key && c.key) {
        EXPECT_EQ(*key, QLatin1Char(*c.key));
    }
    EXPECT_EQ(DisplayText(QString::fromUtf8(c.caption)), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Captions, AccessKeyTest,
                         testing::Values(KeyCase{"A&b&c", 'c', "Abc"},              // the second marker wins
                                         KeyCase{"&&x", std::nullopt, "&x"},        // doubled: shows one "&"
                                         KeyCase{"&Fichier", 'f', "Fichier"},       // lower-cased
                                         KeyCase{"Plain", std::nullopt, "Plain"},   //
                                         KeyCase{"Fin&", std::nullopt, "Fin"},      // a marker with nothing after it
                                         KeyCase{"&&a&B", 'b', "&aB"}));

struct PositionCase {
    int align;
    QPoint horizontal;
    QPoint vertical;
};

class CaptionPositionTest : public testing::TestWithParam<PositionCase> {};

// A 100 x 50 surface; a horizontal caption of 40 x 12, a vertical one 30 long and 12 thick.
TEST_P(CaptionPositionTest, PlacesTheCaptionByItsAlignment)
{
    const auto& c = GetParam();
    EXPECT_EQ(HorizontalCaptionPosition(c.align, 100, 50, 40, 12), c.horizontal);
    EXPECT_EQ(VerticalCaptionPosition(c.align, 100, 50, 30, 12), c.vertical);
}

INSTANTIATE_TEST_SUITE_P(Alignments, CaptionPositionTest,
                         testing::Values(PositionCase{0, {3, 2}, {0, 35}},     //
                                         PositionCase{2, {57, 2}, {88, 35}},   //
                                         PositionCase{4, {30, 19}, {44, 40}},  //
                                         PositionCase{7, {30, 36}, {44, 45}},  //
                                         PositionCase{8, {57, 36}, {88, 45}},  //
                                         PositionCase{9, {0, 0}, {0, 0}},      // outside the enumeration
                                         PositionCase{-1, {0, 0}, {0, 0}}));

} // namespace
} // namespace zibpanel
