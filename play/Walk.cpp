#include "Walk.h"

#include "DirectionTables.h"
#include "Footprint.h"
#include "MazePalette.h"
#include "NewMazeSequence.h"
#include "PathDrawing.h"

#include <numbers>

namespace orbivane {

namespace {

constexpr double s = std::numbers::sqrt3;

int keypad(int digit)
{
    return vk::Numpad0 + digit;
}

// The centre of the cell a step leads to.
ModelXY stepCentre(MazeStyle style, const MazeState& m, int dx, int dy, int targetX)
{
    if (style == MazeStyle::Classic)
        return {m.PosXf + dx, m.PosYf + dy};
    if (dx == 0)
        return {m.PosXf, m.PosYf + (dy > 0 ? s : -s)};
    return {m.PosXf + (targetX > m.PosX ? 1.5 : -1.5), m.PosYf + (dy > 0 ? s / 2 : -s / 2)};
}

} // namespace

int WalkDirection(MazeStyle style, int key)
{
    if (style == MazeStyle::Classic) {
        if (key == vk::Left || key == keypad(4))
            return 0;
        if (key == vk::Down || key == keypad(2))
            return 1;
        if (key == vk::Right || key == keypad(6))
            return 2;
        if (key == vk::Up || key == keypad(8))
            return 3;
        return -1;
    }
    if (key == vk::Home || key == keypad(7))
        return 0;
    if (key == vk::End || key == keypad(1))
        return 1;
    if (key == vk::Up || key == keypad(8))
        return 2;
    if (key == vk::Down || key == keypad(2))
        return 3;
    if (key == vk::PageUp || key == keypad(9))
        return 4;
    if (key == vk::PageDown || key == keypad(3))
        return 5;
    if (key == vk::Left || key == keypad(4) || key == vk::Right || key == keypad(6))
        return -2;
    return -1;
}

KeyOutcome HandleWalkKey(MazeState& m, const View& view, MazeStyle style, int key, Canvas& canvas, SoundCues& sounds)
{
    if (m.Phase != phase::Finished || m.SolutionShown || m.ExitReached || m.Trail.empty())
        return KeyOutcome::Ignored;
    const int direction = WalkDirection(style, key);
    if (direction == -1)
        return KeyOutcome::Ignored;
    if (direction == -2)
        return KeyOutcome::Beep;

    const bool classic = style == MazeStyle::Classic;
    const int dx = classic ? SquareDX[static_cast<std::size_t>(direction)] : HexDX[static_cast<std::size_t>(direction)];
    const int dy = classic ? SquareDY[static_cast<std::size_t>(direction)] : HexDY[static_cast<std::size_t>(direction)];
    const int wx = m.PosX + dx;
    const int wy = m.PosY + dy;
    // Never through the side borders nor back out of the entrance; the near border holds the exit.
    const bool open = wx > 0 && wx < m.Dims.MaxX && wy > 0 && wy <= m.Dims.MaxY && m.Trail(wy, wx) != cell::Hedge;
    if (!open) {
        sounds.SonStop();
        return KeyOutcome::Consumed;
    }
    sounds.SonAvance();

    const int tx = wx + dx;
    const int ty = wy + dy;
    if (ty >= m.Dims.MaxY) {
        DrawPathSegment(canvas, view, m.PosXf, m.PosYf, m.PosXf, view.ModelDepth, shade::Path);
        m.ExitReached = true;
        sounds.SonFelicitations();
        m.PosX = static_cast<std::int16_t>(tx);
        m.PosY = static_cast<std::int16_t>(ty);
        return KeyOutcome::Consumed;
    }

    int pen = shade::Path;
    if (m.Trail(ty, tx) != cell::Route) {
        m.Trail(ty, tx) = cell::Route;
    } else {
        pen = shade::Abandoned; // a step back: the cell left is abandoned
        m.Trail(m.PosY, m.PosX) = cell::Abandoned;
    }
    const ModelXY next = stepCentre(style, m, dx, dy, tx);
    DrawPathSegment(canvas, view, m.PosXf, m.PosYf, next.x, next.y, pen);
    m.PosX = static_cast<std::int16_t>(tx);
    m.PosY = static_cast<std::int16_t>(ty);
    m.PosXf = next.x;
    m.PosYf = next.y;
    return KeyOutcome::Consumed;
}

void EraseWalk(MazeState& m, MazeStyle style)
{
    m.ExitReached = false;
    m.SolutionShown = false;
    m.ViewDirty = true;
    m.Phase = phase::Start;
    if (!m.Page.empty())
        ResetWalk(m, style);
}

} // namespace orbivane
