// Sound output: device counting from the sound system's list and the checked
// reading of a wave's PCM data.
#include "platform/os/WaveOut.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(WaveOut, DevicesArePlaybackLines) {
    EXPECT_EQ(WaveOutDeviceCountOf("00-00: ALC892 Analog : ALC892 Analog : playback 1 : capture 1\n"
                                   "00-01: ALC892 Digital : ALC892 Digital : playback 1\n"
                                   "01-00: USB Audio : USB Audio : capture 1\n"),
              2);
    EXPECT_EQ(WaveOutDeviceCountOf(""), 0);
}

std::vector<Byte> Wave(std::uint32_t dataSize, std::size_t actual) {
    std::vector<Byte> b = {'R',  'I',  'F', 'F', 0, 0, 0,  0, 'W', 'A', 'V',  'E',  'f', 'm',
                           't',  ' ',  16,  0,   0, 0, 1,  0, 1,   0,   0x40, 0x1F, 0,   0,
                           0x80, 0x3E, 0,   0,   2, 0, 16, 0, 'd', 'a', 't',  'a'};
    for (int i = 0; i < 4; ++i)
        b.push_back(Byte(dataSize >> (8 * i)));
    b.resize(b.size() + actual, 0);
    return b;
}

TEST(WaveOut, PcmDataIsCheckedAgainstTheBytes) {
    TWavePcm pcm;
    std::vector<Byte> good = Wave(8, 8);
    ASSERT_TRUE(ParseWavePcm(good.data(), good.size(), pcm));
    EXPECT_EQ(pcm.Channels, 1);
    EXPECT_EQ(pcm.SampleRate, 8000u);
    EXPECT_EQ(pcm.SampleBytes, 8u);
    std::vector<Byte> cut = Wave(8000, 8);
    EXPECT_FALSE(ParseWavePcm(cut.data(), cut.size(), pcm));
    std::vector<Byte> huge = Wave(0xFFFFFFF0u, 8);
    EXPECT_FALSE(ParseWavePcm(huge.data(), huge.size(), pcm));
    EXPECT_FALSE(ParseWavePcm(good.data(), 20, pcm));
    EXPECT_FALSE(ParseWavePcm(nullptr, 0, pcm));
}

TEST(WaveOut, NothingPlaysWithoutADevice) {
    if (WaveOutGetNumDevs() > 0) GTEST_SKIP() << "this machine has a sound device";
    std::vector<Byte> good = Wave(8, 8);
    EXPECT_FALSE(SndPlaySound(good.data(), good.size(), SND_ASYNC | SND_MEMORY));
}

} // namespace
