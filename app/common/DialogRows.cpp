#include "app/common/DialogRows.h"

#include "app/common/FormControls.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"

namespace app {

namespace {

constexpr Integer RowGap = 6;
constexpr Integer MemoHeight = 40;

} // namespace

DialogRows::DialogRows(TComponent* Owner, TWinControl* Parent, Integer LabelRight, Integer InputLeft,
                       Integer InputWidth, Integer FirstTop)
    : FOwner(Owner), FParent(Parent), FLabelRight(LabelRight), FInputLeft(InputLeft), FInputWidth(InputWidth),
      FNextTop(FirstTop) {}

Integer DialogRows::AddRow(const String& Name, const String& Caption, Integer Height) {
    const Integer top = FNextTop;
    MakeFieldLabel(FOwner, FParent, "Label" + Name, Caption, FLabelRight, top);
    FNextTop += Height + RowGap;
    return top;
}

TEdit* DialogRows::AddEditRow(const String& Name, const String& Caption, Integer MaxLength) {
    const Integer top = AddRow(Name, Caption, EditHeight);
    TEdit* edit = MakeEdit(FOwner, FParent, Name, FInputLeft, top, FInputWidth);
    edit->SetMaxLength(MaxLength);
    return edit;
}

TMemo* DialogRows::AddMemoRow(const String& Name, const String& Caption, Integer MaxLength) {
    const Integer top = AddRow(Name, Caption, MemoHeight);
    TMemo* memo = MakeMemo(FOwner, FParent, Name, FInputLeft, top, FInputWidth, MemoHeight);
    memo->SetMaxLength(MaxLength);
    return memo;
}

} // namespace app
