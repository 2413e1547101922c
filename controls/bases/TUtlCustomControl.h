#pragma once
// The bases of the windowed UTL controls: TUtlCustomControl paints itself
// with a flat look, hover notices, an image-list link, a bitmap effect and two
// kinds of transparency; TUtlCustomPanel holds other controls and hands its
// background on to see-through children.
#include "controls/shapes/TUtlBitmapEffectObject.h"
#include "controls/bases/UtlBackground.h"
#include "controls/lists/UtlImageListLink.h"
#include "platform/graphics/Palettes.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TCustomForm.h"

#include <memory>

// tmUtl: the parent chain paints the background; tmReal: the window system shows what lies under.
enum TUtlTransparencyMode { tmUtl, tmReal };

class TUtlCustomControl : public TCustomControl, public TUtlBackgroundProvider {
public:
    explicit TUtlCustomControl(TComponent* AOwner);
    ~TUtlCustomControl() override;
    String ClassName() const override { return "TUtlCustomControl"; }

    // Published by the descendants that show it.
    const String& About() const { return FAbout; }
    void SetAbout(const String& Value) { FAbout = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TUtlTransparencyMode TransparencyMode() const { return FTransparencyMode; }
    void SetTransparencyMode(TUtlTransparencyMode Value);
    // Null when none is set or the list has been destroyed.
    TUtlCustomImageList* ImageList() const;
    void SetImageList(TUtlCustomImageList* Value);
    Integer ImageIndex() const { return FImageIndex; }
    Integer ListIndex() const { return FListIndex; }
    // Index 0 ImageIndex, 1 ListIndex; negative values are ignored.
    void SetIndex(Integer Index, Integer Value);
    // No list, or no item at (ListIndex, ImageIndex).
    bool IMLEmpty() const;
    TUtlBitmapEffectObject* BackFX() const { return FBackFX.get(); }
    bool MouseAbove() const { return FMouseAbove; }
    bool HasFocus() const { return FFocused; }
    bool ChangeNotify() const { return FNotify; }
    void SetChangeNotify(bool Value) { FNotify = Value; }
    // The window's frame painted again over the control's edge, where drawing
    // may have covered it: with Ctl3D a button-shadow and a button-face line,
    // then the sunken outer edge; without, a single line in the window-frame
    // colour. Front paints it on the control as shown (now while it paints,
    // else at the end of its next painting); Back on Canvas, a picture of the
    // control from its top-left corner.
    void RestoreBorderFront();
    void RestoreBorderBack(TCanvas* Canvas) const;

    // Transparent and the parent chain can paint the background.
    virtual bool CheckOptimized() const;
    // The background of the client area: the chain's, or Color.
    virtual void FillControl(TCanvas* Canvas);
    virtual void GetChange(TObject* Sender);
    virtual bool GetEmpty() const { return false; }
    virtual void GetIMLChange(TObject* Sender) { GetChange(Sender); }

    // The background protocol: a plain control supplies none.
    bool BackBitmapCheck() const override { return false; }
    TBitmap* BackBitmap() const override { return nullptr; }
    TPoint BackMapPoint(TPoint P) const override;
    bool BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const override;
    // The palette of the background bitmap the parent supplies; null, no
    // palette, when it supplies none or a true-colour one.
    virtual HPALETTE BackBitmapPalette() const;

    // The background behind the control changed: it repaints and, when
    // transparent, tells its own children.
    virtual void BackgroundChanged();

    // "Internal": the image list when it is one of the global lists.
    void DefineProperties(TFiler* Filer) override;

    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    // Sized or moved: the effect's buffer is dropped and a see-through
    // control repaints and tells its children.
    void Resize() override;
    void Moved() override;

    // Run from the event loop once the focus change is over; not at all when
    // the control is destroyed before.
    TNotifyEvent OnAfterEnter;
    TNotifyEvent OnAfterExit;
    TNotifyEvent OnMouseExit;

protected:
    virtual void DoFlatChanged() {}
    // The descendant's content, drawn after the background.
    virtual void DrawContent(TCanvas* Canvas) {}
    void Paint() override;

private:
    void PlaceChanged();

    String FAbout;
    bool FMouseAbove = false;
    bool FFocused = false;
    bool FFlat = false;
    bool FTransparent = false;
    bool FNotify = true;
    bool FPainting = false;
    bool FBorderPending = false;
    Integer FImageIndex = 0;
    Integer FListIndex = 0;
    TUtlChangeLink FLink;
    std::unique_ptr<TUtlBitmapEffectObject> FBackFX;
    TUtlTransparencyMode FTransparencyMode = tmUtl;
};

class TUtlCustomPanel : public TUtlCustomControl {
public:
    explicit TUtlCustomPanel(TComponent* AOwner);
    ~TUtlCustomPanel() override;
    String ClassName() const override { return "TUtlCustomPanel"; }

    // Transparent itself and its parent chain supplies a background.
    bool BackBitmapCheck() const override;
    // The parent's background; with an effect switched on in BackFX, a copy
    // of it with the effects applied (kept until the next call).
    TBitmap* BackBitmap() const override;
    // The parent's background under R, passed through BackFX when one of its
    // effects is switched on: the see-through children show the panel's effect.
    bool BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const override;

private:
    mutable std::unique_ptr<TBitmap> FEffected;
};

namespace utl {

// Tells the UTL controls among Parent's children that their background changed.
void BroadcastBackgroundChanged(TWinControl* Parent);

} // namespace utl

// Index of the first component of class T on Owner when it is a form; −1 otherwise.
template <class T> Integer UtlCheckForFormComponent(TComponent* Owner) {
    if (!dynamic_cast<TCustomForm*>(Owner)) return -1;
    for (Integer i = 0; i < Owner->ComponentCount(); ++i)
        if (dynamic_cast<T*>(Owner->Components(i))) return i;
    return -1;
}
