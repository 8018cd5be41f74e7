#pragma once

#include "SoundPlayer.h"

#include <QByteArray>
#include <QList>

namespace orbivane::testing_support {

// Keeps the clips it is asked to play, and plays nothing.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    void play(std::span<const std::uint8_t> wav) override
    {
        clips.append(QByteArray(reinterpret_cast<const char*>(wav.data()), static_cast<qsizetype>(wav.size())));
    }
    QList<QByteArray> clips;
};

} // namespace orbivane::testing_support
