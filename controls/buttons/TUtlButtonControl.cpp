#include "controls/buttons/TUtlButtonControl.h"

#include "controls/text/UtlGlyphText.h"
#include "platform/graphics/DrawFrameControl.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TCustomAction.h"

// ---- TUtlButtonActionLink -----------------------------------------------------------

bool TUtlButtonActionLink::IsCheckedLinked() const {
    const auto* button = static_cast<const TUtlButtonControl*>(Client());
    return TControlActionLink::IsCheckedLinked() && button->Checked() == CustomAction()->Checked();
}

void TUtlButtonActionLink::SetChecked(bool Value) {
    if (!IsCheckedLinked()) return;
    auto* button = static_cast<TUtlButtonControl*>(Client());
    button->InClickDo([&] { button->SetChecked(Value); });
}

// ---- TUtlButtonControl --------------------------------------------------------------

TUtlButtonControl::TUtlButtonControl(TComponent* AOwner)
    : TUtlCustomPanel(AOwner), FAlignment(std::make_unique<TUtlGlyphTextLayout>()),
      FFont3D(std::make_unique<TUtl3DCaption>()), FGlyph(std::make_unique<TBitmap>()) {
    FAlignment->SetSpacing(4);
    FAlignment->OnChange = [this](TObject* Sender) { GetChange(Sender); };
    FFont3D->OnChange = [this](TObject* Sender) { GetChange(Sender); };
    SetBounds(Left(), Top(), 105, 17);
}

TUtlButtonControl::~TUtlButtonControl() {
    FAlignment->OnChange = nullptr;
    FFont3D->OnChange = nullptr;
}

void TUtlButtonControl::SetBool(Integer Index, bool Value) {
    switch (Index) {
    case 0:
        if (Value == FAutoSize) return;
        FAutoSize = Value;
        CorrectBounds();
        break;
    case 1:
        if (Value == FGlyphTransparent) return;
        FGlyphTransparent = Value;
        Invalidate();
        break;
    default:
        if (Value == FGlyphFlat) return;
        FGlyphFlat = Value;
        if (IMLEmpty()) {
            CreateStandardGlyph();
            GetChange(this);
        }
        break;
    }
}

void TUtlButtonControl::SetFocusStyle(TUtlGlyphTextFocusStyle Value) {
    if (Value == FFocusStyle) return;
    FFocusStyle = Value;
    if (HasFocus()) GetChange(this);
}

void TUtlButtonControl::SetFocusColor(TColor Value) {
    if (Value == FFocusColor) return;
    FFocusColor = Value;
    if (HasFocus()) GetChange(this);
}

void TUtlButtonControl::SetUseFocusColor(bool Value) {
    if (Value == FUseFocusColor) return;
    FUseFocusColor = Value;
    if (HasFocus()) GetChange(this);
}

void TUtlButtonControl::SetGlyphSize(Byte Value) {
    if (Value == FGlyphSize) return;
    FGlyphSize = Value;
    if (IMLEmpty()) {
        CreateStandardGlyph();
        GetChange(this);
    }
}

void TUtlButtonControl::SetGlyphTransparentColor(TColor Value) {
    if (Value == FGlyphTransparentColor) return;
    FGlyphTransparentColor = Value;
    GetChange(this);
}

HPALETTE TUtlButtonControl::GetPalette() const {
    return IMLEmpty() ? nullptr : ImageList()->Palette(ListIndex());
}

void TUtlButtonControl::GetChange(TObject*) {
    if (ComponentState().Contains(csLoading)) return;
    CorrectBounds();
    if (!FUpdateNow) Invalidate();
}

void TUtlButtonControl::CorrectBounds() {
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    // Measured at the top-left, without notices from the layout.
    auto notice = std::move(FAlignment->OnChange);
    FAlignment->OnChange = nullptr;
    const TUtlAlignment saved = FAlignment->Alignment();
    FAlignment->SetAlignment(agTopLeft);
    TBitmap scratch(1, 1, pf24bit);
    scratch.Canvas()->Font()->Assign(Font());
    const TRect extent = DrawItem(scratch.Canvas(), false, 0);
    FAlignment->SetAlignment(saved);
    FAlignment->OnChange = std::move(notice);
    if (!IsRectEmpty(extent)) SetBounds(Left(), Top(), extent.Right, extent.Bottom);
}

void TUtlButtonControl::Loaded() {
    TUtlCustomPanel::Loaded();
    // Every change made while loading skipped the measuring; the canvas measures with Font.
    CorrectBounds();
}

void TUtlButtonControl::Resize() {
    TUtlCustomPanel::Resize();
    Invalidate();
}

void TUtlButtonControl::DrawFocus(TCanvas* Canvas, const TRect& Rect) {
    if (!FUseFocusColor) {
        Canvas->DrawFocusRect(Rect);
        return;
    }
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetStyle(psDot);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(FFocusColor);
    Canvas->Rectangle(Rect);
    Canvas->Pen()->SetStyle(psSolid);
}

void TUtlButtonControl::PaintToControl(TCanvas* Canvas, Integer State) {
    if (!FUseBitmap) {
        DrawItem(Canvas, true, State);
        return;
    }
    TBitmap picture(Width(), Height(), pf24bit);
    picture.Canvas()->Font()->Assign(Font());
    FillControl(picture.Canvas());
    DrawItem(picture.Canvas(), true, State);
    Canvas->Draw(0, 0, &picture);
}

void TUtlButtonControl::Paint() {
    if (Visible()) TUtlCustomPanel::Paint();
}

void TUtlButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    // A press first takes the focus; a control that cannot have it ignores the press.
    if (Button == mbLeft && !HasFocus() && !Focused()) {
        InClickDo([this] {
            if (CanFocus()) SetFocus();
        });
        if (!HasFocus() && !Focused()) return;
    }
    TUtlCustomPanel::MouseDown(Button, Shift, X, Y);
}

void TUtlButtonControl::MouseEnter() {
    TUtlCustomPanel::MouseEnter();
    if (Flat() && !HasFocus()) Invalidate();
}

void TUtlButtonControl::MouseLeave() {
    TUtlCustomPanel::MouseLeave();
    if (Flat() && !HasFocus()) Invalidate();
}

void TUtlButtonControl::DoExit() {
    TUtlCustomPanel::DoExit();
    Repaint();
}

void TUtlButtonControl::TextChanged() {
    TUtlCustomPanel::TextChanged();
    GetChange(this);
}

void TUtlButtonControl::FontChanged() {
    TUtlCustomPanel::FontChanged();
    GetChange(this);
}

void TUtlButtonControl::EnabledChanged() {
    TUtlCustomPanel::EnabledChanged();
    GetChange(this);
}

void TUtlButtonControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    TUtlCustomPanel::ActionChange(Sender, CheckDefaults);
    const auto* action = dynamic_cast<const TCustomAction*>(Sender);
    if (action && (!CheckDefaults || !Checked())) InClickDo([&] { SetChecked(action->Checked()); });
}

// ---- TUtlRadioButton ----------------------------------------------------------------

TUtlRadioButton::TUtlRadioButton(TComponent* AOwner) : TUtlButtonControl(AOwner) {
    SetGlyphSize(13);
    CreateStandardGlyph();
    SetColor(clBtnFace);
    SetTabStop(true);
}

void TUtlRadioButton::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    if (FChecked) {
        if (TWinControl* parent = Parent())
            for (Integer i = 0; i < parent->ControlCount(); ++i)
                if (auto* other = dynamic_cast<TUtlRadioButton*>(parent->Controls(i)); other && other != this)
                    other->SetChecked(false);
        if (!InClick()) Click();
    }
    Invalidate();
}

void TUtlRadioButton::DoEnter() {
    TUtlButtonControl::DoEnter();
    if (!FChecked && CanModify())
        SetChecked(true);
    else
        Invalidate();
}

bool TUtlRadioButton::DialogChar(Word Key) {
    if (!IsAccel(Key, Caption()) || !CanFocus()) return false;
    SetFocus();
    return true;
}

void TUtlRadioButton::CreateStandardGlyph() {
    const Integer size = GlyphSize();
    TBitmap* sheet = GlyphSheet();
    sheet->SetPixelFormat(pf24bit);
    sheet->SetSize(4 * size, size);
    sheet->Canvas()->Brush()->SetColor(GlyphTransparentColor());
    sheet->Canvas()->FillRect(TRect(0, 0, 4 * size, size));
    const Cardinal flat = GlyphFlat() ? DFCS_FLAT : 0;
    // Unchecked, unchecked inactive, checked, checked inactive.
    const Cardinal states[] = {0, DFCS_INACTIVE, DFCS_CHECKED, DFCS_CHECKED | DFCS_INACTIVE};
    for (Integer i = 0; i < 4; ++i) {
        TRect frame = Bounds(i * size, 0, size, size);
        DrawFrameControl(sheet->Canvas(), frame, DFC_BUTTON, DFCS_BUTTONRADIO | flat | states[i]);
    }
    sheet->SetTransparentColor(GlyphTransparentColor());
    SetFrameWidth(sheet->Width() / 4);
}

void TUtlRadioButton::GetIMLChange(TObject* Sender) {
    if (TUtlCustomImageList* list = ImageList(); list && !IMLEmpty()) {
        list->GetBitmapItem(ListIndex(), ImageIndex(), GlyphSheet());
        UpdateFrameWidth();
    } else {
        CreateStandardGlyph();
    }
    GetChange(Sender);
}

void TUtlRadioButton::UpdateFrameWidth() {
    // An image list's sheet for a flat button holds the four frames twice, the
    // flat ones after the others; the standard sheet holds them once.
    const bool doubled = Flat() && !IMLEmpty();
    SetFrameWidth(GlyphSheet()->Width() / (doubled ? 8 : 4));
}

void TUtlRadioButton::DoFlatChanged() {
    if (IMLEmpty()) return;
    UpdateFrameWidth();
    Invalidate();
}

TRect TUtlRadioButton::DrawItem(TCanvas* Canvas, bool Flag, Integer State) {
    Canvas->Brush()->SetColor(Color());
    Canvas->Font()->Assign(Font());
    Integer frame = State == 0 ? 2 * (FChecked ? 1 : 0) + (ShowsEnabled() ? 0 : 1)
                               : (ShowsEnabled() ? 0 : 1) + 2 * (State - 1);
    if (Flat() && !MouseAbove() && !HasFocus()) frame += 4;
    TRect glyph = Bounds(frame * FrameWidth(), 0, FrameWidth(), GlyphSheet()->Height());
    if (glyph.Right > GlyphSheet()->Width())
        glyph = Bounds((frame % 4) * FrameWidth(), 0, FrameWidth(), GlyphSheet()->Height());
    TUtlDrawTextStyles styles;
    if (ShowsEnabled()) styles.Include(dtEnabled);
    if (Flag) {
        const Word focus = UtlConvertFocusStyle(FocusStyle());
        for (Integer s = dtRectText; s <= dtRectGlyphText; ++s)
            if (focus & (1u << s)) styles.Include(TUtlDrawTextStyle(s));
    } else {
        styles.Include(dtCalculate);
    }
    TRect r = ClientRect();
    ++r.Top;
    --r.Bottom;
    TUtlTextGlyphRects result;
    UtlDrawTextAndGlyphExt(Canvas, Caption(), Font3D(), r, GlyphSheet()->Canvas(), glyph, nullptr,
                           GlyphTransparentColor(), Alignment(), false, true, GlyphTransparent(), styles, 0,
                           result);
    if (!Flag) {
        TRect extent;
        UnionRect(extent, result.Union, TRect(0, 0, 1, 1));
        InflateRect(extent, 2, 2);
        return TRect(0, 0, extent.Right, extent.Bottom + 1);
    }
    if (HasFocus() && FocusStyle() != fcNone)
        DrawFocus(Canvas, FocusStyle() == fcControl ? ClientRect() : glyph);
    return glyph;
}
