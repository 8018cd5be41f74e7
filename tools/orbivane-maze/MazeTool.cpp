#include "MazeTool.h"

#include "ArgReader.h"
#include "MazeChooser.h"
#include "MazeToolOptions.h"

#include <sstream>

namespace orbivane {

namespace {

bool readStyle(ArgReader& reader, MazeToolOptions& options)
{
    const auto name = reader.text("--style");
    if (!name)
        return false;
    if (*name == "classic")
        options.style = MazeStyle::Classic;
    else if (*name == "honeycomb")
        options.style = MazeStyle::Honeycomb;
    else
        reader.fail("--style must be classic or honeycomb, not '" + std::string(*name) + "'");
    return !reader.failed();
}

// Reads one option and its values; false once the command line is refused.
bool readOption(ArgReader& reader, std::string_view option, MazeToolOptions& options, bool& seedGiven,
                bool& budgetGiven)
{
    if (option == "--style")
        return readStyle(reader, options);
    if (option == "--cols" || option == "--rows") {
        if (std::holds_alternative<AreaTwips>(options.size)) {
            reader.fail("give either --cols and --rows or --area, not both");
            return false;
        }
        if (!std::holds_alternative<GridRequest>(options.size))
            options.size = GridRequest{};
        const auto value = reader.integer(option);
        auto& grid = std::get<GridRequest>(options.size);
        (option == "--cols" ? grid.Cols : grid.Rows) = value;
        return value.has_value();
    }
    if (option == "--area") {
        if (std::holds_alternative<GridRequest>(options.size)) {
            reader.fail("give either --cols and --rows or --area, not both");
            return false;
        }
        const auto width = reader.real(option);
        const auto height = width ? reader.real(option) : std::nullopt;
        if (!height)
            return false;
        if (*width <= 0 || *height <= 0) {
            reader.fail("--area needs a positive width and height in twips");
            return false;
        }
        options.size = AreaTwips{*width, *height};
        return true;
    }
    if (option == "--seed") {
        const auto seed = reader.text(option);
        seedGiven = seed.has_value();
        options.seed = std::string(seed.value_or(""));
        return seedGiven;
    }
    if (option == "--candidates") {
        options.candidates = reader.integer(option);
        if (options.candidates && *options.candidates < 1)
            reader.fail("--candidates needs at least 1");
        return !reader.failed();
    }
    if (option == "--budget") {
        const auto budget = reader.real(option);
        budgetGiven = budget.has_value();
        options.budget = budget.value_or(0);
        if (budget && *budget < 0)
            reader.fail("--budget must not be negative");
        return !reader.failed();
    }
    if (option == "--cell" || option == "--thickness") {
        const auto value = reader.real(option);
        if (!value)
            return false;
        const bool cell = option == "--cell";
        if (cell ? *value <= 0 : *value < 0) {
            reader.fail(std::string(option) + (cell ? " must be positive" : " must not be negative"));
            return false;
        }
        (cell ? options.cellSize : options.thickness) = *value;
        return true;
    }
    reader.fail("unknown option " + std::string(option));
    return false;
}

std::string checkComplete(const MazeToolOptions& options, bool styleGiven, bool seedGiven, bool budgetGiven)
{
    if (!styleGiven)
        return "missing --style classic|honeycomb";
    if (std::holds_alternative<std::monostate>(options.size))
        return "missing --cols and --rows, or --area";
    if (const auto* grid = std::get_if<GridRequest>(&options.size); grid && (!grid->Cols || !grid->Rows))
        return grid->Cols ? "missing --rows" : "missing --cols";
    if (!seedGiven)
        return "missing --seed";
    if (options.candidates && budgetGiven)
        return "give either --candidates or --budget, not both";
    return {};
}

std::string describeGridProblem(MazeStyle style, long long cols, long long rows)
{
    std::ostringstream text;
    if (cols < GridDims::minCols(style) || rows < GridDims::minRows(style)) {
        text << "a " << (style == MazeStyle::Classic ? "classic" : "honeycomb") << " grid needs at least "
             << GridDims::minCols(style) << " columns and " << GridDims::minRows(style) << " rows, not " << cols
             << " x " << rows;
    } else if (style == MazeStyle::Honeycomb && cols % 2 == 0) {
        text << "a honeycomb grid needs an odd number of columns, not " << cols;
    } else {
        text << "a grid of " << cols << " x " << rows << " cells is too large (limit 32767 for its dimensions)";
    }
    return text.str();
}

void printMaze(std::ostream& out, const MazeChoice& choice, const GridDims& dims, const ByteGrid& page)
{
    std::string line = "digits ";
    for (const auto digit : choice.digits)
        line += static_cast<char>('0' + digit);
    out << line << " length " << choice.route.length << " score " << choice.route.score << " candidates "
        << choice.candidates << " cols " << dims.Cols << " rows " << dims.Rows << '\n';
    std::string row(static_cast<std::size_t>(dims.MaxX) + 1, '0');
    for (int y = 0; y <= dims.MaxY; ++y) {
        for (int x = 0; x <= dims.MaxX; ++x)
            row[static_cast<std::size_t>(x)] = static_cast<char>('0' + page(y, x));
        out << row << '\n';
    }
}

} // namespace

std::variant<MazeToolOptions, std::string> ParseMazeToolOptions(std::span<const std::string_view> args)
{
    MazeToolOptions options;
    ArgReader reader(args);
    bool styleGiven = false;
    bool seedGiven = false;
    bool budgetGiven = false;
    while (!reader.atEnd()) {
        const std::string_view option = reader.nextOption();
        if (reader.failed() || !readOption(reader, option, options, seedGiven, budgetGiven))
            return reader.error();
        styleGiven = styleGiven || option == "--style";
    }
    if (auto problem = checkComplete(options, styleGiven, seedGiven, budgetGiven); !problem.empty())
        return problem;
    return options;
}

int RunMazeTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err, SecondsClock& clock)
{
    auto parsed = ParseMazeToolOptions(args);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        err << "orbivane-maze: " << *problem << '\n';
        return BadUsage;
    }
    const auto& options = std::get<MazeToolOptions>(parsed);

    CellCounts counts;
    if (const auto* grid = std::get_if<GridRequest>(&options.size))
        counts = {*grid->Cols, *grid->Rows};
    else
        counts = SizeGrid(options.style, std::get<AreaTwips>(options.size), options.cellSize, options.thickness);
    const auto dims = GridDims::fromCells(options.style, counts.Cols, counts.Rows);
    if (!dims) {
        err << "orbivane-maze: " << describeGridProblem(options.style, counts.Cols, counts.Rows) << '\n';
        return BadUsage;
    }

    ByteGrid page;
    std::vector<StackRecord> stack;
    CandidateCountClock countingClock(options.candidates.value_or(0));
    SecondsClock& chooserClock = options.candidates ? static_cast<SecondsClock&>(countingClock) : clock;
    const double budget = options.candidates ? CandidateCountClock::Budget : options.budget;
    const MazeChoice choice = ChooseMaze(options.style, options.seed, *dims, page, stack, budget, chooserClock);
    printMaze(out, choice, *dims, page);
    return 0;
}

} // namespace orbivane
