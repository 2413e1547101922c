// Replacing a file as a whole: the target changes only on Commit, and nothing
// is left behind whichever way the guard ends.
#include "platform/core/AtomicFile.h"

#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::size_t FilesIn(const TempFolder& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++n;
    return n;
}

} // namespace

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
    EXPECT_EQ(FilesIn(dir), 1u);
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
    EXPECT_EQ(FilesIn(dir), 1u);

    // A folder that does not exist takes no file.
    core::FileReplacement nowhere(dir.File("nincs/lista.pdf"));
    EXPECT_FALSE(nowhere.Valid());
    EXPECT_FALSE(nowhere.Commit());
    EXPECT_FALSE(core::WriteFileAtomically(dir.File("nincs/lista.pdf"), "x"));
}
