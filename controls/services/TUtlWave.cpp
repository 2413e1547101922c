#include "controls/services/TUtlWave.h"

#include "controls/common/UtlLZRW.h"
#include "controls/common/UtlStreams.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SafeFileStream.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TFiler.h"
#include "platform/os/WaveOut.h"

#include <cstring>

namespace {

// The last wave that started playing, so that stopping one wave never stops another.
const TUtlWave* Playing = nullptr;

} // namespace

bool UtlGetWaveStreamInfo(TStream* Stream, TUtlWaveInfo& Info) {
    if (!Stream || Stream->Size() < 36) return false;
    const Int64 size = Stream->Size();
    Byte header[36];
    Stream->SetPosition(0);
    Stream->ReadBuffer(header, sizeof header);
    Stream->SetPosition(0);
    auto get32 = [&](int at) {
        return Cardinal(header[at]) | Cardinal(header[at + 1]) << 8 | Cardinal(header[at + 2]) << 16 |
               Cardinal(header[at + 3]) << 24;
    };
    auto get16 = [&](int at) { return Word(header[at] | header[at + 1] << 8); };
    if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0 ||
        std::memcmp(header + 12, "fmt ", 4) != 0)
        return false;
    // The sizes must fit the data they describe.
    const Cardinal riffSize = get32(4), formatSize = get32(16);
    if (Int64(riffSize) > size - 8 || formatSize < 16 || Int64(formatSize) > size - 20) return false;
    Info.RiffSize = riffSize;
    Info.Format = get16(20) == 1 ? wfPCM : wfUnknown;
    const Word channels = get16(22);
    Info.ChannelMode = channels == 1 ? cmMono : channels == 2 ? cmStereo : cmUnknown;
    Info.SampleRate = get32(24);
    Info.Bits = get16(34);
    return true;
}

bool UtlMMWavePossible() {
    return WaveOutGetNumDevs() > 0;
}

bool UtlGetWaveFileInfo(const String& FileName, TUtlWaveInfo& Info) {
    if (!FileExists(FileName)) return false;
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    return UtlGetWaveStreamInfo(&file, Info);
}

TUtlWave::TUtlWave() = default;

TUtlWave::TUtlWave(const String& FileName) {
    LoadFromFile(FileName);
}

TUtlWave::~TUtlWave() {
    if (Playing == this) Stop();
}

void TUtlWave::Assign(TPersistent* Source) {
    if (!Source) {
        FreeWave();
        Change();
        return;
    }
    if (auto* other = dynamic_cast<TUtlWave*>(Source)) {
        if (other == this) return;
        FreeWave();
        if (other->FData) {
            FData = std::make_unique<TMemoryStream>();
            FData->WriteBuffer(other->FData->Memory(), Integer(other->FData->Size()));
            FData->SetPosition(0);
        }
        Change();
        return;
    }
    TUtlObject::Assign(Source);
}

void TUtlWave::DefineProperties(TFiler* Filer) {
    Filer->DefineBinaryProperty(
        "Data", [this](TStream* S) { ReadData(S); }, [this](TStream* S) { WriteData(S); }, !GetEmpty());
}

void TUtlWave::ReadStream(Integer Count, TStream* S) {
    if (Count <= 0) {
        FreeWave();
        Change();
        return;
    }
    auto data = std::make_unique<TMemoryStream>();
    data->SetSize(Count);
    S->ReadBuffer(data->Memory(), Count);
    TUtlWaveInfo info;
    if (!UtlGetWaveStreamInfo(data.get(), info)) throw EInvalidWave(ClassName() + ": Cannot open file %s");
    if (Playing == this) Stop();
    FData = std::move(data);
    FData->SetPosition(0);
    Change();
}

void TUtlWave::LoadFromFile(const String& FileName) {
    TFileStream file(FileName, fmOpenRead | fmShareDenyRead);
    ReadStream(Integer(file.Size()), &file);
}

void TUtlWave::LoadFromStream(TStream* S) {
    ReadStream(Integer(S->Size() - S->Position()), S);
}

void TUtlWave::LoadFromStreamEx(TStream* S) {
    ReadStream(stReadCount(S), S);
}

void TUtlWave::LoadCompressedFromStream(TStream* S) {
    TMemoryStream expanded;
    LoadCompressedStream(S, &expanded);
    expanded.SetPosition(0);
    LoadFromStream(&expanded);
}

void TUtlWave::SaveToFile(const String& FileName) {
    core::SafeFileStream file(FileName);
    SaveToStream(&file);
    file.Commit();
}

void TUtlWave::SaveToStream(TStream* S) {
    if (FData && FData->Size() > 0) S->WriteBuffer(FData->Memory(), Integer(FData->Size()));
}

void TUtlWave::SaveToStreamEx(TStream* S) {
    S->WriteInt32(GetSize());
    SaveToStream(S);
}

void TUtlWave::SaveCompressedToStream(TStream* S) {
    TMemoryStream bytes;
    SaveToStream(&bytes);
    bytes.SetPosition(0);
    SaveCompressedStream(&bytes, S, Integer(bytes.Size()));
}

void TUtlWave::FreeWave() {
    if (Playing == this) Stop();
    FData.reset();
}

bool TUtlWave::Play() {
    return PlaySound(sdAsync);
}

bool TUtlWave::PlaySound(TUtlSndPlayMode Mode) {
    if (GetEmpty() || !UtlMMWavePossible()) return false;
    Cardinal flags = SND_NODEFAULT | SND_MEMORY;
    if (Mode != sdSync) flags |= SND_ASYNC;
    if (Mode == sdLoop) flags |= SND_LOOP;
    const bool started = SndPlaySound(FData->Memory(), std::size_t(FData->Size()), flags);
    if (started && Mode != sdSync) Playing = this;
    return started;
}

void TUtlWave::Stop() {
    SndPlaySound(nullptr, 0, SND_MEMORY);
    Playing = nullptr;
}

TUtlWaveInfo TUtlWave::GetInfo() const {
    TUtlWaveInfo info;
    if (FData) UtlGetWaveStreamInfo(FData.get(), info);
    return info;
}

void stWriteWave(TStream* Stream, TUtlWave* Wave, bool Compressed) {
    if (Compressed)
        Wave->SaveCompressedToStream(Stream);
    else
        Wave->SaveToStreamEx(Stream);
}

void stReadWave(TStream* Stream, TUtlWave* Wave, bool Compressed) {
    if (Compressed)
        Wave->LoadCompressedFromStream(Stream);
    else
        Wave->LoadFromStreamEx(Stream);
}
