// The start of a build on one template page: run-time copies of the objects
// sorted into band chains, headers and footers linked to their data bands.
#include "platform/core/StrUtils.h"
#include "report/build/TrpBand.h"
#include "report/views/TrpBandView.h"
#include "report/build/TrpDataset.h"
#include "report/script/detail/TrpInterpretator.h"
#include "report/build/TrpPage.h"
#include "report/script/detail/TrpParser.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpSubReportView.h"
#include "report/build/detail/CrossSources.h"
#include "report/build/detail/rpBuild.h"
#include "report/views/detail/rpViewFactory.h"
#include "report/common/detail/rpDBUtils.h"
#include "report/common/rpNameLookup.h"

#include <algorithm>

namespace {

constexpr Word flHook = 0x8000;

TrpBandView* BandViewOf(TrpView* v) {
    return dynamic_cast<TrpBandView*>(v);
}

// Copies what every band takes from its view.
void FillBand(TrpBand* band, TrpPage* page, TrpView* view, TrpBandType type) {
    band->Parent = page;
    band->Typ = type;
    band->View = view;
    band->Flags = view->Flags;
    band->Visible = view->Visible;
    band->Memo.Assign(&view->Memo);
    band->Script.Assign(&view->Script);
}

} // namespace

void TrpPage::InitReport() {
    if (Initialized) DoneReport();
    for (Integer t = 0; t < rpBandTypeCount; ++t) {
        Bands[t] = new TrpBand();
        Bands[t]->Parent = this;
        Bands[t]->Typ = static_cast<TrpBandType>(t);
        Bands[t]->LastBand = Bands[t];
    }
    Initialized = true;
    TossObjects();
    CurrentRecNo = 1;
    ColPos = 1;
}

void TrpPage::DoneReport() {
    if (!Initialized) return;
    for (TrpBand*& head : Bands) {
        TrpBand* band = head;
        while (band) {
            TrpBand* next = band->Next;
            delete band;
            band = next;
        }
        head = nullptr;
    }
    RTObjects.clear();
    ClearRecList();
    PendingSubReports = nullptr;
    Initialized = false;
}

void TrpPage::TossObjects() {
    RTObjects.clear();
    for (const auto& source : Objects) {
        std::unique_ptr<TrpView> copy(rpCreateObject(source->Typ, source->ClassName()));
        if (!copy) continue;
        --ObjectCounter; // a run-time copy takes no identifier of its own
        copy->Assign(source.get());
        copy->ID = source->ID;
        copy->StreamMode = smPrinting;
        if (copy->Flags & flHook) report::rpBuild.HookList.push_back(copy.get());
        RTObjects.push_back(std::move(copy));
    }

    std::vector<bool> placed(RTObjects.size());
    for (std::size_t k = 0; k < RTObjects.size(); ++k) {
        TrpView* v = RTObjects[k].get();
        placed[k] = BandViewOf(v) != nullptr;
        v->Parent = nullptr;
        if (v->Script.Count() > 0 && rpInterpretator) {
            TStringList errors;
            rpInterpretator->PrepareScript(&v->Script, &v->Script, &errors);
        }
        if (auto* sub = dynamic_cast<TrpSubReportView*>(v))
            if (CurReport && sub->SubPage >= 0 && sub->SubPage < CurReport->Pages()->Count())
                CurReport->Pages()->Pages(sub->SubPage)->Skip = true;
    }

    // Cross bands: their objects keep a place in a horizontal band too.
    for (Integer type : {btCrossHeader, btCrossData, btCrossFooter})
        for (const auto& rt : RTObjects) {
            TrpBandView* bv = BandViewOf(rt.get());
            if (!bv || bv->GetBandType() != type) continue;
            TrpBand* band = Bands[type];
            FillBand(band, this, bv, static_cast<TrpBandType>(type));
            band->x = bv->Left;
            band->dx = bv->Width;
            band->InitDataSet(bv->FormatStr);
            for (std::size_t k = 0; k < RTObjects.size(); ++k) {
                TrpView* v = RTObjects[k].get();
                if (placed[k] || v->Parent) continue;
                if (v->Left >= band->x && v->Left + v->Width <= band->x + band->dx) {
                    v->Left -= band->x;
                    v->Parent = band;
                    band->Objects.push_back(v);
                }
            }
            break;
        }

    for (Integer type = 0; type <= btGroupFooter; ++type) {
        bool first = true;
        for (const auto& rt : RTObjects) {
            TrpBandView* bv = BandViewOf(rt.get());
            if (!bv || bv->GetBandType() != type) continue;
            TrpBand* band = Bands[type];
            if (!first) {
                band = new TrpBand();
                TrpBand* last = Bands[type]->LastBand;
                last->Next = band;
                band->Prev = last;
                Bands[type]->LastBand = band;
            }
            first = false;
            FillBand(band, this, bv, static_cast<TrpBandType>(type));
            band->y = bv->Top;
            band->dy = bv->Height;
            band->InitDataSet(bv->FormatStr);
            band->Stretched = band->Flags & bfStretched;
            band->PrintIfSubsetEmpty = band->Flags & bfPrintIfDetailEmpty;
            band->NewPageAfter = !Skip && (band->Flags & bfStartNewPage);
            band->PageBreak = !Skip && (band->Flags & bfAllowSplit);
            auto within = [&](TrpView* v) { return v->Top >= band->y && v->Top <= band->y + band->dy; };
            for (int sweep = 0; sweep < 3; ++sweep)
                for (std::size_t k = 0; k < RTObjects.size(); ++k) {
                    TrpView* v = RTObjects[k].get();
                    if (placed[k] || !within(v)) continue;
                    const bool isSub = dynamic_cast<TrpSubReportView*>(v) != nullptr;
                    const bool inCross = v->Parent != nullptr;
                    if ((sweep == 0 && (isSub || inCross)) || (sweep == 1 && !inCross) ||
                        (sweep == 2 && !isSub))
                        continue;
                    v->Top -= band->y;
                    if (!inCross) v->Parent = band;
                    placed[k] = true;
                    band->Objects.push_back(v);
                }
        }
        // Top to bottom; among equal positions the earlier stays first.
        std::vector<TrpBand*> chain;
        for (TrpBand* b = Bands[type]; b; b = b->Next)
            chain.push_back(b);
        std::stable_sort(chain.begin(), chain.end(), [](TrpBand* a, TrpBand* b) { return a->y < b->y; });
        for (std::size_t k = 0; k < chain.size(); ++k) {
            chain[k]->Prev = k ? chain[k - 1] : nullptr;
            chain[k]->Next = k + 1 < chain.size() ? chain[k + 1] : nullptr;
        }
        Bands[type] = chain.front();
        Bands[type]->LastBand = chain.back();
    }
    // Only the first master data band reads the report's own data source; those
    // below it without one are drawn with its records.
    TrpBand* master = Bands[btMasterData];
    if (master->View && !master->DataSet && CurReport && CurReport->ReportType == rtSimple &&
        CurReport->Dataset()) {
        master->DataSet = CurReport->Dataset();
        master->DataSet->Init();
    }

    TrpBand* none = Bands[btNone];
    for (std::size_t k = 0; k < RTObjects.size(); ++k)
        if (!placed[k] && !RTObjects[k]->Parent) {
            RTObjects[k]->Parent = none;
            none->Objects.push_back(RTObjects[k].get());
        }

    LinkHeadersAndFooters();

    TrpBand* crossData = Bands[btCrossData];
    if (!crossData->Objects.empty() && crossData->View &&
        crossData->View->FormatStr.find(';') != String::npos) {
        std::vector<TrpBand*> rows;
        for (Integer type = btMasterHeader; type <= btGroupFooter; ++type)
            for (TrpBand* b = Bands[type]; b; b = b->Next)
                rows.push_back(b);
        report::BindCrossSources(crossData->View->FormatStr, rows, CurReport ? CurReport->Owner() : nullptr);
    }

    if (ColumnCount <= 0) ColumnCount = 1;
    ColWidth = (RightMargin() - LeftMargin()) / ColumnCount;
}

void TrpPage::LinkHeadersAndFooters() {
    for (Integer level = 0; level < 3; ++level) {
        const Integer header = btMasterHeader + 3 * level, data = header + 1, footer = header + 2;
        for (TrpBand* h = Bands[header]; h; h = h->Next) {
            if (!h->View) continue;
            for (TrpBand* d = Bands[data]; d; d = d->Next)
                if (d->View && d->y > h->y + h->dy) {
                    if (!d->SourceBand()->HeaderBand) d->SourceBand()->HeaderBand = h;
                    break;
                }
        }
        for (TrpBand* f = Bands[footer]; f; f = f->Next) {
            if (!f->View) continue;
            TrpBand* last = nullptr;
            for (TrpBand* d = Bands[data]; d; d = d->Next)
                if (d->View && d->y + d->dy <= f->y) last = d->SourceBand();
            if (last && !last->FooterBand) last->FooterBand = f;
        }
    }
    TrpBand* header = Bands[btGroupHeader]->LastBand;
    TrpBand* footer = Bands[btGroupFooter];
    while (header && header->View && footer && footer->View) {
        header->FooterBand = footer;
        header = header->Prev;
        footer = footer->Next;
    }
}

void TrpPage::PrepareObjects() {
    for (const auto& rt : RTObjects) {
        if (rt->Memo.Count() == 0) continue;
        const String line = rt->Memo[0];
        if (line.size() < 3 || line[0] != '[') continue;
        const std::size_t close = line.rfind(']');
        if (close == String::npos || close < 1) continue;
        const String name = line.substr(1, close - 1);
        TrpValue* value = CurReport ? CurReport->Values()->FindVariable(name) : nullptr;
        if (value && value->Typ == 1) {
            rt->FDataSet = value->DSet ? value->DSet : rpGetDataSet(value->DataSet);
            rt->FField = value->Field;
            continue;
        }
        if (value) continue;
        TrpBand* saved = CurBand;
        CurBand = rt->Parent;
        TDataSet* dataSet = GetDefaultDataSet();
        CurBand = saved;
        TField* field = nullptr;
        rpGetDataSetAndField(name, dataSet, field);
        if (field) {
            rt->FDataSet = dataSet;
            rt->FField = name.substr(name.rfind('.') == String::npos ? 0 : name.rfind('.') + 1);
        }
    }
}

TrpView* TrpPage::FindRTObject(const String& Name) const {
    for (const auto& rt : RTObjects)
        if (AnsiSameText(rt->Name, Name)) return rt.get();
    return nullptr;
}

Integer TrpPage::TopMargin() const {
    if (!UseMargins) return 0;
    return Margins.Top ? Margins.Top : PrnInfo.Ofy;
}

Integer TrpPage::LeftMargin() const {
    if (!UseMargins) return 0;
    return Margins.Left ? Margins.Left : PrnInfo.Ofx;
}

Integer TrpPage::RightMargin() const {
    if (!UseMargins) return PrnInfo.Pgw;
    return Margins.Right ? PrnInfo.Pgw - Margins.Right : PrnInfo.Ofx + PrnInfo.Pw;
}

Integer TrpPage::BottomMargin() const {
    Integer bottom;
    if (!UseMargins)
        bottom = PrnInfo.Pgh;
    else
        bottom = Margins.Bottom ? PrnInfo.Pgh - Margins.Bottom : PrnInfo.Ofy + PrnInfo.Ph;
    if (Initialized && BandExists(Bands[btPageFooter])) bottom -= Bands[btPageFooter]->dy;
    return bottom;
}
