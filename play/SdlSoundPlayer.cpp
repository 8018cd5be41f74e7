#include "SdlSoundPlayer.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace orbivane {

namespace {

// The loaded samples of a clip, freed with the clip.
struct LoadedClip {
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;

    ~LoadedClip()
    {
        if (samples)
            SDL_FreeWAV(samples);
    }
};

} // namespace

SdlSoundPlayer::~SdlSoundPlayer()
{
    if (device_ != 0)
        SDL_CloseAudioDevice(device_);
    if (initialised_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundPlayer::openFor(const void* wanted)
{
    const auto* spec = static_cast<const SDL_AudioSpec*>(wanted);
    if (device_ != 0)
        return spec->freq == frequency_ && spec->channels == channels_ && spec->format == format_;
    if (failed_)
        return false;
    if (!initialised_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            failed_ = true;
            return false;
        }
        initialised_ = true;
    }
    SDL_AudioSpec desired = *spec;
    desired.callback = nullptr; // samples are queued
    desired.samples = 512;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained, 0);
    if (device_ == 0) {
        failed_ = true;
        return false;
    }
    frequency_ = obtained.freq;
    channels_ = obtained.channels;
    format_ = obtained.format;
    bytesPerSample_ = SDL_AUDIO_BITSIZE(obtained.format) / 8 * obtained.channels;
    bufferSamples_ = obtained.samples;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundPlayer::play(std::span<const std::uint8_t> wav)
{
    if (failed_ || wav.empty())
        return;
    SDL_RWops* source = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
    if (!source)
        return;
    LoadedClip clip;
    if (!SDL_LoadWAV_RW(source, 1, &clip.spec, &clip.samples, &clip.length))
        return; // not a clip SDL can read
    if (!openFor(&clip.spec) || SDL_QueueAudio(device_, clip.samples, clip.length) != 0)
        return;

    using namespace std::chrono;
    const double seconds = static_cast<double>(clip.length) / (bytesPerSample_ * frequency_);
    const auto deadline = steady_clock::now() + duration_cast<steady_clock::duration>(duration<double>(seconds + 0.5));
    while (SDL_GetQueuedAudioSize(device_) > 0 && steady_clock::now() < deadline)
        std::this_thread::sleep_for(milliseconds(5));
    // The last queued buffer is still being played out by the device.
    const auto lastBuffer = duration<double>(static_cast<double>(bufferSamples_) / frequency_);
    std::this_thread::sleep_until(std::min(steady_clock::now() + duration_cast<steady_clock::duration>(lastBuffer), deadline));
}

} // namespace orbivane
