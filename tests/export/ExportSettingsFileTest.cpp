// Saved export-settings files: what is written, what is read back, and the
// dialogs around saving and loading.
#include "tests/export/ExportFixture.h"

#include "export/TfrmVgESaveSpec.h"
#include "export/VgESpecification.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TEdit.h"
#include "tests/support/ErrorOf.h"

#include <algorithm>

namespace {

class ExportSettingsFile : public exporttest::ExportFixture {
protected:
    void Configure() {
        TVgEColumn* name = AddColumn("nev", "Név", 30);
        name->SetAlignment(taCenter);
        name->Font()->SetName("Arial");
        name->Font()->SetStyle(TFontStyles{fsBold});
        AddColumn("ev", "Év")->SetVisible(false);
        Export->SetAddTitle(true);
        Export->SetRowsPerFile(100);
        Export->SetLayout(elReversedColumnar);
        Export->SetOptions(TVgOptions{soShowMessage, soExportBands});
        Export->ExportStyle()->SetStyle(esMaple);
        Export->Header()->Add("Fejléc");
        Export->Footer()->Add("Lábléc 1");
        Export->Footer()->Add("Lábléc 2");
    }
    bool HasLine(const std::vector<String>& Lines, const String& Line) {
        return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
    }
};

TEST_F(ExportSettingsFile, WrittenLines) {
    Configure();
    const std::vector<String> lines = vgespec::Write(*Export, "Velmora 2.0", "Ügylista");
    EXPECT_EQ(lines[0], "[Common]");
    EXPECT_EQ(lines[1], "App=Velmora 2.0");
    EXPECT_EQ(lines[2], "Description=VgExport: specification");
    EXPECT_EQ(lines[3], "Specification=Ügylista");
    EXPECT_EQ(lines[4], "TableType=XLS");
    EXPECT_TRUE(HasLine(lines, "AddTitle=1"));
    EXPECT_TRUE(HasLine(lines, "Options=2050")); // soShowMessage (bit 1) and soExportBands (bit 11)
    EXPECT_TRUE(HasLine(lines, "Layout=1"));
    EXPECT_TRUE(HasLine(lines, "Map0=Név = nev"));
    EXPECT_TRUE(HasLine(lines, "Map1= = ev")); // an invisible column has no caption
    EXPECT_TRUE(HasLine(lines, "Col0=2,16777215,Arial,1,-2147483640,8,1"));
    EXPECT_TRUE(HasLine(lines, "Width0=30"));
    EXPECT_TRUE(HasLine(lines, "OddColor=11065579"));
    EXPECT_TRUE(HasLine(lines, "Footer1=Lábléc 2"));
    EXPECT_TRUE(HasLine(lines, "DateSeparator=2E"));
    EXPECT_TRUE(HasLine(lines, "ThousandSeparator=A0"));
    EXPECT_TRUE(HasLine(lines, "CurrencyString=Ft"));
}

TEST_F(ExportSettingsFile, SavedAndLoadedBack) {
    Configure();
    ASSERT_TRUE(Export->SaveSpecification(File("lista.vge"), "Ügylista"));
    TVgExportToXLS other(nullptr);
    ASSERT_TRUE(other.LoadSpecification(File("lista.vge")));
    EXPECT_TRUE(other.AddTitle());
    EXPECT_EQ(other.RowsPerFile(), 100);
    EXPECT_EQ(other.Layout(), elReversedColumnar);
    EXPECT_EQ(other.Options(), (TVgOptions{soShowMessage, soExportBands}));
    EXPECT_EQ(other.ExportStyle()->Style(), esMaple);
    EXPECT_EQ(other.ExportStyle()->OddColor(), 0xA8D8EBu);
    ASSERT_EQ(other.Columns()->Count(), 2);
    TVgEColumn* name = other.Columns()->Items(0);
    EXPECT_EQ(name->FieldName(), "nev");
    EXPECT_EQ(name->Title()->Caption(), "Név");
    EXPECT_EQ(name->Alignment(), taCenter);
    EXPECT_EQ(name->Font()->Name(), "Arial");
    EXPECT_TRUE(name->Font()->Style().Contains(fsBold));
    EXPECT_EQ(name->Width(), 30);
    EXPECT_FALSE(other.Columns()->Items(1)->Visible());
    EXPECT_EQ(other.Header()->Count(), 1);
    EXPECT_EQ(other.Footer()->Strings(1), "Lábléc 2");
    EXPECT_EQ(other.DataFormats()->ThousandSeparator(), "\u00A0");
    EXPECT_EQ(other.DataFormats()->DateOrder(), doYMD);
    // The file is in code page 1250.
    EXPECT_NE(Written("lista.vge").find("Specification=\xDCgylista\r\n"), std::string::npos);
}

TEST_F(ExportSettingsFile, UnreadableValuesKeepTheSetting) {
    Export->SetRowsPerFile(7);
    Export->SetAddTitle(true);
    vgespec::Read(*Export, {"RowsPerFile=hét", "Layout=9", "AddTitle=igen", "[Header]", "Style=2"});
    EXPECT_EQ(Export->RowsPerFile(), 7);
    EXPECT_EQ(Export->Layout(), elColumnar);
    EXPECT_FALSE(Export->AddTitle()); // only "1" is true
    EXPECT_EQ(Export->ExportStyle()->Style(), esMSMoney);
    EXPECT_EQ(vgespec::FromHexText("2"), "");
    EXPECT_EQ(vgespec::FromHexText("zz"), "");
}

TEST_F(ExportSettingsFile, SavingWithoutANameAsksInTheDialog) {
    TfrmVgESaveSpec::Runner = [this](TfrmVgESaveSpec* Form) {
        EXPECT_EQ(Form->Filter(), "|*.VGE|");
        Form->edSpecName->SetText("Minta");
        Form->edFileName->SetText(File("minta"));
        return mrOk;
    };
    std::vector<String> events;
    Export->OnBeforeSaveSpecification = [&](TObject*, String& Name) { events.push_back("before " + Name); };
    Export->OnAfterSaveSpecification = [&](TObject*, String& Name) { events.push_back("after " + Name); };
    EXPECT_TRUE(Export->SaveSpecification());
    EXPECT_EQ(events, (std::vector<String>{"before " + File("minta.vge"), "after " + File("minta.vge")}));
    EXPECT_NE(Written("minta.vge").find("Specification=Minta"), std::string::npos);
    TfrmVgESaveSpec::Runner = [](TfrmVgESaveSpec*) { return mrCancel; };
    EXPECT_FALSE(Export->SaveSpecification());
    TfrmVgESaveSpec::Runner = nullptr;
}

TEST_F(ExportSettingsFile, LoadingWithoutANameUsesTheOpenDialog) {
    Export->SetRowsPerFile(3);
    ASSERT_TRUE(Export->SaveSpecification(File("a.vge")));
    Export->SetRowsPerFile(0);
    Recorder.AnswerWith([this](const ui::DialogRequest& r) {
        Dialogs.push_back(r);
        return ui::DialogAnswer{1, File("a.vge")};
    });
    EXPECT_TRUE(Export->LoadSpecification());
    EXPECT_EQ(Export->RowsPerFile(), 3);
    EXPECT_EQ(Dialogs.back().Kind, ui::DialogKind::OpenDialog);
    Recorder.AnswerWith(0);
    EXPECT_FALSE(Export->LoadSpecification());
}

TEST_F(ExportSettingsFile, AMissingFileRaises) {
    EXPECT_EQ(ErrorOf<EFOpenError>([this] { Export->LoadSpecification(File("nincs.vge")); }),
              "Cannot open file \"" + File("nincs.vge") + "\"");
}

} // namespace

namespace {

// Writes the dialog for saving export settings when VELMORA_SCREENSHOTS names a folder.
TEST(SaveSpecificationDialog, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the picture";
    TfrmVgESaveSpec form(nullptr);
    form.edSpecName->SetText("Ügylista");
    form.edFileName->SetText("/home/iroda/export/ugylista.vge");
    form.Show();
    ui::SaveSnapshot(&form, String(folder) + "/save-specification.png");
}

} // namespace
