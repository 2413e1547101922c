#include "report/views/TrpSubReportView.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/TStream.h"
#include "platform/graphics/TCanvas.h"

TrpSubReportView::TrpSubReportView() {
    Typ = gtSubReport;
    BaseName = "SubReport";
}

void TrpSubReportView::Assign(TrpView* View) {
    TrpView::Assign(View);
    if (auto* sub = dynamic_cast<TrpSubReportView*>(View)) SubPage = sub->SubPage;
}

void TrpSubReportView::Draw(TCanvas* ACanvas) {
    if (DocMode != dmDesigning) return;
    BeginDraw(ACanvas);
    FrameWidth = 1;
    CalcGaps();
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clWhite);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Rectangle(Left, Top, Left + Width + 1, Top + Height + 1);
    SetDesignFont();
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextRect(DRect, Left + 2, Top + 2, "SubReport " + IntToStr(Int64(SubPage) + 1));
    RestoreCoord();
}

void TrpSubReportView::LoadFromStream(TStream* Stream) {
    TrpView::LoadFromStream(Stream);
    SubPage = Stream->ReadInt32();
}

void TrpSubReportView::SaveToStream(TStream* Stream) {
    TrpView::SaveToStream(Stream);
    Stream->WriteInt32(SubPage);
}
