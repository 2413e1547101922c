// What a failed export leaves behind and what it says.
#include "tests/export/ExportFixture.h"

#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileSizeLimit.h"

#include <functional>
#include <optional>

namespace {

using exporttest::ExportFixture;

class ExportFailure : public ExportFixture {};

// However a run fails, yesterday's file is still there, whole, with nothing
// beside it, and the message comes after the progress window has gone.
TEST_F(ExportFailure, YesterdaysFileSurvivesAFailedRun) {
    AddCases(400);
    AddColumn("nev", "Név");
    AddColumn("datum", "Dátum")->SetDataType(ctDate);
    struct Case {
        const char* Why;
        std::function<void()> Arrange;
        bool DiskFull;
        const char* Message;
    };
    const Case cases[] = {
        {"the disk fills up", [] {}, true, "Error of data export.: A(z) „"},
        {"a handler fails half-way",
         [this] {
             Export->OnBeforeRecord = [](TObject* Sender, bool&) {
                 if (static_cast<TVgExportToXLS*>(Sender)->Statistic()->CurrentRow() == 200)
                     throw Exception("megszakadt");
             };
         },
         false, "Error of data export.: megszakadt"},
        {"a value does not read",
         [this] {
             Export->OnGetCellParams = [dates = 0](TObject*, TField* Field, String& Text, TFont*, TAlignment&,
                                                   TColor&, TCellType&) mutable {
                 if (Field != nullptr && Field->FieldName() == "datum" && ++dates == 300) Text = "nem dátum";
             };
         },
         false, "Error of data export.: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        const std::string yesterday = "tegnapi export";
        WriteFileBytes(File("cases.xls"), yesterday);
        Dialogs.clear();
        ProgressOpenAtDialog.clear();
        Progress = {};
        c.Arrange();
        {
            std::optional<FileSizeLimit> full;
            if (c.DiskFull) full.emplace(4096);
            Export->Execute();
        }
        Export->OnBeforeRecord = nullptr;
        Export->OnGetCellParams = nullptr;
        EXPECT_EQ(Export->GetExportResult(), erFailed);
        EXPECT_EQ(Written(), yesterday);
        EXPECT_EQ(FileNamesIn(FFolder.Path()), std::vector<std::string>{"cases.xls"});
        ASSERT_EQ(Dialogs.size(), 1u);
        EXPECT_EQ(Dialogs[0].Text.rfind(c.Message, 0), 0u) << Dialogs[0].Text;
        EXPECT_FALSE(ProgressOpenAtDialog[0]);
    }
    // The same export on a disk with room replaces the file.
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erCompleted);
    EXPECT_EQ(Cells().at({399, 0}).Text, "Ügy 400");
}

TEST_F(ExportFailure, AGivenStreamThatFailsIsNeverReportedAsCompleted) {
    AddCases(3);
    AddColumn("nev", "Név");
    Export->OnBeforeRecord = [](TObject*, bool&) { throw Exception("megszakadt"); };
    TMemoryStream stream;
    EXPECT_THROW(Export->SaveToStream(&stream), Exception);
    EXPECT_EQ(Export->GetExportResult(), erFailed);
    for (const String& text : Progress.Texts)
        EXPECT_EQ(text.find("successfully"), String::npos) << text;
    EXPECT_TRUE(Dialogs.empty());
    // The run's own failure is the one the caller hears, not the after-export handler's.
    Export->OnAfterExecute = [](TObject*) { throw Exception("utána"); };
    EXPECT_EQ(ErrorOf<Exception>([&] { Export->SaveToStream(&stream); }), "megszakadt");
}

} // namespace
