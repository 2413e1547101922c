#pragma once
// A bitmap in memory with its own canvas. Pixel formats keep the platform's
// scan-line layout: pf1bit one bit a pixel (most significant first, 0 black,
// 1 white), pf8bit one palette index a byte, pf24bit blue-green-red, pf32bit
// blue-green-red-unused. Rows are padded to 4 bytes. Streams hold BMP file
// images, written back byte for byte.
#include "platform/graphics/GraphicsTypes.h"
#include "platform/graphics/Palettes.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphic.h"

#include <memory>
#include <vector>

class QImage;

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(Integer width, Integer height, TPixelFormat format = pfDevice);
    ~TBitmap() override;
    String ClassName() const override { return "TBitmap"; }

    // Copies another TBitmap (pixels, format, palette, transparency); null empties.
    void Assign(TPersistent* Source) override;

    bool Empty() const override;
    Integer Width() const override;
    Integer Height() const override;
    void SetWidth(Integer v) override;
    void SetHeight(Integer v) override;
    // Resizing keeps the pixels that still fit; new ones are white.
    void SetSize(Integer w, Integer h);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the pixels; to one bit black stays black and every other colour
    // becomes white, as the platform's monochrome conversion does.
    void SetPixelFormat(TPixelFormat v);
    bool Monochrome() const { return FPixelFormat == pf1bit; }
    void SetMonochrome(bool v);

    // Start of row Row in the layout above (pf15bit and pf16bit: 5-5-5 and 5-6-5 words); raises
    // EInvalidGraphicOperation "Scan line index out of range" outside 0 .. Height - 1. Rows may be read and
    // written until the bitmap is next drawn on, resized or saved; ask again after that.
    void* ScanLine(Integer Row);
    // Bytes per row including padding.
    Integer RowBytes() const;

    // tmAuto: the bottom-left pixel's colour; tmFixed: the colour set.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor v);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode v) { FTransparentMode = v; }

    // The bitmap's own canvas, created on first use.
    TCanvas* Canvas();

    // A BMP file image (BITMAPFILEHEADER first) of 1, 4, 8, 24 or 32 bits,
    // uncompressed or RLE8/RLE4. Raises EInvalidGraphic "Bitmap image is not valid"
    // for anything else. The image's bytes are kept and written back unchanged
    // until the pixels change.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    std::vector<Byte> SaveToBytes();
    void LoadFromBytes(const Byte* data, std::size_t size);
    // The bitmap resource registered under ResName (BitmapResources.h); raises
    // EResNotFound "Resource <name> not found" when there is none.
    void LoadFromResourceName(const String& ResName);

    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    // The palette of pf1bit, pf4bit and pf8bit bitmaps.
    const std::vector<TColor>& Palette() const { return FPalette; }
    void SetPalette(const std::vector<TColor>& v);
    // That palette as a handle holding its colours as they are now. The bitmap
    // owns it (never deleted by the caller) and answers the same handle for
    // its whole life. Null, no palette, for a bitmap without one: the
    // true-colour formats.
    HPALETTE PaletteHandle() const;

    // Pixel access for the raster operations: a copy of r, and writing one back at (x, y).
    graphics::PixelBuffer Pixels(const TRect& r) const;
    void PutPixels(Integer x, Integer y, const graphics::PixelBuffer& pixels);

    // Platform-internal: the image behind the bitmap (32-bit RGB while drawn).
    QImage& Image();
    const QImage& Image() const;
    // Called by the canvas after drawing: forgets the loaded file bytes and
    // brings pixels back to the format's colours.
    void PixelsChanged();

private:
    void SyncFormat();

    std::unique_ptr<QImage> FImage; // always Format_RGB32
    TPixelFormat FPixelFormat = pfDevice;
    std::vector<TColor> FPalette;
    mutable std::unique_ptr<TPaletteObject> FPaletteHandle;
    std::vector<Byte> FRowBuffer;   // scan lines in the platform layout
    std::vector<Byte> FRowSnapshot; // the rows as handed out, to see what changed
    bool FRowsDirty = false;
    std::vector<Byte> FOriginal; // the loaded BMP bytes, until the pixels change
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    std::unique_ptr<TCanvas> FCanvas;
};
