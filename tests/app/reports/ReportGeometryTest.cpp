// Every report printed over an office with long texts: on every prepared page no two texts
// overlap, no row line strikes through a text, every box holds its whole text as
// the report's own fonts wrap it, and no record is split over two pages. With
// VELMORA_SCREENSHOTS set, each report is also printed on the PDF printer into that folder.
#include "app/partners/PartnerArea.h"
#include "app/identification/JubArea.h"
#include "app/documents/DocumentArea.h"
#include "app/deposits/DepositArea.h"
#include "tests/app/reports/LongOffice.h"

#include "app/partners/TForm1PartnerParts.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/reports/TForm1PrintParts.h"
#include "platform/core/StrUtils.h"
#include "report/build/TrpBand.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/print/TrpPrinter.h"
#include "report/build/detail/rpBuild.h"
#include "report/common/detail/rpGlobals.h"
#include "tests/report/FilePrinting.h"

#include <algorithm>
#include <sstream>

namespace apptest {
namespace {

struct Box {
    String Text;
    TRect R; // right and bottom exclusive
};

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// A box's text on one short line, for a fault's message.
String Shown(String Text) {
    std::replace(Text.begin(), Text.end(), '\r', ' ');
    std::replace(Text.begin(), Text.end(), '\n', ' ');
    return Text.size() > 60 ? Text.substr(0, 60) + "…" : Text;
}

// Height the memo's text needs at its width, wrapped as the engine wraps it.
Integer NeededHeight(TrpMemoView& Memo) {
    Memo.BeginDraw(TempBmp->Canvas());
    Memo.Memo1.Assign(&Memo.Memo);
    Memo.CalcGaps();
    Memo.WrapMemo();
    // The engine's own measure of a line that fits: its step below the top gap.
    const Integer needed = SMemo->Count() * Memo.TextHeight + Memo.gapy;
    Memo.RestoreCoord();
    return needed;
}

// What is wrong on one prepared page, one line each.
std::vector<String> PageFaults(TrpPageInfo& Page) {
    std::vector<String> faults;
    std::vector<Box> boxes;
    std::vector<TRect> lines;
    for (const auto& view : Page.Page->Objects) {
        const TRect r(view->Left, view->Top, view->Left + view->Width, view->Top + view->Height);
        if (dynamic_cast<TrpLineView*>(view.get())) {
            lines.push_back(r);
            continue;
        }
        String text = Shown(view->Memo.Text());
        if (auto* rich = dynamic_cast<TrpRichView*>(view.get())) text = "RTF " + rich->Name;
        if (text.find_first_not_of("\r\n ") == String::npos) continue;
        if (r.Bottom > Page.PrnInfo.Pgh) faults.push_back("below the paper: " + text);
        if (view->Memo.Count() > 1 && Trim(view->Memo[view->Memo.Count() - 1]).empty())
            faults.push_back("ends in an empty line: " + text);
        // A memo's text takes the lines it wraps into; a stretched box may reach further down.
        TRect extent = r;
        if (auto* memo = dynamic_cast<TrpMemoView*>(view.get())) {
            const Integer needed = NeededHeight(*memo);
            if (needed > view->Height)
                faults.push_back("cut (" + std::to_string(needed) + " > " + std::to_string(view->Height) +
                                 "): " + text);
            extent.Bottom = std::min(r.Bottom, r.Top + needed);
        }
        boxes.push_back({text, extent});
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t k = i + 1; k < boxes.size(); ++k)
            if (Overlap(boxes[i].R, boxes[k].R))
                faults.push_back("overlap: " + boxes[i].Text + " | " + boxes[k].Text);
    for (const TRect& line : lines)
        for (const Box& b : boxes)
            if (line.Left < b.R.Right && b.R.Left < line.Right && line.Top > b.R.Top &&
                line.Top < b.R.Bottom - 1)
                faults.push_back("line through: " + b.Text);
    return faults;
}

// The prepared page each data band was drawn on, in drawing order.
struct DrawnBand {
    TrpBandType Type;
    bool Sourced;
    Integer Page;
};

// Records whose level-Level data band and the bands drawn for it land on more than one page.
std::vector<String> SplitRecords(const std::vector<DrawnBand>& Drawn, Integer Level) {
    const Integer own = btMasterData + 3 * (Level - 1);
    std::vector<String> faults;
    Integer first = -1, start = -1;
    for (std::size_t k = 0; k < Drawn.size(); ++k) {
        const DrawnBand& d = Drawn[k];
        if (d.Type == own && d.Sourced) {
            first = d.Page;
            start = static_cast<Integer>(k);
            continue;
        }
        // What a page break shows in between belongs to no record.
        if (d.Type == btPageHeader || d.Type == btPageFooter || d.Type == btOverlay ||
            d.Type == btColumnHeader || d.Type == btColumnFooter)
            continue;
        const bool deeper = d.Type > own && d.Type <= btSubDetailFooter;
        if (!deeper) {
            first = -1;
            continue;
        }
        if (first >= 0 && d.Page != first)
            faults.push_back("record at band " + std::to_string(start) + " runs from page " +
                             std::to_string(first + 1) + " to " + std::to_string(d.Page + 1));
    }
    return faults;
}

class ReportGeometry : public LongOfficeFixture {};

TEST_F(ReportGeometry, LongTextsStayInsideTheirBoxesOnEveryReport) {
    const LongOffice office = AddLongOffice();
    Create();
    struct Run {
        const char* Name;
        TrpReport* Report;
        Integer RecordLevel; // the level whose records print whole
        Integer MinPages;
        std::function<void()> Print;
    };
    const Run runs[] = {
        {"case sheet", ugyitemfrf->rpReport1, 3, 3, [&] { ugyitemfrf->PrintCaseSheet(office.Case); }},
        {"case list", ugyitemfrf->rpReport4, 1, 3,
         [&] {
             SearchAllCases();
             app::MainWindow().PrintCommands().gxExtSpeedButton45->OnClick(nullptr);
         }},
        {"deposit sheet", letetfrf->rpReport1, 1, 2,
         [&] {
             letet_adatlap->DepositId = office.Deposit;
             letet_adatlap->FormShow(nullptr);
             letet_adatlap->BitBtn3->OnClick(nullptr);
         }},
        {"deposit list", letetfrf->rpReport2, 1, 3,
         [&] {
             app::ReloadDepositList(app::MainWindow());
             app::MainWindow().PrintCommands().letetlistaPrint->OnClick(nullptr);
         }},
        {"deposit search", letetfrf->rpReport6, 1, 2,
         [&] {
             app::MainWindow().Deposits().letetkeres_Edit1->SetText("Öböl");
             app::RunDepositSearch(app::MainWindow());
             app::MainWindow().PrintCommands().letetkeresPrint->OnClick(nullptr);
         }},
        {"partner list", letetfrf->rpReport3, 1, 3,
         [&] {
             app::Partnerlista1Click(app::MainWindow(), nullptr);
             app::MainWindow().PrintCommands().partnerlistaPrint->OnClick(nullptr);
         }},
        {"partner search", letetfrf->rpReport4, 1, 2,
         [&] {
             app::MainWindow().Partners().Edit27->SetText("Öböl");
             app::partnerKeresClick(app::MainWindow(), nullptr);
             app::MainWindow().PrintCommands().partnerkeresPrint->OnClick(nullptr);
         }},
        {"document list", letetfrf->rpReport10, 1, 2,
         [&] {
             app::RunDocumentList(app::MainWindow());
             app::MainWindow().PrintCommands().gxExtSpeedButton49->OnClick(nullptr);
         }},
        {"identification list", letetfrf->rpReport13, 1, 2,
         [&] {
             app::RunJubList(app::MainWindow());
             app::MainWindow().PrintCommands().gxExtSpeedButton80->OnClick(nullptr);
         }},
        {"new identification sheet", letetfrf->rpReport14, 1, 1,
         [&] {
             ujjub->CaseId = office.Case;
             ujjub->CaseClientRowId = office.CaseClient;
             ujjub->FormShow(nullptr);
             ujjub->BitBtn3->OnClick(nullptr);
         }},
        {"identification sheet", letetfrf->rpReport15, 1, 1,
         [&] {
             jubmod->JubId = office.Identification;
             jubmod->FormShow(nullptr);
             jubmod->BitBtn3->OnClick(nullptr);
         }},
    };
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    for (const Run& run : runs) {
        std::vector<DrawnBand> drawn;
        run.Report->OnEndBand = [&drawn](TrpBand* b) {
            if (!report::rpBuild.CountingPass) drawn.push_back({b->Typ, b->DataSet != nullptr, PageNo});
        };
        std::vector<String> faults;
        Integer pages = 0;
        Inspect = [&](TrpReport& r) {
            TrpEMFPages* prepared = r.EMFPages();
            pages = prepared->Count();
            for (Integer i = 0; i < pages; ++i) {
                prepared->ObjectsToPage(i);
                for (const String& f : PageFaults(*prepared->Pages(i)))
                    faults.push_back("page " + std::to_string(i + 1) + ": " + f);
            }
            if (folder) {
                FilePrinting pdf(String(folder) + "/" + r.Owner()->Name() + "-" + r.Name() + ".pdf");
                r.PrintPreparedReport("", 1);
            }
        };
        run.Print();
        Inspect = nullptr;
        run.Report->OnEndBand = nullptr;
        for (const String& f : SplitRecords(drawn, run.RecordLevel))
            faults.push_back(f);
        EXPECT_GE(pages, run.MinPages) << run.Name;
        std::ostringstream all;
        for (const String& f : faults)
            all << "\n  " << f;
        EXPECT_TRUE(faults.empty()) << run.Name << all.str();
    }
    EXPECT_TRUE(Boxes.empty());
}

} // namespace
} // namespace apptest
