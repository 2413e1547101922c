#pragma once
// A group box of radio buttons made from Items, in Columns. ItemIndex is the
// checked one (-1: none); OnClick fires whenever it changes, by the user or
// by the program (forms react to their own settings too).
#include "platform/ui/TGroupBox.h"

#include <memory>
#include <vector>

class QRadioButton;
class TStrings;
namespace ui {
class ItemStrings;
}

class TRadioGroup : public TGroupBox {
public:
    explicit TRadioGroup(TComponent* AOwner);
    ~TRadioGroup() override;
    String ClassName() const override { return "TRadioGroup"; }

    TStrings* Items() const;
    Integer ItemIndex() const { return FItemIndex; }
    // Values below -1 become -1, values past the end the last item.
    void SetItemIndex(Integer v);
    Integer Columns() const { return FColumns; }
    // 1 to 16.
    void SetColumns(Integer v);

protected:
    void Resize() override;
    void FontChanged() override;
    void EnabledChanged() override;

private:
    void RebuildButtons();
    void ArrangeButtons();
    void ButtonClicked(Integer Index);

    std::unique_ptr<ui::ItemStrings> FItems;
    std::vector<QRadioButton*> FButtons;
    Integer FItemIndex = -1;
    Integer FColumns = 1;
};
