// Sound output: device counting from the sound system's list and the checked
// reading of a wave's PCM data.
#include "platform/os/WaveOut.h"

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
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

// The processes whose parent is this one, running or ended and not yet reaped.
std::vector<std::string> Children() {
    std::vector<std::string> children;
    const std::string self = std::to_string(::getpid());
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) continue;
        // "pid (name) state ppid ...": the name may hold blanks and brackets.
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        std::string state, parent;
        rest >> state >> parent;
        if (parent == self) children.push_back(entry.path().filename().string() + " " + state);
    }
    return children;
}

// The sound library's null device takes the samples at once, so playback
// needs no sound card; the sound plays in the program, which starts no process
// (a copy of the toolkit's process would run the sound library unsafely, and
// an ended one would stay a zombie).
TEST(WaveOut, AsynchronousSoundPlaysInTheProgramAndStartsNoProcess) {
    if (void* lib = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL))
        ::dlclose(lib);
    else
        GTEST_SKIP() << "no sound library";
    TempFolder dir("velmora-wave");
    { std::ofstream(dir.File("asound.conf")) << "pcm.!default { type null }\n"; }
    ScopedEnv config("ALSA_CONFIG_PATH", dir.File("asound.conf"));
    {
        // The caller's bytes go at once: the sound has its own copy.
        std::vector<Byte> looped = Wave(16000, 16000);
        ASSERT_TRUE(SndPlaySound(looped.data(), looped.size(), SND_ASYNC | SND_MEMORY | SND_LOOP));
    }
    EXPECT_EQ(Children(), std::vector<std::string>{});
    EXPECT_TRUE(SndPlaySound(nullptr, 0, SND_MEMORY));
    const std::vector<Byte> once = Wave(800, 800);
    ASSERT_TRUE(SndPlaySound(once.data(), once.size(), SND_ASYNC | SND_MEMORY));
    ::usleep(100000);
    EXPECT_EQ(Children(), std::vector<std::string>{});
    EXPECT_TRUE(SndPlaySound(once.data(), once.size(), SND_SYNC | SND_MEMORY));
}

} // namespace
