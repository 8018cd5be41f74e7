#include "SdlSoundPlayer.h"
#include "WavResources.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace orbivane {
namespace {

std::uint32_t le32(const QByteArray& b, int at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}

std::uint16_t le16(const QByteArray& b, int at)
{
    std::uint16_t v = 0;
    std::memcpy(&v, b.constData() + at, 2);
    return v;
}

struct ClipCase {
    int number;
    std::uint32_t dataBytes;
};

class ClipTest : public testing::TestWithParam<ClipCase> {};

TEST_P(ClipTest, IsAMono8Bit11kPcmWave)
{
    const auto clip = LoadWavResource(GetParam().number);
    ASSERT_TRUE(clip);
    ASSERT_GE(clip->size(), 44);
    EXPECT_EQ(clip->left(4), QByteArray("RIFF"));
    EXPECT_EQ(clip->mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(le16(*clip, 20), 1);       // PCM
    EXPECT_EQ(le16(*clip, 22), 1);       // mono
    EXPECT_EQ(le32(*clip, 24), 11025u);  // samples per second
    EXPECT_EQ(le16(*clip, 34), 8);       // bits per sample
    EXPECT_EQ(clip->mid(36, 4), QByteArray("data"));
    EXPECT_EQ(le32(*clip, 40), GetParam().dataBytes);
}

INSTANTIATE_TEST_SUITE_P(Clips, ClipTest, testing::Values(ClipCase{16, 791}, ClipCase{17, 20608}, ClipCase{19, 2148}));

TEST(WavResources, AMissingClipPlaysNothing)
{
    EXPECT_FALSE(LoadWavResource(18));
}

// SDL's disk driver writes what the device plays to a file, at the device's pace.
TEST(SdlSoundPlayer, PlaysTheClipsSamplesAndWaitsForTheirEnd)
{
    QTemporaryDir dir;
    const QString capture = dir.filePath(QStringLiteral("played.raw"));
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", capture.toLocal8Bit().constData(), 1);
    const auto clip = LoadWavResource(BumpSound);
    ASSERT_TRUE(clip);
    {
        SdlSoundPlayer player;
        const auto started = std::chrono::steady_clock::now();
        PlayWavResource(player, BumpSound);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        EXPECT_TRUE(player.usable());
        EXPECT_GE(took, 2148.0 / 11025) << "playing returns only once the clip has played";
        EXPECT_LT(took, 2148.0 / 11025 + 0.5 + 0.2);
    }
    QFile played(capture);
    ASSERT_TRUE(played.open(QIODevice::ReadOnly));
    const QByteArray samples = played.readAll();
    const QByteArray expected = clip->mid(44, 2148);
    ASSERT_GE(samples.size(), expected.size());
    EXPECT_EQ(samples.left(expected.size()), expected);
}

TEST(SdlSoundPlayer, NoDeviceMeansQuietReturns)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSoundPlayer player;
    const auto started = std::chrono::steady_clock::now();
    PlayWavResource(player, CongratulationSound);
    PlayWavResource(player, StepSound);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_FALSE(player.usable());
    EXPECT_LT(took, 0.5) << "a missing device never holds the game";
}

TEST(SdlSoundPlayer, ABadClipIsIgnored)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    QTemporaryDir dir;
    setenv("SDL_DISKAUDIOFILE", dir.filePath(QStringLiteral("x.raw")).toLocal8Bit().constData(), 1);
    SdlSoundPlayer player;
    const std::uint8_t junk[] = {'R', 'I', 'F', 'F', 1, 2, 3};
    player.play(junk);
    player.play({});
    PlayWavResource(player, StepSound);
    EXPECT_TRUE(player.usable());
}

} // namespace
} // namespace orbivane
