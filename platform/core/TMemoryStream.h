#pragma once
// A stream over a growable block of memory.
#include "platform/core/TStream.h"

#include <vector>

class TMemoryStream : public TStream {
public:
    String ClassName() const override { return "TMemoryStream"; }

    Integer Read(void* Buffer, Integer Count) override;
    // Writing past the end grows the stream (a gap left by seeking is zero-filled).
    Integer Write(const void* Buffer, Integer Count) override;
    // Any position is accepted; reading before the start or past the end reads nothing.
    Int64 Seek(Int64 Offset, Word Origin) override;
    Int64 Size() override { return static_cast<Int64>(FData.size()); }
    // The position is clipped to the new size.
    void SetSize(Int64 NewSize) override;

    // The bytes; valid until the stream next grows.
    Byte* Memory() { return FData.data(); }
    const Byte* Memory() const { return FData.data(); }
    void Clear();

    // Replaces the contents with the whole of Stream (read from its start).
    void LoadFromStream(TStream* Stream);
    // Raises EFOpenError "Cannot open file "<name>"".
    void LoadFromFile(const String& FileName);
    // Writes the whole contents, whatever the position.
    void SaveToStream(TStream* Stream);
    // Replaces the file only once the whole contents are written (see
    // core::SafeFileStream); raises EFCreateError "Cannot create file "<name>""
    // or EWriteError, leaving an earlier file as it was.
    void SaveToFile(const String& FileName);

private:
    std::vector<Byte> FData;
    Int64 FPosition = 0;
};
