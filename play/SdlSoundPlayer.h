#pragma once

#include "SoundPlayer.h"

#include <cstdint>

namespace orbivane {

// Plays clips through SDL2's audio subsystem. The device opens once, at the first clip, for
// that clip's format; if it cannot be opened no later clip tries again. Playing waits until
// the queue has drained plus one device buffer, and never longer than the clip's length and
// half a second, so a stuck device cannot hang the game.
class SdlSoundPlayer final : public SoundPlayer {
public:
    SdlSoundPlayer() = default;
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void play(std::span<const std::uint8_t> wav) override;

    // False once the audio device failed to open.
    bool usable() const { return !failed_; }

private:
    bool openFor(const void* spec);

    std::uint32_t device_ = 0;
    bool initialised_ = false;
    bool failed_ = false;
    int frequency_ = 0;
    int channels_ = 0;
    int bytesPerSample_ = 0;
    int bufferSamples_ = 0;
    std::uint16_t format_ = 0;
};

} // namespace orbivane
