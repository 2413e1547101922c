// Folders, the file dialog, Base64 and the character-set conversions.
#include "export/VgEUtils.h"

#include "platform/core/CodePages.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/DialogHook.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(VgEUtils, ForceDirectoriesCreatesEveryMissingLevel) {
    TempFolder folder("velmora-export");
    const String deep = folder.File("a/b/c");
    EXPECT_TRUE(VgEForceDirectories(deep + "/"));
    EXPECT_TRUE(VgEDirectoryExists(deep));
    EXPECT_TRUE(VgEForceDirectories(deep)); // already there
    EXPECT_TRUE(VgEForceDirectories(""));
    EXPECT_TRUE(VgEForceDirectories("C:"));
    EXPECT_FALSE(VgEDirectoryExists(folder.File("nincs")));
}

TEST(VgEUtils, FileDialogProposesDefaultInAFolder) {
    std::vector<ui::DialogRequest> requests;
    DialogRecorder dialogs([&](const ui::DialogRequest& r) {
        requests.push_back(r);
        return ui::DialogAnswer{1, "/tmp/lista.xls"};
    });
    String name = "/tmp/export/";
    EXPECT_TRUE(VgEOpenSaveFileDialog("sme", "Spec|*.VGE|", "", "", name, false));
    EXPECT_EQ(name, "/tmp/lista.xls");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Kind, ui::DialogKind::SaveDialog);
    EXPECT_EQ(requests[0].Value, "/tmp/export/default");
    dialogs.AnswerWith(0);
    name = "megmarad";
    EXPECT_FALSE(VgEOpenSaveFileDialog("", "", "", "", name, true));
    EXPECT_EQ(name, "megmarad");
}

TEST(VgEUtils, Base64) {
    EXPECT_EQ(Encode64("Man"), "TWFu");
    EXPECT_EQ(Encode64("Ma"), "TWE=");
    EXPECT_EQ(Encode64("M"), "TQ==");
    EXPECT_EQ(Encode64(""), "");
    EXPECT_EQ(Decode64("TWFu"), "Man");
    EXPECT_EQ(Decode64("TWE="), "Ma");
    EXPECT_EQ(Decode64("TQ=="), "M");
    EXPECT_EQ(Decode64("TWFuTQ"), "Man"); // a trailing partial group is ignored
    EXPECT_EQ(Decode64("===="), "");
    const String bytes("\x00\xFF\x80\x7F", 4);
    EXPECT_EQ(Decode64(Encode64(bytes)), bytes);
}

TEST(VgEUtils, EbcdicTables) {
    EXPECT_EQ(ASCII2EBCDIC('A'), 0xC1);
    EXPECT_EQ(ASCII2EBCDIC('z'), 0xA9);
    EXPECT_EQ(ASCII2EBCDIC('0'), 0xF0);
    EXPECT_EQ(ASCII2EBCDIC(' '), 0x40);
    EXPECT_EQ(ASCII2EBCDIC('['), 0xAD);
    EXPECT_EQ(ASCII2EBCDIC('~'), 0xA1);
    EXPECT_EQ(ASCII2EBCDIC(10), 10);
    EXPECT_EQ(ASCII2EBCDIC(127), 0x4B);
    EXPECT_EQ(ASCII2EBCDIC(0xE9), 0x4B);
    EXPECT_EQ(EBCDIC2ASCII(0xC1), 'A');
    EXPECT_EQ(EBCDIC2ASCII(0x4B), '.');
    EXPECT_EQ(EBCDIC2ASCII(0xFF), '.');
}

TEST(VgEUtils, CharacterSetsOfCellText) {
    // The DOS code page puts "ő" at 0x8B; the text carries that byte through code page 1250.
    EXPECT_EQ(Utf8ToCodePage(AnsiToOemText("ő"), CP_WINDOWS_1250), "\x8B");
    EXPECT_EQ(Utf8ToCodePage(AnsiToEbcdicText("Ab1"), CP_WINDOWS_1250), "\xC1\x82\xF1");
}

} // namespace
