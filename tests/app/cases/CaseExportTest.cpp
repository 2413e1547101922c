// The case search's "Exportálás": save dialog, then the search result written
// to the chosen spreadsheet file.
#include "app/cases/TForm1CaseParts.h"
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "platform/ui/TMenuItem.h"
#include "app/cases/CaseArea.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "export/TVgExportToXLS.h"
#include "platform/core/CodePages.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TEdit.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/FileBytes.h"
#include "tests/app/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace apptest {
namespace {

class CaseExport : public MainWindowFixture {
protected:
    ui::DialogAnswer AnswerDialog(const ui::DialogRequest& r) override {
        Requests.push_back(r);
        return ui::DialogAnswer{Answer, Folder() + "/ugyek.xls"};
    }
    app::MainWindowShared& Create() { return CreateMainWindow(); }

    std::vector<ui::DialogRequest> Requests;
    Integer Answer = 1;
};

TEST_F(CaseExport, WritesTheSearchResultToTheChosenFile) {
    AddCase("Kovács Ödön hagyatéka", "2024-02-01", "Öröklés");
    AddCase("Szűcs és Társa Kft.", "2024-03-01", "Végrehajtás");
    app::MainWindowShared& f = Create();
    app::gxExtSpeedButton8Click(f, nullptr);
    ASSERT_EQ(f.Query5->RecordCount(), 2);
    f.Cases().gxExtSpeedButton10->Click();
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].Kind, ui::DialogKind::SaveDialog);
    EXPECT_EQ(Requests[0].Filter, "Excel fájl (*.xls)|*.xls");
    EXPECT_EQ(f.Cases().ToXLS1->GetExportResult(), erCompleted);
    EXPECT_EQ(f.Cases().ToXLS1->FileName(), Folder() + "/ugyek.xls");
    const std::string bytes = ReadFileBytes(Folder() + "/ugyek.xls");
    ASSERT_GT(bytes.size(), 10u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x09\x08\x06\x00", 4));
    // The names arrive in code page 1250 in their LABEL records.
    EXPECT_NE(bytes.find(Utf8ToCodePage("Kovács Ödön hagyatéka", CP_WINDOWS_1250)), std::string::npos);
    EXPECT_NE(bytes.find(Utf8ToCodePage("Végrehajtás", CP_WINDOWS_1250)), std::string::npos);
    EXPECT_NE(bytes.find(Utf8ToCodePage("aktív", CP_WINDOWS_1250)), std::string::npos);
    // The query keeps its position and the user's formats are back.
    EXPECT_EQ(f.Query5->RecNo(), 1);
    EXPECT_EQ(FormatSettings.DecimalSeparator, TFormatSettings::Hungarian().DecimalSeparator);
}

TEST_F(CaseExport, CancellingTheSaveDialogWritesNothing) {
    AddCase("Kovács Ödön hagyatéka", "2024-02-01");
    Answer = 0;
    app::MainWindowShared& f = Create();
    app::gxExtSpeedButton8Click(f, nullptr);
    f.Cases().gxExtSpeedButton10->Click();
    EXPECT_EQ(Requests.size(), 1u);
    EXPECT_FALSE(FileExists(Folder() + "/ugyek.xls"));
}

TEST_F(CaseExport, AnEmptyOrClosedResultShowsNoDialog) {
    app::MainWindowShared& f = Create();
    f.Cases().gxExtSpeedButton10->Click(); // never searched
    app::gxExtSpeedButton8Click(f, nullptr);
    ASSERT_TRUE(f.Query5->Active());
    f.Cases().gxExtSpeedButton10->Click(); // no case found
    EXPECT_TRUE(Requests.empty());
}

// Writes the search page with its buttons when VELMORA_SCREENSHOTS names a folder.
TEST_F(CaseExport, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the picture";
    AddCase("Kovács Ödön hagyatéka", "2024-02-01", "Öröklés");
    app::MainWindowShared& f = Create();
    f.Show();
    MenuItem("Ugykereses1").Click();
    app::gxExtSpeedButton8Click(f, nullptr);
    ui::SaveSnapshot(&f, String(folder) + "/case-search.png");
}

} // namespace
} // namespace apptest
