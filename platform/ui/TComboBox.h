#pragma once
// A drop-down list, editable (csDropDown) or not (csDropDownList). Items show
// in the list; setting ItemIndex or Text does not fire OnChange, only the user's
// choice or typing does (forms fill and set combos without reacting). Setting Text of an editable box
// leaves the selection alone. Typing completes inline from the items (the
// completed part selected, Backspace takes it away); OnChange fires for the
// typed text and again for the completion, so Text() ends on what the box shows.
// The owner-drawn styles show no edit line: each item of the list and the
// chosen item on the closed box are drawn by DrawItem (OnDrawItem when
// assigned, else the item's text) on Canvas, every item ItemHeight high.
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/TWinControl.h"

#include <memory>

class QAbstractItemDelegate;
class TBitmap;
class TCanvas;
class TStrings;
namespace ui {
class ItemStrings;
class SharedItems;
} // namespace ui

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;
    String ClassName() const override { return "TComboBox"; }

    TStrings* Items() const;
    // Shows Items, a read-only list other boxes may show too, instead of own items:
    // the box keeps no copy (Items() reads the shared list; changing Items() gives the
    // box its own copy first). Nothing is chosen afterwards. Null empties the box.
    void ShareItems(std::shared_ptr<const ui::SharedItems> Items);
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
    // Opens or closes the list.
    void SetDroppedDown(bool v);
    void Clear();
    Integer ItemHeight() const { return FItemHeight; }
    // Values below 1 are ignored.
    void SetItemHeight(Integer v);
    // The canvas OnDrawItem draws on; outside drawing it measures text in the control's font.
    TCanvas* Canvas() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TDrawItemEvent OnDrawItem;

protected:
    void ColorChanged() override;
    virtual void Change();
    // Draws item Index inside Rect on Canvas, already filled in the state's brush.
    virtual void DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State);
    bool WidgetEvent(QEvent* Event) override;

private:
    std::unique_ptr<ui::ItemStrings> FItems;
    TComboBoxStyle FStyle = csDropDown;
    Integer FDropDownCount = 8;
    Integer FMaxLength = 0;
    bool FSyncing = false;
    // The text just typed, while its inline completion may still follow.
    String FTyped;
    bool FAwaitsCompletion = false;

    bool OwnerDrawn() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
    // Fills Rect for State, lends Canvas to DrawItem and marks the focus.
    void DrawItemOn(TCanvas* Canvas, Integer Index, const TRect& Rect, TOwnerDrawState State);
    void PaintFace();
    // Points the widget at Items' shared model, or back at a model of its own.
    void ShowShared(const ui::SharedItems* Items);
    // Reports typing, and the inline completion that follows it, as OnChange.
    void WatchTyping();

    Integer FItemHeight = 16;
    TCanvas* FCanvas = nullptr;
    mutable std::unique_ptr<TBitmap> FMeasure;
    QAbstractItemDelegate* FPlainDelegate = nullptr;
    QAbstractItemDelegate* FOwnerDelegate = nullptr;
};
