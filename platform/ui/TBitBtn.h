#pragma once
// A push button with a glyph beside its caption; Kind gives the stock
// captions and modal results (bkOK, bkCancel, bkClose …).
#include "platform/ui/TButton.h"

#include <memory>

class TBitmap;

enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;
    String ClassName() const override { return "TBitBtn"; }

    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind v);
    // The glyph; with NumGlyphs > 1 its first part. The lower-left pixel's
    // colour is transparent.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* v);
    Integer NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(Integer v);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout v);
    Integer Spacing() const { return FSpacing; }
    void SetSpacing(Integer v) { FSpacing = v; }
    Integer Margin() const { return FMargin; }
    void SetMargin(Integer v) { FMargin = v; }

    void Click() override;

private:
    void UpdateIcon();

    TBitBtnKind FKind = bkCustom;
    std::unique_ptr<TBitmap> FGlyph;
    Integer FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    Integer FSpacing = 4;
    Integer FMargin = -1;
};
