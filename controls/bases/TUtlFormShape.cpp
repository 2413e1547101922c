#include "controls/bases/TUtlFormShape.h"

#include "controls/lists/TUtlContainer.h"
#include "controls/bases/TUtlCustomControl.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/WindowPainting.h"
#include "platform/ui/WindowRegion.h"

namespace {

// Frame thickness and caption height of a border style, as the window system draws them.
struct FrameMetrics {
    Integer X = 0, Y = 0, Caption = 0;
};

FrameMetrics FrameOf(TFormBorderStyle style) {
    FrameMetrics m;
    const bool sizing = style == bsSizeable || style == bsSizeToolWin;
    m.X = GetSystemMetrics(sizing ? SM_CXFRAME : SM_CXDLGFRAME);
    m.Y = GetSystemMetrics(sizing ? SM_CYFRAME : SM_CYDLGFRAME);
    switch (style) {
    case bsNone:
        m.Caption = 0;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        m.Caption = GetSystemMetrics(SM_CYSMCAPTION);
        break;
    default:
        m.Caption = GetSystemMetrics(SM_CYCAPTION);
        break;
    }
    if (style == bsNone) m.X = m.Y = 0;
    return m;
}

} // namespace

TUtlFormShape::TUtlFormShape(TComponent* AOwner)
    : TUtlWndProcComponent(AOwner),
      FRegion(std::make_unique<TUtlBorderRegion>(dynamic_cast<TWinControl*>(AOwner))),
      FFillObject(std::make_unique<TUtlFillObject>()), FBackground(std::make_unique<TBitmap>()) {
    FRegion->OnChange = [this](TObject* Sender) { GetChange(Sender); };
    FFillObject->OnChange = [this](TObject* Sender) { GetChange(Sender); };
    FLink.OnChange = [this](TObject* Sender) { GetChange(Sender); };
    // The form's own client area would paint over the background and border.
    ui::SetClientBackground(Form(), false);
    Init();
}

TUtlFormShape::~TUtlFormShape() {
    FRegion->OnChange = nullptr;
    FFillObject->OnChange = nullptr;
    UtlRelinkImageList(FLink, nullptr);
    if (TCustomForm* form = Form(); form && !form->ComponentState().Contains(csDestroying))
        ui::SetClientBackground(form, true);
}

TCustomForm* TUtlFormShape::Form() const {
    return dynamic_cast<TCustomForm*>(Owner());
}

void TUtlFormShape::SetUseRgnBitmap(bool Value) {
    if (Value == FUseRgnBitmap) return;
    FUseRgnBitmap = Value;
    GetChange(this);
}

void TUtlFormShape::SetImageList(TUtlCustomImageList* Value) {
    if (Value == ImageList()) return;
    UtlRelinkImageList(FLink, Value);
    GetChange(this);
}

void TUtlFormShape::DefineProperties(TFiler* Filer) {
    TUtlWndProcComponent::DefineProperties(Filer);
    UtlDefineGlobalImageList(Filer, ImageList(), [this](TUtlCustomImageList* List) { SetImageList(List); });
}

void TUtlFormShape::SetShowFormCaption(bool Value) {
    if (Value == FShowFormCaption) return;
    FShowFormCaption = Value;
    ReRegion();
}

void TUtlFormShape::GetChange(TObject*) {
    Change();
    ReRegion();
    // The background of see-through children changed with it.
    utl::BroadcastBackgroundChanged(Form());
}

void TUtlFormShape::Loaded() {
    TUtlWndProcComponent::Loaded();
    if (Enabled()) ReRegion();
}

void TUtlFormShape::ReRegion() {
    TCustomForm* form = Form();
    if (!form || ComponentState().Contains(csLoading)) return;
    const bool minimized = form->WindowState() == wsMinimized;
    const FrameMetrics f = FrameOf(form->BorderStyle());
    const bool bordered = form->BorderStyle() != bsNone;
    if (!minimized && FRegion->Shape() == rsBitmap && !FRegion->Mask()->MaskBitmap()->Empty()) {
        const Integer depth = FRegion->Shadow()->Active();
        TBitmap* face = FRegion->Mask()->MaskBitmap();
        form->SetBounds(form->Left(), form->Top(), face->Width() + depth + 2 * f.X,
                        face->Height() + f.Caption + 2 * f.Y + depth);
    }
    TRect r(0, 0, form->Width() - 2 * f.X, form->Height() - 2 * f.Y - f.Caption);
    InflateRect(r, 1, 1);
    const TRect band(0, 0, form->Width(), f.Y + f.Caption);
    TRegion result;
    if (!minimized) {
        FLastClient = r;
        FRegion->CreateRegion(r);
        if (const TRegion* built = FRegion->BuiltRegion()) {
            result = *built;
            result.Offset(f.X, f.Y + f.Caption);
            const Integer depth = FRegion->Shadow()->Active();
            if (depth > 0) {
                TRegion moved = result;
                moved.Offset(depth, depth);
                result = result.United(moved);
            }
        }
        result =
            FShowFormCaption && bordered ? result.United(TRegion(band)) : result.Subtracted(TRegion(band));
    } else {
        FRegion->CreateSpecialRectRgn(band);
        result = *FRegion->BuiltRegion();
    }
    FWindowRegion = std::make_unique<TRegion>(result);
    FCaptionHeight = f.Caption;
    // The window here is the client area: the frame and caption are not drawn
    // by the window system once the form has a region.
    TRegion mask = result;
    mask.Offset(-f.X, -(f.Y + f.Caption));
    ui::SetWindowRgn(form, nullptr, false);
    ui::SetWindowRgn(form, &mask, true);
}

void TUtlFormShape::SetPolygonShape(const std::vector<TPoint>& Points) {
    FRegion->SetUserPolygonRgn(Points);
    ReRegion();
}

void TUtlFormShape::SetRegionShape(HRGN Rgn) {
    FRegion->SetUserRgn(Rgn);
    ReRegion();
}

void TUtlFormShape::PaintBorder(TCanvas* Canvas) {
    TCustomForm* form = Form();
    if (!form || !Canvas) return;
    // The window below the frame and caption: what the region was built for.
    const FrameMetrics f = FrameOf(form->BorderStyle());
    const TRect r(0, 0, form->Width() - 2 * f.X, form->Height() - 2 * f.Y - f.Caption);
    if (IsRectEmpty(r)) return;
    // Everything is painted off screen first: the shadow's raster operations
    // are exact there, and the window changes in one step.
    TBitmap picture(r.Width(), r.Height(), pf24bit);
    TCanvas* c = picture.Canvas();
    const bool bitmapShape = FUseRgnBitmap && FRegion->Shape() == rsBitmap;
    if (!bitmapShape) {
        if (FFillObject->Style() != sfNone) {
            TUtlCustomImageList* list = ImageList();
            if (FFillObject->Style() == sfBitmapList && list && list->IsValidItem(FListIndex, FImageIndex)) {
                TBitmap item;
                list->GetBitmapItem(FListIndex, FImageIndex, &item);
                FFillObject->SetListBitmap(&item);
            }
            FBackground->SetSize(r.Width(), r.Height());
            FFillObject->FillCanvas(FBackground->Canvas(), r, clWhite);
            c->Draw(0, 0, FBackground.get());
        } else {
            c->Brush()->SetColor(form->Color());
            c->FillRect(r);
        }
    } else if (!FRegion->Mask()->MaskBitmap()->Empty()) {
        c->Draw(0, 0, FRegion->Mask()->MaskBitmap());
    }
    FRegion->PaintRegionShape(c, r);
    Canvas->Draw(0, 0, &picture);
}

bool TUtlFormShape::BackBitmapCheck() const {
    return (FUseRgnBitmap && FRegion->Shape() == rsBitmap) || FFillObject->Style() != sfNone;
}

TBitmap* TUtlFormShape::BackBitmap() const {
    if (FUseRgnBitmap && FRegion->Shape() == rsBitmap) return FRegion->Mask()->MaskBitmap();
    if (FFillObject->Style() != sfNone) return FBackground.get();
    return nullptr;
}

bool TUtlFormShape::BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const {
    TBitmap* back = BackBitmapCheck() ? BackBitmap() : nullptr;
    if (!Canvas || !back || back->Empty()) return false;
    return BitBlt(Canvas, R.Left, R.Top, R.Width(), R.Height(), back->Canvas(), P.X, P.Y, SRCCOPY);
}

void TUtlFormShape::WndProc(TMessage& Message) {
    TUtlWndProcComponent::WndProc(Message);
    TCustomForm* form = Form();
    if (!form) return;
    switch (Message.Msg) {
    case WM_SIZE:
        ReRegion();
        break;
    case WM_PAINT:
        ui::PaintOnWindow(form, [this](TCanvas* c) { PaintBorder(c); });
        FHandled = true;
        break;
    case WM_LBUTTONDOWN: {
        if (!FFormDragable) break;
        // A press on free client area moves the form, as a press on a caption would.
        const TPoint p(Integer(std::int16_t(Message.LParam & 0xFFFF)),
                       Integer(std::int16_t(Message.LParam >> 16)));
        for (Integer i = 0; i < form->ControlCount(); ++i) {
            TControl* c = form->Controls(i);
            if (!dynamic_cast<TWinControl*>(c) && c->Enabled() && c->Visible() &&
                PtInRect(c->BoundsRect(), p))
                return;
        }
        ui::StartSystemMove(form);
        FHandled = true;
        break;
    }
    default:
        break;
    }
}
