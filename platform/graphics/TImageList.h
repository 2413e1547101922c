#pragma once
// A list of same-sized images with transparency masks, drawn by index.
#include "platform/core/TComponent.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/graphics/TColor.h"

#include <vector>

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;
    String ClassName() const override { return "TImageList"; }

    Integer Width() const { return FWidth; }
    Integer Height() const { return FHeight; }
    // Changing the size clears the list, as on the platform.
    void SetWidth(Integer v);
    void SetHeight(Integer v);
    Integer Count() const { return Integer(FImages.size()); }
    // clNone: transparent pixels show what is behind; otherwise they take this colour.
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor v) { FBkColor = v; }
    bool Masked() const { return FMasked; }
    void SetMasked(bool v) { FMasked = v; }

    // Adds the images of Image, cut into Width-wide pieces from the left; Mask
    // (may be null) marks transparent pixels white. Answers the first new index.
    Integer Add(TBitmap* Image, TBitmap* Mask);
    // As Add, with the pixels of MaskColor transparent (clDefault: the bottom-left pixel's colour).
    Integer AddMasked(TBitmap* Image, TColor MaskColor);
    // Raises EInvalidOperation "Invalid image list index" outside 0 .. Count − 1.
    void Delete(Integer Index);
    void Clear();

    // Draws image Index with its top-left at (X, Y); a disabled image is drawn
    // embossed in the button highlight and shadow colours. An index outside
    // the list draws nothing.
    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled = true);
    // Copies image Index into Image (sized to the list), transparent pixels in BkColor
    // or white. Answers false for an index outside the list.
    bool GetBitmap(Integer Index, TBitmap* Image);

    TNotifyEvent OnChange;

private:
    struct Entry {
        graphics::PixelBuffer Pixels;
        std::vector<bool> Transparent;
    };
    Integer AddPieces(TBitmap* Image, const std::vector<bool>& transparent);
    void Changed();

    Integer FWidth = 16;
    Integer FHeight = 16;
    TColor FBkColor = clNone;
    bool FMasked = true;
    std::vector<Entry> FImages;
};
