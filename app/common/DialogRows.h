#pragma once
// The labelled rows of a dialog: each row a right-aligned label ending at LabelRight
// and an input starting at InputLeft, the rows one under the other.
#include "platform/core/Types.h"

class TComponent;
class TEdit;
class TMemo;
class TWinControl;

namespace app {

class DialogRows {
public:
    DialogRows(TComponent* Owner, TWinControl* Parent, Integer LabelRight, Integer InputLeft,
               Integer InputWidth, Integer FirstTop);

    // A labelled text box or memo named Name, its label "Label" + Name.
    TEdit* AddEditRow(const String& Name, const String& Caption, Integer MaxLength);
    TMemo* AddMemoRow(const String& Name, const String& Caption, Integer MaxLength);
    // A labelled row for a control of the caller's own, Height high; answers its top.
    Integer AddRow(const String& Name, const String& Caption, Integer Height);

    Integer InputLeft() const { return FInputLeft; }
    Integer InputWidth() const { return FInputWidth; }
    // The top of the next row.
    Integer NextTop() const { return FNextTop; }

private:
    TComponent* FOwner;
    TWinControl* FParent;
    Integer FLabelRight;
    Integer FInputLeft;
    Integer FInputWidth;
    Integer FNextTop;
};

} // namespace app
