#include "report/views/TrpRichView.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStream.h"
#include "platform/data/TBlobField.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRichDocument.h"
#include "report/views/detail/RichExpansion.h"
#include "report/views/TrpPictureView.h"
#include "report/common/detail/rpRegistry.h"
#include "report/common/detail/rpReportLink.h"
#include "report/common/detail/rpStreamUtils.h"

TRichDocument& rpRichShared() {
    static TRichDocument shared;
    return shared;
}

namespace {

// What the shared document was last expanded from. The expansion depends on
// the text and the values alone, so the same pair needs no new one and keeps
// its layout: a text split over many pages is prepared again for each page.
struct SharedExpansion {
    std::string Text;
    std::vector<String> Values;
    Integer Revision = -1; // the shared document's, after the expansion
};

SharedExpansion& LastExpansion() {
    static SharedExpansion last;
    return last;
}

String ValueOf(const String& Expr) {
    String value;
    if (rpGetValue) rpGetValue(Expr, value);
    return value;
}

} // namespace

TrpRichView::TrpRichView() {
    Typ = gtAddIn;
    BaseName = "Rich";
}

TrpRichView::~TrpRichView() = default;

void TrpRichView::Assign(TrpView* View) {
    TrpView::Assign(View);
    if (auto* rich = dynamic_cast<TrpRichView*>(View)) RichText = rich->RichText;
}

TRichDocument& TrpRichView::Own() {
    if (!FOwn) FOwn = std::make_unique<TRichDocument>();
    if (FOwnText != RichText) {
        FOwn->Load(RichText);
        FOwnText = RichText;
        FExpressions = report::RichExpressions(*FOwn);
    }
    return *FOwn;
}

void TrpRichView::Prepare(bool RunScript) {
    if (RunScript && rpDoScript) rpDoScript(this, &Script);
    Memo1.Assign(&Memo);
    rpEnterRect(CurReport, &Memo1, this);
    Own();
    std::vector<String> values;
    values.reserve(FExpressions.size());
    for (const String& expr : FExpressions)
        values.push_back(ValueOf(expr));
    TRichDocument& shared = rpRichShared();
    SharedExpansion& last = LastExpansion();
    if (last.Revision == shared.Revision() && last.Values == values && last.Text == RichText) return;
    shared.Load(RichText);
    std::size_t next = 0;
    report::ExpandRich(
        shared, [&](const String& expr) { return next < values.size() ? values[next++] : ValueOf(expr); });
    last.Text = RichText;
    last.Values = std::move(values);
    last.Revision = shared.Revision();
}

Integer TrpRichView::DoCalcHeight() {
    TRichDocument& shared = rpRichShared();
    const Integer length = shared.Length();
    Integer lo = 0, hi = 1000000;
    while (hi - lo >= 2) {
        const Integer mid = lo + (hi - lo) / 2;
        const Integer r = shared.Fit(CharFrom, Width, mid);
        // Only the whole rest counts: taking nothing at all is no fit.
        if (r >= length)
            hi = mid;
        else
            lo = mid;
    }
    return hi < 2 ? 8 : hi;
}

Integer TrpRichView::CalcHeight() {
    StartChar = 0;
    CharTo = 0;
    BeginDraw(Canvas);
    if (rpDoScript) rpDoScript(this, &Script);
    if (!Visible) return 0;
    Prepare(false);
    CharFrom = 0;
    if (rpRichShared().Length() == 0) return 8;
    return DoCalcHeight();
}

Integer TrpRichView::RemainHeight() {
    Prepare(true);
    CharFrom = CharTo;
    if (CharFrom >= rpRichShared().Length()) return 0;
    return DoCalcHeight();
}

void TrpRichView::ShowRich(bool Render) {
    CharTo = CharFrom;
    if (Render)
        CharTo = Own().Draw(Canvas, CharFrom, SaveDX, SaveDY, TPoint(DRect.Left, DRect.Top), ScaleX, ScaleY);
    else
        CharTo = rpRichShared().Fit(CharFrom, Width, Height, true);
}

void TrpRichView::Draw(TCanvas* ACanvas) {
    BeginDraw(ACanvas);
    CalcGaps();
    ShowBackGround();
    Canvas->Brush()->SetStyle(bsClear);
    CharFrom = 0;
    if (!RichText.empty()) ShowRich(true);
    ShowFrame();
    RestoreCoord();
}

void TrpRichView::Print(TStream* Stream) {
    BeginDraw(Canvas);
    Memo1.Assign(&Memo);
    rpEnterRect(CurReport, &Memo1, this);
    if (rpDoScript) rpDoScript(this, &Script);
    const TrpDrawMode mode = DrawMode;
    DrawMode = drAll;
    if (!Visible) return;
    Prepare(false);
    TRichDocument& shared = rpRichShared();
    FPart = {0, shared.Length()};
    core::ScopeExit written([this] { FPart.reset(); });
    if (mode == drPart) {
        CharFrom = CharTo;
        ShowRich(false);
        // A part ending with a paragraph ends there: no empty paragraph after it.
        const Integer cut =
            CharTo > 0 && CharTo < shared.Length() && shared.LineStart(shared.LineAt(CharTo)) == CharTo
                ? CharTo - 1
                : CharTo;
        FPart = {StartChar, cut};
        StartChar = CharTo;
    }
    Stream->WriteByte(Typ);
    rpWriteString(Stream, ClassName());
    const Byte savedMode = StreamMode;
    StreamMode = smPrinting;
    SaveToStream(Stream);
    StreamMode = savedMode;
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
    // Printing writes the expanded text; a printed view written again has its own.
    const bool printing = StreamMode == smPrinting && FPart;
    const std::string text = printing ? rpRichShared().SaveToRtf(FPart->first, FPart->second) : RichText;
    const bool hasText = printing ? FPart->second > FPart->first : !RichText.empty();
    Stream->WriteByte(hasText ? 1 : 0);
    const Int64 at = rpBeginEndPosition(Stream);
    if (hasText) Stream->WriteBuffer(text.data(), static_cast<Integer>(text.size()));
    rpPatchEndPosition(Stream, at);
}

void TrpRichView::GetBlob(TField* Field) {
    auto* blob = dynamic_cast<TBlobField*>(Field);
    RichText.clear();
    if (!blob || blob->IsNull()) return;
    TMemoryStream bytes;
    blob->SaveToStream(&bytes);
    RichText.resize(static_cast<std::size_t>(bytes.Size()));
    bytes.SetPosition(0);
    if (!RichText.empty()) bytes.ReadBuffer(RichText.data(), static_cast<Integer>(RichText.size()));
}

void rpRegisterRichView() {
    rpRegisterObject(
        "TrpRichView", [] { return new TrpRichView(); }, nullptr, "", "rpRichForm");
}
