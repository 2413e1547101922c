#include "platform/ui/TSpeedButton.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawFrameControl.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TWinControl.h"

namespace ui {

graphics::PixelBuffer DisabledGlyph(const graphics::PixelBuffer& Slice, TColor Transparent, TColor Face,
                                    TColor Highlight, TColor Shadow) {
    return graphics::Emboss(
        Slice, [&](TColor p) { return p != Transparent && p != Face; }, Face, Highlight, Shadow);
}

} // namespace ui

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    // The release decides about the click, not the generic click on mouse-up.
    SetClickOnMouseUp(false);
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() {
    FGlyph->OnChange = nullptr;
}

bool TSpeedButton::Inside(Integer X, Integer Y) const {
    // The row just below the button counts as on it, so a release on the edge still clicks.
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TSpeedButton::SetDown(bool v) {
    if (FGroupIndex == 0) v = false;
    if (v == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = v;
    FState = v ? bsExclusive : bsUp;
    Invalidate();
    if (v) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent()) return;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (!other || other == this || other->FGroupIndex != FGroupIndex) continue;
        if (FDown && other->FDown) {
            other->FDown = false;
            other->FState = bsUp;
            other->Invalidate();
        }
        other->FAllowAllUp = FAllowAllUp;
    }
}

void TSpeedButton::SetGroupIndex(Integer v) {
    FGroupIndex = v;
    UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool v) {
    FAllowAllUp = v;
    UpdateExclusive();
}

void TSpeedButton::SetFlat(bool v) {
    FFlat = v;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool v) {
    FTransparent = v;
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* v) {
    FGlyph->Assign(v);
}

void TSpeedButton::SetNumGlyphs(Integer v) {
    FNumGlyphs = std::clamp(v, 1, 4);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout v) {
    FLayout = v;
    Invalidate();
}

void TSpeedButton::SetSpacing(Integer v) {
    FSpacing = v;
    Invalidate();
}

void TSpeedButton::SetMargin(Integer v) {
    if (v < -1) return;
    FMargin = v;
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    TButtonState state = FDown ? bsExclusive : bsUp;
    if (Inside(X, Y)) state = FDown ? bsExclusive : bsDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool doClick = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        FMouseInControl = false;
        Invalidate();
    } else if (doClick) {
        SetDown(!FDown);
        // A button that may not go up stays stuck down.
        if (FDown) FState = bsExclusive;
        Invalidate();
    } else {
        if (FDown) FState = bsExclusive;
        Invalidate();
    }
    if (doClick) Click();
}

void TSpeedButton::MouseEnter() {
    TGraphicControl::MouseEnter();
    if (FFlat && !FMouseInControl && Enabled()) {
        FMouseInControl = true;
        Repaint();
    }
}

void TSpeedButton::MouseLeave() {
    TGraphicControl::MouseLeave();
    if (FFlat && FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
}

void TSpeedButton::UpdatePaintState() {
    if (!ShowsEnabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
}

void TSpeedButton::Paint() {
    UpdatePaintState();
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (!FFlat) {
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    } else {
        if (pressed || (FMouseInControl && FState != bsDisabled)) {
            DrawEdge(c, r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                     (FTransparent ? 0 : BF_MIDDLE) | BF_RECT);
        } else if (!FTransparent) {
            // The control's own colour: a descendant's Color of its own (the
            // styled buttons' fill) is no part of this look.
            c->Brush()->SetColor(EffectiveColor());
            c->FillRect(r);
        }
        InflateRect(r, -1, -1);
    }
    TPoint offset;
    if (pressed) {
        if (FState == bsExclusive && (!FFlat || !FMouseInControl)) {
            // The stuck-down face: a checkerboard of face and highlight.
            for (Integer y = r.Top; y < r.Bottom; ++y)
                for (Integer x = r.Left; x < r.Right; ++x)
                    c->SetPixels(x, y, ((x + y) & 1) ? clBtnHighlight : clBtnFace);
        }
        offset = {1, 1};
    }
    DrawGlyphAndCaption(r, offset);
}

void TSpeedButton::DrawGlyphAndCaption(const TRect& Client, TPoint Offset) {
    TCanvas* c = Canvas();
    c->Font()->Assign(Font());
    const TSize clientSize(Client.Width(), Client.Height());
    const bool hasGlyph = !FGlyph->Empty();
    const TSize glyphSize = hasGlyph ? TSize(FGlyph->Width() / FNumGlyphs, FGlyph->Height()) : TSize();
    TRect textBounds;
    TSize textSize;
    if (!Caption().empty()) {
        textBounds = Rect(0, 0, clientSize.cx, 0);
        DrawText(c, Caption(), -1, textBounds, DT_CALCRECT);
        textSize = TSize(textBounds.Width(), textBounds.Height());
    }
    TPoint glyphPos, textPos;
    const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    if (horizontal) {
        glyphPos.Y = (clientSize.cy - glyphSize.cy + 1) / 2;
        textPos.Y = (clientSize.cy - textSize.cy + 1) / 2;
    } else {
        glyphPos.X = (clientSize.cx - glyphSize.cx + 1) / 2;
        textPos.X = (clientSize.cx - textSize.cx + 1) / 2;
    }
    Integer spacing = FSpacing, margin = FMargin;
    if (textSize.cx == 0 || glyphSize.cx == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            const TSize total(glyphSize.cx + textSize.cx, glyphSize.cy + textSize.cy);
            margin = horizontal ? (clientSize.cx - total.cx) / 3 : (clientSize.cy - total.cy) / 3;
            spacing = margin;
        } else {
            const TSize total(glyphSize.cx + spacing + textSize.cx, glyphSize.cy + spacing + textSize.cy);
            margin = horizontal ? (clientSize.cx - total.cx + 1) / 2 : (clientSize.cy - total.cy + 1) / 2;
        }
    } else if (spacing == -1) {
        const TSize total(clientSize.cx - (margin + glyphSize.cx), clientSize.cy - (margin + glyphSize.cy));
        spacing = horizontal ? (total.cx - textSize.cx) / 2 : (total.cy - textSize.cy) / 2;
    }
    switch (FLayout) {
    case blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = glyphPos.X + glyphSize.cx + spacing;
        break;
    case blGlyphRight:
        glyphPos.X = clientSize.cx - margin - glyphSize.cx;
        textPos.X = glyphPos.X - spacing - textSize.cx;
        break;
    case blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = glyphPos.Y + glyphSize.cy + spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = clientSize.cy - margin - glyphSize.cy;
        textPos.Y = glyphPos.Y - spacing - textSize.cy;
        break;
    }
    glyphPos = {glyphPos.X + Client.Left + Offset.X, glyphPos.Y + Client.Top + Offset.Y};
    OffsetRect(textBounds, textPos.X + Client.Left + Offset.X, textPos.Y + Client.Top + Offset.Y);

    if (hasGlyph) DrawGlyph(c, glyphPos, glyphSize);
    if (Caption().empty()) return;
    c->Brush()->SetStyle(bsClear);
    const Cardinal flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (FState == bsDisabled) {
        OffsetRect(textBounds, 1, 1);
        c->Font()->SetColor(clBtnHighlight);
        DrawText(c, Caption(), -1, textBounds, flags);
        OffsetRect(textBounds, -1, -1);
        c->Font()->SetColor(clBtnShadow);
    }
    DrawText(c, Caption(), -1, textBounds, flags);
}

void TSpeedButton::DrawGlyph(TCanvas* Canvas, TPoint Pos, TSize Size) {
    if (FState == bsDisabled && FNumGlyphs < 2) {
        DrawFirstSlice(Canvas, Pos, Size,
                       [](const graphics::PixelBuffer& Slice, TColor Transparent, TColor Face) {
                           return ui::DisabledGlyph(Slice, Transparent, Face, ColorToRGB(clBtnHighlight),
                                                    ColorToRGB(clBtnShadow));
                       });
        return;
    }
    // The picture of the state when there is one, else the first; the
    // lower-left pixel's colour shows through.
    Integer index = FState;
    if (index >= FNumGlyphs) index = 0;
    TBitmap piece;
    piece.SetSize(Size.cx, Size.cy);
    piece.Canvas()->CopyRect(Rect(0, 0, Size.cx, Size.cy), FGlyph->Canvas(),
                             Bounds(index * Size.cx, 0, Size.cx, Size.cy));
    piece.SetTransparent(true);
    Canvas->Draw(Pos.X, Pos.Y, &piece);
}

void TSpeedButton::DrawFirstSlice(TCanvas* Canvas, TPoint Pos, TSize Size, const TGlyphLook& Make) {
    // The slice's lower-left pixel is the colour that shows through.
    const graphics::PixelBuffer slice = FGlyph->Pixels(Bounds(0, 0, Size.cx, Size.cy));
    if (slice.Width <= 0 || slice.Height <= 0) return;
    const TColor face = ColorToRGB(clBtnFace);
    TBitmap picture(Size.cx, Size.cy, pf24bit);
    picture.PutPixels(0, 0, Make(slice, slice.At(0, slice.Height - 1), face));
    picture.SetTransparentColor(face);
    picture.SetTransparent(true);
    Canvas->Draw(Pos.X, Pos.Y, &picture);
}
