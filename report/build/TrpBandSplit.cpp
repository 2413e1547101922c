// A band that may split across pages: its stretchable objects continue on
// the following pages, the objects below them move down by what they grew.
// Where each object goes is BandSplitPlanner's; this draws it there.
#include "platform/core/ScopeExit.h"
#include "report/build/detail/BandSplitPlanner.h"
#include "report/build/TrpBand.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"

#include <algorithm>

void TrpBand::DrawPageBreak() {
    TrpPage* page = Parent;
    const std::size_t n = Objects.size();
    std::vector<Integer> tops(n), heights(n);
    for (std::size_t k = 0; k < n; ++k) {
        tops[k] = Objects[k]->Top;
        heights[k] = Objects[k]->Height;
    }
    const Integer footer = page->Bands[btColumnFooter] ? page->Bands[btColumnFooter]->dy : 0;
    const Integer bandHeight = std::max(maxdy, dy);
    if (!CheckPageBreak(y, bandHeight, true)) {
        DrawObjects();
        page->CurY += bandHeight;
        return;
    }

    const core::ScopeExit restore([&] {
        for (std::size_t k = 0; k < n; ++k) {
            Objects[k]->Top = tops[k];
            Objects[k]->Height = heights[k];
            if (auto* s = dynamic_cast<TrpStretcheable*>(Objects[k])) s->DrawMode = drAll;
        }
    });
    std::vector<report::SplitBox> boxes(n);
    for (std::size_t k = 0; k < n; ++k) {
        TrpView* v = Objects[k];
        auto* s = dynamic_cast<TrpStretcheable*>(v);
        const Integer templateHeight = k < SavedHeights.size() ? SavedHeights[k] : heights[k];
        // What grows with the band grows with its content: the box needs as much as
        // its text, not the band's full height (a label above a long text stays a label).
        const bool grows = s && Stretched && (v->Flags & flStretched);
        Integer needed = v->Height;
        if (s) {
            s->ActualHeight = 0;
            CurView = v;
            needed = s->CalcHeight();
            // A memo prints its parts from the lines it has just wrapped: each part
            // then carries whole line records, and RemainHeight counts what is left.
            if (auto* m = dynamic_cast<TrpMemoView*>(v)) m->Memo1.Assign(SMemo);
        }
        boxes[k] = {.Top = v->Top,
                    .Height = grows ? std::max(templateHeight, needed) : v->Height,
                    .Left = v->Left,
                    .Width = v->Width,
                    .TemplateTop = tops[k],
                    .TemplateHeight = templateHeight,
                    .Stretches = s != nullptr,
                    .Grows = grows,
                    .MinHeight = s ? s->MinHeight() : 0};
    }
    auto remain = [this](std::size_t k) {
        TrpView* v = Objects[k];
        const Integer rest = static_cast<TrpStretcheable*>(v)->RemainHeight();
        return rest > 0 ? 2 * v->gapy + rest : 0;
    };
    auto draw = [this](const report::SplitPlacement& p) {
        TrpView* v = Objects[p.Box];
        const core::ScopeExit back([v, top = v->Top, height = v->Height] {
            v->Top = top;
            v->Height = height;
        });
        v->Top = p.Top;
        v->Height = p.Height;
        if (p.Part) static_cast<TrpStretcheable*>(v)->DrawMode = drPart;
        DrawObject(v);
    };

    report::BandSplitPlanner planner(std::move(boxes));
    Integer lowest = 0;
    while (planner.Pending() && !(MasterReport && MasterReport->Terminated)) {
        lowest = planner.PlanPage(report::SplitRoom(page->CurBottomY - footer - y), y <= page->FreshY, remain,
                                  draw);
        for (std::size_t k = 0; k < n; ++k)
            if (auto* s = dynamic_cast<TrpStretcheable*>(Objects[k])) s->ActualHeight = planner.Printed(k);
        if (!planner.Pending()) break;
        page->NewColumn(this);
        y = page->CurY;
    }
    maxdy = lowest;
    page->CurY += maxdy;
}
