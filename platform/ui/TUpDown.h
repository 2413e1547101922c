#pragma once
// A pair of arrow buttons that steps Position by Increment between Min and
// Max. With an Associate box, the position is shown in it (and read back from
// it before each step), and the buttons sit at the box's right edge.
#include "platform/ui/TCustomControl.h"

class TTimer;

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* AOwner);
    String ClassName() const override { return "TUpDown"; }

    Integer Min() const { return FMin; }
    void SetMin(Integer v);
    Integer Max() const { return FMax; }
    void SetMax(Integer v);
    // Clamped to Min..Max; shown in the associate.
    Integer Position() const { return FPosition; }
    void SetPosition(Integer v);
    Integer Increment() const { return FIncrement; }
    void SetIncrement(Integer v) { FIncrement = v; }
    // Stepping past one end lands on the other.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool v) { FWrap = v; }
    // Thousands separated in the associate's text.
    bool Thousands() const { return FThousands; }
    void SetThousands(bool v);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation v);
    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* v);

    // One step as a press of the button does: OnChanging may refuse it, then
    // OnClick fires with the button.
    void Step(TUDBtnType Button);

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void EnabledChanged() override;

private:
    TUDBtnType ButtonAt(Integer X, Integer Y) const;
    TRect ButtonRect(TUDBtnType Button) const;
    void ShowInAssociate();
    void ReadAssociate();
    void Repeat();

    Integer FMin = 0;
    Integer FMax = 100;
    Integer FPosition = 0;
    Integer FIncrement = 1;
    bool FWrap = false;
    bool FThousands = true;
    TUDOrientation FOrientation = udVertical;
    TWinControl* FAssociate = nullptr;
    TTimer* FRepeat = nullptr;
    bool FPressed = false;
    TUDBtnType FPressedButton = btNext;
};
