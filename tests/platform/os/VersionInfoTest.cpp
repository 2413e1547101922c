#include "tests/platform/os/OsTestSupport.h"

#include "platform/os/Process.h"
#include "platform/os/VersionInfo.h"

#include <gtest/gtest.h>

namespace {

String Query(const TVersionBlock& block, const char* path) {
    String value = "<none>";
    VerQueryString(block, path, value);
    return value;
}

TEST(ProgramVersion, RunningProgramAnswersItsBlock) {
    const String exe = GetModuleFileName();
    ASSERT_FALSE(exe.empty());
    EXPECT_GT(GetFileVersionInfoSize(exe), 0u);
    TVersionBlock block;
    ASSERT_TRUE(GetFileVersionInfo(exe, block));
    TFixedFileInfo fixed;
    ASSERT_TRUE(VerQueryFixedFileInfo(block, fixed));
    EXPECT_EQ(fixed.FileVersionMS, (2u << 16) | 0u);
    EXPECT_EQ(fixed.FileVersionLS, (1u << 16) | 3u);
    EXPECT_EQ(fixed.FileDateMS, 0u);
    EXPECT_EQ(fixed.FileDateLS, 0u);
    Word language = 0;
    Word codePage = 0;
    ASSERT_TRUE(VerQueryTranslation(block, language, codePage));
    EXPECT_EQ(language, 0x040E);
    EXPECT_EQ(codePage, 1250);
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2\\CompanyName"), "Dornek");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040E04E2\\FileDescription"), "Egy program ügyvédeknek");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2\\FileVersion"), "2.0.1.3");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2\\InternalName"), "Velmora");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2\\ProductName"), "Velmora");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2\\ProductVersion"), "2.0.1.1");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2\\LegalCopyright"), "");
}

TEST(ProgramVersion, PathMayUseBackslashesAndLinks) {
    ostest::TempFolder dir;
    const String link = dir / "velmora";
    std::filesystem::create_symlink(GetModuleFileName(), link);
    EXPECT_GT(GetFileVersionInfoSize(link), 0u);
    String windowsStyle = link;
    for (char& c : windowsStyle)
        if (c == '/') c = '\\';
    EXPECT_GT(GetFileVersionInfoSize(windowsStyle), 0u);
}

TEST(ProgramVersion, OtherFilesHaveNoBlock) {
    ostest::TempFolder dir;
    WriteFileBytes(dir / "a.exe", "MZ");
    TVersionBlock block;
    EXPECT_EQ(GetFileVersionInfoSize(dir / "a.exe"), 0u);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
    EXPECT_FALSE(GetFileVersionInfo(dir / "a.exe", block));
    EXPECT_EQ(GetFileVersionInfoSize(dir / "missing.exe"), 0u);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileVersionInfoSize(""), 0u);
}

TEST(ProgramVersion, RegisteredBlockAnswersForItsFile) {
    TVersionBlock block;
    block.Fixed.FileVersionMS = (1u << 16) | 2u;
    block.Fixed.FileVersionLS = (3u << 16) | 4u;
    block.Strings = {{"CompanyName", "Teszt Kft."}};
    RegisterFileVersionInfo("/opt/other/prog.exe", block);
    TVersionBlock read;
    ASSERT_TRUE(GetFileVersionInfo("\\opt\\other\\prog.exe", read));
    EXPECT_EQ(read.Fixed.FileVersionLS, (3u << 16) | 4u);
    EXPECT_EQ(Query(read, "\\StringFileInfo\\040e04e2\\CompanyName"), "Teszt Kft.");
    UnregisterFileVersionInfo("/opt/other/prog.exe");
    EXPECT_EQ(GetFileVersionInfoSize("/opt/other/prog.exe"), 0u);
}

TEST(VersionQueries, StringsOnlyUnderTheBlocksTranslation) {
    TVersionBlock block = ProgramVersionBlock();
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904b0\\CompanyName"), "<none>"); // other language
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2\\NoSuchKey"), "<none>");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2"), "<none>");
    EXPECT_EQ(Query(block, "\\VarFileInfo\\Translation"), "<none>");
    EXPECT_EQ(Query(block, ""), "<none>");
    EXPECT_EQ(Query(block, "\\stringfileinfo\\040e04e2\\companyname"), "Dornek");
    EXPECT_EQ(Query(block, "\\\\StringFileInfo\\\\040e04e2\\\\CompanyName"), "Dornek");

    block.HasTranslation = false;
    Word language = 1;
    Word codePage = 1;
    EXPECT_FALSE(VerQueryTranslation(block, language, codePage));
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040e04e2\\CompanyName"), "<none>");
}

TEST(ProgramPaths, ParamStrZeroIsTheExecutable) {
    EXPECT_EQ(ParamStr(0), GetModuleFileName());
    EXPECT_EQ(ParamStr(-1), "");
    EXPECT_EQ(ParamStr(ParamCount() + 1), "");
    EXPECT_GE(ParamCount(), 0);
}

} // namespace
