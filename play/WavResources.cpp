#include "WavResources.h"

#include <QFile>

// Resources compiled into a static library are registered by hand, once.
static void registerSounds()
{
    Q_INIT_RESOURCE(sounds);
}

namespace orbivane {

std::optional<QByteArray> LoadWavResource(int number)
{
    static const bool registered = (registerSounds(), true);
    (void)registered;
    QFile clip(QStringLiteral(":/wav/%1").arg(number));
    if (!clip.open(QIODevice::ReadOnly))
        return std::nullopt;
    return clip.readAll();
}

void PlayWavResource(SoundPlayer& player, int number)
{
    const auto clip = LoadWavResource(number);
    if (!clip)
        return;
    player.play({reinterpret_cast<const std::uint8_t*>(clip->constData()), static_cast<std::size_t>(clip->size())});
}

} // namespace orbivane
