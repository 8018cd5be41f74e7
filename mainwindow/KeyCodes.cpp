#include "KeyCodes.h"

#include "Walk.h"

namespace orbivane {

int VirtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers)
{
    if ((modifiers & Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9)
        return vk::Numpad0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_PageUp:
        return vk::PageUp;
    case Qt::Key_PageDown:
        return vk::PageDown;
    default:
        return 0;
    }
}

} // namespace orbivane
