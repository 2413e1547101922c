#pragma once
// A metafile picture (enhanced or the older placeable kind) kept as its bytes,
// so that pictures stored in reports and forms survive a load and save. It is
// not played back: drawing shows a placeholder frame with a cross.
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
    // valid" for bytes that are neither kind.
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
