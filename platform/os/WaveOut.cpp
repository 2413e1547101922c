#include "platform/os/WaveOut.h"

#include "platform/core/StrUtils.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

namespace {

Cardinal Get32(const Byte* p) {
    return Cardinal(p[0]) | Cardinal(p[1]) << 8 | Cardinal(p[2]) << 16 | Cardinal(p[3]) << 24;
}
Word Get16(const Byte* p) {
    return Word(p[0] | p[1] << 8);
}

// The library's own complaints (no card, no such device) are answered by
// SndPlaySound's result, not written to the program's error output.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

// The few ALSA entry points playback needs, bound once.
struct Alsa {
    using Open = int (*)(void**, const char*, int, int);
    using SetParams = int (*)(void*, int, int, unsigned, unsigned, int, unsigned);
    using WriteI = long (*)(void*, const void*, unsigned long);
    using Recover = int (*)(void*, int, int);
    using Simple = int (*)(void*);
    using ErrorHandler = int (*)(void (*)(const char*, int, const char*, int, const char*, ...));
    Open open = nullptr;
    SetParams setParams = nullptr;
    WriteI writei = nullptr;
    Recover recover = nullptr;
    Simple drain = nullptr;
    Simple drop = nullptr;
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
            a.drop = reinterpret_cast<Simple>(::dlsym(lib, "snd_pcm_drop"));
            a.close = reinterpret_cast<Simple>(::dlsym(lib, "snd_pcm_close"));
            if (auto quiet = reinterpret_cast<ErrorHandler>(::dlsym(lib, "snd_lib_error_set_handler")))
                quiet(&QuietAlsa);
            return a;
        }();
        const bool complete = alsa.open && alsa.setParams && alsa.writei && alsa.recover && alsa.drain &&
                              alsa.drop && alsa.close;
        return complete ? &alsa : nullptr;
    }
};

constexpr int PcmStreamPlayback = 0, FormatU8 = 1, FormatS16LE = 2, AccessRwInterleaved = 3;

// Plays the samples once; with Stop, stops early (dropping what is queued) once
// it is set. A tenth of a second goes to the device at a time, so a stop is
// seen within that.
bool PlayOnce(const Alsa& alsa, const TWavePcm& pcm, const std::atomic<bool>* Stop = nullptr) {
    void* handle = nullptr;
    if (alsa.open(&handle, "default", PcmStreamPlayback, 0) < 0) return false;
    const int format = pcm.BitsPerSample == 8 ? FormatU8 : FormatS16LE;
    bool ok =
        alsa.setParams(handle, format, AccessRwInterleaved, pcm.Channels, pcm.SampleRate, 1, 500000) >= 0;
    const std::size_t frameBytes = std::size_t(pcm.Channels) * (pcm.BitsPerSample / 8);
    const std::size_t frames = pcm.SampleBytes / frameBytes;
    const std::size_t step = std::max<std::size_t>(pcm.SampleRate / 10, 1);
    std::size_t done = 0;
    const auto stopped = [Stop] { return Stop && Stop->load(); };
    while (ok && done < frames && !stopped()) {
        long n = alsa.writei(handle, pcm.Samples + done * frameBytes, std::min(step, frames - done));
        if (n < 0) n = alsa.recover(handle, int(n), 1) < 0 ? -1 : 0;
        if (n < 0)
            ok = false;
        else
            done += std::size_t(n);
    }
    if (stopped())
        alsa.drop(handle);
    else if (ok)
        alsa.drain(handle);
    alsa.close(handle);
    return ok;
}

// The sound playing asynchronously: a thread of this process with its own copy
// of the wave (the caller may free its bytes at once). A new sound or a stop
// ends it and waits for it, and so does the end of the program.
class AsyncPlayer {
public:
    ~AsyncPlayer() { Stop(); }

    void Start(const Alsa& alsa, std::vector<Byte> wave, bool loop) {
        Stop();
        FStop = false;
        FThread = std::thread([this, &alsa, wave = std::move(wave), loop] {
            TWavePcm pcm;
            if (!ParseWavePcm(wave.data(), wave.size(), pcm)) return;
            while (PlayOnce(alsa, pcm, &FStop) && loop && !FStop) {
            }
        });
    }

    void Stop() {
        FStop = true;
        if (FThread.joinable()) FThread.join();
    }

private:
    std::atomic<bool> FStop{false};
    std::thread FThread;
};

AsyncPlayer& Player() {
    static AsyncPlayer player;
    return player;
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
    Player().Stop();
    if (!Data) return true;
    TWavePcm pcm;
    const Alsa* alsa = Alsa::Get();
    if (!alsa || !ParseWavePcm(Data, Size, pcm)) return false;
    if (!(Flags & SND_ASYNC)) return PlayOnce(*alsa, pcm);
    // The device is tried here, so that a sound that cannot play answers false.
    void* handle = nullptr;
    if (alsa->open(&handle, "default", PcmStreamPlayback, 0) < 0) return false;
    alsa->close(handle);
    Player().Start(*alsa, std::vector<Byte>(Data, Data + Size), (Flags & SND_LOOP) != 0);
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
