#pragma once
// A metafile picture (enhanced or the older kind, with or without its
// placeable header) kept as its bytes, so that pictures stored in reports and
// forms survive a load and save byte for byte; drawing plays its records.
#include "platform/graphics/TGraphic.h"

#include <vector>

class TMetafile : public TGraphic {
public:
    String ClassName() const override { return "TMetafile"; }
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return FData.empty(); }
    // Taken from the file's header where it states a size (pixels at 96 dots
    // per inch); settable for files that do not.
    Integer Width() const override { return FWidth; }
    Integer Height() const override { return FHeight; }
    void SetWidth(Integer v) override;
    void SetHeight(Integer v) override;
    // True for an enhanced metafile (the file starts with its header record).
    bool Enhanced() const { return FEnhanced; }

    // Reads the rest of the stream; raises EInvalidGraphic "Metafile is not
    // valid" for bytes that are neither kind or hold a damaged record (the
    // message then names it), keeping the picture it had.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void LoadFromBytes(const std::vector<Byte>& data);
    const std::vector<Byte>& Data() const { return FData; }

    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    std::vector<Byte> FData;
    Integer FWidth = 0;
    Integer FHeight = 0;
    bool FEnhanced = false;
};
