#pragma once
// The picture view: a bitmap, metafile or icon drawn at its own size or
// stretched into the object, optionally centred and keeping its proportions.
#include "platform/graphics/TPicture.h"
#include "report/views/TrpView.h"

// Picture flags besides flStretched.
enum : Word { flPictCenter = 2, flPictRatio = 4 };

// Picture kinds of the stored record.
enum : Byte { pkNone = 0, pkBitmap = 1, pkMetafile = 2, pkIcon = 3 };

class TrpPictureView : public TrpView {
public:
    TrpPictureView();
    String ClassName() const override { return "TrpPictureView"; }

    void Assign(TrpView* View) override;
    void Draw(TCanvas* ACanvas) override;
    // The common record, then byte kind, int32 end position and the graphic in
    // its own file format. Reading continues at the stored end position, which
    // must lie between the graphic's start and the end of the stream
    // (EReadError "Invalid picture end position" otherwise).
    void LoadFromStream(TStream* Stream) override;
    // Writes a placeholder end position, the graphic, then patches it.
    void SaveToStream(TStream* Stream) override;
    // A missing or null field empties the picture; otherwise the blob's bytes
    // are loaded as a bitmap.
    void GetBlob(TField* Field) override;
    // The base items, then centre and keep aspect ratio (enabled only when
    // stretched); each changes the selected pictures.
    void DefinePopupMenu(TPopupMenu* Popup) override;

    TPicture Picture;
};

// Reads the int32 end position of a picture or rich-text record and checks
// that it lies between the current position and the stream's end.
Int64 rpReadEndPosition(TStream* Stream);
// Writes a placeholder end position and answers where it lies.
Int64 rpBeginEndPosition(TStream* Stream);
// Patches the placeholder at At with the current position; leaves the
// stream at its end.
void rpPatchEndPosition(TStream* Stream, Int64 At);
