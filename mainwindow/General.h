#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace orbivane {

// The seven interface colours, in the order of their settings.
enum class InterfaceColour { GradStart, GradEnd, ButtonText, ButtonLight, OtherText, WindowBack, DisplayBack };

inline constexpr std::size_t InterfaceColourCount = 7;

// One interface colour: its value, a copy taken before the colour chooser opens, and whether
// its command is running.
struct ColourSlot {
    std::uint32_t Value = 0;
    std::uint32_t Backup = 0;
    bool Editing = false;
};

// The module every window shares: the application title, the tooltip switch and the
// interface colours.
struct General {
    QString AppTitle;
    QString TooltipSetting = QStringLiteral("Oui");
    bool TooltipsOn = true;
    std::array<ColourSlot, InterfaceColourCount> Colours{};

    ColourSlot& slot(InterfaceColour c) { return Colours[static_cast<std::size_t>(c)]; }
    std::uint32_t colour(InterfaceColour c) const { return Colours[static_cast<std::size_t>(c)].Value; }
};

} // namespace orbivane
