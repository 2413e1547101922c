#pragma once
// Keeps a canvas's pen, brush, font, text state and clip for a scope and puts
// them back on every path, so a drawing routine leaves the caller's canvas as
// it found it.
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"

#include <memory>

namespace utl {

class CanvasGuard {
public:
    explicit CanvasGuard(TCanvas* canvas) : FCanvas(canvas) {
        FPen.Assign(canvas->Pen());
        FBrush.Assign(canvas->Brush());
        FFont.Assign(canvas->Font());
        FTextColor = canvas->TextColor();
        FBkColor = canvas->BkColor();
        FBkMode = canvas->BkMode();
        FCharExtra = canvas->TextCharacterExtra();
        FClip = canvas->ClipRegion();
    }
    ~CanvasGuard() {
        FCanvas->Pen()->Assign(&FPen);
        FCanvas->Brush()->Assign(&FBrush);
        FCanvas->Font()->Assign(&FFont);
        FCanvas->SetTextColor(FTextColor);
        FCanvas->SetBkColor(FBkColor);
        FCanvas->SetBkMode(FBkMode);
        FCanvas->SetTextCharacterExtra(FCharExtra);
        // Only a changed clip is put back: recordings stay free of no-op clips.
        const std::unique_ptr<TRegion> now = FCanvas->ClipRegion();
        if (bool(now) != bool(FClip) || (now && !(*now == *FClip))) FCanvas->SetClipRegion(FClip.get());
    }
    CanvasGuard(const CanvasGuard&) = delete;
    CanvasGuard& operator=(const CanvasGuard&) = delete;

private:
    TCanvas* FCanvas;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    TColor FTextColor;
    TColor FBkColor;
    int FBkMode;
    Integer FCharExtra;
    std::unique_ptr<TRegion> FClip;
};

} // namespace utl
