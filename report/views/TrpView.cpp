#include "report/views/TrpView.h"

#include "platform/core/CodePages.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStream.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"
#include "platform/data/TDataSet.h"
#include "report/views/detail/rpCoordinates.h"
#include "report/common/detail/rpDBUtils.h"
#include "report/common/detail/rpReportLink.h"
#include "report/common/detail/rpStreamUtils.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The default display format: text, 2 decimals, the platform's decimal separator.
Integer DefaultFormat() {
    const std::string sep = Utf8ToCodePage(FormatSettings.DecimalSeparator, CP_WINDOWS_1250);
    return 0x200 + (sep.empty() ? ',' : static_cast<Byte>(sep[0]));
}

// A styled side wider than this adds nothing visible on any page.
constexpr Integer MaxStyledLines = 10000;

std::int32_t GetInt32(const Byte* p) {
    std::uint32_t v = 0;
    std::memcpy(&v, p, 4);
    return static_cast<std::int32_t>(v);
}

// Stored coordinates are cut to the range in which the drawing arithmetic
// (sums of a position, a size and a frame) cannot overflow.
Integer GetCoordinate(const Byte* p) {
    return report::ClampCoordinate(GetInt32(p));
}

Word GetWord(const Byte* p) {
    return static_cast<Word>(p[0] | (p[1] << 8));
}

void PutInt32(Byte* p, std::int32_t v) {
    std::uint32_t u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<Byte>(u >> (8 * i));
}

void PutWord(Byte* p, Word v) {
    p[0] = static_cast<Byte>(v);
    p[1] = static_cast<Byte>(v >> 8);
}

} // namespace

TrpView::TrpView() : Format(DefaultFormat()) {}

TrpView::~TrpView() = default;

void TrpView::Assign(TrpView* View) {
    Name = View->Name;
    Typ = View->Typ;
    Selected = View->Selected;
    Left = View->Left;
    Top = View->Top;
    Width = View->Width;
    Height = View->Height;
    Flags = View->Flags;
    FrameTyp = View->FrameTyp;
    FrameWidth = View->FrameWidth;
    FrameColor = View->FrameColor;
    FrameStyle = View->FrameStyle;
    FillColor = View->FillColor;
    Format = View->Format;
    FormatStr = View->FormatStr;
    Visible = View->Visible;
    Memo.Assign(&View->Memo);
    Script.Assign(&View->Script);
}

TField* TrpView::BlobField() const {
    if (!FDataSet || FField.empty()) return nullptr;
    TField* field = FDataSet->FindField(FField);
    return rpIsBlob(field) ? field : nullptr;
}

Integer TrpView::ScaledRight() const {
    return report::RoundCoordinate((double(SaveX) + SaveDX) * ScaleX + OffsX);
}

Integer TrpView::ScaledBottom() const {
    return report::RoundCoordinate((double(SaveY) + SaveDY) * ScaleY + OffsY);
}

void TrpView::CalcGaps() {
    SaveX = Left;
    SaveY = Top;
    SaveDX = Width;
    SaveDY = Height;
    SaveFW = FrameWidth;
    if (DocMode == dmDesigning) {
        ScaleX = ScaleY = 1;
        OffsX = OffsY = 0;
    }
    Left = report::RoundCoordinate(Left * ScaleX) + OffsX;
    Top = report::RoundCoordinate(Top * ScaleY) + OffsY;
    Width = report::RoundCoordinate(Width * ScaleX);
    Height = report::RoundCoordinate(Height * ScaleY);

    const double fw = SaveFW;
    const Integer bx = report::RoundCoordinate((fw * ScaleX - 1) / 2);
    const Integer bx1 = report::RoundCoordinate(fw * ScaleX / 2);
    const Integer by = report::RoundCoordinate((fw * ScaleY - 1) / 2);
    const Integer by1 = report::RoundCoordinate(fw * ScaleY / 2);
    FrameWidth = static_cast<float>(fw * ScaleX);
    gapx = bx1 + 2;
    gapy = by1 / 2 + 1;

    const Integer r = ScaledRight();
    const Integer b = ScaledBottom();
    DRect = TRect(Left + ((FrameTyp & FrameLeft) ? bx : 0), Top + ((FrameTyp & FrameTop) ? by : 0),
                  r - ((FrameTyp & FrameRight) ? bx1 : 0) + 1, b - ((FrameTyp & FrameBottom) ? by1 : 0) + 1);
}

void TrpView::RestoreCoord() {
    Left = SaveX;
    Top = SaveY;
    Width = SaveDX;
    Height = SaveDY;
    FrameWidth = SaveFW;
}

void TrpView::ShowBackGround() {
    if (DisableDrawing) return;
    if (DocMode == dmPrinting && FillColor == clNoFill) return;
    TColor color = FillColor;
    if (DocMode == dmDesigning && color == clNoFill) color = clWhite;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(color);
    if (DocMode == dmPrinting)
        Canvas->FillRect(TRect(Left, Top, ScaledRight(), ScaledBottom()));
    else
        Canvas->FillRect(DRect);
}

void TrpView::FrameLine(Integer x1, Integer y1, Integer x2, Integer y2) {
    TPen* pen = Canvas->Pen();
    const bool horizontal = x1 != x2;
    auto line = [&](Integer offset) {
        if (horizontal) {
            Canvas->MoveTo(x1, y1 + offset);
            Canvas->LineTo(x2, y2 + offset);
        } else {
            Canvas->MoveTo(x1 + offset, y1);
            Canvas->LineTo(x2 + offset, y2);
        }
    };
    if (pen->Style() != psSolid) {
        // Styled pens are one pixel wide on the platform, so a wide styled side
        // is drawn as parallel one-pixel lines.
        Canvas->Brush()->SetColor(FillColor);
        const Integer w = pen->Width();
        pen->SetWidth(1);
        for (Integer i = 0; i < std::min(w, MaxStyledLines); ++i)
            line(-(w / 2) + i);
        pen->SetWidth(w);
    } else if (FrameStyle == fsDouble) {
        const Integer fw = report::RoundCoordinate(FrameWidth);
        line(-fw);
        pen->SetColor(FillColor);
        line(0);
        pen->SetColor(FrameColor);
        line(fw);
    } else {
        line(0);
    }
}

void TrpView::SetDesignFont() {
    Canvas->Font()->SetName("Arial");
    Canvas->Font()->SetSize(8);
    Canvas->Font()->SetColor(clBlack);
}

void TrpView::ShowFrame() {
    if (DisableDrawing) return;
    if (DocMode == dmPrinting && (FrameTyp & FrameAll) == 0) return;
    TPen* pen = Canvas->Pen();
    Canvas->Brush()->SetStyle(bsClear);
    pen->SetStyle(psSolid);
    const Integer r = ScaledRight();
    const Integer b = ScaledBottom();

    if (DocMode == dmDesigning && Width >= 1 && Height >= 1) {
        pen->SetWidth(1);
        pen->SetColor(clBlack);
        auto stroke = [&](Integer x, Integer y, Integer dx, Integer dy) {
            Canvas->MoveTo(x, y);
            Canvas->LineTo(x + dx, y + dy);
        };
        stroke(Left, Top, 0, 3);
        stroke(Left, Top, 4, 0);
        stroke(Left, b, 0, -3);
        stroke(Left, b, 4, 0);
        stroke(r, Top, -3, 0);
        stroke(r, Top, 0, 4);
        stroke(r, b, -3, 0);
        stroke(r, b, 0, -4);
    }

    pen->SetColor(FrameColor);
    pen->SetWidth(report::RoundCoordinate(FrameWidth));
    // Stored styles beyond the platform's five line styles draw solid.
    if (FrameStyle != fsDouble) pen->SetStyle(FrameStyle <= psDashDotDot ? TPenStyle(FrameStyle) : psSolid);

    if ((FrameTyp & FrameAll) == FrameAll && FrameStyle == psSolid) {
        Canvas->Rectangle(Left, Top, r + 1, b + 1);
        return;
    }
    if (FrameTyp & FrameRight) FrameLine(r, Top, r, b);
    if (FrameTyp & FrameLeft) FrameLine(Left, Top, Left, b);
    if (FrameTyp & FrameBottom) FrameLine(Left, b, r, b);
    if (FrameTyp & FrameTop) FrameLine(Left, Top, r, Top);
}

std::unique_ptr<TRegion> TrpView::GetClipRgn(TrpRgnType RgnType) {
    const double fw = FrameWidth;
    Integer a, b;
    if (FrameStyle == fsDouble) {
        a = report::RoundCoordinate(fw * 1.5);
        b = report::RoundCoordinate((fw - 1) / 2 + fw);
    } else {
        a = report::RoundCoordinate(fw / 2);
        b = report::RoundCoordinate((fw - 1) / 2);
    }
    TRect r(Left - ((FrameTyp & FrameLeft) ? a : 0), Top - ((FrameTyp & FrameTop) ? a : 0),
            Left + Width + 1 + ((FrameTyp & FrameRight) ? b : 0),
            Top + Height + 1 + ((FrameTyp & FrameBottom) ? b : 0));
    if (RgnType == rtExtended) r = TRect(r.Left - 10, r.Top - 10, r.Right + 10, r.Bottom + 10);
    return std::make_unique<TRegion>(r);
}

void TrpView::BeginDraw(TCanvas* ACanvas) {
    Canvas = ACanvas;
    CurView = this;
}

void TrpView::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
    Left = ALeft;
    Top = ATop;
    Width = AWidth;
    Height = AHeight;
}

void TrpView::CreateUniqueName() {
    Name.clear();
    if (TrpNameIndex* index = TrpNameIndex::Of(CurReport)) {
        Name = index->Take(BaseName);
        return;
    }
    TrpNameIndex once(CurReport);
    Name = once.Take(BaseName);
}

namespace {

TrpNameIndex* InnermostIndex = nullptr;

} // namespace

TrpNameIndex::TrpNameIndex(TrpReport* Report) : FReport(Report), FOuter(InnermostIndex) {
    rpForEachObject(Report, [this](TrpView* View) { FTaken.insert(AnsiUpperCase(View->Name)); });
    InnermostIndex = this;
}

TrpNameIndex::~TrpNameIndex() {
    InnermostIndex = FOuter;
}

TrpNameIndex* TrpNameIndex::Of(TrpReport* Report) {
    for (TrpNameIndex* index = InnermostIndex; index; index = index->FOuter)
        if (index->FReport == Report) return index;
    return nullptr;
}

String TrpNameIndex::Take(const String& BaseName) {
    const String base = AnsiUpperCase(BaseName);
    // Names are only added while the index lives: no number below this one frees up.
    Integer& next = FNext.try_emplace(base, 1).first->second;
    for (; next <= 10000; ++next)
        if (FTaken.insert(base + IntToStr(next)).second) return BaseName + IntToStr(next++);
    return String();
}

void TrpView::Print(TStream* Stream) {
    BeginDraw(Canvas);
    Memo1.Assign(&Memo);
    rpEnterRect(CurReport, &Memo1, this);
    if (rpDoScript) rpDoScript(this, &Script);
    if (!Visible) return;
    Stream->WriteByte(Typ);
    if (Typ == gtAddIn) rpWriteString(Stream, ClassName());
    const Byte savedMode = StreamMode;
    core::ScopeExit restore([&] { StreamMode = savedMode; });
    StreamMode = smPrinting;
    SaveToStream(Stream);
}

void TrpView::ExportData() {
    rpExportData(CurReport, this);
}

void TrpView::LoadFromStream(TStream* Stream) {
    if (StreamMode == smDesigning) {
        if (rpVersion >= 23)
            Name = rpReadString(Stream);
        else
            CreateUniqueName();
    }
    std::array<Byte, 30> block;
    Stream->ReadBuffer(block.data(), static_cast<Integer>(block.size()));
    Left = GetCoordinate(&block[0]);
    Top = GetCoordinate(&block[4]);
    Width = GetCoordinate(&block[8]);
    Height = GetCoordinate(&block[12]);
    Flags = GetWord(&block[16]);
    FrameTyp = GetWord(&block[18]);
    FrameWidth = report::ClampFrameWidth(rpDecodeFrameWidth(GetInt32(&block[20])));
    FrameColor = static_cast<TColor>(GetInt32(&block[24]));
    FrameStyle = GetWord(&block[28]);
    FillColor = static_cast<TColor>(Stream->ReadInt32());
    if (StreamMode == smDesigning) {
        Format = Stream->ReadInt32();
        FormatStr = rpReadStringV(Stream);
    }
    rpReadMemoV(Stream, &Memo);
    if (StreamMode == smDesigning && rpVersion >= 23) {
        rpReadMemo(Stream, &Script);
        Visible = rpReadBool(Stream);
    }
}

void TrpView::SaveToStream(TStream* Stream) {
    if (StreamMode == smDesigning) rpWriteString(Stream, Name);
    // The 30-byte block of position, size, flags and frame, and the fill
    // colour behind it, in one write.
    std::array<Byte, 34> block;
    PutInt32(&block[0], Left);
    PutInt32(&block[4], Top);
    PutInt32(&block[8], Width);
    PutInt32(&block[12], Height);
    PutWord(&block[16], Flags);
    PutWord(&block[18], FrameTyp);
    PutInt32(&block[20], rpEncodeFrameWidth(FrameWidth));
    PutInt32(&block[24], static_cast<std::int32_t>(FrameColor));
    PutWord(&block[28], FrameStyle);
    PutInt32(&block[30], static_cast<std::int32_t>(FillColor));
    Stream->WriteBuffer(block.data(), static_cast<Integer>(block.size()));
    if (StreamMode == smDesigning) {
        Stream->WriteInt32(Format);
        rpWriteString(Stream, FormatStr);
    }
    rpWriteMemo(Stream, FWrittenMemo ? FWrittenMemo : &Memo);
    if (StreamMode == smDesigning) {
        rpWriteMemo(Stream, &Script);
        rpWriteBool(Stream, Visible);
    }
}
