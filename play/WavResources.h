#pragma once

#include "SoundPlayer.h"

#include <QByteArray>

#include <optional>

namespace orbivane {

// The embedded clips by number: 16 step, 17 congratulation, 19 bump.
inline constexpr int StepSound = 16;
inline constexpr int CongratulationSound = 17;
inline constexpr int BumpSound = 19;

std::optional<QByteArray> LoadWavResource(int number);

// Plays an embedded clip to its end; a missing clip plays nothing.
void PlayWavResource(SoundPlayer& player, int number);

} // namespace orbivane
