// Cross-tab columns: a row band prints one cell per record of the column data
// source, left to right, continuing on further prepared pages past the right margin.
#include "report/build/TrpBand.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"
#include "report/build/detail/rpBuild.h"

#include <algorithm>

namespace {

bool Terminated() {
    return MasterReport && MasterReport->Terminated;
}

} // namespace

TrpDataset* TrpBand::CrossDataSet() const {
    TrpBand* cross = Parent->Bands[btCrossData];
    return cross && cross->DataSet ? cross->DataSet : VCDataSet;
}

Integer TrpBand::CalcCrossHeight() {
    TrpPage* page = Parent;
    Integer result = 0;
    TrpDataset* ds = CrossDataSet();
    if (!ds) return result;
    page->ColPos = 1;
    if (CurReport && CurReport->OnBeginColumn) CurReport->OnBeginColumn(this);
    ds->First();
    while (!ds->Eof() && !Terminated()) {
        Integer width = page->Bands[btCrossData]->dx;
        if (CurReport && CurReport->OnPrintColumn) CurReport->OnPrintColumn(page->ColPos, width);
        for (TrpView* v : Objects)
            if (v->Parent && v->Parent != this)
                if (auto* s = dynamic_cast<TrpStretcheable*>(v)) {
                    CurView = v;
                    result = std::max(result, s->CalcHeight() + v->Top);
                }
        ++page->ColPos;
        ds->Next();
    }
    return result;
}

void TrpBand::DrawCrossCell(TrpBand* CrossBand, Integer ax) {
    report::rpBuild.CrossShift = ax;
    for (TrpView* v : Objects)
        if (v->Parent == CrossBand) DrawObject(v);
    report::rpBuild.CrossShift = 0;
}

void TrpBand::DrawCross() {
    if (Typ == btPageFooter) return;
    using report::rpBuild;
    TrpPage* page = Parent;
    TrpEMFPages* pages = (MasterReport ? MasterReport : CurReport)->EMFPages();
    TrpBand* header = page->Bands[btCrossHeader];
    TrpBand* data = page->Bands[btCrossData];
    TrpBand* footer = page->Bands[btCrossFooter];
    const Integer startPage = PageNo;
    page->ColPos = 1;
    rpBuild.InCross = true;
    if (CurReport && CurReport->OnBeginColumn) CurReport->OnBeginColumn(this);
    DrawCrossCell(header, header->x);
    Integer x = data->x;
    if (TrpDataset* ds = CrossDataSet()) {
        ds->First();
        while (!ds->Eof() && !Terminated()) {
            Integer width = data->dx;
            if (CurReport && CurReport->OnPrintColumn) CurReport->OnPrintColumn(page->ColPos, width);
            if (x + width > page->RightMargin() && x > page->LeftMargin()) {
                ++PageNo;
                if (PageNo >= pages->Count()) {
                    const Integer savedY = page->CurY;
                    rpBuild.InCross = false;
                    pages->Add(page);
                    page->ShowBand(page->Bands[btOverlay]);
                    if (!(startPage == 0 && !(page->Bands[btPageHeader]->Flags & bfPrintOnFirstPage))) {
                        page->CurY = page->TopMargin();
                        page->ShowBand(page->Bands[btPageHeader]);
                    }
                    page->CurY = savedY;
                    rpBuild.InCross = true;
                }
                x = page->LeftMargin();
                if (header->Flags & bfReprintOnNewPage) {
                    DrawCrossCell(header, x);
                    x += header->dx;
                }
            }
            DrawCrossCell(data, x);
            if (Typ == btMasterData || Typ == btDetailData || Typ == btSubDetailData)
                page->DoAggregate({btPageFooter, btMasterFooter, btDetailFooter, btSubDetailFooter,
                                   btGroupFooter, btCrossFooter, btReportSummary});
            x += width;
            ++page->ColPos;
            ds->Next();
        }
    }
    DrawCrossCell(footer, x);
    footer->InitValues();
    PageNo = startPage;
    rpBuild.InCross = false;
}
