#pragma once
// Wave sound output through the system's ALSA library, loaded at run time so
// that the program runs (silently) where it is missing. One sound plays at a
// time: a new one stops the one before.
#include "platform/core/Types.h"

#include <string_view>
#include <vector>

constexpr Cardinal SND_SYNC = 0x0000, SND_ASYNC = 0x0001, SND_NODEFAULT = 0x0002, SND_MEMORY = 0x0004,
                   SND_LOOP = 0x0008;

// Playback devices the sound system lists (/proc/asound/pcm); 0 without sound.
Integer WaveOutGetNumDevs();
// The playback devices of a /proc/asound/pcm text.
Integer WaveOutDeviceCountOf(std::string_view ProcAsoundPcm);

// The PCM format and sample bytes of a RIFF WAVE image; false for anything else
// or for chunk sizes that pass the end of the data.
struct TWavePcm {
    Word Channels = 0;
    Cardinal SampleRate = 0;
    Word BitsPerSample = 0;
    const Byte* Samples = nullptr;
    std::size_t SampleBytes = 0;
};
bool ParseWavePcm(const Byte* Data, std::size_t Size, TWavePcm& Pcm);

// Plays a RIFF WAVE image from memory: SND_ASYNC returns at once and plays a
// copy of Data in a thread of the program (SND_LOOP repeats until stopped),
// otherwise the call returns when the sound ends. False without a device,
// without the sound library, or for data that is no 8- or 16-bit PCM wave.
// Null Data stops the sound playing and returns once it has stopped.
bool SndPlaySound(const Byte* Data, std::size_t Size, Cardinal Flags);

// Named wave resources of the program (RIFF WAVE images), registered at
// start-up by whoever ships them; names compare ignoring case.
void RegisterWaveResource(const String& Name, const Byte* Data, std::size_t Size);
bool FindWaveResource(const String& Name, std::vector<Byte>& Data);
