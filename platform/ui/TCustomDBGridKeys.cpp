// The data grid's keyboard: the state a key meets, the command it decides
// on, and the carrying out of that command.
#include "platform/ui/TCustomDBGrid.h"

#include "platform/data/TDataSet.h"
#include "platform/ui/DBGridKeys.h"
#include "platform/ui/TGridDataLink.h"
#include "platform/ui/TInplaceEdit.h"

#include <algorithm>

void TCustomDBGrid::KeyDown(Word& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == 0 || !FDataLink->Active()) return;
    TDataSet* ds = DataSet();
    ui::DBGridKeyState state;
    state.RowSelect = FOptions.Contains(dgRowSelect);
    state.Tabs = FOptions.Contains(dgTabs);
    state.CanAddRecords = FOptions.Contains(dgEditing) && !FReadOnly && ds->CanModify();
    state.Inserting = ds->State() == dsInsert;
    state.Modified = ds->Modified();
    state.Eof = ds->Eof();
    state.EditorMode = EditorMode();
    state.EditorModified = InplaceEditor() && InplaceEditor()->Modified();
    const ui::DBGridKeyAction action = ui::DBGridKey(Key, Shift, state);
    if (action.Consumed) Key = 0;
    RunKeyCommand(action.Command);
}

bool TCustomDBGrid::StepToVisibleColumn(Integer Step) {
    Integer i = SelectedIndex();
    const Integer count = Columns()->Count();
    do {
        i += Step;
    } while (i >= 0 && i < count && !Columns()->Items(i)->Visible());
    if (i < 0 || i >= count) return false;
    SetSelectedIndex(i);
    return true;
}

void TCustomDBGrid::RunKeyCommand(ui::DBGridKeyCommand Command) {
    using C = ui::DBGridKeyCommand;
    TDataSet* ds = DataSet();
    const Integer cols = Columns()->Count();
    switch (Command) {
    case C::None:
        break;
    case C::CancelInsert:
        ds->Cancel();
        break;
    case C::PriorRecord:
    case C::NextRecord:
        MoveBy(Command == C::NextRecord ? 1 : -1);
        break;
    case C::NextRecordOrAppend:
        if (MoveBy(1) == 0) ds->Append();
        break;
    case C::PriorScreen:
    case C::NextScreen:
        MoveBy((Command == C::NextScreen ? 1 : -1) * std::max(1, VisibleRowCount()));
        break;
    case C::FirstRecord:
    case C::LastRecord:
        UpdateText();
        if (Command == C::FirstRecord)
            ds->First();
        else
            ds->Last();
        break;
    case C::FirstColumn:
        SetSelectedIndex(0);
        break;
    case C::LastColumn:
        SetSelectedIndex(cols - 1);
        break;
    case C::PriorColumn:
    case C::NextColumn:
        StepToVisibleColumn(Command == C::NextColumn ? 1 : -1);
        break;
    case C::TabBack:
        if (!StepToVisibleColumn(-1) && MoveBy(-1) != 0) SetSelectedIndex(cols - 1);
        break;
    case C::TabForward:
        if (!StepToVisibleColumn(1) && MoveBy(1) != 0) SetSelectedIndex(0);
        break;
    case C::RevertEditor:
        InplaceEditor()->SetText(GetEditText(Col(), Row()));
        InplaceEditor()->SetModified(false);
        break;
    case C::CancelEditor:
        HideEditor();
        if (IsEditMode(ds->State())) ds->Cancel();
        break;
    case C::PostEditor:
        UpdateText();
        HideEditor();
        PostTypedRecord();
        break;
    case C::ShowEditor:
        if (CanEditShow()) ShowEditor();
        break;
    case C::HideEditor:
        HideEditor();
        break;
    case C::Insert:
        ds->Insert();
        break;
    }
}
