#include "report/common/detail/TrpControls.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawFrameControl.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPen.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TWinControl.h"

namespace report {

using graphics::PixelBuffer;

PixelBuffer InactiveGlyph(const PixelBuffer& Slice, TColor Transparent, TColor Face) {
    PixelBuffer out = Slice;
    for (TColor& p : out.Pixels) {
        if (p == Transparent) {
            p = Face;
        } else if (p != Face) {
            const Integer gray = (77 * GetRValue(p) + 150 * GetGValue(p) + 29 * GetBValue(p)) >> 8;
            p = RGB(gray, gray, gray);
        }
    }
    return out;
}

TAlign ToolbarAlign(const TControl* Toolbar) {
    const TControl* holder = Toolbar ? Toolbar->Parent() : nullptr;
    if (holder && (holder->Align() == alLeft || holder->Align() == alRight)) return alTop;
    return alLeft;
}

} // namespace report

namespace {

// Lines a toolbar part up with the toolbar it has just been put on.
void FollowToolbar(TControl* Part) {
    if (Part->Parent() && !Part->ComponentState().Contains(csDestroying))
        Part->SetAlign(report::ToolbarAlign(Part->Parent()));
}

} // namespace

// ---- TrpSpeedButton -------------------------------------------------------

TrpSpeedButton::TrpSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
    SetBounds(0, 0, 22, 22);
}

void TrpSpeedButton::SetGrayedInactive(bool v) {
    if (v == FGrayedInactive) return;
    FGrayedInactive = v;
    Invalidate();
}

void TrpSpeedButton::MouseEnter() {
    if (Flat() && ShowsEnabled()) TSpeedButton::MouseEnter();
}

void TrpSpeedButton::MouseLeave() {
    if (Flat() && ShowsEnabled()) TSpeedButton::MouseLeave();
}

void TrpSpeedButton::DblClick() {
    if (Down()) TSpeedButton::DblClick();
}

bool TrpSpeedButton::DialogChar(Word Key) {
    if (!ShowsEnabled() || !Visible() || !IsAccel(Key, Caption())) return false;
    Click();
    return true;
}

void TrpSpeedButton::Paint() {
    UpdatePaintState();
    const TButtonState state = State();
    FInactive = Flat() && FGrayedInactive && ShowsEnabled() && !MouseInControl();
    const bool pressed = state == bsDown || state == bsExclusive;
    TCanvas* c = Canvas();
    TRect face = ClientRect();
    if (Flat()) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(face);
        InflateRect(face, -1, -1);
    } else {
        DrawFrameControl(c, face, DFC_BUTTON,
                         DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    }
    const bool held = state == bsExclusive && (!Flat() || (ShowsEnabled() && !MouseInControl()));
    if (held) {
        // Held down: the face with every other pixel white.
        TBitmap pattern(8, 8);
        for (Integer y = 0; y < 8; ++y)
            for (Integer x = 0; x < 8; ++x)
                pattern.Canvas()->SetPixels(x, y, (x & 1) == (y & 1) ? clWhite : clBtnFace);
        c->Brush()->SetBitmap(&pattern);
        c->FillRect(Flat() ? ClientRect() : face);
        c->Brush()->SetBitmap(nullptr);
        c->Brush()->SetColor(clBtnFace);
    }
    DrawGlyphAndCaption(face, pressed ? TPoint{1, 1} : TPoint{0, 0});
    if (Flat() && ShowsEnabled() && (MouseInControl() || pressed)) {
        TRect frame = ClientRect();
        DrawEdge(c, frame, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
}

void TrpSpeedButton::DrawGlyph(TCanvas* Canvas, TPoint Pos, TSize Size) {
    if (!FInactive) {
        TSpeedButton::DrawGlyph(Canvas, Pos, Size);
        return;
    }
    DrawFirstSlice(Canvas, Pos, Size,
                   [](const graphics::PixelBuffer& Slice, TColor Transparent, TColor Face) {
                       return report::InactiveGlyph(Slice, Transparent, Face);
                   });
}

// ---- Toolbar parts ----------------------------------------------------------

TrpTBButton::TrpTBButton(TComponent* AOwner) : TrpSpeedButton(AOwner) {
    SetAlign(alLeft);
    SetFlat(true);
}

void TrpTBButton::SetParent(TWinControl* AParent) {
    TrpSpeedButton::SetParent(AParent);
    FollowToolbar(this);
}

TrpTBSeparator::TrpTBSeparator(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetAlign(alLeft);
    SetBounds(0, 0, 8, 8);
}

void TrpTBSeparator::SetDrawBevel(bool v) {
    if (v == FDrawBevel) return;
    FDrawBevel = v;
    Invalidate();
}

void TrpTBSeparator::SetParent(TWinControl* AParent) {
    TGraphicControl::SetParent(AParent);
    FollowToolbar(this);
}

void TrpTBSeparator::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(ClientRect());
    if (!FDrawBevel) return;
    const Integer w = Width(), h = Height();
    auto line = [c](TColor colour, Integer x1, Integer y1, Integer x2, Integer y2) {
        c->Pen()->SetColor(colour);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    switch (Align()) {
    case alTop:
    case alBottom:
        line(clBtnShadow, 2, h / 2 - 1, w - 2, h / 2 - 1);
        line(clBtnHighlight, 2, h / 2, w - 2, h / 2);
        break;
    case alLeft:
    case alRight:
        line(clBtnShadow, w / 2 - 1, 2, w / 2 - 1, h - 2);
        line(clBtnHighlight, w / 2, 2, w / 2, h - 2);
        break;
    default:
        break;
    }
}

TrpTBPanel::TrpTBPanel(TComponent* AOwner) : TPanel(AOwner) {
    SetAlign(alLeft);
    SetBounds(0, 0, 8, 8);
    SetBevelOuter(bvNone);
    SetColor(clBtnFace);
}

void TrpTBPanel::SetParent(TWinControl* AParent) {
    TPanel::SetParent(AParent);
    FollowToolbar(this);
}
