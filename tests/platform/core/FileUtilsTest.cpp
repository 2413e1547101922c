#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"

#include "tests/support/ErrorOf.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

TEST(FileNameParts, WindowsAndUnixDelimiters) {
    EXPECT_EQ(ExtractFilePath(".\\data\\dornek.s3db"), ".\\data\\");
    EXPECT_EQ(ExtractFilePath("/home/iroda/a.doc"), "/home/iroda/");
    EXPECT_EQ(ExtractFilePath("C:x.doc"), "C:");
    EXPECT_EQ(ExtractFilePath("a.doc"), "");
    EXPECT_EQ(ExtractFileName(".\\data\\dornek.s3db"), "dornek.s3db");
    EXPECT_EQ(ExtractFileName("mappa/ügy.doc"), "ügy.doc");
    EXPECT_EQ(ExtractFileName("dir/"), "");
}

TEST(FileNameParts, ExtractFileDirKeepsRoots) {
    EXPECT_EQ(ExtractFileDir("C:\\data\\x.db"), "C:\\data");
    EXPECT_EQ(ExtractFileDir("C:\\x.db"), "C:\\");
    EXPECT_EQ(ExtractFileDir("/x.db"), "/");
    EXPECT_EQ(ExtractFileDir("/a/b/x.db"), "/a/b");
    EXPECT_EQ(ExtractFileDir("x.db"), "");
}

TEST(FileNameParts, ExtensionIsAfterLastDelimiterOnly) {
    EXPECT_EQ(ExtractFileExt("dornek.s3db"), ".s3db");
    EXPECT_EQ(ExtractFileExt("dornek"), "");
    EXPECT_EQ(ExtractFileExt("v1.2\\dornek"), ""); // the dot belongs to a folder
    EXPECT_EQ(ExtractFileExt("v1.2/dornek"), "");
    EXPECT_EQ(ExtractFileExt("C:dornek"), "");
    EXPECT_EQ(ExtractFileExt("a.tar.gz"), ".gz");
    EXPECT_EQ(ExtractFileExt("nev."), ".");
}

TEST(FileNameParts, ChangeFileExtReplacesAddsOrRemoves) {
    EXPECT_EQ(ChangeFileExt("velmora", ".LOG"), "velmora.LOG");
    EXPECT_EQ(ChangeFileExt("/opt/velmora.bin", ".INI"), "/opt/velmora.INI");
    EXPECT_EQ(ChangeFileExt("a.b/c", ".x"), "a.b/c.x");
    EXPECT_EQ(ChangeFileExt("lista.xls", ""), "lista");
}

TEST(FileNameParts, TrailingDelimiters) {
    EXPECT_EQ(IncludeTrailingPathDelimiter("data"), "data/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(".\\data\\"), ".\\data\\");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("data/"), "data");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("data\\"), "data");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
    EXPECT_TRUE(IsPathDelimiter("a\\b", 2));
    EXPECT_FALSE(IsPathDelimiter("a\\b", 3));
    EXPECT_FALSE(IsPathDelimiter("a\\b", 0));
}

TEST(FileNameParts, NormalizeTurnsBackslashesIntoSlashes) {
    EXPECT_EQ(NormalizePath(".\\data\\dornek.s3db"), "./data/dornek.s3db");
    EXPECT_EQ(NormalizePath("ügy/ő.doc"), "ügy/ő.doc");
}

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        FSavedDir = GetCurrentDir();
        ASSERT_TRUE(SetCurrentDir(FDir));
    }
    void TearDown() override { SetCurrentDir(FSavedDir); }
    static void Touch(const std::string& name, const std::string& content = "x") {
        std::ofstream(NormalizePath(name)) << content;
    }
    TempFolder FFolder{"velmora-fileutils"};
    const String FDir = FFolder.Path();
    String FSavedDir;
};

TEST_F(FileSystemTest, WindowsRelativePathReachesTheFile) {
    ASSERT_TRUE(ForceDirectories(".\\data\\"));
    Touch("data/dornek.s3db");
    EXPECT_TRUE(FileExists(".\\data\\dornek.s3db"));
    EXPECT_TRUE(DirectoryExists(".\\data\\"));
    EXPECT_FALSE(FileExists(".\\data")); // a folder is not a file
    EXPECT_FALSE(DirectoryExists("data/dornek.s3db"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(DirectoryExists(""));
    // The connection forms "current folder + \ + name".
    EXPECT_TRUE(FileExists(GetCurrentDir() + "\\data\\dornek.s3db"));
}

TEST_F(FileSystemTest, ExpandFileNameResolvesAgainstCurrentFolder) {
    EXPECT_EQ(ExpandFileName(".\\data\\x.db"), FDir + "/data/x.db");
    EXPECT_EQ(ExpandFileName("a/../b/./c"), FDir + "/b/c");
    EXPECT_EQ(ExpandFileName("/x//y/"), "/x/y/");
    EXPECT_EQ(ExpandFileName("/.."), "/");
    EXPECT_EQ(ExpandFileName(""), "");
}

TEST_F(FileSystemTest, ForceDirectoriesCreatesParents) {
    EXPECT_TRUE(ForceDirectories("a\\b\\c"));
    EXPECT_TRUE(DirectoryExists("a/b/c"));
    EXPECT_TRUE(ForceDirectories("a/b/c/")); // existing folder is fine
    Touch("file");
    EXPECT_FALSE(ForceDirectories("file/sub"));
}

TEST_F(FileSystemTest, ForceDirectoriesRejectsEmptyName) {
    EXPECT_EQ(ErrorOf<EInOutError>([&] { ForceDirectories(""); }), "Unable to create directory");
}

TEST_F(FileSystemTest, DeleteFileOnlyDeletesFiles) {
    Touch("x.txt");
    ASSERT_TRUE(CreateDir("d"));
    EXPECT_TRUE(DeleteFile("x.txt"));
    EXPECT_FALSE(FileExists("x.txt"));
    EXPECT_FALSE(DeleteFile("x.txt"));
    EXPECT_FALSE(DeleteFile("d"));
    EXPECT_TRUE(DirectoryExists("d"));
    EXPECT_TRUE(RemoveDir("d"));
}

TEST_F(FileSystemTest, RenameFileNeverOverwrites) {
    Touch("a", "first");
    Touch("b", "second");
    EXPECT_FALSE(RenameFile("a", "b"));
    EXPECT_EQ(FileSize("b"), 6);
    EXPECT_TRUE(RenameFile("a", ".\\c"));
    EXPECT_FALSE(FileExists("a"));
    EXPECT_EQ(FileSize("c"), 5);
    EXPECT_FALSE(RenameFile("missing", "d"));
    EXPECT_EQ(FileSize("missing"), -1);
}

} // namespace

namespace {

TEST_F(FileSystemTest, TempFileNameReservesANewFile) {
    const String a = GetTempFileName(FDir, "VGEXPORT");
    const String b = GetTempFileName(FDir + "\\", "VGE");
    ASSERT_FALSE(a.empty());
    ASSERT_NE(a, b);
    EXPECT_EQ(ExtractFilePath(a), FDir + "/");
    EXPECT_EQ(ExtractFileName(a).substr(0, 3), "VGE");
    EXPECT_EQ(ExtractFileExt(a), ".tmp");
    EXPECT_TRUE(FileExists(a));
    EXPECT_EQ(FileSize(a), 0);
    EXPECT_TRUE(FileExists(b));
}

TEST_F(FileSystemTest, TempFileNameWithNumberCreatesNothing) {
    EXPECT_EQ(GetTempFileName(FDir, "ab", 0x1F), FDir + "/ab1F.tmp");
    EXPECT_FALSE(FileExists(FDir + "/ab1F.tmp"));
    EXPECT_EQ(GetTempFileName(FDir + "/missing", "x"), "");
}

TEST_F(FileSystemTest, TempPathFollowsTmpdir) {
    {
        const ScopedEnv tmpdir("TMPDIR", FDir);
        EXPECT_EQ(GetTempPath(), FDir + "/");
    }
    const ScopedEnv missing("TMPDIR", "/no/such/folder");
    EXPECT_EQ(GetTempPath(), "/tmp/");
}

} // namespace
