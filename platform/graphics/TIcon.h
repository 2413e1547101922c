#pragma once
// An icon file (one or more images) kept as its bytes; drawing uses the
// largest image, its transparent pixels left out.
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TGraphic.h"

#include <memory>
#include <vector>

class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;
    String ClassName() const override { return "TIcon"; }
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return FData.empty(); }
    Integer Width() const override;
    Integer Height() const override;
    // An icon's size comes from its file.
    void SetWidth(Integer v) override;
    void SetHeight(Integer v) override;

    // Raises EInvalidGraphic "Icon image is not valid" for anything but an icon file.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void LoadFromBytes(const std::vector<Byte>& data);
    const std::vector<Byte>& Data() const { return FData; }

    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    // The image as colours and a mask (true = transparent pixel).
    const graphics::PixelBuffer& Pixels() const { return FPixels; }
    const std::vector<bool>& Mask() const { return FMask; }

private:
    std::vector<Byte> FData;
    graphics::PixelBuffer FPixels;
    std::vector<bool> FMask;
};
