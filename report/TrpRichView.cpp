#include "report/TrpRichView.h"

#include "platform/core/TStream.h"
#include "report/TrpPictureView.h"
#include "report/rpRegistry.h"

TrpRichView::TrpRichView() {
    Typ = gtAddIn;
    BaseName = "Rich";
}

void TrpRichView::Assign(TrpView* View) {
    TrpView::Assign(View);
    if (auto* rich = dynamic_cast<TrpRichView*>(View)) RichText = rich->RichText;
}

void TrpRichView::Draw(TCanvas* ACanvas) {
    BeginDraw(ACanvas);
    CalcGaps();
    ShowBackGround();
    ShowFrame();
    RestoreCoord();
}

void TrpRichView::LoadFromStream(TStream* Stream) {
    TrpView::LoadFromStream(Stream);
    const Byte hasText = Stream->ReadByte();
    const Int64 end = rpReadEndPosition(Stream);
    RichText.clear();
    if (hasText == 1) {
        RichText.resize(static_cast<std::size_t>(end - Stream->Position()));
        if (!RichText.empty()) Stream->ReadBuffer(RichText.data(), static_cast<Integer>(RichText.size()));
    }
    Stream->SetPosition(end);
}

void TrpRichView::SaveToStream(TStream* Stream) {
    TrpView::SaveToStream(Stream);
    const bool hasText = !RichText.empty();
    Stream->WriteByte(hasText ? 1 : 0);
    const Int64 at = rpBeginEndPosition(Stream);
    if (hasText) Stream->WriteBuffer(RichText.data(), static_cast<Integer>(RichText.size()));
    rpPatchEndPosition(Stream, at);
}

void rpRegisterRichView() {
    rpRegisterObject(
        "TrpRichView", [] { return new TrpRichView(); }, nullptr, "", "rpRichForm");
}
