#include "MazeCarver.h"

#include "StyleRules.h"

namespace orbivane {

void HexRules::fillInitialGrid(ByteGrid& page, const GridDims& d)
{
    // The pattern repeats every four rows, except that the far and near border rows have no
    // piece at x = 7 (mod 8): build rows 0 to 4, then copy.
    const int stride = page.stride();
    auto fillRow = [&](int y) {
        std::uint8_t* row = page.data() + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x <= d.MaxX; ++x) {
            const int xm = x % 8;
            bool hedge = false;
            switch (y % 4) {
            case 0:
                hedge = xm == 2 || xm == 3 || xm == 4 || (xm == 7 && y > 0 && y < d.MaxY);
                break;
            case 1:
            case 3:
                hedge = xm == 1 || xm == 5;
                break;
            default:
                hedge = xm == 0 || xm == 3 || xm == 6 || xm == 7;
                break;
            }
            row[x] = hedge ? cell::Hedge : cell::Open;
        }
    };
    for (int y = 0; y <= 4; ++y)
        fillRow(y);
    std::uint8_t* cells = page.data();
    for (int y = 5; y < d.MaxY; ++y)
        std::memcpy(cells + static_cast<std::ptrdiff_t>(y) * stride, cells + static_cast<std::ptrdiff_t>(y - 4) * stride,
                    static_cast<std::size_t>(stride));
    std::memcpy(cells + static_cast<std::ptrdiff_t>(d.MaxY) * stride, cells, static_cast<std::size_t>(stride));
}

namespace {

// Depth-first carving: a cell first entered draws a permutation row; a cell returned to by
// backing up goes on with its own row from the next position.
template <class Rules>
void carve(const GridDims& d, const Digits& digits, ByteGrid& page, std::span<StackRecord> stack)
{
    constexpr int K = Rules::K;
    const std::int16_t* DX = Rules::Table.DX.data();
    const std::int16_t* DY = Rules::Table.DY.data();
    const int maxX = d.MaxX;
    const int maxY = d.MaxY;
    const int stride = page.stride();
    std::uint8_t* cells = page.data();

    Series series = Series::start(digits);
    Rules::fillInitialGrid(page, d);
    auto [x, y] = Rules::carverStart(series, d);
    cells[y * stride + x] = cell::Open;
    int sp = -1;

    for (;;) {
        int row = 0;
        do
            row = AdvanceSeries(series, Rules::M);
        while (row >= Rules::R);

        int p = 0;
        for (;;) {
            const std::int16_t* dx = DX + K * row;
            const std::int16_t* dy = DY + K * row;
            for (; p < K; ++p) {
                const int x2 = x + 2 * dx[p];
                const int y2 = y + 2 * dy[p];
                if (x2 > 0 && x2 <= maxX && y2 > 0 && y2 <= maxY && cells[y2 * stride + x2] == cell::Hedge)
                    break;
            }
            if (p < K)
                break;
            if (sp < 0) {
                const Position in = Rules::entrance(d);
                const Position out = Rules::exit(d);
                cells[in.y * stride + in.x] = cell::Route;
                cells[out.y * stride + out.x] = cell::Open;
                return;
            }
            p = stack[sp].position;
            row = stack[sp].row;
            x -= 2 * DX[K * row + p];
            y -= 2 * DY[K * row + p];
            --sp;
            ++p;
        }

        const int stepX = DX[K * row + p];
        const int stepY = DY[K * row + p];
        stack[++sp] = StackRecord{static_cast<std::uint8_t>(p), static_cast<std::int16_t>(row)};
        cells[(y + stepY) * stride + x + stepX] = cell::Open;
        x += 2 * stepX;
        y += 2 * stepY;
        cells[y * stride + x] = cell::Open;
    }
}

// Hedges beside a route cell that face the outside of the grid or another route cell.
template <class Rules>
int weight(const GridDims& d, const std::uint8_t* cells, int stride, int x, int y)
{
    const std::int16_t* DX = Rules::Table.DX.data();
    const std::int16_t* DY = Rules::Table.DY.data();
    int w = 0;
    for (int p = 0; p < Rules::K; ++p) {
        const int x1 = x + DX[p];
        const int y1 = y + DY[p];
        if (cells[y1 * stride + x1] != cell::Hedge)
            continue;
        const int x2 = x1 + DX[p];
        const int y2 = y1 + DY[p];
        const bool outside = x2 < 0 || x2 > d.MaxX || y2 < 0 || y2 > d.MaxY;
        if (outside || cells[y2 * stride + x2] == cell::Route)
            ++w;
    }
    return w;
}

// Depth-first walk from the start cell through the open links; dead ends are reopened, so
// what stays 1 is the route out through the exit link.
template <class Rules>
SolveResult solve(const GridDims& d, ByteGrid& page, std::span<StackRecord> stack)
{
    constexpr int K = Rules::K;
    const std::int16_t* DX = Rules::Table.DX.data();
    const std::int16_t* DY = Rules::Table.DY.data();
    const int stride = page.stride();
    std::uint8_t* cells = page.data();

    SolveResult result{1, 0};
    auto [x, y] = Rules::solverStart(d);
    cells[y * stride + x] = cell::Route;
    int sp = -1;
    int p = 0;
    for (;;) {
        while (p < K && cells[(y + DY[p]) * stride + x + DX[p]] != cell::Open)
            ++p;
        if (p == K) {
            if (sp < 0)
                break; // no way out: only a grid the carver did not make gets here
            p = stack[sp--].position;
            cells[y * stride + x] = cell::Open;
            cells[(y - DY[p]) * stride + x - DX[p]] = cell::Open;
            x -= 2 * DX[p];
            y -= 2 * DY[p];
            ++p;
            continue;
        }
        const int x1 = x + DX[p];
        const int y1 = y + DY[p];
        cells[y1 * stride + x1] = cell::Route;
        const int x2 = x1 + DX[p];
        const int y2 = y1 + DY[p];
        if (y2 <= d.MaxY) {
            stack[++sp].position = static_cast<std::uint8_t>(p);
            cells[y2 * stride + x2] = cell::Route;
            x = x2;
            y = y2;
        }
        if (y2 >= d.MaxY)
            break;
        p = 0;
    }

    const Position end = Rules::routeEnd(d);
    x = end.x;
    y = end.y;
    while (sp >= 0) {
        result.score += weight<Rules>(d, cells, stride, x, y);
        p = stack[sp--].position;
        x -= 2 * DX[p];
        y -= 2 * DY[p];
        ++result.length;
    }
    result.score += weight<Rules>(d, cells, stride, x, y);
    return result;
}

} // namespace

void CarveSquare(const GridDims& dims, const Digits& digits, ByteGrid& Page, std::span<StackRecord> Stack)
{
    carve<SquareRules>(dims, digits, Page, Stack);
}

void CarveHex(const GridDims& dims, const Digits& digits, ByteGrid& Page, std::span<StackRecord> Stack)
{
    carve<HexRules>(dims, digits, Page, Stack);
}

SolveResult SolveSquare(const GridDims& dims, ByteGrid& Page, std::span<StackRecord> Stack)
{
    return solve<SquareRules>(dims, Page, Stack);
}

SolveResult SolveHex(const GridDims& dims, ByteGrid& Page, std::span<StackRecord> Stack)
{
    return solve<HexRules>(dims, Page, Stack);
}

void Carve(MazeStyle style, const GridDims& dims, const Digits& digits, ByteGrid& Page, std::span<StackRecord> Stack)
{
    if (style == MazeStyle::Classic)
        CarveSquare(dims, digits, Page, Stack);
    else
        CarveHex(dims, digits, Page, Stack);
}

SolveResult Solve(MazeStyle style, const GridDims& dims, ByteGrid& Page, std::span<StackRecord> Stack)
{
    return style == MazeStyle::Classic ? SolveSquare(dims, Page, Stack) : SolveHex(dims, Page, Stack);
}

} // namespace orbivane
