// The version-information component over the platform's version blocks: numbers,
// strings under the block's translation, the file date, and what a new file name does
// to the block loaded before.
#include "grid/TVgVersionInfo.h"
#include "platform/core/DateTime.h"
#include "platform/os/ProgramPaths.h"
#include "platform/os/VersionInfo.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* OtherProgram = "/opt/iroda/masik.exe";

class VersionInfo : public ::testing::Test {
protected:
    void SetUp() override {
        TVersionBlock block;
        block.Fixed.FileVersionMS = (1u << 16) | 2u;
        block.Fixed.FileVersionLS = (3u << 16) | 4u;
        block.Language = 0x040E;
        block.CodePage = 0x04E2;
        block.Strings = {{"CompanyName", "Példa Kft."}, {"LegalTrademarks", "Védjegy"}};
        RegisterFileVersionInfo(OtherProgram, block);
    }
    void TearDown() override { UnregisterFileVersionInfo(OtherProgram); }

    static void Register(const String& Name, const TVersionBlock& Block) {
        RegisterFileVersionInfo(Name, Block);
    }
};

TEST_F(VersionInfo, NumbersAndStringsOfAFile) {
    TVgVersionInfo info(nullptr, OtherProgram);
    EXPECT_EQ(info.MajorVersion(), 1);
    EXPECT_EQ(info.MinorVersion(), 2);
    EXPECT_EQ(info.Release(), 3);
    EXPECT_EQ(info.Build(), 4);
    // Each row: index, its value (read under 040e04e2).
    const std::pair<Integer, String> strings[] = {
        {1, "Példa Kft."}, {2, ""}, {10, "Védjegy"}, {0, ""}, {11, ""}};
    for (const auto& [index, value] : strings)
        EXPECT_EQ(info.sGetVersionInfo(index), value) << index;
    EXPECT_EQ(info.GetVersionString("CompanyName"), "Példa Kft.");
    EXPECT_EQ(info.iGetVersionInfo(0), -1);
    EXPECT_EQ(info.iGetVersionInfo(5), -1);
}

TEST_F(VersionInfo, TheRunningProgramsOwnBlock) {
    TVgVersionInfo info(nullptr);
    info.SetFileName(ParamStr(0));
    EXPECT_EQ(info.CompanyName(), "Dornek");
    EXPECT_EQ(info.FileDescription(), "Egy program ügyvédeknek");
    EXPECT_EQ(info.ProductName(), "Velmora");
    EXPECT_EQ(info.ProductVersion(), "2.0.1.1");
    EXPECT_EQ(info.InternalName(), "Velmora");
    EXPECT_EQ(info.LegalCopyright(), "");
}

TEST_F(VersionInfo, AFileWithoutABlockAnswersNothing) {
    TVgVersionInfo info(nullptr, "/nincs/ilyen.exe");
    for (Integer i = 1; i <= 4; ++i)
        EXPECT_EQ(info.iGetVersionInfo(i), -1);
    EXPECT_EQ(info.DateTime(), 0);
    for (Integer i = 1; i <= 10; ++i)
        EXPECT_EQ(info.sGetVersionInfo(i), "");
}

TEST_F(VersionInfo, ANewNameForgetsTheBlockBefore) {
    TVgVersionInfo info(nullptr, OtherProgram);
    // An empty name keeps what was loaded, numbers and strings alike.
    info.SetFileName("");
    EXPECT_EQ(info.FileName(), "");
    EXPECT_EQ(info.MajorVersion(), 1);
    EXPECT_EQ(info.Build(), 4);
    EXPECT_EQ(info.CompanyName(), "Példa Kft.");
    // A file without a block forgets it.
    info.SetFileName("/nincs/ilyen.exe");
    EXPECT_EQ(info.MajorVersion(), -1);
    // The same name again reads nothing anew.
    info.SetFileName(OtherProgram);
    UnregisterFileVersionInfo(OtherProgram);
    info.SetFileName(OtherProgram);
    EXPECT_EQ(info.MajorVersion(), 1);
}

TEST_F(VersionInfo, BlockWithoutTranslationHasNoStrings) {
    TVersionBlock block;
    block.Fixed.FileVersionMS = 5u << 16;
    block.HasTranslation = false;
    block.Strings = {{"CompanyName", "Rejtett"}};
    Register("/opt/iroda/forditas.exe", block);
    TVgVersionInfo info(nullptr, "/opt/iroda/forditas.exe");
    EXPECT_EQ(info.MajorVersion(), 5);
    EXPECT_EQ(info.CompanyName(), "");
    UnregisterFileVersionInfo("/opt/iroda/forditas.exe");
}

TEST_F(VersionInfo, FileDates) {
    EXPECT_EQ(vg::FileTimeToDateTime(0), EncodeDate(1601, 1, 1));
    // 2009-03-05 14:30:15.250 in 100 ns steps since 1601.
    const unsigned long long ticks = 128807370152500000ULL;
    EXPECT_DOUBLE_EQ(vg::FileTimeToDateTime(ticks), EncodeDate(2009, 3, 5) + EncodeTime(14, 30, 15, 250));

    TVersionBlock block;
    block.Fixed.FileDateMS = static_cast<Cardinal>(ticks >> 32);
    block.Fixed.FileDateLS = static_cast<Cardinal>(ticks & 0xFFFFFFFFu);
    Register("/opt/iroda/datum.exe", block);
    TVgVersionInfo info(nullptr, "/opt/iroda/datum.exe");
    EXPECT_DOUBLE_EQ(info.DateTime(), EncodeDate(2009, 3, 5) + EncodeTime(14, 30, 15, 250));
    UnregisterFileVersionInfo("/opt/iroda/datum.exe");
}

} // namespace
