#pragma once
// The base of every visual element: position and size in the parent's client
// coordinates, alignment and anchors, visibility, text, colour and font (each
// followed from the parent unless set), hints, cursor, context menu and the
// mouse events. Each control is backed by a widget of the layer; nothing
// outside the platform sees it.
//
// Who frees what, for every component and control:
// - an owner deletes the components it owns, the last first (TComponent);
// - a parent deletes its child controls, the last first (TWinControl), owned or not;
// - a control deletes its widget, and a widget never outlives or deletes its control:
//   leaving the parent takes the widget out of the parent's widget first.
// Whichever of owner and parent goes first, the deleted control leaves the other's
// list, so each control is freed exactly once. Code above the platform deletes
// nothing it gave an owner or a parent: a form's component pointers (and the structs
// that only group them) stay valid until the form is deleted, and own nothing.
#include "platform/core/TComponent.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/TActionLink.h"
#include "platform/ui/TSizeConstraints.h"
#include "platform/ui/UiTypes.h"

#include <memory>

class QEvent;
class QWidget;
class TFont;
class TCanvas;
class TWinControl;
class TCustomForm;
class TPopupMenu;
// One notch of the mouse wheel; MousePos in the control's client coordinates.
// Setting Handled keeps the notch from the control's parents.
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
namespace ui {
class EventBridge;
class KeyRouter;
void AlignChildren(TWinControl* Parent);
} // namespace ui

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner) : TControl(AOwner, nullptr) {}
    // Deletes the widget; a control still parented leaves its parent first.
    ~TControl() override;
    String ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return FParent; }
    // Moves the control into AParent's child list (null takes it out).
    // Raises EInvalidOperation "A control cannot have itself as its parent"
    // when AParent is the control or one of its own children.
    virtual void SetParent(TWinControl* AParent);

    Integer Left() const { return FLeft; }
    void SetLeft(Integer v) { SetBounds(v, FTop, FWidth, FHeight); }
    Integer Top() const { return FTop; }
    void SetTop(Integer v) { SetBounds(FLeft, v, FWidth, FHeight); }
    Integer Width() const { return FWidth; }
    void SetWidth(Integer v) { SetBounds(FLeft, FTop, v, FHeight); }
    Integer Height() const { return FHeight; }
    void SetHeight(Integer v) { SetBounds(FLeft, FTop, FWidth, v); }
    // Sets all four at once within Constraints, realigns the parent and the
    // children, fires OnResize on a size change.
    virtual void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // (0, 0, ClientWidth, ClientHeight).
    virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    Integer ClientWidth() const { return ClientRect().Width(); }
    Integer ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(Integer v) { SetWidth(FWidth - ClientWidth() + v); }
    virtual void SetClientHeight(Integer v) { SetHeight(FHeight - ClientHeight() + v); }
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign v);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors v);
    TSizeConstraints* Constraints() const { return FConstraints.get(); }

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool v);
    // Enabled and every parent enabled: the control takes input and is drawn enabled.
    bool ShowsEnabled() const;

    // Caption and Text are the same text (labels set one, edits read the other).
    virtual String Text() const { return FText; }
    virtual void SetText(const String& v);
    String Caption() const { return Text(); }
    void SetCaption(const String& v) { SetText(v); }

    // Virtual so that a control with a colour of its own (the styled speed
    // buttons) is set and read the same way through a TControl pointer.
    virtual TColor Color() const { return FColor; }
    virtual void SetColor(TColor v);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    TFont* Font() const { return FFont.get(); }
    virtual void SetFont(TFont* v);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);

    const String& Hint() const { return FHint; }
    void SetHint(const String& v);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor v);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* v);
    // A right click, the menu key or Shift+F10 asks for the control's popup at
    // ScreenPos: shows it and answers true, or answers false when the control has
    // none, so the request goes on to its parent.
    virtual bool ContextPopup(TPoint ScreenPos, bool FromKeyboard);

    // Last in the parent's child list (painted above its siblings) / first.
    void BringToFront();
    void SendToBack();
    void Invalidate();
    // Paints at once.
    void Repaint();
    void Refresh() { Repaint(); }
    void Update();
    // While captured, every mouse event goes to this control, wherever the
    // pointer is; a hidden or destroyed control loses the capture.
    void SetMouseCapture(bool v);
    bool MouseCapture() const;

    // The layer calls these; they fire the events.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void MouseMove(TShiftState Shift, Integer X, Integer Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    // The position in the parent changed (after Resize when the size changed too).
    virtual void Moved() {}
    // Alt and a letter offered by the form to each control; a label whose
    // accelerator it is focuses its FocusControl and answers true.
    virtual bool DialogChar(Word Key) { return false; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    // One call per notch turned away from the user (up) or towards the user (down).
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;

    // The action whose Caption, Enabled, Hint and Visible the control follows
    // and whose OnExecute a click without OnClick runs; null for none.
    TBasicAction* Action() const { return FActionLink ? FActionLink->Action() : nullptr; }
    // Links the control to Value through a link of GetActionLinkClass (null
    // unlinks) and takes over its properties; while loading only those the
    // control still has at their defaults.
    void SetAction(TBasicAction* Value);
    TControlActionLink* ActionLink() const { return FActionLink.get(); }
    virtual TControlActionLinkClass GetActionLinkClass() const { return &NewActionLink<TControlActionLink>; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Platform-internal: the backing widget.
    QWidget* Widget() const { return FWidget; }
    // Platform-internal: the control a widget backs, or the nearest one above it.
    static TControl* FromWidget(const QWidget* w);

protected:
    // AWidget (may be null: a plain widget) becomes the backing widget, owned.
    TControl(TComponent* AOwner, QWidget* AWidget);

    // Hooks for derived classes.
    // A control that paints itself answers true; PaintControl then draws each
    // paint event on a canvas over the widget.
    virtual bool SelfPainting() const { return false; }
    virtual void PaintControl(TCanvas* Canvas) {}
    // First look at every event of the widget; true swallows it.
    virtual bool WidgetEvent(QEvent* Event) { return false; }
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged() {}
    virtual void EnabledChanged() {}
    // Parent font or colour changed.
    void ParentFontChanged();
    void ParentColorChanged();
    // Whether a left-button press and release over the control fire Click.
    void SetClickOnMouseUp(bool v) { FClickOnMouseUp = v; }
    // Whether the widget fills its background with Color.
    void SetOpaque(bool v);
    // Sets the bounds without touching the anchor rules (alignment and anchoring).
    void PlaceBy(const TRect& r);
    // Moves the widget to the current bounds (and client offset of the parent).
    virtual void UpdateWidgetGeometry();
    // Records the anchor origin from the current bounds and the parent's client size.
    void UpdateAnchorRules();
    // The real colour behind Color for painting.
    TColor EffectiveColor() const { return ColorToRGB(FColor); }
    // Takes over a TCustomAction's Caption, Enabled, Hint and Visible; with
    // CheckDefaults only where the control still has its default.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);

private:
    friend class TWinControl;
    friend class TCustomForm;
    friend class ui::EventBridge;
    friend class ui::KeyRouter;
    friend void ui::AlignChildren(TWinControl* Parent);

    void OwnFontChanged();
    void ApplyHint();

    QWidget* FWidget = nullptr;
    ui::EventBridge* FBridge = nullptr;
    TWinControl* FParent = nullptr;
    Integer FLeft = 0;
    Integer FTop = 0;
    Integer FWidth = 0;
    Integer FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    TPoint FAnchorRules;
    TPoint FOriginalParentSize;
    bool FVisible = true;
    bool FEnabled = true;
    String FText;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FFontFromParent = false;
    String FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TPopupMenu* FPopupMenu = nullptr;
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FClickOnMouseUp = false;
    bool FMousePressed = false;
    bool FOpaque = false;
    std::unique_ptr<TControlActionLink> FActionLink;
};

// The form a control sits on (the control itself when it is a form); null when none.
TCustomForm* GetParentForm(const TControl* Control);
// The first part of a hint, before "|".
String GetShortHint(const String& Hint);
// The second part of a hint, after "|" (the whole hint when it has none).
String GetLongHint(const String& Hint);
