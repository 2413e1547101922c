#pragma once
// A drop-down list, editable (csDropDown) or not (csDropDownList). Items show
// in the list; setting ItemIndex or Text does not fire OnChange, only the user's
// choice or typing does (forms fill and set combos without reacting). Setting Text of an editable box
// leaves the selection alone.
#include "platform/ui/TWinControl.h"

#include <memory>

class TStrings;
namespace ui {
class ItemStrings;
}

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;
    String ClassName() const override { return "TComboBox"; }

    TStrings* Items() const;
    Integer ItemIndex() const;
    // -1 clears the selection (and an editable box's text); out-of-range values
    // select nothing.
    void SetItemIndex(Integer v);
    String Text() const override;
    // Editable: the text as given; list only: the item with that text, if any.
    void SetText(const String& v) override;
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle v);
    Integer DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(Integer v);
    bool Sorted() const;
    void SetSorted(bool v);
    Integer MaxLength() const { return FMaxLength; }
    void SetMaxLength(Integer v);
    bool DroppedDown() const;
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;

protected:
    void ColorChanged() override;
    virtual void Change();

private:
    std::unique_ptr<ui::ItemStrings> FItems;
    TComboBoxStyle FStyle = csDropDown;
    Integer FDropDownCount = 8;
    Integer FMaxLength = 0;
    bool FSyncing = false;
};
