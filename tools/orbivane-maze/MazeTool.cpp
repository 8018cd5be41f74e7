#include "MazeTool.h"

#include "ArgReader.h"
#include "DriverSlices.h"
#include "MazeChooser.h"
#include "MazePicture.h"
#include "MazeToolOptions.h"

#include <charconv>
#include <sstream>

namespace orbivane {

namespace {

// What the command line has said so far, beyond the options' values.
struct Given {
    bool style = false;
    bool seed = false;
    bool budget = false;
};

constexpr const char* SizeTwice = "give one of --cols and --rows, --area or --window";

bool sizeTaken(const MazeToolOptions& options, std::size_t allowed)
{
    return !std::holds_alternative<std::monostate>(options.size) && options.size.index() != allowed;
}

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

bool readGridSide(ArgReader& reader, std::string_view option, MazeToolOptions& options)
{
    if (sizeTaken(options, 1)) {
        reader.fail(SizeTwice);
        return false;
    }
    if (!std::holds_alternative<GridRequest>(options.size))
        options.size = GridRequest{};
    const auto value = reader.integer(option);
    auto& grid = std::get<GridRequest>(options.size);
    (option == "--cols" ? grid.Cols : grid.Rows) = value;
    return value.has_value();
}

bool readArea(ArgReader& reader, MazeToolOptions& options)
{
    if (sizeTaken(options, 2)) {
        reader.fail(SizeTwice);
        return false;
    }
    const auto width = reader.real("--area");
    const auto height = width ? reader.real("--area") : std::nullopt;
    if (!height)
        return false;
    if (*width <= 0 || *height <= 0) {
        reader.fail("--area needs a positive width and height in twips");
        return false;
    }
    options.size = AreaTwips{*width, *height};
    return true;
}

bool readWindow(ArgReader& reader, MazeToolOptions& options)
{
    if (sizeTaken(options, 3)) {
        reader.fail(SizeTwice);
        return false;
    }
    const auto name = reader.text("--window");
    if (!name)
        return false;
    if (*name == "small")
        options.size = WindowLayout{{780, 585, 40, 21, 21}};
    else if (*name == "large")
        options.size = WindowLayout{{1000, 750, 40, 21, 21}};
    else
        reader.fail("--window must be small or large, not '" + std::string(*name) + "'");
    return !reader.failed();
}

// A positive real number for a size option.
bool readSize(ArgReader& reader, std::string_view option, double& target)
{
    const auto value = reader.real(option);
    if (!value)
        return false;
    if (*value <= 0) {
        reader.fail(std::string(option) + " must be positive");
        return false;
    }
    target = *value;
    return true;
}

bool readDivisors(ArgReader& reader, RampDivisors& divisors)
{
    const auto text = reader.text("--divisors");
    if (!text)
        return false;
    double values[3] = {};
    const char* at = text->data();
    const char* end = text->data() + text->size();
    for (int i = 0; i < 3; ++i) {
        const auto [next, error] = std::from_chars(at, end, values[i]);
        const bool separatorOk = i < 2 ? (next != end && *next == ',') : next == end;
        if (error != std::errc() || !separatorOk || !(values[i] > 0) || values[i] > 1e6) {
            reader.fail("--divisors needs three positive numbers R,G,B, not '" + std::string(*text) + "'");
            return false;
        }
        at = next + 1;
    }
    divisors = {values[0], values[1], values[2]};
    return true;
}

bool readPerspective(ArgReader& reader, PictureOptions& picture)
{
    const auto value = reader.integer("--perspective");
    if (!value)
        return false;
    if (*value < 30 || *value > 60) {
        reader.fail("--perspective must be from 30 to 60, not " + std::to_string(*value));
        return false;
    }
    picture.perspective = static_cast<int>(*value);
    return true;
}

bool readPictureOption(ArgReader& reader, std::string_view option, MazeToolOptions& options)
{
    if (option == "--png") {
        const auto path = reader.text(option);
        if (path && path->empty())
            reader.fail("--png needs a file name");
        if (path)
            options.png = std::string(*path);
        return !reader.failed();
    }
    if (option == "--window")
        return readWindow(reader, options);
    if (option == "--perspective")
        return readPerspective(reader, options.picture);
    if (option == "--height")
        return readSize(reader, option, options.picture.height);
    if (option == "--divisors")
        return readDivisors(reader, options.picture.divisors);
    if (option == "--solution") {
        options.picture.solution = true;
        return true;
    }
    reader.fail("unknown option " + std::string(option));
    return false;
}

bool readOption(ArgReader& reader, std::string_view option, MazeToolOptions& options, Given& given)
{
    if (option == "--style") {
        given.style = true;
        return readStyle(reader, options);
    }
    if (option == "--cols" || option == "--rows")
        return readGridSide(reader, option, options);
    if (option == "--area")
        return readArea(reader, options);
    if (option == "--seed") {
        const auto seed = reader.text(option);
        given.seed = seed.has_value();
        options.seed = std::string(seed.value_or(""));
        return given.seed;
    }
    if (option == "--candidates") {
        options.candidates = reader.integer(option);
        if (options.candidates && *options.candidates < 1)
            reader.fail("--candidates needs at least 1");
        return !reader.failed();
    }
    if (option == "--budget") {
        const auto budget = reader.real(option);
        given.budget = budget.has_value();
        options.budget = budget.value_or(0);
        if (budget && *budget < 0)
            reader.fail("--budget must not be negative");
        return !reader.failed();
    }
    if (option == "--cell")
        return readSize(reader, option, options.cellSize);
    if (option == "--thickness")
        return readSize(reader, option, options.thickness);
    return readPictureOption(reader, option, options);
}

std::string checkComplete(const MazeToolOptions& options, const Given& given)
{
    if (!given.style)
        return "missing --style classic|honeycomb";
    if (std::holds_alternative<std::monostate>(options.size))
        return "missing --cols and --rows, --area or --window";
    if (const auto* grid = std::get_if<GridRequest>(&options.size); grid && (!grid->Cols || !grid->Rows))
        return grid->Cols ? "missing --rows" : "missing --cols";
    if (!given.seed)
        return "missing --seed";
    if (options.candidates && given.budget)
        return "give either --candidates or --budget, not both";
    if (options.png && !std::holds_alternative<WindowLayout>(options.size))
        return "--png needs --window small|large";
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

CellCounts requestedCells(const MazeToolOptions& options)
{
    if (const auto* grid = std::get_if<GridRequest>(&options.size))
        return {*grid->Cols, *grid->Rows};
    const AreaTwips area = std::holds_alternative<AreaTwips>(options.size)
                               ? std::get<AreaTwips>(options.size)
                               : DrawingAreaTwips(std::get<WindowLayout>(options.size).geometry);
    return SizeGrid(options.style, area, options.cellSize, options.thickness);
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
    Given given;
    while (!reader.atEnd()) {
        const std::string_view option = reader.nextOption();
        if (reader.failed() || !readOption(reader, option, options, given))
            return reader.error();
    }
    if (auto problem = checkComplete(options, given); !problem.empty())
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

    const CellCounts counts = requestedCells(options);
    const auto dims = GridDims::fromCells(options.style, counts.Cols, counts.Rows);
    if (!dims) {
        err << "orbivane-maze: " << describeGridProblem(options.style, counts.Cols, counts.Rows) << '\n';
        return BadUsage;
    }
    if (options.png) {
        if (auto problem = CheckPicture(options, *dims); !problem.empty()) {
            err << "orbivane-maze: " << problem << '\n';
            return BadUsage;
        }
    }

    MazeState maze;
    maze.Dims = *dims;
    CandidateCountClock countingClock(options.candidates.value_or(0));
    SecondsClock& chooserClock = options.candidates ? static_cast<SecondsClock&>(countingClock) : clock;
    const double budget = options.candidates ? CandidateCountClock::Budget : options.budget;
    const MazeChoice choice = ChooseMaze(options.style, options.seed, *dims, maze.Page, maze.Stack, budget, chooserClock);

    if (options.png) {
        if (auto problem = WritePicture(options, maze); !problem.empty()) {
            err << "orbivane-maze: " << problem << '\n';
            return BadUsage;
        }
    }
    printMaze(out, choice, *dims, maze.Page);
    return 0;
}

} // namespace orbivane
