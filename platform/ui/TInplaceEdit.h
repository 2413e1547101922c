#pragma once
// The one-line editor a grid lays over its current cell. Keys that move
// between cells or end the edit go on to the grid. A cell may give it a
// button at its right: a drop-down list of choices or an ellipsis ("…")
// that hands the click to the grid.
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/TWinControl.h"

#include <vector>

class QLineEdit;
class QListWidget;
class QToolButton;

class TInplaceEdit : public TWinControl {
public:
    explicit TInplaceEdit(TCustomGrid* AGrid);
    ~TInplaceEdit() override;
    String ClassName() const override { return "TInplaceEdit"; }

    TCustomGrid* Grid() const { return FGrid; }
    String Text() const override;
    void SetText(const String& v) override;
    // Set by typing; the grid clears it when it takes the text.
    bool Modified() const { return FModified; }
    void SetModified(bool v) { FModified = v; }
    void SelectAll();
    // Typing stops at Value characters; 0 lifts the limit. A longer text set from code
    // (a cell's stored text) stays whole: the user may shorten it, not lengthen it.
    Integer MaxLength() const { return FMaxLength; }
    void SetMaxLength(Integer Value);
    void SelectEnd();

    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle Value);
    const std::vector<String>& PickList() const { return FPickList; }
    void SetPickList(std::vector<String> Value);
    // The button's rectangle in the editor's coordinates, empty without one.
    TRect ButtonRect() const;
    // What a click on the button does: opens or closes the list, or fires
    // the grid's EditButtonClick.
    void ButtonClick();
    // The drop-down list: opening marks the entry equal to the text;
    // closing with Accept writes the marked entry as typed text.
    void DropDown();
    void CloseUp(bool Accept);
    bool ListVisible() const { return FListVisible; }
    Integer ListItemIndex() const { return FListIndex; }
    void SetListItemIndex(Integer Value);

    void KeyDown(Word& Key, TShiftState Shift) override;
    // A left press on the button clicks it.
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

    // Fired when the text changes by typing or by a choice from the list.
    TNotifyEvent OnChange;

protected:
    void Resize() override;

private:
    QLineEdit* Edit() const;
    bool ListKey(Word Key);
    void LayoutButton();
    void TextTyped();

    TCustomGrid* FGrid;
    Integer FMaxLength = 0;
    bool FModified = false;
    bool FSetting = false;
    String FAcceptedText; // what the cell showed before the key the grid refused
    TEditStyle FEditStyle = esSimple;
    std::vector<String> FPickList;
    QToolButton* FButton = nullptr;
    QListWidget* FList = nullptr;
    bool FListVisible = false;
    Integer FListIndex = -1;
};
