#include "report/build/TrpBand.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TMemoryStream.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpEMFPages.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/script/detail/TrpParser.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpSubReportView.h"
#include "report/build/detail/rpBuild.h"
#include "report/common/detail/rpConsts.h"

#include <algorithm>

namespace {

bool IsDataType(TrpBandType t) {
    return t == btMasterData || t == btDetailData || t == btSubDetailData;
}

// Page footer, overlay and the objects outside bands keep their template place.
bool IsFixed(TrpBandType t) {
    return t == btPageFooter || t == btOverlay || t == btNone;
}

// Frees a data source the band made (after its Exit) and forgets it.
void ReleaseDataSet(TrpDataset*& Source, bool& Owned) {
    if (Owned && Source) {
        Source->Exit();
        delete Source;
    }
    Source = nullptr;
    Owned = false;
}

// The data band whose data source serves the bands of type Typ.
TrpBandType DataBandOf(TrpBandType Typ) {
    switch (Typ) {
    case btReportSummary:
    case btMasterData:
    case btMasterFooter:
    case btGroupHeader:
    case btGroupFooter:
        return btMasterData;
    case btDetailData:
    case btDetailFooter:
        return btDetailData;
    case btSubDetailData:
    case btSubDetailFooter:
        return btSubDetailData;
    case btCrossData:
    case btCrossFooter:
        return btCrossData;
    default:
        return btNone;
    }
}

} // namespace

namespace report {
// The footer whose aggregates are being accumulated, while DoAggregate runs.
TrpBand* AccumulatingBand = nullptr;
} // namespace report

TrpBand::~TrpBand() {
    FreeDataSets();
}

void TrpBand::FreeDataSets() {
    ReleaseDataSet(DataSet, IsVirtualDS);
    ReleaseDataSet(VCDataSet, IsVirtualVCDS);
}

void TrpBand::SetVCDataSet(TrpDataset* Source, bool Owned) {
    ReleaseDataSet(VCDataSet, IsVirtualVCDS);
    VCDataSet = Source;
    IsVirtualVCDS = Owned;
}

String TrpBand::BandName() const {
    return View ? View->Name : String();
}

void TrpBand::InitDataSet(const String& Desc) {
    if (Typ == btGroupHeader) {
        GroupCondition = Desc;
        return;
    }
    if (Desc.find(';') == String::npos && !Desc.empty())
        DataSet = rpResolveBandDataSet(CurReport ? CurReport->Owner() : nullptr, Desc, IsVirtualDS);
}

TrpBand* TrpBand::SourceBand() {
    if (!IsDataType(Typ) || DataSet) return this;
    for (TrpBand* b = Prev; b; b = b->Prev)
        if (b->DataSet) return b;
    return this;
}

TrpBand* TrpBand::NextInRecord() const {
    return IsDataType(Typ) && DataSet && Next && !Next->DataSet ? Next : nullptr;
}

TrpBand* TrpBand::NextChild(const TrpBand* Band) {
    return Band->Next && !Band->Next->DataSet ? Band->Next : nullptr;
}

bool TrpBand::HasCross() const {
    return std::any_of(Objects.begin(), Objects.end(), [this](TrpView* v) {
        return v->Parent && v->Parent != this && v->Parent->Typ >= btCrossHeader &&
               v->Parent->Typ <= btCrossFooter;
    });
}

bool TrpBand::Draw() {
    TrpPage* page = Parent;
    CurBand = this;
    calcdy = -1;
    ForceNewPage = ForceNewColumn = false;
    if (CurReport && CurReport->OnBeginBand) CurReport->OnBeginBand(this);
    if (View && Script.Count() > 0 && rpDoScript) {
        CurView = View;
        rpDoScript(View, &Script);
    }
    // A band that a page or column start shows cannot start another one.
    if (page->Breaking == 0) {
        if (ForceNewPage) {
            page->CurColumn = page->ColumnCount - 1;
            page->NewColumn(this);
        } else if (ForceNewColumn) {
            page->NewColumn(this);
        }
    }
    CurBand = this;

    bool result = false;
    if (Visible) {
        if (Typ == btColumnHeader) page->LastStaticColumnY = page->CurY;
        if (Typ == btPageFooter) y = page->CurBottomY;
        if (!Objects.empty()) {
            if (!IsFixed(Typ)) {
                const Integer height = DoCalcHeight();
                // A band at the top of a fresh page or column would not fit on the next one
                // either: it is drawn here rather than breaking for ever, on a sub-report's
                // page as on the main one. A band no page would hold runs on from here
                // instead (DoDraw), leaving no page almost empty before it.
                const auto outgrows = [this] {
                    for (TrpBand* b = this; b; b = NextInRecord() ? NextChild(b) : nullptr)
                        if (b->OutgrowsAPage(b->calcdy)) return true;
                    return false;
                };
                if (page->CurY + height > page->CurBottomY && !PageBreak && page->Breaking == 0 &&
                    page->CurY > page->FreshY && !outgrows()) {
                    if (page->Skip) return true;
                    page->NewColumn(this);
                }
            }
            if (NextInRecord()) {
                for (TrpBand* b = this; b; b = NextChild(b))
                    b->DoDraw();
            } else {
                DoDraw();
                if (NewPageAfter && !IsDataType(Typ) && Typ != btGroupHeader) page->NewPage();
            }
            result = !SubReportsDone;
        }
    } else if (IsDataType(Typ)) {
        page->DoAggregate({btPageFooter, btMasterFooter, btDetailFooter, btSubDetailFooter, btGroupFooter,
                           btReportSummary});
    }
    if (!DisableInit) {
        const Integer last = MasterReport ? MasterReport->EMFPages()->Count() - 1 : 0;
        if (Typ != btPageFooter || PageNo == last) InitValues();
    }
    if (CurReport && CurReport->OnEndBand) CurReport->OnEndBand(this);
    return result;
}

Integer TrpBand::DoCalcHeight() {
    auto measure = [](TrpBand* b) {
        b->calcdy = b->dy;
        return b->Stretched ? b->CalcHeight() : b->dy;
    };
    Integer sum = measure(this);
    if (NextInRecord())
        for (TrpBand* b = NextChild(this); b; b = NextChild(b))
            sum += measure(b);
    return sum;
}

Integer TrpBand::CalcHeight() {
    Integer result = dy;
    SavedHeights.clear();
    for (TrpView* v : Objects) {
        SavedHeights.push_back(v->Height);
        if (v->Parent != this) continue;
        if (auto* s = v->AsStretcheable()) {
            CurView = v;
            result = std::max(result, s->CalcHeight() + v->Top);
        }
    }
    if (HasCross() && Typ != btPageFooter) result = std::max(result, CalcCrossHeight());
    calcdy = result;
    return result;
}

void TrpBand::StretchObjects(Integer MaxHeight) {
    SavedHeights.clear();
    for (TrpView* v : Objects) {
        SavedHeights.push_back(v->Height);
        if ((v->Flags & flStretched) && (v->AsStretcheable() || v->Typ == gtLine))
            v->Height = MaxHeight - v->Top;
    }
}

void TrpBand::UnStretchObjects() {
    for (std::size_t k = 0; k < Objects.size() && k < SavedHeights.size(); ++k)
        Objects[k]->Height = SavedHeights[k];
}

void TrpBand::DoDraw() {
    TrpPage* page = Parent;
    if (!Objects.empty()) {
        const Integer savedY = y;
        const bool flowing = !IsFixed(Typ);
        if (flowing) y = page->CurY;
        if (Stretched && calcdy >= 0) {
            maxdy = calcdy;
            // Also when the band keeps its height: a box whose text needs more takes the
            // room down to the band's foot rather than losing its lines.
            StretchObjects(calcdy);
            bool split = PageBreak;
            if (!PageBreak && flowing) {
                // Moved whole to a fresh page or column where it fits there; where no
                // page holds it, it runs on from here rather than past the page's foot.
                if (!OutgrowsAPage(calcdy)) {
                    CheckPageBreak(y, calcdy, false);
                    y = page->CurY;
                }
                split = MayRunOver() && CheckPageBreak(y, calcdy, true);
            }
            if (split) {
                DrawPageBreak();
            } else {
                DrawObjects();
                if (HasCross()) DrawCross();
            }
            UnStretchObjects();
            if (flowing && SubReportsDone && !split) page->CurY += calcdy;
        } else {
            if (flowing && !PageBreak) {
                CheckPageBreak(y, dy, false);
                y = page->CurY;
            }
            if (PageBreak && flowing) {
                maxdy = calcdy < 0 ? dy : calcdy;
                DrawPageBreak();
            } else {
                DrawObjects();
                if (HasCross()) DrawCross();
                if (flowing && SubReportsDone) page->CurY += dy;
            }
        }
        y = savedY;
    }
    // A record counts once, however many bands draw it.
    if (IsDataType(Typ) && SourceBand() == this)
        page->DoAggregate({btPageFooter, btMasterFooter, btDetailFooter, btSubDetailFooter, btGroupFooter,
                           btReportSummary});
}

bool TrpBand::MayRunOver() const {
    const bool whole = HasCross() || std::any_of(Objects.begin(), Objects.end(),
                                                 [](TrpView* v) { return v->AsSubReport() != nullptr; });
    return Stretched && !Parent->Skip && Parent->Breaking == 0 && !whole;
}

bool TrpBand::OutgrowsAPage(Integer Height) const {
    return !PageBreak && MayRunOver() && Height > Parent->FreshRoom();
}

bool TrpBand::CheckPageBreak(Integer ay, Integer ady, bool PBreak) {
    TrpPage* page = Parent;
    const Integer footer = page->Bands[btColumnFooter] ? page->Bands[btColumnFooter]->dy : 0;
    if (ay + ady + footer <= page->CurBottomY) return false;
    if (PBreak) return true;
    // Nothing was drawn yet on this page or column, or the page is being started:
    // a break would bring no more room.
    if (page->Breaking > 0 || ay <= page->FreshY) return false;
    page->NewColumn(this);
    return true;
}

void TrpBand::DrawObjects() {
    SubReportsDone = true;
    for (std::size_t k = 0; k < Objects.size(); ++k) {
        if (Objects[k]->AsSubReport()) {
            SubIndex = static_cast<Integer>(k);
            PrepareSubReports();
            DoSubReports();
            return;
        }
        DrawObject(Objects[k]);
    }
}

void TrpBand::DrawObject(TrpView* View) {
    // The counting pass keeps no page, but a part of a split object still takes its
    // lines off the rest, so that pass counts the pages the final one builds.
    auto* stretchable = View->AsStretcheable();
    const TrpDrawMode mode = stretchable ? stretchable->DrawMode : drAll;
    const bool counting = report::rpBuild.CountingPass;
    if (counting && mode != drPart) return;
    if (View->Parent != this && !report::rpBuild.InCross) return;
    TrpPage* page = Parent;
    TrpReport* master = MasterReport ? MasterReport : CurReport;
    if (!master || PageNo < 0 || PageNo >= master->EMFPages()->Count()) return;
    TMemoryStream scratch;
    const Integer dx = page->XAdjust - page->LeftMargin() + report::rpBuild.CrossShift;
    {
        View->Left += dx;
        View->Top += y;
        const core::ScopeExit back([&] {
            View->Left -= dx;
            View->Top -= y;
        });
        // A break on the way here showed other bands.
        CurBand = this;
        CurView = View;
        try {
            TMemoryStream* stream = counting ? &scratch : master->EMFPages()->Pages(PageNo)->Stream.get();
            stream->Seek(0, soFromEnd);
            View->Print(stream);
        } catch (const Exception& e) {
            DoError(View, e.Message());
            return;
        }
    }
    if (!counting && View->AsMemo() && (mode == drAll || mode == drAfterCalcHeight)) page->AfterPrint();
}

void TrpBand::DoAggregate() {
    for (Integer k = 0; k < Values.Count(); ++k) {
        String line = Values[k];
        const std::size_t eq = line.find('=');
        if (eq != String::npos && eq + 1 < line.size()) {
            line[eq + 1] = '0';
            Values.Put(k, line);
        }
    }
    {
        const bool wasVisible = Visible;
        TrpBand* saved = report::AccumulatingBand;
        Visible = false;
        report::AccumulatingBand = this;
        const core::ScopeExit restore([&] {
            Visible = wasVisible;
            report::AccumulatingBand = saved;
        });
        for (TrpView* v : Objects)
            if (auto* memo = v->AsMemo()) {
                CurView = memo;
                memo->ExpandVariables();
            }
    }
    ++Count;
}

void TrpBand::InitValues() {
    Values.Clear();
    Count = 0;
    if (Typ != btGroupHeader) return;
    for (TrpBand* g = this; g; g = g->Next) {
        if (g->FooterBand) {
            g->FooterBand->Values.Clear();
            g->FooterBand->Count = 0;
        }
        if (!g->GroupCondition.empty() && rpParser) g->LastGroupValue = rpParser->Calc(g->GroupCondition);
    }
}

void TrpBand::DoError(TrpView* ErrView, const String& Message) {
    report::rpBuild.ErrorFlag = true;
    String text = rpLoadStr(rpsCalcError);
    for (Integer k = 0; k < ErrView->Memo.Count(); ++k)
        text += "\r" + ErrView->Memo[k];
    text += "\r" + rpLoadStr(rpsErrorReport) + " " + (CurReport ? CurReport->Name() : String());
    text += "\r" + rpLoadStr(rpsErrorBand) + " " + rpBandName(Typ);
    report::rpBuild.ErrorText = text;
    if (MasterReport) MasterReport->Terminated = true;
    if (CurReport) CurReport->Terminated = true;
}

TDataSet* GetDefaultDataSet() {
    if (!CurBand || !CurBand->Parent) return nullptr;
    const TrpBandType dataBand = DataBandOf(CurBand->Typ);
    if (dataBand == btNone) return nullptr;
    TrpBand* band = CurBand->Parent->Bands[dataBand];
    if (!band) return nullptr;
    auto* ds = dynamic_cast<TrpDBDataSet*>(band->DataSet);
    return ds ? ds->GetDataSet() : nullptr;
}
