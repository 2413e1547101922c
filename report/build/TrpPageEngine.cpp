// Building one template page: the data loop over the levels, group breaks,
// page and column breaks, page footers and aggregates; a sub-report page's
// recorded steps and their replay.
#include "platform/core/StrUtils.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpPage.h"
#include "report/script/detail/TrpParser.h"
#include "report/build/TrpReport.h"
#include "report/build/detail/rpBuild.h"

namespace {

bool Terminated() {
    return MasterReport && MasterReport->Terminated;
}

TrpEMFPages* Prepared() {
    return (MasterReport ? MasterReport : CurReport)->EMFPages();
}

// Counts a page start or break while it runs: the bands it shows never break again.
struct BreakGuard {
    explicit BreakGuard(TrpPage* p) : Page(p) { ++Page->Breaking; }
    ~BreakGuard() { --Page->Breaking; }
    TrpPage* Page;
};

} // namespace

TrpBand* TrpPage::DataHead(Integer Level) const {
    return Bands[btMasterData + 3 * (Level - 1)];
}

bool TrpPage::BandExists(TrpBand* Band) {
    return Band && !Band->Objects.empty();
}

void TrpPage::ShowBand(TrpBand* Band) {
    if (!Band) return;
    if (Mode == 1) {
        AddRecord(Band, 0);
        return;
    }
    Band->Draw();
}

void TrpPage::ShowBandByName(const String& Name) {
    for (TrpBand* head : Bands)
        for (TrpBand* b = head; b; b = b->Next)
            if (b->View && AnsiSameText(b->View->Name, Name)) {
                ShowBand(b);
                return;
            }
}

void TrpPage::ShowBandByType(TrpBandType Type) {
    ShowBand(Bands[Type]);
}

void TrpPage::AddRecord(TrpBand* Band, Byte Kind) {
    RecList.push_back({Band, Kind});
}

void TrpPage::ClearRecList() {
    RecList.clear();
    PlayPos = 0;
}

bool TrpPage::PlayRecList() {
    while (PlayPos < static_cast<Integer>(RecList.size())) {
        const RecordedStep step = RecList[static_cast<std::size_t>(PlayPos)];
        switch (step.Kind) {
        case 0:
            if (PendingSubReports) {
                TrpBand* band = PendingSubReports;
                PendingSubReports = nullptr;
                band->DoSubReports();
                if (!band->SubReportsDone) return true;
            } else if (step.Band->Draw()) {
                return true;
            }
            break;
        case 1:
            if (step.Band->DataSet) step.Band->DataSet->First();
            step.Band->LocalRecNo = 1;
            break;
        default:
            if (step.Band->DataSet) step.Band->DataSet->Next();
            ++CurrentRecNo;
            ++step.Band->ThroughRecNo;
            ++step.Band->LocalRecNo;
            break;
        }
        ++PlayPos;
    }
    return false;
}

void TrpPage::AfterPrint() {
    for (TrpView* hook : report::rpBuild.HookList)
        hook->OnHook(CurView);
}

void TrpPage::DoAggregate(std::initializer_list<TrpBandType> Types) {
    for (TrpBandType t : Types)
        for (TrpBand* b = Bands[t]; b; b = b->Next)
            if (BandExists(b)) b->DoAggregate();
}

void TrpPage::FormPage() {
    using report::rpBuild;
    TrpEMFPages* pages = Prepared();
    if (Mode == 0) {
        if (rpBuild.AppendPage && rpBuild.SavedY == rpBuild.SavedBottom) {
            rpBuild.AppendPage = false;
            rpBuild.LastPageFooter = false;
            PageNo = pages->Count();
        }
        CurBottomY = rpBuild.AppendPage && rpBuild.LastPageFooter ? rpBuild.SavedBottom : BottomMargin();
        CurColumn = 0;
        XAdjust = LeftMargin();
        FreshY = -1;
        {
            BreakGuard starting(this);
            if (rpBuild.AppendPage) {
                CurY = rpBuild.SavedY;
            } else {
                pages->Add(this);
                CurY = TopMargin();
                ShowBand(Bands[btOverlay]);
                ShowBand(Bands[btNone]);
            }
            const Integer before = pages->Count();
            ShowBand(Bands[btReportTitle]);
            if (pages->Count() == before) {
                if (BandExists(Bands[btPageHeader]) && (Bands[btPageHeader]->Flags & bfPrintOnFirstPage))
                    ShowBand(Bands[btPageHeader]);
                ShowBand(Bands[btColumnHeader]);
            }
        }
        if (!rpBuild.AppendPage) FreshY = CurY;
    }

    FDeepest = 1;
    for (Integer level = 3; level >= 1; --level)
        if (BandExists(DataHead(level))) {
            FDeepest = level;
            break;
        }
    FHasGroups = BandExists(Bands[btGroupHeader]);
    FPending.clear();
    DataLoop(1);

    if (Mode == 0) {
        ShowBand(Bands[btColumnFooter]);
        ShowBand(Bands[btReportSummary]);
        rpBuild.SavedY = CurY;
        rpBuild.SavedBottom = CurBottomY;
        if (CurColumn > 0) rpBuild.SavedY = BottomMargin();
        CurColumn = 0;
        XAdjust = LeftMargin();
        const Integer before = PageNo;
        TrpBand* footer = Bands[btPageFooter];
        if ((footer->Flags & bfPrintOnLastPage) && BandExists(footer)) {
            rpBuild.LastPageFooter = true;
            DrawPageFooters();
        }
        PageNo = before + 1;
    }
}

void TrpPage::ShowPending() {
    for (TrpBand* b : FPending)
        if (BandExists(b)) ShowBand(b);
    FPending.clear();
}

void TrpPage::DataLoop(Integer Level) {
    for (TrpBand* band = DataHead(Level); band; band = band->Next) {
        // A band without a source of its own is drawn with the record before it.
        if (!band->DataSet) continue;
        TrpDataset* ds = band->DataSet;
        ds->First();
        if (Mode == 1)
            AddRecord(band, 1);
        else
            band->LocalRecNo = 1;
        for (TrpBand* g = Bands[btGroupHeader]; g; g = g->Next)
            g->LocalRecNo = g->ThroughRecNo = 0;
        if (ds->Eof()) continue;

        if (Level == 1 && FHasGroups)
            for (TrpBand* g = Bands[btGroupHeader]; g; g = g->Next) {
                ++g->LocalRecNo;
                ++g->ThroughRecNo;
                ShowBand(g);
            }
        FPending.push_back(band->HeaderBand);
        if (band->FooterBand) band->FooterBand->InitValues();

        while (!ds->Eof() && !Terminated()) {
            if (report::rpProcessMessages) report::rpProcessMessages();
            FPending.push_back(band);
            bool counts = true;
            if (Level < FDeepest) {
                DataLoop(Level + 1);
                if (!FPending.empty()) {
                    if (band->PrintIfSubsetEmpty) {
                        ShowPending();
                    } else {
                        FPending.pop_back();
                        counts = false;
                    }
                }
            } else {
                ShowPending();
            }
            ds->Next();
            if (Level == 1 && FHasGroups) GroupBreak(band);
            if (Mode == 1) {
                AddRecord(band, 2);
            } else if (counts) {
                ++CurrentRecNo;
                ++band->ThroughRecNo;
                ++band->LocalRecNo;
                if (!ds->Eof() && band->NewPageAfter) NewPage();
            }
        }
        // With groups the last record's break has shown the footer already.
        const bool closedByGroup = Level == 1 && FHasGroups && ds->Eof();
        if (!FPending.empty())
            FPending.pop_back();
        else if (!closedByGroup)
            ShowBand(band->FooterBand);
    }
}

void TrpPage::GroupBreak(TrpBand* DataBand) {
    const bool eof = DataBand->DataSet->Eof();
    for (TrpBand* g = Bands[btGroupHeader]; g; g = g->Next) {
        const bool changed = eof || !rpParser || rpParser->Calc(g->GroupCondition) != g->LastGroupValue;
        if (!changed) continue;
        ShowBand(DataBand->FooterBand);
        for (TrpBand* inner = Bands[btGroupHeader]->LastBand; inner && inner != g; inner = inner->Prev) {
            ShowBand(inner->FooterBand);
            inner->LocalRecNo = 0;
        }
        ShowBand(g->FooterBand);
        if (!eof) {
            if (g->NewPageAfter) NewPage();
            for (TrpBand* inner = g; inner; inner = inner->Next) {
                ++inner->LocalRecNo;
                ++inner->ThroughRecNo;
                ShowBand(inner);
            }
            ShowBand(DataBand->HeaderBand);
            DataBand->LocalRecNo = 0;
        }
        return;
    }
}

void TrpPage::NewPage() {
    if (report::rpBuildProgress) report::rpBuildProgress(PageNo + 1);
    {
        BreakGuard breaking(this);
        ShowBand(Bands[btColumnFooter]);
        DrawPageFooters();
        CurBottomY = BottomMargin();
        Prepared()->Add(this);
        report::rpBuild.AppendPage = false;
        ShowBand(Bands[btOverlay]);
        CurY = TopMargin();
        ShowBand(Bands[btPageHeader]);
        ShowBand(Bands[btColumnHeader]);
    }
    FreshY = CurY;
}

void TrpPage::NewColumn(TrpBand* Band) {
    if (CurColumn < ColumnCount - 1) {
        {
            BreakGuard breaking(this);
            ShowBand(Bands[btColumnFooter]);
            ++CurColumn;
            XAdjust += ColWidth + ColumnGap;
            CurY = LastStaticColumnY;
            ShowBand(Bands[btColumnHeader]);
        }
        FreshY = CurY;
    } else {
        NewPage();
    }
    BreakGuard breaking(this);
    for (TrpBand* g = Bands[btGroupHeader]; g && g != Band; g = g->Next)
        if (g->View && (g->Flags & bfReprintOnNewPage)) {
            g->DisableInit = true;
            ShowBand(g);
            g->DisableInit = false;
        }
    if (Band && (Band->Typ == btMasterData || Band->Typ == btDetailData || Band->Typ == btSubDetailData) &&
        Band->HeaderBand && (Band->HeaderBand->Flags & bfReprintOnNewPage))
        ShowBand(Band->HeaderBand);
    FreshY = CurY;
}

Integer TrpPage::FreshRoom() const {
    auto height = [this](TrpBandType t) {
        return BandExists(Bands[t]) && Bands[t]->Visible ? Bands[t]->dy : 0;
    };
    const bool nextColumn = CurColumn < ColumnCount - 1;
    const Integer top = nextColumn ? LastStaticColumnY : TopMargin() + height(btPageHeader);
    const Integer bottom = nextColumn ? CurBottomY : BottomMargin();
    return bottom - top - height(btColumnHeader) - height(btColumnFooter);
}

void TrpPage::DrawPageFooters() {
    using report::rpBuild;
    CurColumn = 0;
    XAdjust = LeftMargin();
    TrpEMFPages* pages = Prepared();
    TrpBand* footer = Bands[btPageFooter];
    if (PageNo == 0 && !(footer->Flags & bfPrintOnFirstPage)) {
        PageNo = pages->Count();
        return;
    }
    while (PageNo < pages->Count()) {
        if (!(rpBuild.AppendPage && rpBuild.LastPageFooter)) {
            if (CurReport && CurReport->OnEndPage) CurReport->OnEndPage(PageNo);
            if (MasterReport && MasterReport != CurReport && MasterReport->OnEndPage)
                MasterReport->OnEndPage(PageNo);
            ShowBand(footer);
        }
        ++PageNo;
    }
}
