#pragma once
// Base of the picture classes a canvas can draw (bitmap, icon, metafile).
#include "platform/core/TPersistent.h"
#include "platform/core/TStream.h"
#include "platform/graphics/TRect.h"

class TCanvas;

class TGraphic : public TPersistent {
public:
    String ClassName() const override { return "TGraphic"; }

    virtual bool Empty() const = 0;
    virtual Integer Width() const = 0;
    virtual Integer Height() const = 0;
    virtual void SetWidth(Integer v) = 0;
    virtual void SetHeight(Integer v) = 0;
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool v);

    // Reads the picture from Stream's position; raises EInvalidGraphic for data
    // that is not this kind of picture.
    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    // Files; raise EFOpenError / EFCreateError as the file streams do.
    void LoadFromFile(const String& FileName);
    void SaveToFile(const String& FileName);

    // The picture as the binary property "Data" (its byte count as a 32-bit
    // number, then the picture's stream), written only when not empty.
    void DefineProperties(TFiler* Filer) override;

    // Paints the picture scaled into Rect (canvases call it from Draw and StretchDraw).
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }

private:
    bool FTransparent = false;
};
