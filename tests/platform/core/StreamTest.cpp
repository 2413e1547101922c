#include "platform/core/Exceptions.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStringStream.h"

#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

namespace {

std::string Bytes(TMemoryStream& m) {
    return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

} // namespace

TEST(Stream, ShortReadRaisesAndFullReadDoesNot) {
    TStringStream s("abc");
    char buf[4] = {};
    s.ReadBuffer(buf, 2);
    EXPECT_EQ("ab", std::string(buf, 2));
    EXPECT_EQ("Stream read error", ErrorOf<EReadError>([&] { s.ReadBuffer(buf, 2); }));
    EXPECT_EQ(0, s.Read(buf, 1)); // the short read consumed the last byte
    s.ReadBuffer(buf, 0);         // nothing asked, nothing wrong
}

TEST(Stream, ShortWriteRaises) {
    TempFolder dir;
    const std::string name = dir.File("ro.bin");
    std::ofstream(name) << "x";
    TFileStream f(name, fmOpenRead);
    EXPECT_EQ("Stream write error", ErrorOf<EWriteError>([&] { f.WriteBuffer("y", 1); }));
}

TEST(Stream, LittleEndianValuesRoundTrip) {
    TMemoryStream m;
    m.WriteByte(0xAB);
    m.WriteWord(0x1234);
    m.WriteInt16(-2);
    m.WriteInt32(-100000);
    m.WriteUInt32(0xDEADBEEF);
    m.WriteInt64(-0x123456789ALL);
    m.WriteDouble(-1.5);
    EXPECT_EQ(std::string("\xAB\x34\x12\xFE\xFF", 5), Bytes(m).substr(0, 5));
    EXPECT_EQ(std::string("\x00\x00\x00\x00\x00\x00\xF8\xBF", 8), Bytes(m).substr(Bytes(m).size() - 8));
    m.SetPosition(0);
    EXPECT_EQ(0xAB, m.ReadByte());
    EXPECT_EQ(0x1234, m.ReadWord());
    EXPECT_EQ(-2, m.ReadInt16());
    EXPECT_EQ(-100000, m.ReadInt32());
    EXPECT_EQ(0xDEADBEEFu, m.ReadUInt32());
    EXPECT_EQ(-0x123456789ALL, m.ReadInt64());
    EXPECT_EQ(-1.5, m.ReadDouble());
    EXPECT_EQ("Stream read error", ErrorOf<EReadError>([&] { m.ReadInt32(); }));
}

TEST(Stream, CopyFromCountZeroCopiesTheWholeSource) {
    TStringStream source("0123456789");
    source.SetPosition(7);
    TMemoryStream dest;
    EXPECT_EQ(10, dest.CopyFrom(&source, 0));
    EXPECT_EQ("0123456789", Bytes(dest));
}

TEST(Stream, CopyFromCopiesFromThePositionAndRaisesWhenShort) {
    TStringStream source("0123456789");
    source.SetPosition(3);
    TMemoryStream dest;
    EXPECT_EQ(4, dest.CopyFrom(&source, 4));
    EXPECT_EQ("3456", Bytes(dest));
    EXPECT_EQ("Stream read error", ErrorOf<EReadError>([&] { dest.CopyFrom(&source, 4); }));
}

TEST(Stream, CopyFromLargerThanOneBuffer) {
    TMemoryStream source;
    source.SetSize(200000);
    for (Int64 i = 0; i < source.Size(); ++i)
        source.Memory()[i] = static_cast<Byte>(i * 7);
    TMemoryStream dest;
    dest.CopyFrom(&source, 0);
    EXPECT_EQ(Bytes(source), Bytes(dest));
}

TEST(MemoryStream, SeekWriteAndSize) {
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    EXPECT_EQ(3, m.Position());
    EXPECT_EQ(1, m.Seek(-2, soFromEnd));
    m.WriteBuffer("X", 1);
    EXPECT_EQ("aXc", Bytes(m));
    m.Seek(2, soFromCurrent); // past the end: the gap is filled with zeros
    m.WriteBuffer("Z", 1);
    EXPECT_EQ(std::string("aXc\0Z", 5), Bytes(m));
    m.SetSize(2);
    EXPECT_EQ(2, m.Position());
    char c;
    EXPECT_EQ(0, m.Read(&c, 1));
    m.Seek(-1, soFromBeginning);
    EXPECT_EQ(0, m.Read(&c, 1));
    EXPECT_EQ(0, m.Write("q", 1));
    m.Clear();
    EXPECT_EQ(0, m.Size());
    EXPECT_EQ(0, m.Position());
}

TEST(MemoryStream, WritesOverlappingTheEndAndAfterShrinking) {
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.Seek(2, soFromBeginning);
    m.WriteBuffer("YZ", 2); // over the last byte and one past it
    EXPECT_EQ("abYZ", Bytes(m));
    m.SetSize(3);
    m.WriteBuffer("c", 1); // appended at the shrunk end
    EXPECT_EQ("abYc", Bytes(m));
    EXPECT_EQ(4, m.Position());
}

TEST(MemoryStream, ImpossibleSizeRaises) {
    TMemoryStream m;
    EXPECT_EQ("Out of memory while expanding memory stream",
              ErrorOf<EStreamError>([&] { m.SetSize(Int64{1} << 40); }));
    EXPECT_EQ(0, m.Size());
}

TEST(MemoryStream, FileRoundTripAcceptsWindowsPaths) {
    TempFolder dir;
    TMemoryStream m;
    m.WriteBuffer("\x00\x01\xFF", 3);
    m.SaveToFile(dir.Path() + "\\out.bin");
    TMemoryStream n;
    n.LoadFromFile(dir.File("out.bin"));
    EXPECT_EQ(Bytes(m), Bytes(n));
}

TEST(FileStream, OpenAndCreateErrorsNameTheFile) {
    TempFolder dir;
    const std::string missing = dir.File("nincs.bin");
    EXPECT_EQ("Cannot open file \"" + missing + "\"",
              ErrorOf<EFOpenError>([&] { TFileStream f(missing, fmOpenRead | fmShareDenyNone); }));
    const std::string badDir = dir.File("no/such/folder.bin");
    EXPECT_EQ("Cannot create file \"" + badDir + "\"",
              ErrorOf<EFCreateError>([&] { TFileStream f(badDir, fmCreate); }));
    EXPECT_EQ("Cannot open file \"" + dir.Path() + "\"",
              ErrorOf<EFOpenError>([&] { TFileStream f(dir.Path(), fmOpenRead); }));
}

TEST(FileStream, CreateTruncatesAndReadWriteUpdatesInPlace) {
    TempFolder dir;
    const std::string name = dir.File("data.bin");
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer("hello world", 11);
    }
    {
        TFileStream f(name, fmOpenReadWrite | fmShareExclusive);
        EXPECT_EQ(11, f.Size());
        f.Seek(6, soFromBeginning);
        f.WriteBuffer("WORLD", 5);
        f.SetSize(8);
        EXPECT_EQ(8, f.Position());
    }
    {
        TFileStream f(name, fmOpenRead);
        char buf[8];
        f.ReadBuffer(buf, 8);
        EXPECT_EQ("hello WO", std::string(buf, 8));
    }
    { TFileStream f(name, fmCreate); }
    TFileStream f(name, fmOpenRead);
    EXPECT_EQ(0, f.Size());
}

TEST(StringStream, WriteOverwritesWithoutCuttingTheRest) {
    TStringStream s("hello world");
    s.WriteString("HE");
    EXPECT_EQ("HEllo world", s.DataString());
    s.Seek(-5, soFromEnd);
    EXPECT_EQ("world", s.ReadString(100));
    s.Seek(-2, soFromEnd);
    s.WriteString("LD!!");
    EXPECT_EQ("HEllo worLD!!", s.DataString());
    EXPECT_EQ(0, s.Seek(-50, soFromCurrent)); // kept within the string
    EXPECT_EQ(13, s.Seek(50, soFromBeginning));
    s.SetSize(2);
    EXPECT_EQ("HE", s.DataString());
    EXPECT_EQ(2, s.Position());
}
