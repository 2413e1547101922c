#pragma once
// A holder of one graphic of any kind (bitmap, icon, metafile) that it owns.
#include "platform/core/TPersistent.h"
#include "platform/graphics/TGraphic.h"

#include <memory>

class TBitmap;
class TIcon;
class TMetafile;

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;
    String ClassName() const override { return "TPicture"; }

    // Copies another picture's graphic, or takes a copy of a graphic; null empties.
    void Assign(TPersistent* Source) override;

    // The graphic held, nullptr when empty.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of Value (nullptr empties).
    void SetGraphic(TGraphic* Value);
    // The graphic as a bitmap / icon / metafile; a graphic of another kind is
    // replaced by an empty one of the asked kind.
    TBitmap* Bitmap();
    TIcon* Icon();
    TMetafile* Metafile();

    Integer Width() const { return FGraphic ? FGraphic->Width() : 0; }
    Integer Height() const { return FGraphic ? FGraphic->Height() : 0; }

    // By extension: ".bmp", ".ico", ".emf" and ".wmf" (any case). Raises
    // EInvalidGraphic "Unknown picture file extension (.<ext>)" otherwise.
    void LoadFromFile(const String& FileName);
    // Raises EInvalidGraphic "Cannot save an empty picture" when empty.
    void SaveToFile(const String& FileName);
    // The picture as component streaming stores it: the graphic's class name
    // as a short string, then the graphic in its file format, a bitmap's
    // preceded by its int32 byte count. Nothing for an empty picture.
    void WriteData(TStream* Stream) const;
    // Reads what WriteData wrote, to the end of Stream; a graphic class it does
    // not know leaves the picture empty. Raises EReadError "Stream read error"
    // on data cut short.
    void ReadData(TStream* Stream);
    // Streams the picture as the binary property "Data" (nothing while empty).
    void DefineProperties(TFiler* Filer) override;

    TNotifyEvent OnChange;

private:
    template <typename T> T* Force();
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};
