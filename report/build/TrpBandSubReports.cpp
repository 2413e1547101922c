// Sub-reports: a band prints other template pages inside itself. Their pages
// are first recorded, then replayed at the sub-report objects side by side,
// continuing on further pages when they do not fit.
#include "report/build/TrpBand.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpSubReportView.h"

#include <algorithm>

namespace {

TrpPage* TargetPage(TrpView* v) {
    auto* sub = dynamic_cast<TrpSubReportView*>(v);
    if (!sub || !CurReport || sub->SubPage < 0 || sub->SubPage >= CurReport->Pages()->Count()) return nullptr;
    return CurReport->Pages()->Pages(sub->SubPage);
}

} // namespace

void TrpBand::PrepareSubReports() {
    TrpPage* page = Parent;
    SubDone.assign(Objects.size(), true);
    for (std::size_t k = static_cast<std::size_t>(SubIndex); k < Objects.size(); ++k) {
        TrpView* v = Objects[k];
        TrpPage* sub = TargetPage(v);
        if (!sub || sub == page || !sub->Initialized) continue;
        sub->ClearRecList();
        sub->Mode = 1;
        TrpPage* savedPage = CurPage;
        CurPage = sub;
        sub->FormPage();
        CurPage = savedPage;
        sub->Mode = 0;
        sub->CurY = v->Top + y;
        sub->CurBottomY = page->CurBottomY;
        sub->XAdjust = v->Left + page->XAdjust;
        sub->ColumnCount = 1;
        sub->PlayPos = 0;
        sub->FreshY = -1;
        SubDone[k] = false;
    }
    SubMaxY = page->CurY;
}

void TrpBand::DoSubReports() {
    TrpPage* page = Parent;
    for (;;) {
        bool allDone = true;
        for (std::size_t k = static_cast<std::size_t>(SubIndex); k < Objects.size(); ++k) {
            if (SubDone[k]) continue;
            TrpPage* sub = TargetPage(Objects[k]);
            TrpPage* savedPage = CurPage;
            CurPage = sub;
            const bool more = sub->PlayRecList();
            CurPage = savedPage;
            SubMaxY = std::max(SubMaxY, sub->CurY);
            if (more)
                allDone = false;
            else
                SubDone[k] = true;
        }
        if (allDone) {
            for (std::size_t k = static_cast<std::size_t>(SubIndex); k < Objects.size(); ++k)
                if (TrpPage* sub = TargetPage(Objects[k])) sub->ClearRecList();
            page->CurY = SubMaxY;
            SubReportsDone = true;
            return;
        }
        SubReportsDone = false;
        if (page->Skip) {
            page->PendingSubReports = this;
            return;
        }
        page->NewPage();
        SubMaxY = page->CurY;
        for (std::size_t k = static_cast<std::size_t>(SubIndex); k < Objects.size(); ++k) {
            if (SubDone[k]) continue;
            TrpPage* sub = TargetPage(Objects[k]);
            sub->CurY = page->CurY;
            sub->CurBottomY = page->CurBottomY;
            sub->FreshY = sub->CurY;
        }
        if (MasterReport && MasterReport->Terminated) return;
    }
}
