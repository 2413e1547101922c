// Expansion, wrapping, height and printing of the memo view.
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TStream.h"
#include "platform/data/TField.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "report/views/detail/MemoText.h"
#include "report/views/detail/WrapMemory.h"
#include "report/views/TrpMemoView.h"
#include "report/script/detail/TrpParser.h"
#include "report/views/detail/rpCoordinates.h"
#include "report/common/detail/rpReportLink.h"
#include "report/common/detail/rpStreamUtils.h"

#include <cmath>

namespace {

// Text is always wrapped and measured on the shared 96-dpi bitmap.
TCanvas* MeasureCanvas() {
    return TempBmp->Canvas();
}

Integer PixelHeight(const TFont& Font, double Scale) {
    return report::RoundCoordinate(Font.Size() * 96.0 / 72.0 * Scale);
}

} // namespace

Integer TrpMemoView::LineStep() const {
    return report::ClampCoordinate(Int64{LineSpacing} + PixelHeight(Font, 1.0));
}

void TrpMemoView::ExpandVariables() {
    report::ExpandMemo(Memo, Memo1, [](const String& expr) {
        String value;
        if (rpGetValue) rpGetValue(expr, value);
        return value;
    });
}

void TrpMemoView::AssignFont(TCanvas* ACanvas) {
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Font()->Assign(&Font);
    if (!IsPrinting) ACanvas->Font()->SetHeight(-PixelHeight(Font, ScaleY));
}

void TrpMemoView::ApplyHighlight() {
    // Without a condition nothing changes font or fill until RestoreHighlight: nothing to keep.
    FHighlightSaved = !HighlightStr.empty() && rpParser;
    if (!FHighlightSaved) return;
    FSavedFont.Assign(&Font);
    FSavedFill = FillColor;
    const Variant v = rpParser->Calc(HighlightStr);
    if (v.IsEmpty() || v.IsNull() || v == Variant(0)) return;
    Font.SetStyle(rpSetFontStyle(Highlight.FontStyle));
    Font.SetColor(Highlight.FontColor);
    FillColor = Highlight.FillColor;
}

void TrpMemoView::RestoreHighlight() {
    if (!FHighlightSaved) return;
    FHighlightSaved = false;
    Font.Assign(&FSavedFont);
    FillColor = FSavedFill;
}

void TrpMemoView::WrapMemo() {
    TCanvas* c = MeasureCanvas();
    c->Font()->Assign(&Font);
    c->Font()->SetHeight(-PixelHeight(Font, 1.0));
    c->SetTextCharacterExtra(CharacterSpacing);
    SMemo->Clear();
    const bool rotated = (Adjust & 4) != 0;
    if (rotated) c->Font()->SetOrientation(900);
    core::ScopeExit unrotate([&] { c->Font()->SetOrientation(0); });
    const Integer step = report::ClampCoordinate(Int64{LineSpacing} - c->Font()->Height());
    const Integer available =
        report::ClampCoordinate(rotated ? Int64{Height} - 2 * Int64{gapy} : Int64{Width} - 2 * Int64{gapx});
    const report::MeasureFn width = [c](const String& t) { return c->TextWidth(t); };
    report::WrapSetting setting;
    setting.Measurer = &c->Measurer();
    setting.Font = c->Font()->State();
    setting.CharExtra = c->TextCharacterExtra();
    setting.Available = available;
    setting.Flags = Flags & (flWordWrap | flWordBreak);
    for (Integer k = 0; k < Memo1.Count(); ++k) {
        const String& paragraph = Memo1.StringAt(k);
        report::AddWrapped(setting, paragraph, *SMemo, [&] {
            std::vector<String> records;
            if (setting.Flags & flWordWrap)
                for (const auto& line :
                     report::WrapLine(paragraph, available, (Flags & flWordBreak) != 0, width))
                    records.push_back(
                        report::MakeLineRecord(line.Text, line.LastOfParagraph, width(line.Text)));
            else
                records.push_back(report::MakeLineRecord(paragraph, true, width(paragraph)));
            return records;
        });
    }
    FVHeight = report::ClampCoordinate(Int64{SMemo->Count()} * step + 2 * (rotated ? gapx : gapy));
    TextHeight = step;
}

Integer TrpMemoView::CalcHeight() {
    DrawMode = drAfterCalcHeight;
    // SMemo answers this memo's lines, none when it is hidden or empty: a band
    // split across pages prints the memo's parts from them.
    SMemo->Clear();
    BeginDraw(MeasureCanvas());
    if (rpDoScript) rpDoScript(this, &Script);
    if (!Visible) return 0;
    // Only a blob field or the report's handler can change the text; without them the
    // template is expanded as it stands (the expansion replaces Memo1 whole).
    bool expand = true;
    if (CurReport && (rpHasEnterRect(CurReport) || BlobField())) {
        Memo1.Assign(&Memo);
        const String before = Memo1.Text();
        rpEnterRect(CurReport, &Memo1, this);
        expand = Memo1.Text() == before;
    }
    if (expand) ExpandVariables();
    ApplyHighlight();
    core::ScopeExit restore([this] { RestoreHighlight(); });
    if ((Flags & flAutoWidth) && Memo1.Count() > 0 && DocMode == dmPrinting) Width = CalcWidth(&Memo1);
    CalcGaps();
    core::ScopeExit coords([this] { RestoreCoord(); });
    if (Memo1.Count() == 0) return 0;
    WrapMemo();
    return FVHeight;
}

void TrpMemoView::Print(TStream* Stream) {
    BeginDraw(MeasureCanvas());
    Streaming = true;
    core::ScopeExit done([this] {
        Streaming = false;
        DrawMode = drAll;
    });
    if (DrawMode == drAll && rpDoScript) rpDoScript(this, &Script);
    bool expand = DrawMode != drAfterCalcHeight;
    // Only a blob field or the report's handler can change the text; without
    // them the template is expanded as it stands.
    if (DrawMode == drAll && CurReport && (rpHasEnterRect(CurReport) || BlobField())) {
        Memo1.Assign(&Memo);
        const String before = Memo1.Text();
        rpEnterRect(CurReport, &Memo1, this);
        if (Memo1.Text() != before) expand = false;
    }
    if (DrawMode != drPart && expand) ExpandVariables();
    if (!Visible) return;

    ApplyHighlight();
    core::ScopeExit restore([this] { RestoreHighlight(); });
    TStringList rest;
    if (DrawMode == drPart) {
        CalcGaps();
        ShowMemo();
        RestoreCoord();
        // Every part takes at least one line, so a split always moves on.
        const Integer kept = std::min(Memo1.Count(), std::max<Integer>(CurStrNo, 1));
        for (Integer k = kept; k < Memo1.Count(); ++k)
            rest.Add(Memo1.Get(k));
        while (Memo1.Count() > kept)
            Memo1.Delete(Memo1.Count() - 1);
        CurStrNo = kept;
        if (!report::IsWrapped(Memo1)) Memo1.Add("\x01");
    }

    Stream->WriteByte(Typ);
    const Byte savedMode = StreamMode;
    {
        core::ScopeExit back([&] {
            StreamMode = savedMode;
            FWrittenMemo = nullptr;
        });
        StreamMode = smPrinting;
        FWrittenMemo = &Memo1;
        SaveToStream(Stream);
    }
    if (DrawMode == drPart) Memo1.Assign(&rest);
}

void TrpMemoView::GetBlob(TField* Field) {
    Memo1.SetText(Field->IsNull() ? String() : Field->AsString());
}

Integer TrpMemoView::CalcWidth(TStrings* Lines) {
    TCanvas* c = MeasureCanvas();
    c->Font()->Assign(&Font);
    c->Font()->SetHeight(-PixelHeight(Font, 1.0));
    c->SetTextCharacterExtra(report::RoundCoordinate(CharacterSpacing * ScaleX));
    const bool wrapped = report::IsWrapped(*Lines);
    String text;
    bool first = true;
    for (Integer k = 0; k < Lines->Count(); ++k) {
        const String line = Lines->Get(k);
        if (wrapped && line == "\x01") continue;
        if (!first) text += "\r\n";
        first = false;
        text += wrapped ? report::ParseLineRecord(line).Text : line;
    }
    TRect r(0, 0, Width, Height);
    DrawText(c, text, -1, r, DT_CALCRECT | DT_NOPREFIX);
    return report::ClampCoordinate(Int64{r.Right} + report::RoundCoordinate(2.0 * FrameWidth) + 2);
}

void TrpMemoView::ExportData() {
    TrpView::ExportData();
    Exporting = true;
    core::ScopeExit done([this] { Exporting = false; });
    Draw(MeasureCanvas());
}
