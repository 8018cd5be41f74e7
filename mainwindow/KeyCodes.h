#pragma once

#include <Qt>

namespace orbivane {

// The virtual-key code of a key press for the walk: arrows, Home, End, Page Up, Page Down,
// and the keypad digits with Num Lock on (96 + digit). With Num Lock off the keypad sends the
// navigation keys, which map to the same codes as the main ones. Other keys give 0.
int VirtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers);

} // namespace orbivane
