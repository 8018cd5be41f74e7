#pragma once

#include <cstdint>
#include <span>

namespace orbivane {

// Plays a RIFF WAVE clip from memory and returns when it has finished. A clip that cannot be
// played (no device, a bad clip) returns quietly.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(std::span<const std::uint8_t> wav) = 0;
};

} // namespace orbivane
