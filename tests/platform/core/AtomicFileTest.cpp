// Replacing a file as a whole: the target changes only on Commit, and nothing
// is left behind whichever way the guard ends.
#include "platform/core/AtomicFile.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SafeFileStream.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStringList.h"

#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(FileReplacement, TheTargetChangesOnlyOnCommit) {
    TempFolder dir("velmora-atomic");
    const std::string target = dir.File("lista.pdf");
    WriteFileBytes(target, "old");
    ::chmod(target.c_str(), 0600);
    {
        core::FileReplacement file(target);
        ASSERT_TRUE(file.Valid());
        EXPECT_EQ(std::filesystem::path(file.TempName()).parent_path(), dir.Path());
        // A writer of its own opens the temporary file by name.
        WriteFileBytes(file.TempName(), "new");
        EXPECT_EQ(ReadFileBytes(target), "old");
        EXPECT_TRUE(file.Commit());
    }
    EXPECT_EQ(ReadFileBytes(target), "new");
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u); // the replaced file's permissions stay
    EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string>{"lista.pdf"});
}

TEST(FileReplacement, WithoutCommitTheOldFileStaysAndNothingIsLeft) {
    TempFolder dir("velmora-atomic");
    const std::string target = dir.File("lista.pdf");
    WriteFileBytes(target, "old");
    {
        core::FileReplacement file(target);
        ASSERT_EQ(::write(file.Handle(), "partial", 7), 7);
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string>{"lista.pdf"});

    // A folder that does not exist takes no file.
    core::FileReplacement nowhere(dir.File("nincs/lista.pdf"));
    EXPECT_FALSE(nowhere.Valid());
    EXPECT_FALSE(nowhere.Commit());
    EXPECT_FALSE(core::WriteFileAtomically(dir.File("nincs/lista.pdf"), "x"));
}

// Only the guard's own temporary names for this very target count as its own.
TEST(FileReplacement, TemporaryNamesOfATarget) {
    const struct {
        const char* Name;
        bool Own;
    } rows[] = {
        {"lista.xls.tmp-Ab3dE9", true},             // the pattern: six letters and digits
        {"lista.xls", false},                       // the target itself
        {"lista.xls.tmp-Ab3dE", false},             // one letter short
        {"lista.xls.tmp-Ab3dE9x", false},           // one letter over
        {"lista.xls.tmp-Ab3d_9", false},            // not a letter the system picks
        {"lista.xls.tmp-Ab3dé", false},             // an accented letter, six bytes
        {"lista.xls.TMP-Ab3dE9", false},            // the marker in another case
        {"Lista.xls.tmp-Ab3dE9", false},            // another target, by case
        {"xlista.xls.tmp-Ab3dE9", false},           // another target ending in this one's name
        {"lista.xlsx.tmp-Ab3dE9", false},           // another target starting with it
        {"masik.xls.tmp-Ab3dE9", false},            // another target's temporary
        {"lista.xls.tmp-Ab3dE9.tmp-Qq1Qq1", false}, // the temporary of a target named like one
    };
    for (const auto& row : rows)
        EXPECT_EQ(core::IsTemporaryNameOf("lista.xls", row.Name), row.Own) << row.Name;
    EXPECT_FALSE(core::IsTemporaryNameOf("", ".tmp-Ab3dE9"));
}

// A writer killed before its rename leaves its whole temporary file; the next
// write of that target removes it, and nothing that may still be in use or is
// not the target's own.
TEST(FileReplacement, TheNextWriteRemovesADeadWritersTemporary) {
    TempFolder dir("velmora-atomic");
    const std::string target = dir.File("lista.xls");
    const auto age = [&](const std::string& name, int seconds) {
        const timespec then{::time(nullptr) - seconds, 0}, times[2] = {then, then};
        ASSERT_EQ(::utimensat(AT_FDCWD, dir.File(name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << name;
    };
    for (const char* name :
         {"lista.xls.tmp-Ab3dE9", "lista.xls.tmp-Fresh1", "masik.xls.tmp-Ab3dE9", "masik.xls"})
        WriteFileBytes(dir.File(name), "a whole export");
    std::filesystem::create_directory(dir.File("lista.xls.tmp-Folder"));
    ::symlink("masik.xls", dir.File("lista.xls.tmp-Link01").c_str());
    for (const char* name : {"lista.xls.tmp-Ab3dE9", "masik.xls.tmp-Ab3dE9", "lista.xls.tmp-Folder",
                             "lista.xls.tmp-Link01", "masik.xls"})
        age(name, 3600);
    age("lista.xls.tmp-Fresh1", 60); // a writer busy with its rows a minute ago

    // A writer still at work holds its temporary, however long since it wrote.
    core::FileReplacement live(target);
    const std::string liveName = std::filesystem::path(live.TempName()).filename().string();
    age(liveName, 3600);
    ASSERT_TRUE(core::WriteFileAtomically(target, "new"));
    std::vector<std::string> left{"lista.xls",
                                  "lista.xls.tmp-Folder",
                                  "lista.xls.tmp-Fresh1",
                                  "lista.xls.tmp-Link01",
                                  "masik.xls",
                                  "masik.xls.tmp-Ab3dE9",
                                  liveName};
    std::sort(left.begin(), left.end());
    EXPECT_EQ(FileNamesIn(dir.Path()), left);
    EXPECT_TRUE(live.Write("newer") && live.Commit());
    EXPECT_EQ(ReadFileBytes(target), "newer");
}

namespace {

using core::SafeFileStream;
using Names = std::vector<std::string>;

class SafeFile : public ::testing::Test {
protected:
    std::string Target() const { return FDir.File("list.xls"); }
    TempFolder FDir{"velmora-safefile"};
};

TEST_F(SafeFile, ALinkIsWrittenThroughAndStaysALink) {
    WriteFileBytes(FDir.File("real.xls"), "old");
    ASSERT_EQ(::symlink("real.xls", Target().c_str()), 0);
    SafeFileStream file(Target());
    file.WriteBuffer("new", 3);
    file.Commit();
    EXPECT_EQ(ReadFileBytes(FDir.File("real.xls")), "new");
    struct stat st {};
    ::lstat(Target().c_str(), &st);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

// Targets whose temporary or final name needs care: the file a link names is
// written and every link stays; a name as long as the folder takes still gets
// a temporary beside it.
TEST_F(SafeFile, LinksStayAndLongNamesFit) {
    const std::string longAscii(250, 'a');
    std::string longUtf8 = "x";
    for (int i = 0; i < 127; ++i)
        longUtf8 += "á";
    struct Case {
        const char* Why;
        std::string Target;  // the name written to
        std::string Written; // the file that must hold the bytes
        std::function<void()> Prepare;
        Names Left; // the folder's names afterwards
    };
    const Case cases[] = {
        {"a link to a file that does not exist yet", "lista.pdf", "kesz.pdf",
         [&] { ::symlink("kesz.pdf", FDir.File("lista.pdf").c_str()); }, Names{"kesz.pdf", "lista.pdf"}},
        {"a chain of links, one relative to its own folder", "lista.pdf", "tar/valodi.pdf",
         [&] {
             std::filesystem::create_directory(FDir.File("tar"));
             ::symlink("valodi.pdf", FDir.File("tar/kozbenso.pdf").c_str());
             ::symlink("tar/kozbenso.pdf", FDir.File("lista.pdf").c_str());
         },
         Names{"lista.pdf", "tar"}},
        {"a 250-byte name", longAscii, longAscii, [] {}, Names{longAscii}},
        {"a 255-byte name of two-byte letters", longUtf8, longUtf8, [] {}, Names{longUtf8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        std::filesystem::remove_all(FDir.Path());
        std::filesystem::create_directory(FDir.Path());
        c.Prepare();
        SafeFileStream file(FDir.File(c.Target));
        file.WriteBuffer("new", 3);
        file.Commit();
        EXPECT_EQ(ReadFileBytes(FDir.File(c.Written)), "new");
        EXPECT_EQ(FileNamesIn(FDir.Path()), c.Left);
        struct stat st {};
        ::lstat(FDir.File(c.Target).c_str(), &st);
        EXPECT_EQ(S_ISLNK(st.st_mode), c.Target != c.Written);
    }
}

// Each way a whole-file write can fail leaves yesterday's file and no temporary.
TEST_F(SafeFile, AFailureLeavesTheEarlierFileAndNoTemporary) {
    const std::string big(64 * 1024, 'x');
    struct Case {
        const char* Why;
        std::function<void(const std::string&)> Write;
    };
    const Case cases[] = {
        {"disk full while writing",
         [&](const std::string& name) {
             SafeFileStream file(name);
             const FileSizeLimit full(4096);
             file.WriteBuffer(big.data(), static_cast<Integer>(big.size()));
         }},
        {"disk full in a memory stream's save",
         [&](const std::string& name) {
             TMemoryStream bytes;
             bytes.WriteBuffer(big.data(), static_cast<Integer>(big.size()));
             const FileSizeLimit full(4096);
             bytes.SaveToFile(name);
         }},
        {"disk full in a string list's save",
         [&](const std::string& name) {
             TStringList lines;
             lines.SetText(big);
             const FileSizeLimit full(4096);
             lines.SaveToFile(name);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        WriteFileBytes(Target(), "yesterday");
        const String error = ErrorOf<EStreamError>([&] { c.Write(Target()); });
        // The message names the file and the cause.
        EXPECT_EQ(error.rfind("A(z) „" + Target() + "” fájl nem készült el: ", 0), 0u) << error;
        EXPECT_EQ(ReadFileBytes(Target()), "yesterday");
        EXPECT_EQ(FileNamesIn(FDir.Path()), Names{"list.xls"});
    }
    // The whole-bytes writer answers false instead.
    {
        const FileSizeLimit full(4096);
        EXPECT_FALSE(core::WriteFileAtomically(Target(), big));
    }
    EXPECT_EQ(ReadFileBytes(Target()), "yesterday");
    EXPECT_EQ(FileNamesIn(FDir.Path()), Names{"list.xls"});
}

TEST_F(SafeFile, AMissingFolderCannotBeCreatedIn) {
    const std::string name = FDir.File("nincs/list.xls");
    EXPECT_EQ(ErrorOf<EFCreateError>([&] { SafeFileStream file(name); }),
              "Cannot create file \"" + name + "\"");
}

} // namespace
