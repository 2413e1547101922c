#include "report/views/TrpMemoView.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/TStream.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpStreamUtils.h"

#include <array>

Byte rpCharset() {
    return static_cast<Byte>(StrToIntDef(rpLoadStr(rpsDefaultCharset), 0));
}

TrpMemoView::TrpMemoView() {
    Typ = gtMemo;
    BaseName = "Memo";
    Flags = flStretched | flWordWrap;
    Font.SetName("Arial");
    Font.SetSize(10);
    Font.SetColor(clBlack);
    Font.SetCharset(rpCharset());
}

void TrpMemoView::Assign(TrpView* View) {
    TrpView::Assign(View);
    auto* memo = dynamic_cast<TrpMemoView*>(View);
    if (!memo) return;
    Font.Assign(&memo->Font);
    Adjust = memo->Adjust;
    Highlight = memo->Highlight;
    HighlightStr = memo->HighlightStr;
    LineSpacing = memo->LineSpacing;
}

void TrpMemoView::LoadFromStream(TStream* Stream) {
    TrpView::LoadFromStream(Stream);
    Font.SetName(rpReadStringV(Stream));
    Font.SetSize(Stream->ReadInt32());
    Font.SetStyle(rpSetFontStyle(Stream->ReadWord()));
    Font.SetColor(static_cast<TColor>(Stream->ReadInt32()));
    Adjust = Stream->ReadInt32();
    const Word charset = Stream->ReadWord();
    Font.SetCharset(rpVersion < 23 ? rpCharset() : static_cast<Byte>(charset));
    if (StreamMode == smDesigning) {
        Highlight.FontStyle = Stream->ReadWord();
        Highlight.FontColor = static_cast<TColor>(Stream->ReadInt32());
        Highlight.FillColor = static_cast<TColor>(Stream->ReadInt32());
        HighlightStr = rpReadStringV(Stream);
    }
    if (rpVersion == 21) Flags |= flWordWrap;
}

void TrpMemoView::SaveToStream(TStream* Stream) {
    TrpView::SaveToStream(Stream);
    rpWriteString(Stream, Font.Name());
    Stream->WriteInt32(Font.Size());
    Stream->WriteWord(static_cast<Word>(rpGetFontStyle(Font.Style())));
    Stream->WriteInt32(static_cast<std::int32_t>(Font.Color()));
    Stream->WriteInt32(Adjust);
    Stream->WriteWord(Font.Charset());
    if (StreamMode == smDesigning) {
        Stream->WriteWord(Highlight.FontStyle);
        Stream->WriteInt32(static_cast<std::int32_t>(Highlight.FontColor));
        Stream->WriteInt32(static_cast<std::int32_t>(Highlight.FillColor));
        rpWriteString(Stream, HighlightStr);
    }
}
