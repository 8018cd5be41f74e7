#include "FakeClocks.h"
#include "MazeChooser.h"
#include "MazeTool.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace orbivane {
namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun runTool(std::vector<std::string_view> args, SecondsClock& clock)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunMazeTool(args, out, err, clock);
    return {status, out.str(), err.str()};
}

ToolRun runTool(std::vector<std::string_view> args)
{
    testing_support::ScriptedClock clock({0.0, 10.0});
    return runTool(std::move(args), clock);
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

TEST(MazeTool, PrintsTheSummaryThenEveryPageRow)
{
    const ToolRun run = runTool({"--style", "classic", "--cols", "8", "--rows", "5", "--seed", "abc", "--candidates", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 1u + 11u); // summary, then MaxY + 1 rows
    EXPECT_EQ(rows[0], "digits 97772397 length 20 score 23 candidates 1 cols 8 rows 5");

    // The rows are the chooser's Page, row 0 (the far side, with the entrance) first.
    const GridDims dims = *GridDims::fromCells(MazeStyle::Classic, 8, 5);
    ByteGrid page;
    std::vector<StackRecord> stack;
    CandidateCountClock clock(1);
    ChooseSquareMaze("abc", dims, page, stack, CandidateCountClock::Budget, clock);
    for (int y = 0; y <= dims.MaxY; ++y) {
        std::string expected;
        for (int x = 0; x <= dims.MaxX; ++x)
            expected += static_cast<char>('0' + page(y, x));
        EXPECT_EQ(rows[static_cast<std::size_t>(y) + 1], expected) << "row " << y;
    }
    EXPECT_EQ(rows[1].substr(0, 3), "010");
}

TEST(MazeTool, AreaFollowsTheSizingRuleOfTheStyle)
{
    const ToolRun classic = runTool({"--style", "classic", "--area", "11520", "8640", "--seed", "s", "--candidates", "2"});
    ASSERT_EQ(classic.status, 0) << classic.err;
    EXPECT_NE(lines(classic.out)[0].find("candidates 2 cols 26 rows 19"), std::string::npos);

    const ToolRun wide = runTool({"--style", "honeycomb", "--area", "11520", "8640", "--seed", "s", "--candidates", "1",
                              "--cell", "0.5", "--thickness", "0.1"});
    ASSERT_EQ(wide.status, 0) << wide.err;
    EXPECT_NE(lines(wide.out)[0].find("cols 9 rows 6"), std::string::npos) << lines(wide.out)[0];
}

TEST(MazeTool, BudgetIsMeasuredOnTheClock)
{
    testing_support::ScriptedClock clock({0.0, 0.1, 0.2, 0.3});
    const ToolRun run = runTool({"--style", "honeycomb", "--cols", "5", "--rows", "3", "--seed", "abc", "--budget", "0.25"}, clock);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(lines(run.out)[0].find("candidates 3 "), std::string::npos);
}

struct BadInput {
    const char* name;
    std::vector<std::string_view> args;
    const char* mentions;
};

class MazeToolRefusal : public testing::TestWithParam<BadInput> {};

TEST_P(MazeToolRefusal, SaysWhyInOneLineAndPrintsNothing)
{
    const ToolRun run = runTool(GetParam().args);
    EXPECT_EQ(run.status, BadUsage);
    EXPECT_TRUE(run.out.empty());
    ASSERT_EQ(lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(GetParam().mentions), std::string::npos) << run.err;
}

const std::vector<std::string_view> seedAbc = {"--seed", "abc"};

std::vector<std::string_view> with(std::vector<std::string_view> args)
{
    args.insert(args.end(), seedAbc.begin(), seedAbc.end());
    return args;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, MazeToolRefusal,
    testing::Values(
        BadInput{"UnknownOption", with({"--style", "classic", "--cols", "4", "--rows", "4", "--colour", "red"}), "--colour"},
        BadInput{"UnknownStyle", with({"--style", "square", "--cols", "4", "--rows", "4"}), "square"},
        BadInput{"MissingValue", {"--style", "classic", "--cols", "4", "--rows", "4", "--seed"}, "--seed"},
        BadInput{"NonNumeric", with({"--style", "classic", "--cols", "four", "--rows", "4"}), "four"},
        BadInput{"TrailingJunk", with({"--style", "classic", "--cols", "4x", "--rows", "4"}), "4x"},
        BadInput{"StrayWord", with({"--style", "classic", "oops", "--cols", "4", "--rows", "4"}), "oops"},
        BadInput{"MissingStyle", with({"--cols", "4", "--rows", "4"}), "--style"},
        BadInput{"MissingSize", with({"--style", "classic"}), "--cols"},
        BadInput{"MissingRows", with({"--style", "classic", "--cols", "4"}), "--rows"},
        BadInput{"MissingSeed", {"--style", "classic", "--cols", "4", "--rows", "4"}, "--seed"},
        BadInput{"ClassicTooSmall", with({"--style", "classic", "--cols", "1", "--rows", "4"}), "at least 2 columns"},
        BadInput{"HoneycombTooFewRows", with({"--style", "honeycomb", "--cols", "3", "--rows", "1"}), "at least 3 columns and 2 rows"},
        BadInput{"HoneycombEvenColumns", with({"--style", "honeycomb", "--cols", "6", "--rows", "4"}), "odd"},
        BadInput{"TooLargeFor16Bits", with({"--style", "classic", "--cols", "300", "--rows", "300"}), "too large"},
        BadInput{"AreaTooLarge", with({"--style", "classic", "--area", "1e9", "1e9"}), "too large"},
        BadInput{"AreaNotPositive", with({"--style", "classic", "--area", "0", "100"}), "positive"},
        BadInput{"SizeGivenTwoWays", with({"--style", "classic", "--cols", "4", "--area", "100", "100"}), "give one of"},
        BadInput{"NoCandidates", with({"--style", "classic", "--cols", "4", "--rows", "4", "--candidates", "0"}), "at least 1"},
        BadInput{"NegativeBudget", with({"--style", "classic", "--cols", "4", "--rows", "4", "--budget", "-1"}), "negative"},
        BadInput{"CandidatesAndBudget",
                 with({"--style", "classic", "--cols", "4", "--rows", "4", "--candidates", "2", "--budget", "1"}), "not both"},
        BadInput{"NonPositiveCell", with({"--style", "classic", "--area", "100", "100", "--cell", "0"}), "--cell"},
        BadInput{"NotANumber", with({"--style", "classic", "--area", "nan", "100"}), "nan"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orbivane

namespace orbivane {
namespace {

class MazeToolPicture : public testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::path(testing::TempDir()) /
              ("orbivane-png-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        file = (dir / "maze.png").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::vector<std::string_view> args(std::vector<std::string_view> extra) const
    {
        std::vector<std::string_view> all{"--style", "honeycomb", "--seed", "x", "--candidates", "1", "--png", file};
        all.insert(all.end(), extra.begin(), extra.end());
        return all;
    }

    static int redPixels(const QImage& image)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(255, 0, 0);
        return count;
    }

    std::filesystem::path dir;
    std::string file;
};

TEST_F(MazeToolPicture, DrawsTheWholeClientAreaOfTheLayout)
{
    const ToolRun small = runTool(args({"--window", "small"}));
    ASSERT_EQ(small.status, 0) << small.err;
    QImage image(QString::fromStdString(file));
    ASSERT_EQ(image.size(), QSize(780, 585));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(0, 128, 128)); // the window colour
    EXPECT_EQ(redPixels(image), 0);
    // The text output is the same as without a picture.
    const ToolRun text = runTool({"--style", "honeycomb", "--seed", "x", "--candidates", "1", "--window", "small"});
    EXPECT_EQ(small.out, text.out);

    const ToolRun large = runTool(args({"--window", "large", "--solution", "--perspective", "60", "--divisors", "1,1,1"}));
    ASSERT_EQ(large.status, 0) << large.err;
    image.load(QString::fromStdString(file));
    ASSERT_EQ(image.size(), QSize(1000, 750));
    EXPECT_GT(redPixels(image), 100); // the route in colour 15
}

TEST_F(MazeToolPicture, RefusesBadValuesAndLeavesNoFile)
{
    const std::vector<std::vector<std::string_view>> refused = {
        {"--window", "small", "--perspective", "29"},
        {"--window", "small", "--perspective", "61"},
        {"--window", "small", "--height", "0"},
        {"--window", "small", "--height", "40"}, // as high as the maze is wide
        {"--window", "small", "--thickness", "-0.1"},
        {"--window", "small", "--cell", "0"},
        {"--window", "small", "--divisors", "2,1"},
        {"--window", "small", "--divisors", "2,1,3,4"},
        {"--window", "small", "--divisors", "a,b,c"},
        {"--window", "small", "--divisors", "2,0,3"},
        {"--window", "medium"},
        {"--cols", "5", "--rows", "3"}, // a picture needs a window layout
        {"--window", "small", "--area", "100", "100"},
    };
    for (const auto& extra : refused) {
        const ToolRun run = runTool(args(extra));
        EXPECT_EQ(run.status, BadUsage) << extra.back();
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
        EXPECT_FALSE(std::filesystem::exists(file)) << extra.back();
    }
}

TEST_F(MazeToolPicture, AnUnwritableFileIsAnErrorWithNothingLeft)
{
    const std::string missingDir = (dir / "no" / "such" / "maze.png").string();
    const ToolRun run = runTool({"--style", "classic", "--seed", "x", "--candidates", "1", "--window", "small", "--png", missingDir});
    EXPECT_EQ(run.status, BadUsage);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 0);
}

} // namespace
} // namespace orbivane
