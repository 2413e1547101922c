#include "report/views/TrpPictureView.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStream.h"
#include "platform/data/TBlobField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TMetafile.h"

#include <algorithm>

Int64 rpReadEndPosition(TStream* Stream) {
    const Int64 end = Stream->ReadInt32();
    if (end < Stream->Position() || end > Stream->Size()) throw EReadError("Invalid picture end position");
    return end;
}

Int64 rpBeginEndPosition(TStream* Stream) {
    const Int64 at = Stream->Position();
    Stream->WriteInt32(0);
    return at;
}

void rpPatchEndPosition(TStream* Stream, Int64 At) {
    const Int64 end = Stream->Position();
    if (end > 0x7FFFFFFF) throw EWriteError("Stream write error");
    Stream->SetPosition(At);
    Stream->WriteInt32(static_cast<std::int32_t>(end));
    Stream->Seek(0, soFromEnd);
}

TrpPictureView::TrpPictureView() {
    Typ = gtPicture;
    BaseName = "Picture";
    Flags = flStretched | flPictRatio;
}

void TrpPictureView::Assign(TrpView* View) {
    TrpView::Assign(View);
    if (auto* picture = dynamic_cast<TrpPictureView*>(View)) Picture.Assign(&picture->Picture);
}

void TrpPictureView::Draw(TCanvas* ACanvas) {
    BeginDraw(ACanvas);
    CalcGaps();
    ShowBackGround();
    TGraphic* graphic = Picture.Graphic();
    if (!graphic || graphic->Empty()) {
        if (DocMode == dmDesigning) {
            SetDesignFont();
            Canvas->Brush()->SetStyle(bsClear);
            Canvas->TextOut(Left + 2, Top + 2, "Picture");
        }
    } else {
        const Integer pw = Picture.Width(), ph = Picture.Height();
        const Integer dw = DRect.Width(), dh = DRect.Height();
        const bool centre = Flags & flPictCenter;
        if (Flags & flStretched) {
            TRect target = DRect;
            bool drawable = true;
            if (Flags & flPictRatio) {
                // A picture without size has no proportions to keep.
                drawable = pw > 0 && ph > 0;
                if (drawable) {
                    const double kx = double(Width) / pw, ky = double(Height) / ph;
                    if (kx >= ky)
                        target.Right = target.Left + static_cast<Integer>(std::clamp<Int64>(Round(pw * ky), 0,
                                                                                            std::max(dw, 0)));
                    else
                        target.Bottom = target.Top + static_cast<Integer>(std::clamp<Int64>(Round(ph * kx), 0,
                                                                                            std::max(dh, 0)));
                }
            }
            if (centre) OffsetRect(target, (dw - target.Width()) / 2, (dh - target.Height()) / 2);
            if (drawable) Canvas->StretchDraw(target, graphic);
        } else {
            Integer x = DRect.Left, y = DRect.Top;
            if (centre) {
                x += (dw - pw) / 2;
                y += (dh - ph) / 2;
            }
            Canvas->Draw(x, y, graphic);
        }
    }
    ShowFrame();
    RestoreCoord();
}

void TrpPictureView::LoadFromStream(TStream* Stream) {
    TrpView::LoadFromStream(Stream);
    const Byte kind = Stream->ReadByte();
    const Int64 end = rpReadEndPosition(Stream);
    Picture.SetGraphic(nullptr);
    if (kind != pkNone) {
        std::unique_ptr<TGraphic> graphic;
        switch (kind) {
        case pkBitmap:
            graphic = std::make_unique<TBitmap>();
            break;
        case pkMetafile:
            graphic = std::make_unique<TMetafile>();
            break;
        case pkIcon:
            graphic = std::make_unique<TIcon>();
            break;
        default:
            throw EReadError("Invalid picture kind " + IntToStr(kind));
        }
        // The graphic sees only its own bytes, whatever it would read.
        TMemoryStream bytes;
        if (end > Stream->Position()) bytes.CopyFrom(Stream, end - Stream->Position());
        bytes.SetPosition(0);
        graphic->LoadFromStream(&bytes);
        Picture.SetGraphic(graphic.get());
    }
    Stream->SetPosition(end);
}

void TrpPictureView::SaveToStream(TStream* Stream) {
    TrpView::SaveToStream(Stream);
    TGraphic* graphic = Picture.Graphic();
    Byte kind = pkNone;
    if (graphic && !graphic->Empty()) {
        if (dynamic_cast<TBitmap*>(graphic))
            kind = pkBitmap;
        else if (dynamic_cast<TMetafile*>(graphic))
            kind = pkMetafile;
        else if (dynamic_cast<TIcon*>(graphic))
            kind = pkIcon;
    }
    Stream->WriteByte(kind);
    const Int64 at = rpBeginEndPosition(Stream);
    if (kind != pkNone) graphic->SaveToStream(Stream);
    rpPatchEndPosition(Stream, at);
}

void TrpPictureView::GetBlob(TField* Field) {
    auto* blob = dynamic_cast<TBlobField*>(Field);
    if (!blob || blob->IsNull()) {
        Picture.SetGraphic(nullptr);
        return;
    }
    TMemoryStream bytes;
    blob->SaveToStream(&bytes);
    bytes.SetPosition(0);
    TBitmap bitmap;
    bitmap.LoadFromStream(&bytes);
    Picture.SetGraphic(&bitmap);
}
