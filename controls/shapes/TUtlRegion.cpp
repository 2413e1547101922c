#include "controls/shapes/TUtlRegion.h"

#include "controls/services/TUtlApplication.h"
#include "controls/common/UtlCanvasGuard.h"
#include "platform/core/TFiler.h"
#include "platform/graphics/DeviceRegions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TWinControl.h"
#include "platform/ui/WindowRegion.h"

// ---- TUtlRegionBorder --------------------------------------------------------

void TUtlRegionBorder::SetStyle(TUtlRegionBorderStyle Value) {
    SetAndChange(FStyle, Value);
}
void TUtlRegionBorder::SetLightColor(TColor Value) {
    SetAndChange(FLightColor, Value);
}
void TUtlRegionBorder::SetShadowColor(TColor Value) {
    SetAndChange(FShadowColor, Value);
}
void TUtlRegionBorder::SetSingleColor(TColor Value) {
    SetAndChange(FSingleColor, Value);
}

void TUtlRegionBorder::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlRegionBorder*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FStyle = from->FStyle;
    FLightColor = from->FLightColor;
    FShadowColor = from->FShadowColor;
    FSingleColor = from->FSingleColor;
    EndUpdate(true);
}

// ---- TUtlRegion ----------------------------------------------------------------

namespace {

bool Rounded(TUtlRegionShape s) {
    return s == rsRoundRect || s == rsRoundNoseRect || s == rsRoundThinkBubble;
}

std::unique_ptr<TRegion> Take(HRGN h) {
    return std::unique_ptr<TRegion>(h);
}

} // namespace

TUtlRegion::TUtlRegion(TWinControl* Owner)
    : FBorder(std::make_unique<TUtlRegionBorder>()), FMask(std::make_unique<TUtlRegionMask>()), FOwner(Owner),
      FShadow(std::make_unique<TUtlRgnShadow>()), FPoints(std::make_unique<TUtlPointList>()) {
    FBorder->OnChange = [this](TObject*) { Change(); };
    FMask->OnChange = [this](TObject*) { Change(); };
    FShadow->OnChange = [this](TObject*) { Change(); };
    FPoints->OnChange = [this](TObject* Sender) { GetPointListChange(Sender); };
}

TUtlRegion::~TUtlRegion() {
    FBorder->OnChange = nullptr;
    FMask->OnChange = nullptr;
    FShadow->OnChange = nullptr;
    FPoints->OnChange = nullptr;
}

void TUtlRegion::SetShape(TUtlRegionShape Value) {
    if (Value == FShape) return;
    FShape = Value;
    if (FShape == rsPointList) StorePolygon();
    Change();
}

void TUtlRegion::SetExtPos(TUtlExtPos Value) {
    SetAndChange(FExtPos, Value);
}

void TUtlRegion::SetRoundX(Integer Value) {
    if (Value == FRoundX) return;
    FRoundX = Value;
    if (Rounded(FShape)) Change();
}

void TUtlRegion::SetRoundY(Integer Value) {
    if (Value == FRoundY) return;
    FRoundY = Value;
    if (Rounded(FShape)) Change();
}

void TUtlRegion::CreateRegion(const TRect& Rect) {
    TRect R = Rect;
    OffsetRect(R, FOffset.X, FOffset.Y);
    FBuilt.reset();
    const Integer depth = FShadow->Active();
    R.Right -= depth;
    R.Bottom -= depth;
    const Integer W = R.Width();
    switch (FShape) {
    case rsRect:
        FBuilt = std::make_unique<TRegion>(R);
        break;
    case rsRoundRect:
        FBuilt = std::make_unique<TRegion>(TRegion::RoundRect(R, FRoundX, FRoundY));
        break;
    case rsBitmap:
        FBuilt = Take(FMask->CreateRegion());
        break;
    case rsNoseRect:
        FBuilt = Take(UtlCreateNoseRectRgn(R, W / 10, FExtPos));
        break;
    case rsRoundNoseRect:
        FBuilt = Take(UtlCreateRoundNoseRectRgn(R, W / 10, FRoundX, FRoundY, FExtPos));
        break;
    case rsElliptic:
        FBuilt = std::make_unique<TRegion>(TRegion::Ellipse(R));
        break;
    case rsStar:
        FBuilt = Take(UtlCreateStarRgn(R));
        break;
    case rsRoundShield:
        FBuilt = Take(UtlCreateRoundShieldRgn(R));
        break;
    case rsSharpShield:
        FBuilt = Take(UtlCreateSharpShieldRgn(R));
        break;
    case rsDiamond:
        FBuilt = Take(UtlCreateDiamondRgn(R));
        break;
    case rsOctagon:
        FBuilt = Take(UtlCreateOctagonRgn(R));
        break;
    case rsComb:
        FBuilt = Take(UtlCreateCombRgn(R));
        break;
    case rsHalfRound:
        FBuilt = std::make_unique<TRegion>(
            TRegion::Ellipse(TRect(R.Left, 2 * R.Top - R.Bottom, R.Right, R.Bottom)));
        break;
    case rsThinkBubble:
        FBuilt = Take(UtlCreateThinkBubbleRgn(R, W / 6, FBubbleCount, FExtPos));
        break;
    case rsRoundThinkBubble:
        FBuilt = Take(UtlCreateRoundThinkBubbleRgn(R, W / 6, FBubbleCount, FExtPos, FRoundX, FRoundY));
        break;
    case rsEllipticThinkBubble:
        FBuilt = Take(UtlCreateEllipticThinkBubbleRgn(R, W / 6, FBubbleCount, FExtPos));
        break;
    case rsUserRegion:
    case rsPointList:
        if (!FUserData.empty())
            FBuilt = Take(ExtCreateRegion(nullptr, Cardinal(FUserData.size()), FUserData.data()));
        break;
    }
}

void TUtlRegion::CreateSpecialRectRgn(const TRect& R) {
    FBuilt = std::make_unique<TRegion>(R);
}

std::unique_ptr<TRegion> TUtlRegion::ResultRegion() const {
    if (!FBuilt) return nullptr;
    auto result = std::make_unique<TRegion>(*FBuilt);
    const Integer depth = FShadow->Active();
    if (depth > 0 && !FNoShadow) {
        TRegion moved = *FBuilt;
        moved.Offset(depth, depth);
        *result = result->United(moved);
    }
    return result;
}

void TUtlRegion::SetRegion() {
    std::unique_ptr<TRegion> result = ResultRegion();
    if (!result) return;
    FApplied = std::make_unique<TRegion>(*result);
    if (FOwner) ui::SetWindowRgn(FOwner, result.get(), true);
}

void TUtlRegion::FreeRegion() {
    if (FOwner) ui::SetWindowRgn(FOwner, nullptr, false);
    FApplied.reset();
}

void TUtlRegion::DrawShadow(TCanvas* Canvas, TRect& R) {
    const Integer depth = FShadow->Active();
    if (depth == 0) return;
    R.Right -= depth;
    R.Bottom -= depth;
    if (!FNoShadow && FBuilt && Canvas) {
        TRegion area = *FBuilt;
        area.Offset(depth, depth);
        area = area.Subtracted(*FBuilt);
        utl::CanvasGuard guard(Canvas);
        Canvas->Pen()->SetStyle(psClear);
        Canvas->Brush()->SetStyle(bsSolid);
        if (FShadow->Style() == hssTracing && UtlApplication) {
            Canvas->Brush()->SetBitmap(UtlApplication->GetBrushBitmap(ColorToRGB(FShadow->Color())));
            Canvas->Pen()->SetMode(pmMask);
        } else {
            Canvas->Brush()->SetColor(FShadow->Color());
        }
        PaintRgn(Canvas, &area);
        Canvas->Brush()->SetBitmap(nullptr);
    }
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetMode(pmCopy);
    Canvas->Pen()->SetStyle(psSolid);
}

void TUtlRegion::FrameOutline(TCanvas* c, const TRect& R) {
    const TColor A = FBorder->LightColor(), B = FBorder->ShadowColor(), C = FBorder->SingleColor();
    const TUtlRegionBorderStyle style = FBorder->Style();
    const Integer W = R.Width();
    switch (FShape) {
    case rsRect:
        UtlFrameRectRgn(c, R, A, B, C, style);
        break;
    case rsRoundRect:
        UtlFrameRoundRectRgn(c, R, A, B, C, style, FRoundX, FRoundY);
        break;
    case rsNoseRect:
    case rsRoundNoseRect: {
        // The border stays open where the nose joins the rectangle.
        const TRect s = utl::ShrinkForExtension(R, W / 10, FExtPos);
        const bool side = FExtPos == epLeftTop || FExtPos == epRightTop || FExtPos == epRightBottom ||
                          FExtPos == epLeftBottom;
        const Integer width = FShape == rsNoseRect ? 5 : side ? FRoundY : FRoundX;
        const std::vector<TPoint> nose = utl::NoseTriangle(s, W / 10, width, FExtPos);
        TRect base(std::min(nose[1].X, nose[2].X), std::min(nose[1].Y, nose[2].Y),
                   std::max(nose[1].X, nose[2].X), std::max(nose[1].Y, nose[2].Y));
        InflateRect(base, 2, 2);
        const std::unique_ptr<TRegion> saved = c->ClipRegion();
        c->ExcludeClipRect(base);
        if (FShape == rsNoseRect)
            UtlFrameRectRgn(c, s, A, B, C, style);
        else
            UtlFrameRoundRectRgn(c, s, A, B, C, style, FRoundX, FRoundY);
        c->SetClipRegion(saved.get());
        break;
    }
    case rsElliptic:
        UtlFrameEllipticRgn(c, R, A, B, C, style);
        break;
    case rsStar:
        UtlFrameStarRgn(c, R, A, B, C, style);
        break;
    case rsRoundShield:
        UtlFrameRoundShieldRgn(c, R, A, B, C, style);
        break;
    case rsSharpShield:
        UtlFrameSharpShieldRgn(c, R, A, B, C, style);
        break;
    case rsDiamond:
        UtlFrameDiamondRgn(c, R, A, B, C, style);
        break;
    case rsOctagon:
        UtlFrameOctagonRgn(c, R, A, B, C, style);
        break;
    case rsComb:
        UtlFrameCombRgn(c, R, A, B, C, style);
        break;
    case rsHalfRound:
        UtlFrameHalfRoundRgn(c, R, A, B, C, style);
        break;
    case rsThinkBubble:
        UtlFrameThinkBubbleRgn(c, R, W / 6, FBubbleCount, FExtPos, A, B, C, style);
        break;
    case rsRoundThinkBubble:
        UtlFrameRoundThinkBubbleRgn(c, R, W / 6, FBubbleCount, FExtPos, FRoundX, FRoundY, A, B, C, style);
        break;
    case rsEllipticThinkBubble:
        UtlFrameEllipticThinkBubbleRgn(c, R, W / 6, FBubbleCount, FExtPos, A, B, C, style);
        break;
    case rsPointList: {
        std::vector<TPoint> points;
        for (Integer i = 0; i < FPoints->Count(); ++i)
            points.push_back(FPoints->GetPoint(i));
        UtlFramePointList(c, points, A, B, C, style);
        break;
    }
    case rsBitmap:
    case rsUserRegion:
        break;
    }
}

void TUtlRegion::PaintRegionShape(TCanvas* Canvas, const TRect& Rect) {
    if (!Canvas) return;
    TRect R = Rect;
    OffsetRect(R, FOffset.X, FOffset.Y);
    utl::CanvasGuard guard(Canvas);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetWidth(2);
    DrawShadow(Canvas, R);
    Canvas->Pen()->SetWidth(2);
    FrameOutline(Canvas, R);
}

void TUtlRegion::SetUserRgn(HRGN Rgn) {
    if (!Rgn) return;
    const Cardinal size = GetRegionData(Rgn, 0, nullptr);
    std::vector<Byte> data(size);
    if (size && GetRegionData(Rgn, size, data.data()) == size) FUserData = std::move(data);
}

void TUtlRegion::SetUserPolygonRgn(const std::vector<TPoint>& Points) {
    FPoints->BeginUpdate();
    FPoints->Clear();
    for (TPoint p : Points)
        FPoints->AddPoint(p);
    FPoints->EndUpdate(false);
    StorePolygon();
    Change();
}

void TUtlRegion::StorePolygon() {
    if (FPoints->Count() == 0) return;
    std::vector<TPoint> points;
    for (Integer i = 0; i < FPoints->Count(); ++i)
        points.push_back(FPoints->GetPoint(i));
    FUserData = TRegion::Polygon(points).Data();
}

void TUtlRegion::GetPointListChange(TObject*) {
    if (FShape == rsPointList && FPoints->Count() > 0) {
        StorePolygon();
        Change();
    }
}

void TUtlRegion::DeleteHandle(HRGN& Rgn) {
    if (Rgn) DeleteObject(Rgn);
    Rgn = nullptr;
}

void TUtlRegion::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlRegion*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FShape = from->FShape;
    FRoundX = from->FRoundX;
    FRoundY = from->FRoundY;
    FShadow->Assign(from->FShadow.get());
    FExtPos = from->FExtPos;
    FBorder->Assign(from->FBorder.get());
    FMask->Assign(from->FMask.get());
    EndUpdate(true);
}

void TUtlRegion::DefineProperties(TFiler* Filer) {
    Filer->DefineProperty(
        "PointList",
        [this](TReader* r) {
            FPoints->BeginUpdate();
            FPoints->Clear();
            r->ReadListBegin();
            while (!r->EndOfList()) {
                const Integer x = Integer(r->ReadInteger());
                const Integer y = Integer(r->ReadInteger());
                FPoints->AddPoint(TPoint(x, y));
            }
            r->ReadListEnd();
            FPoints->EndUpdate(false);
            if (FShape == rsPointList) StorePolygon();
        },
        [this](TWriter* w) {
            w->WriteListBegin();
            for (Integer i = 0; i < FPoints->Count(); ++i) {
                w->WriteInteger(FPoints->GetPoint(i).X);
                w->WriteInteger(FPoints->GetPoint(i).Y);
            }
            w->WriteListEnd();
        },
        FPoints->Count() > 0);
}
