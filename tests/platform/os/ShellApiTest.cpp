#include "tests/platform/os/OsTestSupport.h"

#include "platform/os/ShellApi.h"

#include "tests/support/StubOpener.h"

#include <gtest/gtest.h>

namespace {

// A stub xdg-open first on PATH: it logs its arguments and working folder, then
// ends with $STUB_EXIT after sleeping $STUB_SLEEP seconds.
class ShellOpenTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteStubOpener(FBin.Path());
        WriteFileBytes(FDocs / "szerződés.doc", "doc");
        SetShellOpenWaitMs(2000);
    }
    void TearDown() override { SetShellOpenWaitMs(0); }

    // What the stub received, "" when it never ran.
    std::string Received() { return ReadFileBytes(FLog); }

    ostest::TempFolder FBin;
    ostest::TempFolder FDocs;
    std::string FLog = FBin / "log.txt";
    std::string FPathValue =
        FBin.Path() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin");
    ostest::ScopedEnv FPath{"PATH", FPathValue.c_str()};
    ostest::ScopedEnv FLogEnv{"STUB_LOG", FLog.c_str()};
    ostest::ScopedEnv FExit{"STUB_EXIT", "0"};
    ostest::ScopedEnv FSleep{"STUB_SLEEP", "0"};
};

// The window must not wait on the opener: its verdict comes in its exit code.
TEST(ShellOpen, OpenerIsNotWaitedFor) {
    ostest::TempFolder bin;
    ostest::TempFolder docs;
    WriteStubOpener(bin.Path());
    WriteFileBytes(docs / "levél.odt", "doc");
    const std::string pathValue =
        bin.Path() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin");
    ostest::ScopedEnv path("PATH", pathValue.c_str());
    ostest::ScopedEnv log("STUB_LOG", bin / "log.txt");
    ostest::ScopedEnv exitCode("STUB_EXIT", "3"); // no program for the type, at once
    TShellExecuteInfo info;
    info.Mask = SEE_MASK_NOCLOSEPROCESS;
    info.File = docs / "levél.odt";
    ASSERT_TRUE(ShellExecuteEx(info));
    ASSERT_NE(info.Process, 0);
    EXPECT_EQ(WaitForSingleObject(info.Process, INFINITE), WAIT_OBJECT_0);
    Cardinal code = 0;
    EXPECT_TRUE(GetExitCodeProcess(info.Process, code));
    EXPECT_EQ(ShellCodeOfHelperExit(code), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellCodeOfHelperExit(2), SE_ERR_FNF);
    EXPECT_EQ(ShellCodeOfHelperExit(0), SE_OK);
    CloseHandle(info.Process);
}

TEST_F(ShellOpenTest, DocumentGoesToTheOpenerAsAnAbsolutePath) {
    const Integer r = ShellExecute("open", FDocs / "szerződés.doc", "", "", SW_SHOW);
    EXPECT_GT(r, 32);
    EXPECT_EQ(Received(), FDocs / "szerződés.doc\n" + std::filesystem::current_path().string() + "\n");
}

TEST_F(ShellOpenTest, WindowsRelativePathResolvesAgainstTheDirectory) {
    std::filesystem::create_directory(FDocs / "data");
    WriteFileBytes(FDocs / "data/a.pdf", "pdf");
    EXPECT_EQ(ShellExecute("open", ".\\data\\a.pdf", "", FDocs.Path(), SW_SHOWNORMAL), SE_OK);
    EXPECT_EQ(Received(), FDocs / "data/a.pdf\n" + FDocs.Path() + "\n");
}

TEST_F(ShellOpenTest, EmptyVerbMeansOpen) {
    EXPECT_EQ(ShellExecute("", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_OK);
    EXPECT_EQ(ShellExecute("OPEN", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_OK);
}

TEST_F(ShellOpenTest, LinksPassUnchanged) {
    EXPECT_EQ(ShellExecute("open", "http://www.example.hu", "", "", SW_SHOW), SE_OK);
    EXPECT_EQ(Received().substr(0, 22), "http://www.example.hu\n");
    EXPECT_EQ(ShellExecute("open", "mailto:iroda@example.hu", "", "", SW_SHOW), SE_OK);
    EXPECT_EQ(Received().substr(0, 24), "mailto:iroda@example.hu\n");
}

TEST_F(ShellOpenTest, MissingFileOrFolderIsReportedWithoutCallingTheOpener) {
    EXPECT_EQ(ShellExecute("open", FDocs / "nincs.doc", "", "", SW_SHOW), SE_ERR_FNF);
    EXPECT_EQ(ShellExecute("open", FDocs / "nincs/a.doc", "", "", SW_SHOW), SE_ERR_PNF);
    EXPECT_EQ(ShellExecute("open", "a.doc", "", FDocs / "nincs", SW_SHOW), SE_ERR_PNF);
    EXPECT_EQ(ShellExecute("open", "", "", "", SW_SHOW), SE_ERR_FNF);
    EXPECT_EQ(Received(), "");
}

TEST_F(ShellOpenTest, OpenerFailuresMapToShellCodes) {
    struct Row {
        const char* Exit;
        Integer Expected;
    };
    const Row rows[] = {
        {"2", SE_ERR_FNF},     // the opener found no such file
        {"3", SE_ERR_NOASSOC}, // no program for the type
        {"4", SE_ERR_NOASSOC}, // the program failed
        {"1", SE_ERR_NOASSOC},
    };
    for (const Row& row : rows) {
        ostest::ScopedEnv exitCode("STUB_EXIT", row.Exit);
        TShellExecuteInfo info;
        info.Mask = SEE_MASK_NOCLOSEPROCESS;
        info.Verb = "open";
        info.File = FDocs / "szerződés.doc";
        EXPECT_FALSE(ShellExecuteEx(info)) << row.Exit;
        EXPECT_EQ(info.InstApp, row.Expected) << row.Exit;
        EXPECT_EQ(info.Process, 0) << row.Exit;
    }
}

TEST_F(ShellOpenTest, NoOpenerMeansNoAssociation) {
    ostest::TempFolder empty;
    ostest::ScopedEnv path("PATH", empty.Path().c_str());
    EXPECT_EQ(ShellExecute("open", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_ERR_NOASSOC);
}

TEST_F(ShellOpenTest, VerbsWithoutMeaningHereAreNotAssociated) {
    // Only the stub folder on PATH: no print command either.
    ostest::ScopedEnv path("PATH", FBin.Path().c_str());
    EXPECT_EQ(ShellExecute("print", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute("edit", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute("properties", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute("explore", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_ERR_NOASSOC);
    EXPECT_EQ(Received(), "");
}

TEST_F(ShellOpenTest, PrintGoesToThePrintCommand) {
    WriteFileBytes(FBin / "lp",
                   "#!/bin/sh\nprintf 'lp %s\\n' \"$@\" > \"$STUB_LOG\"\nexit \"${STUB_EXIT:-0}\"\n", true);
    EXPECT_EQ(ShellExecute("print", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_OK);
    EXPECT_EQ(Received(), "lp " + FDocs / "szerződés.doc\n");
    {
        // No printer, or a queue that takes no job: a printer failure, not a missing association.
        ostest::ScopedEnv exitCode("STUB_EXIT", "1");
        EXPECT_EQ(ShellExecute("print", FDocs / "szerződés.doc", "", "", SW_SHOW), Integer(ERROR_NOT_READY));
    }
    EXPECT_EQ(ShellExecute("print", FDocs.Path(), "", "", SW_SHOW), SE_ERR_NOASSOC); // a folder
    EXPECT_EQ(ShellExecute("print", "http://example.hu", "", "", SW_SHOW), SE_ERR_NOASSOC);
}

TEST_F(ShellOpenTest, ExploreOpensAFolder) {
    EXPECT_EQ(ShellExecute("explore", FDocs.Path() + "\\", "", "", SW_SHOW), SE_OK);
    EXPECT_EQ(Received().substr(0, FDocs.Path().size() + 2), FDocs.Path() + "/\n");
}

TEST_F(ShellOpenTest, SlowOpenerIsHandedBackWhileItRuns) {
    ostest::ScopedEnv sleep("STUB_SLEEP", "5");
    SetShellOpenWaitMs(100);
    TShellExecuteInfo info;
    info.Mask = SEE_MASK_NOCLOSEPROCESS;
    info.File = FDocs / "szerződés.doc";
    EXPECT_TRUE(ShellExecuteEx(info));
    EXPECT_EQ(info.InstApp, SE_OK);
    ASSERT_NE(info.Process, 0);
    Cardinal code = 0;
    EXPECT_TRUE(GetExitCodeProcess(info.Process, code));
    EXPECT_EQ(code, STILL_ACTIVE);
    EXPECT_TRUE(TerminateProcess(info.Process, 1));
    EXPECT_EQ(WaitForSingleObject(info.Process, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(CloseHandle(info.Process));
}

TEST_F(ShellOpenTest, QuickOpenerLeavesNoProcess) {
    TShellExecuteInfo info;
    info.Mask = SEE_MASK_NOCLOSEPROCESS;
    info.File = FDocs / "szerződés.doc";
    EXPECT_TRUE(ShellExecuteEx(info));
    EXPECT_EQ(info.Process, 0); // waiting on it returns at once
}

TEST_F(ShellOpenTest, ProgramStartsWithParametersInItsDirectory) {
    WriteFileBytes(FDocs / "prog.sh", "#!/bin/sh\npwd > run.txt\nprintf '%s\\n' \"$@\" >> run.txt\n", true);
    std::filesystem::create_directory(FDocs / "work");
    TShellExecuteInfo info;
    info.Mask = SEE_MASK_NOCLOSEPROCESS;
    info.File = FDocs / "prog.sh";
    info.Parameters = "-a \"két szó\" $HOME";
    info.Directory = FDocs / "work";
    ASSERT_TRUE(ShellExecuteEx(info));
    ASSERT_NE(info.Process, 0);
    EXPECT_EQ(WaitForSingleObject(info.Process, INFINITE), WAIT_OBJECT_0);
    CloseHandle(info.Process);
    EXPECT_EQ(ReadFileBytes(FDocs / "work/run.txt"), FDocs / "work\n-a\nkét szó\n$HOME\n");
    EXPECT_EQ(Received(), ""); // programs do not go through the opener
}

TEST_F(ShellOpenTest, ExecutableDocumentIsStillADocument) {
    // Removable media often mark every file executable.
    WriteFileBytes(FDocs / "level.txt", "Tisztelt Uram!", true);
    EXPECT_EQ(ShellExecute("open", FDocs / "level.txt", "", "", SW_SHOW), SE_OK);
    EXPECT_EQ(Received().substr(0, (FDocs / "level.txt").size() + 1), FDocs / "level.txt\n");
}

// What counts as a program, which a stored document path must never start.
TEST_F(ShellOpenTest, ProgramFilesAreToldFromDocuments) {
    std::string pe(0x80, '\0');
    pe.replace(0, 2, "MZ");
    pe[0x3C] = 0x40;
    pe.replace(0x40, 4, std::string("PE\0\0", 4));
    struct Row {
        const char* Why;
        std::string Name;
        std::string Bytes;
        bool Executable;
        bool Program;
    };
    const Row rows[] = {
        {"a binary named as a document", "level.pdf",
         "\x7F"
         "ELF\2\1\1",
         true, true},
        {"a script named as a document", "level.pdf", "#!/bin/sh\nexit 0\n", true, true},
        {"a script the user may not run", "level.pdf", "#!/bin/sh\nexit 0\n", false, false},
        {"a document on media that mark everything executable", "level.txt", "Tisztelt Uram!", true, false},
        {"a launcher, which the opener starts", "level.pdf", "[Desktop Entry]\nExec=sh\n", false, true},
        {"a Windows program by its header", "level.pdf", pe, false, true},
        {"a Windows program by its name", "LEVEL.EXE", "x", false, true},
        {"a letter that only starts with MZ", "level.txt", "MZ Kft. részére" + std::string(80, ' '), false,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Why);
        std::filesystem::remove(FDocs / row.Name);
        WriteFileBytes(FDocs / row.Name, row.Bytes, row.Executable);
        EXPECT_EQ(IsProgramFile(FDocs / row.Name), row.Program);
        std::filesystem::remove(FDocs / row.Name);
    }
    WriteFileBytes(FDocs / "sub/prog", "#!/bin/sh\n", true);
    EXPECT_TRUE(IsProgramFile(".\\sub\\prog", FDocs.Path())); // as a stored Windows path
    EXPECT_FALSE(IsProgramFile(FDocs / "sub"));               // a folder
    EXPECT_FALSE(IsProgramFile(FDocs / "nincs"));
}

// Each form of a file link names a file here, whatever its host, and each gets the same
// check: a link to a program is not opened.
TEST_F(ShellOpenTest, EveryFormOfAFileLinkIsChecked) {
    WriteFileBytes(FDocs / "szerzodes.desktop", "[Desktop Entry]\nExec=touch ran\n");
    WriteFileBytes(FDocs / "level a.pdf", "#!/bin/sh\ntouch ran\n", true);
    const std::string dir = FDocs.Path(), program = dir + "/szerzodes.desktop";
    const struct {
        const char* Why;
        std::string Link;
        Integer Result;
    } rows[] = {
        {"the local host", "file://localhost" + program, SE_ERR_ACCESSDENIED},
        {"capitals", "FILE://LOCALHOST" + program, SE_ERR_ACCESSDENIED},
        {"one slash, a capital scheme", "File:" + program, SE_ERR_ACCESSDENIED},
        {"another host, which openers leave aside", "file://iroda" + program, SE_ERR_ACCESSDENIED},
        {"a script, its blank encoded", "file://" + dir + "/level%20a.pdf", SE_ERR_ACCESSDENIED},
        {"a percent-encoded name", "file://localhost" + dir + "/szerzodes%2Edesktop", SE_ERR_ACCESSDENIED},
        {"a query and a fragment", "file://" + program + "?a=1#b", SE_ERR_ACCESSDENIED},
        {"relative to the working folder", "file:szerzodes.desktop", SE_ERR_ACCESSDENIED},
        {"no path", "file://localhost", SE_ERR_FNF},
        {"a zero byte, where openers end the name", "file://" + program + "%00.doc", SE_ERR_FNF},
        {"a document", "file://localhost" + dir + "/szerz%C5%91d%C3%A9s.doc", SE_OK},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        std::filesystem::remove(FLog);
        EXPECT_EQ(ShellExecute("open", row.Link, "", dir, SW_SHOW), row.Result);
        EXPECT_EQ(Received(), row.Result == SE_OK ? row.Link + "\n" + dir + "\n" : "");
    }
}

TEST_F(ShellOpenTest, UnreadableDocumentIsAccessDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
    ::chmod((FDocs / "szerződés.doc").c_str(), 0);
    EXPECT_EQ(ShellExecute("open", FDocs / "szerződés.doc", "", "", SW_SHOW), SE_ERR_ACCESSDENIED);
}

} // namespace
