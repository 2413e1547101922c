#pragma once
// The runtime's byte stream: a position within a sized sequence of bytes.
#include "platform/core/TObject.h"

enum : Word { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream : public TObject {
public:
    String ClassName() const override { return "TStream"; }

    // Reads up to Count bytes; returns how many it read (0 at the end).
    virtual Integer Read(void* Buffer, Integer Count) = 0;
    // Writes up to Count bytes; returns how many it wrote.
    virtual Integer Write(const void* Buffer, Integer Count) = 0;
    // Moves the position relative to soFromBeginning, soFromCurrent or soFromEnd;
    // returns the new position.
    virtual Int64 Seek(Int64 Offset, Word Origin) = 0;

    Int64 Position() { return Seek(0, soFromCurrent); }
    void SetPosition(Int64 Pos) { Seek(Pos, soFromBeginning); }
    // Size leaves the position where it was.
    virtual Int64 Size();
    virtual void SetSize(Int64 NewSize) {}

    // Exactly Count bytes or EReadError "Stream read error".
    void ReadBuffer(void* Buffer, Integer Count);
    // Exactly Count bytes or EWriteError "Stream write error".
    void WriteBuffer(const void* Buffer, Integer Count);
    // Copies Count bytes from Source's position, or with Count 0 the whole of
    // Source from its start; returns the bytes copied. Short reads raise EReadError.
    Int64 CopyFrom(TStream* Source, Int64 Count);

    // Little-endian values; reads raise EReadError at the end of the stream.
    Byte ReadByte();
    Word ReadWord();
    std::int16_t ReadInt16();
    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    Int64 ReadInt64();
    double ReadDouble();
    void WriteByte(Byte Value);
    void WriteWord(Word Value);
    void WriteInt16(std::int16_t Value);
    void WriteInt32(std::int32_t Value);
    void WriteUInt32(std::uint32_t Value);
    void WriteInt64(Int64 Value);
    void WriteDouble(double Value);
};
