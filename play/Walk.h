#pragma once

#include "Canvas.h"
#include "MazeState.h"
#include "SoundCues.h"
#include "View.h"

namespace orbivane {

// Virtual-key codes of the walk keys.
namespace vk {
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Numpad0 = 96; // keypad digits with Num Lock on: 96 + digit
} // namespace vk

enum class KeyOutcome {
    Ignored,  // not a key of the walk now: it goes on to the rest of the window
    Consumed, // taken by the walk (a step, or a refused step)
    Beep,     // taken, with the system beep: no such direction in this style
};

// The walk direction of a key in a style (an index of row 0 of the direction table), -1 for
// a key of neither table, -2 for the left and right keys of the honeycomb style.
int WalkDirection(MazeStyle style, int virtualKey);

// One key press of the walk: only a finished drawing with no solution shown and the exit not
// yet reached is walked. A step plays the step sound, marks Trail and draws one path line; a
// step back repaints its line as abandoned; a refused step only bumps.
KeyOutcome HandleWalkKey(MazeState& maze, const View& view, MazeStyle style, int virtualKey, Canvas& canvas,
                         SoundCues& sounds);

// Back to the start: the maze stays, the walk and the solution go, and a redraw is asked for.
void EraseWalk(MazeState& maze, MazeStyle style);

} // namespace orbivane
