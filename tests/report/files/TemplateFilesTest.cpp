#include "tests/report/BandEngineSupport.h"
#include "tests/report/StandInDesigner.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStringList.h"
#include "platform/data/TFieldDefs.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TApplication.h"
#include "report/build/TrpPage.h"
#include "report/build/detail/rpXMLWriter.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"
#include "tests/support/TempFolder.h"

#include <filesystem>

namespace {

// The template's bytes as the report writes them.
String Bytes(TrpReport& r) {
    TMemoryStream s;
    r.SaveToStream(&s);
    return String(reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size()));
}

} // namespace

TEST_F(BandEngineTest, TemplateFilesKeepDescriptionPictureAndPages) {
    TempFolder dir("velmora-template");
    Band(btMasterData, 20, 20, "3");
    Memo(0, 20, "Sor [LINE#]");
    TStringList comm;
    comm.SetText("Ügyek listája\r\nminden ügy");
    TBitmap picture;
    picture.SetSize(4, 3);
    Report->SaveTemplate(dir.File("lista.rpt"), &comm, &picture);

    TrpReport other(&Owner);
    TStringList readComm;
    TBitmap readPicture;
    other.LoadTemplate(dir.File("lista.rpt"), &readComm, &readPicture, false);
    EXPECT_EQ(readComm.Text(), comm.Text());
    EXPECT_EQ(readPicture.Width(), 4);
    EXPECT_EQ(other.Pages()->Count(), 0); // only the description was read

    // Read as version 23 even right after an older template was read.
    rpVersion = 21;
    other.LoadTemplate(dir.File("lista.rpt"), &readComm, &readPicture, true);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Bytes(other), Bytes(*Report));
}

TEST_F(BandEngineTest, TemplateFilesOfTheirOwn) {
    TempFolder dir("velmora-template");
    EXPECT_EQ(Report->FileName, "Untitled");
    Band(btMasterData, 20, 20, "3");
    Report->SaveToFile(dir.File("a.rpf"));
    TrpReport other(&Owner);
    other.LoadFromFile(dir.File("a.rpf"));
    EXPECT_EQ(other.FileName, dir.File("a.rpf"));
    EXPECT_EQ(Bytes(other), Bytes(*Report));
    EXPECT_EQ(ErrorOf<EFOpenError>([&] { other.LoadFromFile(dir.File("missing.rpf")); }),
              "Cannot open file \"" + dir.File("missing.rpf") + "\"");
}

TEST_F(BandEngineTest, TemplatesInADatabaseTable) {
    TMemDataSet table(&Owner);
    table.FieldDefs()->Add("docn", ftInteger);
    table.FieldDefs()->Add("data", ftBlob);
    table.Open();
    Band(btMasterData, 20, 20, "3");
    Report->SaveToDB(&table, 7);
    Report->SaveToDB(&table, 7); // the same record again, not a second one
    EXPECT_EQ(table.RecordCount(), 1);

    TrpReport other(&Owner);
    other.LoadFromDB(&table, 8); // no such record: nothing loaded
    EXPECT_EQ(other.Pages()->Count(), 0);
    other.LoadFromDB(&table, 7);
    EXPECT_EQ(Bytes(other), Bytes(*Report));
}

TEST_F(BandEngineTest, ChangePrinterToAnInvalidOneGoesBack) {
    EXPECT_FALSE(Report->ChangePrinter(0, 5));
    EXPECT_EQ(Messages, std::vector<String>{"Error: Printer selected is not valid"});
    EXPECT_EQ(Prn->PrinterIndex(), 0);
    EXPECT_EQ(Page->PaperWidth, 2100);
    EXPECT_TRUE(Report->ChangePrinter(0, 0));
}

TEST_F(BandEngineTest, DesignReportShowsTheRegisteredDesignerOnceWithTheReportUsersHelp) {
    Application->SetHelpFile("velmora.hlp");
    const core::ScopeExit helpBack([] { Application->SetHelpFile(""); });
    TrpReport fresh(&Owner);
    fresh.SetName("rpReport2");
    fresh.DesignReport(); // no designer: only the page is added
    EXPECT_EQ(fresh.Pages()->Count(), 1);
    EXPECT_EQ(CurReport, &fresh);
    TrpReport unnamed(&Owner);
    StandInDesigner designer;
    std::vector<String> seen; // per showing: the current report, its pages, the help file
    designer.WhenShown = [&] {
        seen.push_back(CurReport->Name() + " " + IntToStr(CurReport->Pages()->Count()) + " " +
                       Application->HelpFile());
        if (seen.size() == 3) throw Exception("designer failed");
    };
    fresh.DesignReport();
    unnamed.DesignReport(); // gets its page before the designer shows
    // The help file is given back, also by a designer that fails.
    EXPECT_EQ(ErrorOf<Exception>([&] { Report->DesignReport(); }), "designer failed");
    EXPECT_EQ(seen,
              (std::vector<String>{"rpReport2 1 RPuser.hlp", " 1 RPuser.hlp", "rpReport1 1 RPuser.hlp"}));
    EXPECT_EQ(Application->HelpFile(), "velmora.hlp");
}

TEST_F(BandEngineTest, XmlTemplateFilesTakeTheRp3Extension) {
    TempFolder dir("velmora-template");
    Band(btMasterData, 20, 20, "3");
    Memo(0, 20, "Sor [LINE#]");
    const String binary = Bytes(*Report);
    Report->SaveToRP3File(dir.File("lista.rpf"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("lista.rpf")));
    TMemoryStream xml;
    SaveToRP3Stream(Report, &xml);
    TMemoryStream written;
    written.LoadFromFile(dir.File("lista.rp3"));
    EXPECT_EQ(String(reinterpret_cast<const char*>(written.Memory()), std::size_t(written.Size())),
              String(reinterpret_cast<const char*>(xml.Memory()), std::size_t(xml.Size())));
    // Afterwards the report writes its binary template again.
    EXPECT_EQ(Bytes(*Report), binary);

    // A name without an extension gains one; a folder that cannot hold the file
    // raises, and the binary template is still what SaveToStream writes.
    Report->SaveToRP3File(dir.File("lista2"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("lista2.rp3")));
    const String bad = dir.File("missing/lista.rp3");
    EXPECT_EQ(ErrorOf<EFCreateError>([&] { Report->SaveToRP3File(bad); }),
              "Cannot create file \"" + bad + "\"");
    EXPECT_EQ(Bytes(*Report), binary);
}

TEST_F(BandEngineTest, SetVarsCopiesTheVariableList) {
    TStringList vars;
    vars.SetText("TG\r\n REGUSER\r\n PNAME");
    Report->SetVars(&vars);
    vars.Clear();
    EXPECT_EQ(Report->FindVariable("PNAME"), 2);
    TStringList names;
    Report->GetVarList(0, &names);
    EXPECT_EQ(names.Text(), "REGUSER\r\nPNAME\r\n");
}
