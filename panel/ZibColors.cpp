#include "ZibColors.h"

#include <QGuiApplication>

#include <array>
#include <utility>

namespace zibpanel {

namespace {

using Group = QPalette::ColorGroup;
using Role = QPalette::ColorRole;

// The platform's numbered system colours and the palette colours that play their part here.
constexpr std::array<std::pair<Group, Role>, 31> SystemColours{{
    {QPalette::Active, QPalette::Mid},                // 0 scroll bar
    {QPalette::Active, QPalette::Window},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},          // 2 active title bar
    {QPalette::Inactive, QPalette::Highlight},        // 3 inactive title bar
    {QPalette::Active, QPalette::Window},             // 4 menu
    {QPalette::Active, QPalette::Base},               // 5 window background
    {QPalette::Active, QPalette::Shadow},             // 6 window frame
    {QPalette::Active, QPalette::WindowText},         // 7 menu text
    {QPalette::Active, QPalette::Text},               // 8 window text
    {QPalette::Active, QPalette::HighlightedText},    // 9 title bar text
    {QPalette::Active, QPalette::Window},             // 10 active border
    {QPalette::Inactive, QPalette::Window},           // 11 inactive border
    {QPalette::Active, QPalette::Dark},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},          // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},    // 14 highlighted text
    {QPalette::Active, QPalette::Button},             // 15 button face
    {QPalette::Active, QPalette::Dark},               // 16 button shadow
    {QPalette::Disabled, QPalette::Text},             // 17 grey text
    {QPalette::Active, QPalette::ButtonText},         // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText},  // 19 inactive title bar text
    {QPalette::Active, QPalette::Light},              // 20 button highlight
    {QPalette::Active, QPalette::Shadow},             // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},           // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},        // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},        // 24 tooltip background
    {QPalette::Active, QPalette::Window},             // 25 (unused)
    {QPalette::Active, QPalette::Link},               // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},          // 27 active title gradient
    {QPalette::Inactive, QPalette::Highlight},        // 28 inactive title gradient
    {QPalette::Active, QPalette::Highlight},          // 29 menu highlight
    {QPalette::Active, QPalette::Window},             // 30 menu bar
}};

} // namespace

QColor TranslateColor(std::uint32_t value)
{
    return TranslateColor(value, QGuiApplication::palette());
}

QColor TranslateColor(std::uint32_t value, const QPalette& palette)
{
    if ((value & SystemColourBit) == 0)
        return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                      static_cast<int>((value >> 16) & 0xFF));
    const std::uint32_t index = value & ~SystemColourBit;
    if (index >= SystemColours.size())
        return QColor(Qt::black);
    const auto [group, role] = SystemColours[index];
    return palette.color(group, role);
}

std::uint32_t ColorValue(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

} // namespace zibpanel
