#pragma once
// Effects applied to a bitmap in a fixed order (mirror, flip, grey, invert,
// monochrome, brightness, then the alpha blend), optionally remembered in a
// buffer that is drawn again until a setting changes.
#include "controls/shapes/TUtlAlphaObject.h"

#include <cstdint>
#include <memory>

using TUtlBrightness = std::int16_t; // −255 .. 255

class TUtlBitmapEffectObject : public TUtlObject {
public:
    TUtlBitmapEffectObject();
    ~TUtlBitmapEffectObject() override;
    String ClassName() const override { return "TUtlBitmapEffectObject"; }

    TUtlAlphaObject* AlphaBlend() const { return FAlpha.get(); }
    void SetAlphaBlend(TUtlAlphaObject* Value) { FAlpha->Assign(Value); }
    // Index 0 FlipVertical, 1 FlipHorizontal, 2 GrayScale, 3 Invert, 4 Buffered, 5 monochrome.
    bool GetBool(Integer Index) const;
    void SetBool(Integer Index, bool Value);
    bool FlipVertical() const { return FFlipVertical; }
    bool FlipHorizontal() const { return FFlipHorizontal; }
    bool GrayScale() const { return FGrayScale; }
    bool Invert() const { return FInvert; }
    bool Buffered() const { return FBuffer != nullptr; }
    TUtlBrightness Brightness() const { return FBrightness; }
    // Held inside −255 .. 255.
    void SetBrightness(TUtlBrightness Value);

    // Applies the effects to Bitmap (24 bits afterwards); buffered, the
    // remembered result is drawn instead while it is valid.
    void Draw(TBitmap* Bitmap);
    // Target := Source, then Draw.
    void DrawCopy(TBitmap* Source, TBitmap* Target);
    // Rect of Source to Target's top-left (Target takes Rect's size), then Draw.
    void DrawCopyFromRect(TBitmap* Source, const TRect& Rect, TBitmap* Target);
    // Rect of Source to Target at Point; the effects (no monochrome, no blend) on that area.
    void DrawCopyRect(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point);
    // The part of Rect of Source inside the canvas's clip area goes into a
    // bitmap of Rect's size, which is drawn (Draw: every effect, the buffer
    // honoured) and copied into TargetRect of Target, stretched to fit.
    void DrawCutRect(TCanvas* Source, const TRect& Rect, TCanvas* Target, const TRect& TargetRect);
    // Rect of Source to Target at Point; the effects (no monochrome) on that
    // area, then the alpha blend of the area with its fill. Buffered, the
    // whole Target is remembered and drawn again while valid.
    void DrawCutRect2(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point);
    // The buffer must be made again.
    void DestroyBuffer() { FBufferValid = false; }
    // Some effect is switched on.
    bool Enabled() const;

    // Any change drops the buffered result.
    void Change() override;
    void Assign(TPersistent* Source) override;
    // "{alpha, FV, FH, GS, INV, B}" of the active effects, or "{Disabled}".
    String GetSetStr() const override;

private:
    void Chain(TBitmap* Bitmap, const TRect& Area, bool Full);

    std::unique_ptr<TUtlAlphaObject> FAlpha;
    bool FBufferValid = false;
    bool FInvert = false;
    bool FGrayScale = false;
    bool FFlipVertical = false;
    bool FMonochrome = false;
    bool FFlipHorizontal = false;
    std::unique_ptr<TBitmap> FBuffer;
    TUtlBrightness FBrightness = 0;
};
