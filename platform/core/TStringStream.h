#pragma once
// A stream over the bytes of a string.
#include "platform/core/TStream.h"

class TStringStream : public TStream {
public:
    explicit TStringStream(const String& AString = String()) : FDataString(AString) {}

    String ClassName() const override { return "TStringStream"; }

    Integer Read(void* Buffer, Integer Count) override;
    // Overwrites from the position and extends the string as needed.
    Integer Write(const void* Buffer, Integer Count) override;
    // The position is kept within 0..Size.
    Int64 Seek(Int64 Offset, Word Origin) override;
    Int64 Size() override { return static_cast<Int64>(FDataString.size()); }
    void SetSize(Int64 NewSize) override;

    // Up to Count bytes from the position.
    String ReadString(Integer Count);
    void WriteString(const String& AString);
    const String& DataString() const { return FDataString; }

private:
    String FDataString;
    Int64 FPosition = 0;
};
