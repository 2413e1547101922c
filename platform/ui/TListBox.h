#pragma once
// A list of lines to choose from. OnClick fires when the user changes the
// chosen line (by mouse or keys), not when the program sets ItemIndex.
#include "platform/ui/TWinControl.h"

#include <memory>

class TStrings;
namespace ui {
class ItemStrings;
}

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;
    String ClassName() const override { return "TListBox"; }

    TStrings* Items() const;
    Integer ItemIndex() const;
    // Out-of-range values choose nothing.
    void SetItemIndex(Integer v);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool v);
    // Raises EListError "List index out of bounds (<i>)".
    bool Selected(Integer Index) const;
    void SetSelected(Integer Index, bool v);
    Integer SelCount() const;
    bool Sorted() const;
    void SetSorted(bool v);
    void Clear();

protected:
    void ColorChanged() override;

private:
    void CheckIndex(Integer Index) const;

    std::unique_ptr<ui::ItemStrings> FItems;
    bool FMultiSelect = false;
    bool FSyncing = false;
};
