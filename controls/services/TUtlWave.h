#pragma once
// One sound as the bytes of a RIFF WAVE file in memory: loaded and saved plain,
// with a length prefix or compressed, its format read from the header, and
// played through the system's sound output. The wave lists of the item
// containers hold these.
#include "controls/common/TUtlObject.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"

#include <memory>

VELMORA_EXCEPTION(EInvalidWave, Exception)
VELMORA_EXCEPTION(EErrorCheckingWave, Exception)

enum TUtlChannelMode { cmUnknown, cmMono, cmStereo };
enum TUtlWaveFormat { wfUnknown, wfPCM };
enum TUtlSndPlayMode { sdSync, sdAsync, sdLoop };

struct TUtlWaveInfo {
    Cardinal RiffSize = 0;
    Cardinal SampleRate = 0;
    TUtlChannelMode ChannelMode = cmUnknown;
    TUtlWaveFormat Format = wfUnknown;
    Word Bits = 0;
};

// Reads the header from the stream's start: "RIFF", size, "WAVE", "fmt " and
// the format. False for an empty or absent stream, other tags, a RIFF size
// beyond the data or a format chunk too short or past the data.
bool UtlGetWaveStreamInfo(TStream* Stream, TUtlWaveInfo& Info);
// A wave output device exists.
bool UtlMMWavePossible();
// False when the file does not exist or is no wave.
bool UtlGetWaveFileInfo(const String& FileName, TUtlWaveInfo& Info);

class TUtlWave : public TUtlObject {
public:
    TUtlWave();
    // Loads FileName.
    explicit TUtlWave(const String& FileName);
    ~TUtlWave() override;
    String ClassName() const override { return "TUtlWave"; }

    void Assign(TPersistent* Source) override;
    // The binary property "Data" (length and bytes), written only when not empty.
    void DefineProperties(TFiler* Filer) override;

    // Loads the whole file. Invalid data raises EInvalidWave "TUtlWave: Cannot
    // open file %s" and keeps the previous sound; a missing file raises the
    // file-stream error.
    virtual void LoadFromFile(const String& FileName);
    // From the stream's position to its end; an empty stream empties the wave.
    virtual void LoadFromStream(TStream* S);
    // A 32-bit length (checked against the bytes left), then that many bytes.
    void LoadFromStreamEx(TStream* S);
    void LoadCompressedFromStream(TStream* S);
    virtual void SaveToFile(const String& FileName);
    // The wave bytes; nothing when empty.
    virtual void SaveToStream(TStream* S);
    // The 32-bit length (0 when empty) and the bytes.
    void SaveToStreamEx(TStream* S);
    void SaveCompressedToStream(TStream* S);

    virtual void ReadData(TStream* S) { LoadFromStreamEx(S); }
    virtual void WriteData(TStream* S) { SaveToStreamEx(S); }

    // Stops playing and empties.
    void FreeWave();
    // False when empty, without a device, or when the sound cannot be played.
    bool Play();
    bool PlaySound(TUtlSndPlayMode Mode);
    void Stop();

    bool GetEmpty() const { return !FData; }
    Integer GetSize() const { return FData ? Integer(FData->Size()) : 0; }
    Word GetBits() const { return GetInfo().Bits; }
    TUtlChannelMode GetChannelMode() const { return GetInfo().ChannelMode; }
    TUtlWaveFormat GetFormat() const { return GetInfo().Format; }
    Cardinal GetSampleRate() const { return GetInfo().SampleRate; }
    TUtlWaveInfo GetInfo() const;
    // The bytes, or null when empty.
    const TMemoryStream* Data() const { return FData.get(); }

private:
    void ReadStream(Integer Count, TStream* S);

    std::unique_ptr<TMemoryStream> FData;
};

// The wave's record in list files: plain as SaveToStreamEx, compressed as a
// compressed stream of the bytes.
void stWriteWave(TStream* Stream, TUtlWave* Wave, bool Compressed);
void stReadWave(TStream* Stream, TUtlWave* Wave, bool Compressed);
