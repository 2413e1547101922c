#include "platform/os/WaveOut.h"

#include "platform/core/StrUtils.h"

#include <cstring>
#include <map>
#include <dlfcn.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

Cardinal Get32(const Byte* p) {
    return Cardinal(p[0]) | Cardinal(p[1]) << 8 | Cardinal(p[2]) << 16 | Cardinal(p[3]) << 24;
}
Word Get16(const Byte* p) {
    return Word(p[0] | p[1] << 8);
}

// The few ALSA entry points playback needs, bound once.
struct Alsa {
    using Open = int (*)(void**, const char*, int, int);
    using SetParams = int (*)(void*, int, int, unsigned, unsigned, int, unsigned);
    using WriteI = long (*)(void*, const void*, unsigned long);
    using Recover = int (*)(void*, int, int);
    using Simple = int (*)(void*);
    Open open = nullptr;
    SetParams setParams = nullptr;
    WriteI writei = nullptr;
    Recover recover = nullptr;
    Simple drain = nullptr;
    Simple close = nullptr;

    static const Alsa* Get() {
        static const Alsa alsa = [] {
            Alsa a;
            void* lib = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
            if (!lib) return a;
            a.open = reinterpret_cast<Open>(::dlsym(lib, "snd_pcm_open"));
            a.setParams = reinterpret_cast<SetParams>(::dlsym(lib, "snd_pcm_set_params"));
            a.writei = reinterpret_cast<WriteI>(::dlsym(lib, "snd_pcm_writei"));
            a.recover = reinterpret_cast<Recover>(::dlsym(lib, "snd_pcm_recover"));
            a.drain = reinterpret_cast<Simple>(::dlsym(lib, "snd_pcm_drain"));
            a.close = reinterpret_cast<Simple>(::dlsym(lib, "snd_pcm_close"));
            return a;
        }();
        const bool complete =
            alsa.open && alsa.setParams && alsa.writei && alsa.recover && alsa.drain && alsa.close;
        return complete ? &alsa : nullptr;
    }
};

constexpr int PcmStreamPlayback = 0, FormatU8 = 1, FormatS16LE = 2, AccessRwInterleaved = 3;

bool PlayOnce(const Alsa& alsa, const TWavePcm& pcm) {
    void* handle = nullptr;
    if (alsa.open(&handle, "default", PcmStreamPlayback, 0) < 0) return false;
    const int format = pcm.BitsPerSample == 8 ? FormatU8 : FormatS16LE;
    bool ok =
        alsa.setParams(handle, format, AccessRwInterleaved, pcm.Channels, pcm.SampleRate, 1, 500000) >= 0;
    const std::size_t frameBytes = std::size_t(pcm.Channels) * (pcm.BitsPerSample / 8);
    std::size_t frames = pcm.SampleBytes / frameBytes, done = 0;
    while (ok && done < frames) {
        long n = alsa.writei(handle, pcm.Samples + done * frameBytes, frames - done);
        if (n < 0) n = alsa.recover(handle, int(n), 1) < 0 ? -1 : 0;
        if (n < 0)
            ok = false;
        else
            done += std::size_t(n);
    }
    if (ok) alsa.drain(handle);
    alsa.close(handle);
    return ok;
}

pid_t Player = 0;

void StopPlayer() {
    if (Player > 0) {
        ::kill(Player, SIGTERM);
        ::waitpid(Player, nullptr, 0);
    }
    Player = 0;
}

} // namespace

Integer WaveOutDeviceCountOf(std::string_view ProcAsoundPcm) {
    std::istringstream lines{String(ProcAsoundPcm)};
    String line;
    Integer count = 0;
    while (std::getline(lines, line))
        if (line.find("playback") != String::npos) ++count;
    return count;
}

Integer WaveOutGetNumDevs() {
    std::ifstream in("/proc/asound/pcm");
    std::stringstream text;
    text << in.rdbuf();
    return WaveOutDeviceCountOf(text.str());
}

bool ParseWavePcm(const Byte* Data, std::size_t Size, TWavePcm& Pcm) {
    if (!Data || Size < 12 || std::memcmp(Data, "RIFF", 4) != 0 || std::memcmp(Data + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= Size) {
        const Byte* chunk = Data + pos;
        const std::size_t length = Get32(chunk + 4);
        if (length > Size - pos - 8) return false;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16 || Get16(chunk + 8) != 1) return false;
            Pcm.Channels = Get16(chunk + 10);
            Pcm.SampleRate = Get32(chunk + 12);
            Pcm.BitsPerSample = Get16(chunk + 22);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat || Pcm.Channels == 0 || (Pcm.BitsPerSample != 8 && Pcm.BitsPerSample != 16))
                return false;
            Pcm.Samples = chunk + 8;
            Pcm.SampleBytes = length;
            return true;
        }
        pos += 8 + length + (length & 1);
    }
    return false;
}

bool SndPlaySound(const Byte* Data, std::size_t Size, Cardinal Flags) {
    StopPlayer();
    if (!Data) return true;
    TWavePcm pcm;
    const Alsa* alsa = Alsa::Get();
    if (!alsa || WaveOutGetNumDevs() == 0 || !ParseWavePcm(Data, Size, pcm)) return false;
    if (!(Flags & SND_ASYNC)) return PlayOnce(*alsa, pcm);
    // Asynchronous sound plays in a child process of its own, so the program
    // keeps no thread of its own; stopping ends the child.
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        do {
            if (!PlayOnce(*alsa, pcm)) ::_exit(1);
        } while (Flags & SND_LOOP);
        ::_exit(0);
    }
    Player = child;
    return true;
}

namespace {

std::map<String, std::vector<Byte>>& WaveResources() {
    static std::map<String, std::vector<Byte>> resources;
    return resources;
}

} // namespace

void RegisterWaveResource(const String& Name, const Byte* Data, std::size_t Size) {
    WaveResources()[UpperCase(Name)] = std::vector<Byte>(Data, Data + Size);
}

bool FindWaveResource(const String& Name, std::vector<Byte>& Data) {
    const auto it = WaveResources().find(UpperCase(Name));
    if (it == WaveResources().end()) return false;
    Data = it->second;
    return true;
}
